// The OEM block (0x010E8481, 24 bytes, a DCMD or a private DCMD).
#include "Encoders.h"

namespace sim {

Block EncodeOemFlags(const OemFlags& oem)
{
    constexpr u32 kOemMode = 0;        // u8
    constexpr u32 kClusterDisable = 1;  // u8, non-zero = disabled
    constexpr u32 kSasDisable = 2;      // u8, non-zero = disabled
    Block block(24);
    block.PutU8(kOemMode, oem.mode);
    block.PutU8(kClusterDisable, oem.clusterDisable);
    block.PutU8(kSasDisable, oem.sasDisable);
    return block;
}

}  // namespace sim
