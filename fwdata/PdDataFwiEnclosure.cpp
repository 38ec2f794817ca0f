// What an enclosure device tells of itself by pass-through: its field-replaceable-unit data, a
// page of vital product data that only enclosures of models that keep such data offer.
#include <cstring>

#include "controller/PassThru.h"
#include "fwdata/PdDataFwi.h"
#include "fwdata/layout/InquiryVpd.h"
#include "fwdata/layout/Opcodes.h"

namespace {

// Reads a vital product data page of the device into `page` (inquiry::kVpdMaxSize bytes).
int ReadVpdPage(Controller* controller, u8 target, u8 code, u8* page)
{
    u8 cdb[inquiry::kCdbSize] = {};
    ByteWriter writer(cdb);
    writer.PutU8(inquiry::kCdbOffOpcode, kScsiInquiry);
    writer.PutBit(inquiry::kCdbEvpd, true);
    writer.PutU8(inquiry::kCdbOffPage, code);
    writer.PutU8(inquiry::kCdbOffAllocLow, inquiry::kVpdMaxSize);
    return ReadFromDevice(controller, target, cdb, sizeof cdb, page, inquiry::kVpdMaxSize);
}

// True when the list of supported pages names the page; only the bytes the page length covers
// (and the buffer holds) count.
bool Lists(const ByteView& supported, u8 code)
{
    const u32 length = supported.U8(inquiry::kVpdOffLengthHigh) << 8 | supported.U8(inquiry::kVpdOffLengthLow);
    for (u32 i = 0; i < length && inquiry::kVpdOffData + i < supported.Size(); ++i) {
        if (supported.U8(inquiry::kVpdOffData + i) == code)
            return true;
    }
    return false;
}

void CopyText(const ByteView& page, TextField field, char* out)
{
    for (u32 i = 0; i < field.width; ++i)
        out[i] = static_cast<char>(page.U8(field.offset + i));
}

}  // namespace

int PdDataFwi::GetEnclFruInfo(EnclFruInfo* fru)
{
    if (GetDeviceId() > kMaxPassThruTarget)
        return -1;
    const u8 target = static_cast<u8>(GetDeviceId());
    u8 supported[inquiry::kVpdMaxSize] = {};
    int status = ReadVpdPage(controller_, target, inquiry::kPageSupported, supported);
    if (status != 0)
        return status;
    if (!Lists(ByteView(supported), inquiry::kPageFru))
        return 0;
    u8 data[inquiry::kVpdMaxSize] = {};
    status = ReadVpdPage(controller_, target, inquiry::kPageFru, data);
    if (status != 0)
        return status;
    const ByteView page(data);
    const u32 length = page.U8(inquiry::kVpdOffLengthHigh) << 8 | page.U8(inquiry::kVpdOffLengthLow);
    if (page.U8(inquiry::kVpdOffPage) != inquiry::kPageFru || inquiry::kVpdOffData + length < inquiry::kFruPageSize)
        return 0;
    CopyText(page, inquiry::kFruSerial, fru->serial);
    for (u32 i = 0; i < inquiry::kFruReservedSize; ++i)
        fru->reserved[i] = page.U8(inquiry::kFruOffReserved + i);
    CopyText(page, inquiry::kFruPartNumber, fru->partNumber);
    CopyText(page, inquiry::kFruEsmSerial, fru->esmSerial);
    CopyText(page, inquiry::kFruZoningMode, fru->zoningMode);
    fru->valid = 1;
    return 0;
}
