// The BIOS data (0x010C0100 read, 0x010C0200 write, 64 bytes). Its last byte makes the 8-bit sum
// of all 64 bytes zero; the controller refuses a block whose sum is not.
#include "Encoders.h"

namespace sim {
namespace {

constexpr u32 kBootDevice = 0;     // u16: target id or device id; 0xFFFF (and 0x00FF) none
constexpr u32 kDisabled = 2;       // u8: 1 the BIOS is disabled
constexpr u32 kBypassErrors = 3;   // u8: 1 the BIOS goes on past errors
constexpr u32 kBootIsDrive = 8;    // u8: 1 the boot device is a drive, 0 a virtual drive
constexpr u32 kAutoSelect = 10;    // u8: 1 the boot virtual drive is chosen automatically
constexpr u32 kChecksum = 63;
constexpr u16 kBootNone = 0x00FF;  // read as none as well

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
    block.PutU16(kBootDevice, bios.bootDevice);
    block.PutU8(kDisabled, bios.disabled);
    block.PutU8(kBypassErrors, bios.bypassErrors);
    block.PutU8(kBootIsDrive, bios.bootIsDrive);
    block.PutU8(kAutoSelect, bios.autoSelectBootLd);
    block.PutU8(kChecksum, static_cast<u8>(0x100 - Sum(block, kChecksum)));
    return block;
}

bool DecodeBios(const ByteSpan& block, BiosSettings& out)
{
    if (block.Size() < kBiosSize || Sum(block, kBiosSize) != 0 || !IsFlag(block.U8(kDisabled)) ||
        !IsFlag(block.U8(kBypassErrors)) || !IsFlag(block.U8(kBootIsDrive)) || !IsFlag(block.U8(kAutoSelect)))
        return false;
    const u16 device = block.U16(kBootDevice);
    out.bootDevice = device == kBootNone ? kNoBootDevice : device;
    out.bootIsDrive = out.bootDevice != kNoBootDevice && block.U8(kBootIsDrive) != 0;
    out.disabled = block.U8(kDisabled) != 0;
    out.bypassErrors = block.U8(kBypassErrors) != 0;
    out.autoSelectBootLd = block.U8(kAutoSelect) != 0;
    return true;
}

}  // namespace sim
