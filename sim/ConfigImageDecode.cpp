#include "ConfigImageDecode.h"

#include "FwStatus.h"
#include "VdRecord.h"

namespace sim {
namespace {

// Header.
constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kFullSize = 0;  // u32
constexpr std::size_t kArrayCount = 4;  // u16 each: a count, then its record size
constexpr std::size_t kArrayRecordSizeField = 6;
constexpr std::size_t kVdCount = 8;
constexpr std::size_t kVdRecordSizeField = 10;
constexpr std::size_t kSpareCount = 12;
constexpr std::size_t kSpareRecordSizeField = 14;

// Array record.
constexpr std::size_t kArraySize = 288;
constexpr std::size_t kArrayBlocks = 0;  // u64
constexpr std::size_t kRowCount = 8;
constexpr std::size_t kArrayRef = 10;  // u16
constexpr std::size_t kRows = 32;
constexpr std::size_t kRowSize = 8;
constexpr std::size_t kRowDeviceId = 0;  // u16, within a row
constexpr std::size_t kRowSeq = 2;       // u16

// Virtual-drive record (the property fields are read by DecodeVdProperties).
constexpr std::size_t kEncryption = 27;
constexpr std::size_t kPiType = 28;
constexpr std::size_t kPrimaryLevel = 32;
constexpr std::size_t kSecondaryLevel = 34;
constexpr std::size_t kStripExponent = 35;
constexpr std::size_t kDrivesPerSpan = 36;
constexpr std::size_t kSpanCount = 37;
constexpr std::size_t kSsdCache = 47;
constexpr std::size_t kBlocks = 48;  // u64
constexpr std::size_t kSpans = 64;
constexpr std::size_t kSpanSize = 24;
constexpr std::size_t kSpanStart = 0;      // u64, within a span
constexpr std::size_t kSpanBlocks = 8;     // u64
constexpr std::size_t kSpanArrayRef = 16;  // u16

// Spare record.
constexpr std::size_t kSpareSize = 40;
constexpr std::size_t kSpareDeviceId = 0;  // u16
constexpr std::size_t kSpareSeq = 2;       // u16
constexpr std::size_t kSpareFlags = 4;     // bit 0 dedicated, 1 revertible, 2 enclosure affinity
constexpr std::size_t kSpareArrayCount = 7;
constexpr std::size_t kSpareArrays = 8;  // u16 x 16

bool DecodeArray(const ByteSpan& data, std::size_t at, ImageArray& out)
{
    const std::size_t rows = data.U8(at + kRowCount);
    if (rows > kMaxRows)
        return false;
    out.blocks = data.U64(at + kArrayBlocks);
    out.ref = data.U16(at + kArrayRef);
    for (std::size_t r = 0; r < rows; ++r) {
        const std::size_t row = at + kRows + kRowSize * r;
        out.rows.push_back({data.U16(row + kRowDeviceId), data.U16(row + kRowSeq)});
    }
    return true;
}

bool DecodeVd(const ByteSpan& data, std::size_t at, ImageVd& out)
{
    const std::size_t spans = data.U8(at + kSpanCount);
    if (spans > kMaxSpans)
        return false;
    Block properties(kVdPropertiesSize);
    for (std::size_t i = 0; i < kVdPropertiesSize; ++i)
        properties.PutU8(i, data.U8(at + i));
    out.propertiesValid = DecodeVdProperties(properties, out.properties);
    out.encryption = data.U8(at + kEncryption);
    out.piType = data.U8(at + kPiType);
    out.primaryLevel = data.U8(at + kPrimaryLevel);
    out.secondaryLevel = data.U8(at + kSecondaryLevel);
    out.stripExponent = data.U8(at + kStripExponent);
    out.drivesPerSpan = data.U8(at + kDrivesPerSpan);
    out.ssdCache = data.U8(at + kSsdCache) != 0;
    out.blocks = data.U64(at + kBlocks);
    for (std::size_t s = 0; s < spans; ++s) {
        const std::size_t span = at + kSpans + kSpanSize * s;
        out.spans.push_back(
            {data.U64(span + kSpanStart), data.U64(span + kSpanBlocks), data.U16(span + kSpanArrayRef)});
    }
    return true;
}

}  // namespace

bool DecodeSpareRecord(const ByteSpan& data, std::size_t at, ImageSpare& out)
{
    const std::size_t count = data.U8(at + kSpareArrayCount);
    if (count > kMaxSpareArrays || !data.Fits(at, kSpareSize))
        return false;
    out.deviceId = data.U16(at + kSpareDeviceId);
    out.seq = data.U16(at + kSpareSeq);
    out.dedicated = data.Bit(at + kSpareFlags, 0);
    out.revertible = data.Bit(at + kSpareFlags, 1);
    out.enclosureAffinity = data.Bit(at + kSpareFlags, 2);
    for (std::size_t i = 0; i < count; ++i)
        out.arrays.push_back(data.U16(at + kSpareArrays + 2 * i));
    return true;
}

u32 DecodeConfigImage(const ByteSpan& data, ConfigImage& out)
{
    if (!data.Fits(0, kHeaderSize))
        return kFwInvalidParameter;
    const std::size_t arrays = data.U16(kArrayCount);
    const std::size_t vds = data.U16(kVdCount);
    const std::size_t spares = data.U16(kSpareCount);
    const std::size_t full = kHeaderSize + kArraySize * arrays + kVdRecordSize * vds + kSpareSize * spares;
    if (data.U32(kFullSize) != full || !data.Fits(0, full) || data.U16(kArrayRecordSizeField) != kArraySize ||
        data.U16(kVdRecordSizeField) != kVdRecordSize || data.U16(kSpareRecordSizeField) != kSpareSize)
        return kFwInvalidParameter;

    ConfigImage image;
    std::size_t at = kHeaderSize;
    for (std::size_t i = 0; i < arrays; ++i, at += kArraySize) {
        if (!DecodeArray(data, at, image.arrays.emplace_back()))
            return kFwInvalidParameter;
    }
    for (std::size_t i = 0; i < vds; ++i, at += kVdRecordSize) {
        if (!DecodeVd(data, at, image.virtualDrives.emplace_back()))
            return kFwInvalidParameter;
    }
    for (std::size_t i = 0; i < spares; ++i, at += kSpareSize) {
        if (!DecodeSpareRecord(data, at, image.spares.emplace_back()))
            return kFwInvalidParameter;
    }
    out = std::move(image);
    return kFwOk;
}

}  // namespace sim
