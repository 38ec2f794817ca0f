#include "fwdata/CfgImageWriter.h"

#include "ZepUtil/ByteView.h"
#include "dataif/RaidLevels.h"
#include "fwdata/layout/ArrayRecord.h"
#include "fwdata/layout/CfgImage.h"
#include "fwdata/layout/VdRecord.h"

namespace {
// RAID level qualifier of the parity levels.
constexpr u8 kParityQualifier = 3;
constexpr std::size_t kNameMax = vdrec::kName.width - 1;

void PutArray(ByteWriter rec, const ArrayData& array)
{
    rec.PutU64(arrayrec::kOffBlocks, array.blocks);
    rec.PutU8(arrayrec::kOffRowCount, static_cast<u8>(array.rows.size()));
    rec.PutU16(arrayrec::kOffRef, array.ref);
    for (std::size_t r = 0; r < array.rows.size(); ++r) {
        ByteWriter row = rec.Sub(arrayrec::kOffRows + r * arrayrec::kRowSize, arrayrec::kRowSize);
        row.PutU16(arrayrec::kRowOffDeviceId, array.rows[r].deviceId);
        row.PutU16(arrayrec::kRowOffSeqNum, array.rows[r].seqNum);
    }
}

void PutVd(ByteWriter rec, const NewVdData& vd)
{
    rec.PutU8(vdrec::kOffTargetId, vdrec::kTargetIdAssigned);
    rec.PutU16(vdrec::kOffSeqNum, 0);
    rec.PutText(vdrec::kName.offset, vdrec::kName.width, vd.name);
    rec.PutU8(vdrec::kOffDefaultCache, vd.cachePolicy);
    rec.PutU8(vdrec::kOffDefaultAccess, vd.accessPolicy);
    rec.PutU8(vdrec::kOffDiskCache, vd.diskCachePolicy);
    rec.PutU8(vdrec::kOffDefaultPs, vd.psPolicy);
    rec.PutU8(vdrec::kOffEncryption, vd.encryption);
    rec.PutU8(vdrec::kOffPiType, vd.piType);
    rec.PutU8(vdrec::kOffPrimaryLevel, vd.primaryLevel);
    const bool parity = vd.primaryLevel == raidlevel::kRaid5 || vd.primaryLevel == raidlevel::kRaid6;
    rec.PutU8(vdrec::kOffLevelQualifier, parity ? kParityQualifier : 0);
    rec.PutU8(vdrec::kOffSecondaryLevel, 0);
    rec.PutU8(vdrec::kOffStripExponent, vd.stripExponent);
    rec.PutU8(vdrec::kOffDrivesPerSpan, vd.drivesPerSpan);
    rec.PutU8(vdrec::kOffSpanDepth, static_cast<u8>(vd.spans.size()));
    rec.PutU8(vdrec::kOffSscd, vd.sscd ? 1 : 0);
    rec.PutU64(vdrec::kOffSizeBlocks, vd.blocks);
    for (std::size_t s = 0; s < vd.spans.size(); ++s) {
        ByteWriter span = rec.Sub(vdrec::kOffSpans + s * vdrec::kSpanSize, vdrec::kSpanSize);
        span.PutU64(vdrec::kSpanOffStart, vd.spans[s].startBlock);
        span.PutU64(vdrec::kSpanOffBlocks, vd.spans[s].blocks);
        span.PutU16(vdrec::kSpanOffArrayRef, vd.spans[s].arrayRef);
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
    const u32 size = static_cast<u32>(cfgimg::ImageSize(arrays, 1, 0));
    std::vector<u8> out(size, 0);
    ByteWriter b(out);
    b.PutU32(cfgimg::kOffFullSize, size);
    b.PutU16(cfgimg::kOffArrayCount, static_cast<u16>(arrays));
    b.PutU16(cfgimg::kOffArraySize, static_cast<u16>(cfgimg::kArrayRecordSize));
    b.PutU16(cfgimg::kOffVdCount, 1);
    b.PutU16(cfgimg::kOffVdSize, static_cast<u16>(cfgimg::kVdRecordSize));
    b.PutU16(cfgimg::kOffSpareCount, 0);
    b.PutU16(cfgimg::kOffSpareSize, static_cast<u16>(cfgimg::kSpareRecordSize));
    u32 at = cfgimg::kHeaderSize;
    for (const ArrayData& array : write.arrays) {
        PutArray(b.Sub(at, cfgimg::kArrayRecordSize), array);
        at += cfgimg::kArrayRecordSize;
    }
    PutVd(b.Sub(at, cfgimg::kVdRecordSize), write.vd);
    *image = std::move(out);
    return 0;
}
