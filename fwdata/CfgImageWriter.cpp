#include "fwdata/CfgImageWriter.h"

#include "fwdata/CfgImageLayout.h"
#include "fwdata/LeBytes.h"
#include "raidmodel/RaidLevels.h"

namespace {
// Target id and sequence number of a new virtual drive: the controller assigns them.
constexpr u8 kAssignedByController = 0xFF;
// RAID level qualifier of the parity levels.
constexpr u8 kParityQualifier = 3;
constexpr std::size_t kNameMax = vdrec::kNameWidth - 1;

void PutArray(u8* rec, const ArrayData& array)
{
    PutLeU64(rec, arrayrec::kOffBlocks, array.blocks);
    PutLeU8(rec, arrayrec::kOffRowCount, static_cast<u8>(array.rows.size()));
    PutLeU16(rec, arrayrec::kOffRef, array.ref);
    for (std::size_t r = 0; r < array.rows.size(); ++r) {
        const std::size_t at = arrayrec::kOffRows + r * arrayrec::kRowSize;
        PutLeU16(rec, at + arrayrec::kRowOffDeviceId, array.rows[r].deviceId);
        PutLeU16(rec, at + arrayrec::kRowOffSeqNum, array.rows[r].seqNum);
    }
}

void PutVd(u8* rec, const NewVdData& vd)
{
    PutLeU8(rec, vdrec::kOffTargetId, kAssignedByController);
    PutLeU16(rec, vdrec::kOffSeqNum, 0);
    for (std::size_t i = 0; i < vd.name.size(); ++i)
        PutLeU8(rec, vdrec::kOffName + i, static_cast<u8>(vd.name[i]));
    PutLeU8(rec, vdrec::kOffDefaultCache, vd.cachePolicy);
    PutLeU8(rec, vdrec::kOffDefaultAccess, vd.accessPolicy);
    PutLeU8(rec, vdrec::kOffDiskCache, vd.diskCachePolicy);
    PutLeU8(rec, vdrec::kOffDefaultPs, vd.psPolicy);
    PutLeU8(rec, vdrec::kOffEncryption, vd.encryption);
    PutLeU8(rec, vdrec::kOffPiType, vd.piType);
    PutLeU8(rec, vdrec::kOffPrimaryLevel, vd.primaryLevel);
    const bool parity = vd.primaryLevel == raidlevel::kRaid5 || vd.primaryLevel == raidlevel::kRaid6;
    PutLeU8(rec, vdrec::kOffLevelQualifier, parity ? kParityQualifier : 0);
    PutLeU8(rec, vdrec::kOffSecondaryLevel, 0);
    PutLeU8(rec, vdrec::kOffStripExponent, vd.stripExponent);
    PutLeU8(rec, vdrec::kOffDrivesPerSpan, vd.drivesPerSpan);
    PutLeU8(rec, vdrec::kOffSpanDepth, static_cast<u8>(vd.spans.size()));
    PutLeU8(rec, vdrec::kOffSscd, vd.sscd ? 1 : 0);
    PutLeU64(rec, vdrec::kOffSizeBlocks, vd.blocks);
    for (std::size_t s = 0; s < vd.spans.size(); ++s) {
        const std::size_t at = vdrec::kOffSpans + s * vdrec::kSpanSize;
        PutLeU64(rec, at + vdrec::kSpanOffStart, vd.spans[s].startBlock);
        PutLeU64(rec, at + vdrec::kSpanOffBlocks, vd.spans[s].blocks);
        PutLeU16(rec, at + vdrec::kSpanOffArrayRef, vd.spans[s].arrayRef);
    }
}
}  // namespace

int BuildCfgImage(const CfgWrite& write, std::vector<u8>* image)
{
    if (write.arrays.size() > vdrec::kMaxSpans || write.vd.spans.size() > vdrec::kMaxSpans ||
        write.vd.name.size() > kNameMax)
        return -1;
    for (const ArrayData& array : write.arrays)
        if (array.rows.size() > arrayrec::kMaxRows)
            return -1;

    const u32 arrays = static_cast<u32>(write.arrays.size());
    const u32 size = cfgimg::kHeaderSize + arrays * cfgimg::kArrayRecordSize + cfgimg::kVdRecordSize;
    std::vector<u8> out(size, 0);
    u8* b = out.data();
    PutLeU32(b, cfgimg::kOffFullSize, size);
    PutLeU16(b, cfgimg::kOffArrayCount, static_cast<u16>(arrays));
    PutLeU16(b, cfgimg::kOffArraySize, static_cast<u16>(cfgimg::kArrayRecordSize));
    PutLeU16(b, cfgimg::kOffVdCount, 1);
    PutLeU16(b, cfgimg::kOffVdSize, static_cast<u16>(cfgimg::kVdRecordSize));
    PutLeU16(b, cfgimg::kOffSpareCount, 0);
    PutLeU16(b, cfgimg::kOffSpareSize, static_cast<u16>(cfgimg::kSpareRecordSize));
    u32 at = cfgimg::kHeaderSize;
    for (const ArrayData& array : write.arrays) {
        PutArray(b + at, array);
        at += cfgimg::kArrayRecordSize;
    }
    PutVd(b + at, write.vd);
    *image = std::move(out);
    return 0;
}
