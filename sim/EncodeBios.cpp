// The BIOS data (0x010C0100 read, 0x010C0200 write, 64 bytes). Its last byte makes the 8-bit sum
// of all 64 bytes zero; the controller refuses a block whose sum is not.
#include "Encoders.h"

namespace sim {
namespace {

namespace bios_block {

constexpr u32 kBootDevice = 0;     // u16: target id or device id; 0xFFFF (and 0x00FF) none
constexpr u32 kDisabled = 2;       // u8: 1 the BIOS is disabled
constexpr u32 kBypassErrors = 3;   // u8: 1 the BIOS goes on past errors
constexpr u32 kBootIsDrive = 8;    // u8: 1 the boot device is a drive, 0 a virtual drive
constexpr u32 kAutoSelect = 10;    // u8: 1 the boot virtual drive is chosen automatically
constexpr u32 kChecksum = 63;
constexpr u16 kBootNone = 0x00FF;  // read as none as well

}  // namespace bios_block

u8 Sum(const ByteSpan& block, u32 count)
{
    u32 sum = 0;
    for (u32 i = 0; i < count; ++i)
        sum += block.U8(i);
    return static_cast<u8>(sum);
}

bool IsFlag(u8 value) { return value <= 1; }

}  // namespace

Block EncodeBios(const BiosSettings& bios)
{
    Block block(kBiosSize);
    block.PutU16(bios_block::kBootDevice, bios.bootDevice);
    block.PutU8(bios_block::kDisabled, bios.disabled);
    block.PutU8(bios_block::kBypassErrors, bios.bypassErrors);
    block.PutU8(bios_block::kBootIsDrive, bios.bootIsDrive);
    block.PutU8(bios_block::kAutoSelect, bios.autoSelectBootLd);
    block.PutU8(bios_block::kChecksum, static_cast<u8>(0x100 - Sum(block, bios_block::kChecksum)));
    return block;
}

bool DecodeBios(const ByteSpan& block, BiosSettings& out)
{
    if (block.Size() < kBiosSize || Sum(block, kBiosSize) != 0 || !IsFlag(block.U8(bios_block::kDisabled)) ||
        !IsFlag(block.U8(bios_block::kBypassErrors)) || !IsFlag(block.U8(bios_block::kBootIsDrive)) ||
        !IsFlag(block.U8(bios_block::kAutoSelect)))
        return false;
    const u16 device = block.U16(bios_block::kBootDevice);
    out.bootDevice = device == bios_block::kBootNone ? kNoBootDevice : device;
    out.bootIsDrive = out.bootDevice != kNoBootDevice && block.U8(bios_block::kBootIsDrive) != 0;
    out.disabled = block.U8(bios_block::kDisabled) != 0;
    out.bypassErrors = block.U8(bios_block::kBypassErrors) != 0;
    out.autoSelectBootLd = block.U8(bios_block::kAutoSelect) != 0;
    return true;
}

}  // namespace sim
