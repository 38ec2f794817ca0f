// INQUIRY (operation code 0x12) to an enclosure services device: the standard inquiry data, and
// the vital product data pages 0x00 (the pages supported) and, for an enclosure that carries
// field-replaceable-unit data, 0xC0 (that data). CDB: byte 1 bit 0 EVPD, byte 2 the page code,
// bytes 3-4 the allocation length.
#include "FwStatus.h"
#include "Scsi.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

// Standard inquiry data.
namespace inquiry_data {

constexpr u32 kDeviceType = 0;
constexpr u32 kVersion = 2;
constexpr u32 kResponseFormat = 3;
constexpr u32 kAdditionalLength = 4;
constexpr u32 kInquiryFlags = 6;  // bit 6: enclosure services
constexpr u32 kVendor = 8;
constexpr u32 kProduct = 16;
constexpr u32 kRevision = 32;
constexpr u32 kSerial = 36;  // vendor specific, 20 bytes
constexpr u8 kSpc4 = 6;

}  // namespace inquiry_data

// CDB.
namespace inquiry_cdb {

constexpr u32 kEvpd = 1;  // bit 0
constexpr u32 kPage = 2;
constexpr u32 kAllocationLength = 3;

}  // namespace inquiry_cdb

// Vital product data pages: byte 0 the device type, byte 1 the page code, bytes 2-3 the length
// of what follows (big-endian).
namespace vpd_page {

constexpr u8 kSupportedPages = 0x00;
constexpr u8 kFruPage = 0xC0;
constexpr u32 kHeaderSize = 4;
// Field-replaceable-unit data, from byte 4: enclosure serial number [8], reserved [6], FRU part
// number [8], services module serial number [6], zoning mode [4]; texts padded with blanks.
constexpr u32 kFruSerial = 4;
constexpr u32 kFruPartNumber = 18;
constexpr u32 kFruEsmSerial = 26;
constexpr u32 kFruZoningMode = 32;
constexpr u32 kFruPageSize = 36;

}  // namespace vpd_page

Block VpdPage(u8 deviceType, u8 page, u32 size)
{
    Block block(size);
    block.PutU8(0, deviceType);
    block.PutU8(1, page);
    block.PutBe(2, 2, size - vpd_page::kHeaderSize);
    return block;
}

void AnswerInquiry(ScsiCall& call)
{
    const Enclosure& e = *call.device.enclosure;
    const bool evpd = call.cdb.Bit(inquiry_cdb::kEvpd, 0);
    const u8 page = call.cdb.U8(inquiry_cdb::kPage);
    call.allocationLength = AllocationLength(call.cdb, inquiry_cdb::kAllocationLength);
    if (!evpd) {
        if (page != 0)
            return call.CheckCondition(kSenseIllegalRequest, kAscInvalidFieldInCdb);
        call.reply = EncodeInquiryData(kTypeEnclosure, e.inquiry, e.fru ? e.fru->serial : "", e.type == kEnclosureTypeSes);
        return;
    }
    if (page == vpd_page::kSupportedPages) {
        const bool fru = e.fru.has_value();
        call.reply = VpdPage(kTypeEnclosure, page, vpd_page::kHeaderSize + (fru ? 2 : 1));
        call.reply.PutU8(vpd_page::kHeaderSize, vpd_page::kSupportedPages);
        if (fru)
            call.reply.PutU8(vpd_page::kHeaderSize + 1, vpd_page::kFruPage);
        return;
    }
    if (page == vpd_page::kFruPage && e.fru) {
        call.reply = VpdPage(kTypeEnclosure, page, vpd_page::kFruPageSize);
        call.reply.PutAscii(vpd_page::kFruSerial, 8, e.fru->serial);
        call.reply.PutAscii(vpd_page::kFruPartNumber, 8, e.fru->partNumber);
        call.reply.PutAscii(vpd_page::kFruEsmSerial, 6, e.fru->esmSerial);
        call.reply.PutAscii(vpd_page::kFruZoningMode, 4, e.fru->zoningMode);
        return;
    }
    call.CheckCondition(kSenseIllegalRequest, kAscInvalidFieldInCdb);
}

constexpr ScsiRoute kInquiryRoutes[] = {
    {0x12, kScsiEnclosures, 6, DataFlow::FromController, AnswerInquiry},
};

}  // namespace

Block EncodeInquiryData(u8 deviceType, const Inquiry& inquiry, const std::string& serial, bool enclosureServices)
{
    Block data(kInquiryDataSize);
    data.PutU8(inquiry_data::kDeviceType, deviceType);
    data.PutU8(inquiry_data::kVersion, inquiry_data::kSpc4);
    data.PutU8(inquiry_data::kResponseFormat, 2);
    data.PutU8(inquiry_data::kAdditionalLength, kInquiryDataSize - 5);
    data.PutBit(inquiry_data::kInquiryFlags, 6, enclosureServices);
    // The identification is padded with blanks, as SCSI texts are; the serial number in the
    // vendor-specific bytes ends at its NUL.
    data.PutAscii(inquiry_data::kVendor, 8, inquiry.vendor);
    data.PutAscii(inquiry_data::kProduct, 16, inquiry.product);
    data.PutAscii(inquiry_data::kRevision, 4, inquiry.revision);
    data.PutText(inquiry_data::kSerial, 20, serial);
    return data;
}

std::span<const ScsiRoute> InquiryRoutes() { return kInquiryRoutes; }

}  // namespace sim
