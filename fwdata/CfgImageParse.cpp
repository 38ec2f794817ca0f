// Parsing of a configuration image into plain records. Every count is checked against the
// bytes of the image before a record is read.
#include <memory>

#include "fwdata/CfgImageLayout.h"
#include "fwdata/LeBytes.h"
#include "fwdata/RmDataFwi.h"
#include "fwdata/VdDataFwi.h"

namespace {

constexpr u32 kMaxRecords = 255;

// A record size field may be left 0; any other value must be the size this layout knows.
bool RecordSizeOk(const u8* image, u32 offset, u32 expected)
{
    const u16 size = LeU16(image, offset);
    return size == 0 || size == expected;
}

bool ParseArray(const u8* rec, ArrayData* array)
{
    const u8 rows = LeU8(rec, arrayrec::kOffRowCount);
    if (rows > arrayrec::kMaxRows)
        return false;
    array->blocks = LeU64(rec, arrayrec::kOffBlocks);
    array->ref = LeU16(rec, arrayrec::kOffRef);
    array->rows.clear();
    for (u8 r = 0; r < rows; ++r) {
        const u32 at = arrayrec::kOffRows + r * arrayrec::kRowSize;
        ArrayRowData row;
        row.deviceId = LeU16(rec, at + arrayrec::kRowOffDeviceId);
        row.seqNum = LeU16(rec, at + arrayrec::kRowOffSeqNum);
        row.fwState = LeU8(rec, at + arrayrec::kRowOffFwState);
        array->rows.push_back(row);
    }
    return true;
}

bool ParseSpans(const u8* rec, std::vector<SpanData>* spans)
{
    const u8 depth = LeU8(rec, vdrec::kOffSpanDepth);
    if (depth > vdrec::kMaxSpans)
        return false;
    for (u8 s = 0; s < depth; ++s) {
        const u32 at = vdrec::kOffSpans + s * vdrec::kSpanSize;
        SpanData span;
        span.startBlock = LeU64(rec, at + vdrec::kSpanOffStart);
        span.blocks = LeU64(rec, at + vdrec::kSpanOffBlocks);
        span.arrayRef = LeU16(rec, at + vdrec::kSpanOffArrayRef);
        spans->push_back(span);
    }
    return true;
}

bool ParseSpare(const u8* rec, SpareData* spare)
{
    const u8 count = LeU8(rec, sparerec::kOffArrayCount);
    if (count > SpareData::kMaxArrays)
        return false;
    spare->deviceId = LeU16(rec, sparerec::kOffDeviceId);
    spare->seqNum = LeU16(rec, sparerec::kOffSeqNum);
    const u8 flags = LeU8(rec, sparerec::kOffFlags);
    spare->dedicated = (flags & sparerec::kFlagDedicated) != 0;
    spare->revertible = (flags & sparerec::kFlagRevertible) != 0;
    spare->enclAffinity = (flags & sparerec::kFlagEnclAffinity) != 0;
    for (u8 i = 0; i < count; ++i)
        spare->arrayRefs.push_back(LeU16(rec, sparerec::kOffArrayRefs + 2u * i));
    return true;
}

}  // namespace

int RmDataFwi::ParseCfgImage(const u8* image, u32 length, CfgData* cfg)
{
    if (image == nullptr || length < cfgimg::kHeaderSize)
        return -1;
    const u32 arrays = LeU16(image, cfgimg::kOffArrayCount);
    const u32 vds = LeU16(image, cfgimg::kOffVdCount);
    const u32 spares = LeU16(image, cfgimg::kOffSpareCount);
    if (arrays > kMaxRecords || vds > kMaxRecords || spares > kMaxRecords)
        return -1;
    if (!RecordSizeOk(image, cfgimg::kOffArraySize, cfgimg::kArrayRecordSize) ||
        !RecordSizeOk(image, cfgimg::kOffVdSize, cfgimg::kVdRecordSize) ||
        !RecordSizeOk(image, cfgimg::kOffSpareSize, cfgimg::kSpareRecordSize))
        return -1;
    const u64 full = u64{cfgimg::kHeaderSize} + u64{arrays} * cfgimg::kArrayRecordSize +
                     u64{vds} * cfgimg::kVdRecordSize + u64{spares} * cfgimg::kSpareRecordSize;
    if (full > length)
        return -1;

    CfgData parsed;
    u32 at = cfgimg::kHeaderSize;
    for (u32 i = 0; i < arrays; ++i, at += cfgimg::kArrayRecordSize) {
        ArrayData array;
        if (!ParseArray(image + at, &array))
            return -1;
        parsed.arrays.push_back(std::move(array));
    }
    for (u32 i = 0; i < vds; ++i, at += cfgimg::kVdRecordSize) {
        VdCfgData vd;
        if (!ParseSpans(image + at, &vd.spans))
            return -1;
        vd.data = std::make_unique<VdDataFwi>(controller_, image + at);
        parsed.vds.push_back(std::move(vd));
    }
    for (u32 i = 0; i < spares; ++i, at += cfgimg::kSpareRecordSize) {
        SpareData spare;
        if (!ParseSpare(image + at, &spare))
            return -1;
        parsed.spares.push_back(std::move(spare));
    }
    *cfg = std::move(parsed);
    return 0;
}
