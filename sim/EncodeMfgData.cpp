// Manufacturing data (DCMD 0x010E0301) and battery FRU (DCMD 0x010E0302), 32 bytes each.
#include "Encoders.h"

namespace sim {

Block EncodeManufacturingData(const ManufacturingData& mfg)
{
    constexpr u32 kDate = 0;         // u16, packed day/month/year
    constexpr u32 kSerial = 2;       // char[16]
    constexpr u32 kSerialSize = 16;
    constexpr u32 kReworkDate = 18;  // u16, packed
    constexpr u32 kRevision = 20;    // char[8]
    constexpr u32 kRevisionSize = 8;
    Block block(32);
    block.PutU16(kDate, mfg.date);
    block.PutText(kSerial, kSerialSize, mfg.serial);
    block.PutU16(kReworkDate, mfg.reworkDate);
    block.PutText(kRevision, kRevisionSize, mfg.revision);
    return block;
}

Block EncodeBatteryFru(const std::string& fru, const std::string& moduleFru)
{
    constexpr u32 kFru = 0;  // char[8]; empty when the battery has no FRU text
    constexpr u32 kModuleFru = 8;  // char[8], the battery module's
    constexpr u32 kFruSize = 8;
    Block block(32);
    block.PutText(kFru, kFruSize, fru);
    block.PutText(kModuleFru, kFruSize, moduleFru);
    return block;
}

}  // namespace sim
