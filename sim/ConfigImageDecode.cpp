#include "ConfigImageDecode.h"

#include "ConfigImageLayout.h"
#include "FwStatus.h"
#include "VdRecord.h"

namespace sim {
namespace {

bool DecodeArray(const ByteSpan& data, std::size_t at, ImageArray& out)
{
    const std::size_t rows = data.U8(at + array_record::kRowCount);
    if (rows > kMaxRows)
        return false;
    out.blocks = data.U64(at + array_record::kBlocks);
    out.ref = data.U16(at + array_record::kRef);
    for (std::size_t r = 0; r < rows; ++r) {
        const std::size_t row = at + array_record::kRows + array_record::kRowSize * r;
        out.rows.push_back({data.U16(row + array_record::kRowDeviceId), data.U16(row + array_record::kRowSeq)});
    }
    return true;
}

bool DecodeVd(const ByteSpan& data, std::size_t at, ImageVd& out)
{
    const std::size_t spans = data.U8(at + vd_record::kSpanCount);
    if (spans > kMaxSpans)
        return false;
    Block properties(kVdPropertiesSize);
    for (std::size_t i = 0; i < kVdPropertiesSize; ++i)
        properties.PutU8(i, data.U8(at + i));
    out.propertiesValid = DecodeVdProperties(properties, out.properties);
    out.encryption = data.U8(at + vd_record::kEncryption);
    out.piType = data.U8(at + vd_record::kPiType);
    out.primaryLevel = data.U8(at + vd_record::kPrimaryLevel);
    out.secondaryLevel = data.U8(at + vd_record::kSecondaryLevel);
    out.stripExponent = data.U8(at + vd_record::kStripExponent);
    out.drivesPerSpan = data.U8(at + vd_record::kDrivesPerSpan);
    out.ssdCache = data.U8(at + vd_record::kSsdCache) != 0;
    out.blocks = data.U64(at + vd_record::kBlocks);
    for (std::size_t s = 0; s < spans; ++s) {
        const std::size_t span = at + vd_record::kSpans + vd_record::kSpanSize * s;
        out.spans.push_back({data.U64(span + vd_record::kSpanStart), data.U64(span + vd_record::kSpanBlocks),
                             data.U16(span + vd_record::kSpanArrayRef)});
    }
    return true;
}

}  // namespace

bool DecodeSpareRecord(const ByteSpan& data, std::size_t at, ImageSpare& out)
{
    const std::size_t count = data.U8(at + spare_record::kArrayCount);
    if (count > kMaxSpareArrays || !data.Fits(at, spare_record::kSize))
        return false;
    out.deviceId = data.U16(at + spare_record::kDeviceId);
    out.seq = data.U16(at + spare_record::kSeq);
    out.dedicated = data.Bit(at + spare_record::kFlags, 0);
    out.revertible = data.Bit(at + spare_record::kFlags, 1);
    out.enclosureAffinity = data.Bit(at + spare_record::kFlags, 2);
    for (std::size_t i = 0; i < count; ++i)
        out.arrays.push_back(data.U16(at + spare_record::kArrays + 2 * i));
    return true;
}

u32 DecodeConfigImage(const ByteSpan& data, ConfigImage& out)
{
    if (!data.Fits(0, config_image::kHeaderSize))
        return kFwInvalidParameter;
    const std::size_t arrays = data.U16(config_image::kArrayCount);
    const std::size_t vds = data.U16(config_image::kVdCount);
    const std::size_t spares = data.U16(config_image::kSpareCount);
    const std::size_t full =
        config_image::kHeaderSize + array_record::kSize * arrays + kVdRecordSize * vds + spare_record::kSize * spares;
    if (data.U32(config_image::kFullSize) != full || !data.Fits(0, full) ||
        data.U16(config_image::kArrayRecordSizeField) != array_record::kSize ||
        data.U16(config_image::kVdRecordSizeField) != kVdRecordSize ||
        data.U16(config_image::kSpareRecordSizeField) != spare_record::kSize)
        return kFwInvalidParameter;

    ConfigImage image;
    std::size_t at = config_image::kHeaderSize;
    for (std::size_t i = 0; i < arrays; ++i, at += array_record::kSize) {
        if (!DecodeArray(data, at, image.arrays.emplace_back()))
            return kFwInvalidParameter;
    }
    for (std::size_t i = 0; i < vds; ++i, at += kVdRecordSize) {
        if (!DecodeVd(data, at, image.virtualDrives.emplace_back()))
            return kFwInvalidParameter;
    }
    for (std::size_t i = 0; i < spares; ++i, at += spare_record::kSize) {
        if (!DecodeSpareRecord(data, at, image.spares.emplace_back()))
            return kFwInvalidParameter;
    }
    out = std::move(image);
    return kFwOk;
}

}  // namespace sim
