// The battery status (0x05010000, 64 bytes) and design information (0x05030000, 64 bytes).
// Without a battery the controller answers all-zero blocks: battery type 0.
#include "Encoders.h"
#include "TopologyBits.h"

namespace sim {
namespace {

constexpr u32 kSize = 64;
constexpr u32 kType = 0;       // u8: 0 no battery
constexpr u32 kQualifier = 1;  // u8
constexpr u32 kState = 8;      // u32: the condition bits
constexpr u32 kStateSize = 4;

constexpr u32 kDesignSize = 64;
constexpr u32 kDeviceName = 26;  // char[8]
constexpr u32 kDeviceNameSize = 8;

}  // namespace

Block EncodeBatteryDesign(const Battery& battery)
{
    Block block(kDesignSize);
    if (battery.present)
        block.PutText(kDeviceName, kDeviceNameSize, battery.deviceName.substr(0, kDeviceNameSize));
    return block;
}

Block EncodeBatteryStatus(const Battery& battery)
{
    Block block(kSize);
    if (!battery.present)
        return block;
    block.PutU8(kType, battery.type);
    block.PutU8(kQualifier, battery.qualifier);
    ByteSpan state = block.Slice(kState, kStateSize);
    EncodeNameSet(state, battery.conditions, BatteryConditionBits());
    return block;
}

}  // namespace sim
