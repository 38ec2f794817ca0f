// Parsing of a configuration image into plain records. Every count is checked against the
// bytes of the image before a record is read.
#include <memory>

#include "fwdata/EntryList.h"
#include "fwdata/CfgImageCounts.h"
#include "fwdata/RmDataFwi.h"
#include "fwdata/VdDataFwi.h"
#include "fwdata/layout/CfgImage.h"

namespace {

// A record size field may be left 0; any other value must be the size this layout knows.
bool RecordSizeOk(const ByteView& image, u32 offset, u32 expected)
{
    const u16 size = image.U16(offset);
    return size == 0 || size == expected;
}

bool ParseArray(const ByteView& rec, ArrayData* array)
{
    const u8 rows = rec.U8(arrayrec::kOffRowCount);
    if (rows > arrayrec::kMaxRows)
        return false;
    array->blocks = rec.U64(arrayrec::kOffBlocks);
    array->ref = rec.U16(arrayrec::kOffRef);
    array->rows.clear();
    AppendEntries(rec, arrayrec::kOffRows, arrayrec::kRowSize, rows, &array->rows, [](const ByteView& at) {
        return ArrayRowData{.deviceId = at.U16(arrayrec::kRowOffDeviceId),
                            .seqNum = at.U16(arrayrec::kRowOffSeqNum),
                            .fwState = at.U8(arrayrec::kRowOffFwState)};
    });
    return rec.Ok();
}

bool ParseSpans(const ByteView& rec, std::vector<SpanData>* spans)
{
    const u8 depth = rec.U8(vdrec::kOffSpanDepth);
    if (depth > vdrec::kMaxSpans)
        return false;
    AppendEntries(rec, vdrec::kOffSpans, vdrec::kSpanSize, depth, spans, [](const ByteView& at) {
        return SpanData{.startBlock = at.U64(vdrec::kSpanOffStart),
                        .blocks = at.U64(vdrec::kSpanOffBlocks),
                        .arrayRef = at.U16(vdrec::kSpanOffArrayRef)};
    });
    return rec.Ok();
}

bool ParseSpare(const ByteView& rec, SpareData* spare)
{
    const u8 count = rec.U8(sparerec::kOffArrayCount);
    if (count > SpareData::kMaxArrays)
        return false;
    spare->deviceId = rec.U16(sparerec::kOffDeviceId);
    spare->seqNum = rec.U16(sparerec::kOffSeqNum);
    const u8 flags = rec.U8(sparerec::kOffFlags);
    spare->dedicated = (flags & sparerec::kFlagDedicated) != 0;
    spare->revertible = (flags & sparerec::kFlagRevertible) != 0;
    spare->enclAffinity = (flags & sparerec::kFlagEnclAffinity) != 0;
    for (u8 i = 0; i < count; ++i)
        spare->arrayRefs.push_back(rec.U16(sparerec::kOffArrayRefs + sparerec::kArrayRefSize * i));
    return rec.Ok();
}

}  // namespace

int RmDataFwi::ParseCfgImage(ByteView image, CfgData* cfg) { return ParseImage(image, cfg, controller_); }

int RmDataFwi::ParseDetachedCfgImage(ByteView image, CfgData* cfg) { return ParseImage(image, cfg, nullptr); }

int RmDataFwi::ParseImage(ByteView image, CfgData* cfg, Controller* asker)
{
    CfgImageCounts counts;
    if (!ReadCfgImageCounts(image, &counts))
        return -1;
    const u32 arrays = counts.arrays;
    const u32 vds = counts.vds;
    const u32 spares = counts.spares;
    if (!RecordSizeOk(image, cfgimg::kOffArraySize, cfgimg::kArrayRecordSize) ||
        !RecordSizeOk(image, cfgimg::kOffVdSize, cfgimg::kVdRecordSize) ||
        !RecordSizeOk(image, cfgimg::kOffSpareSize, cfgimg::kSpareRecordSize))
        return -1;
    if (counts.Size() > image.Size())
        return -1;

    CfgData parsed;
    u32 at = cfgimg::kHeaderSize;
    for (u32 i = 0; i < arrays; ++i, at += cfgimg::kArrayRecordSize) {
        ArrayData array;
        if (!ParseArray(image.Sub(at, cfgimg::kArrayRecordSize), &array))
            return -1;
        parsed.arrays.push_back(std::move(array));
    }
    for (u32 i = 0; i < vds; ++i, at += cfgimg::kVdRecordSize) {
        const ByteView rec = image.Sub(at, cfgimg::kVdRecordSize);
        VdCfgData vd;
        if (!ParseSpans(rec, &vd.spans))
            return -1;
        vd.data = std::make_unique<VdDataFwi>(asker, rec);
        parsed.vds.push_back(std::move(vd));
    }
    for (u32 i = 0; i < spares; ++i, at += cfgimg::kSpareRecordSize) {
        SpareData spare;
        if (!ParseSpare(image.Sub(at, cfgimg::kSpareRecordSize), &spare))
            return -1;
        parsed.spares.push_back(std::move(spare));
    }
    *cfg = std::move(parsed);
    return 0;
}
