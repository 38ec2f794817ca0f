// The drive performance monitor's configuration (0x0A010000, 16 bytes).
#include "Encoders.h"

namespace sim {

Block EncodeDpmState(const PerformanceMonitor& dpm)
{
    constexpr u32 kSize = 16;
    constexpr u32 kEnabled = 0;           // u8
    constexpr u32 kAveragedCommands = 2;  // u16
    constexpr u32 kLongestCommands = 4;   // u16
    constexpr u32 kTicksPerSecond = 8;    // u32
    Block block(kSize);
    block.PutU8(kEnabled, dpm.enabled);
    block.PutU16(kAveragedCommands, dpm.averagedCommands);
    block.PutU16(kLongestCommands, dpm.longestCommands);
    block.PutU32(kTicksPerSecond, dpm.ticksPerSecond);
    return block;
}

}  // namespace sim
