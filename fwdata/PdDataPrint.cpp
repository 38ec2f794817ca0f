// The drive information printers. Each returns its block as text; nothing is printed here.
//
// Information block (Print); the enclosure and slot come from the device list, the rest from
// the drive information record:
//   Enclosure Device ID: <decimal, N/A without enclosure>
//   Slot Number: <n>
//   Device Id: <n>
//   Sequence Number: <n>
//   Media Error Count: <n>
//   Other Error Count: <n>
//   Predictive Failure Count: <n>
//   Last Predictive Failure Event Seq Number: <n>
//   PD Type: SAS | SATA | Parallel SCSI | FC | Unknown
//
// Firmware-state block (PrintFirmwareState):
//   Firmware state: <state text>
//   Raw Size: <size text> [0x<blocks> Sectors]
//   Non Coerced Size: <size text> [0x<blocks> Sectors]
//   Coerced Size: <size text> [0x<blocks> Sectors]
//   Device Firmware Level: <inquiry revision>
//   SAS Address(<i>): 0x<address>                 one line per path
//   Connected Port Number: <n>[,<n>...] | None
//   Inquiry Data: <vendor><product><serial>       (non-printable characters as blanks)
//
// Security block (PrintSecurity):
//   FDE Capable: Capable | Not Capable
//   FDE Enable: Enable | Disable
//   Secured: Secured | Unsecured
//   Locked: Locked | Unlocked
//   Secured by Foreign Key: Yes | No
//   Device Speed: 1.5Gb/s | 3.0Gb/s | 6.0Gb/s | 12.0Gb/s | Unknown
//   Link Speed: (as Device Speed)
//   Media Type: Hard Disk Device | Solid State Device
//   Drive Temperature : <c>C (<f> F) | N/A
//   PI Eligible: Yes | No
//   Port-<i> :                                    per path
//   Port status: Active | Inactive
//   Port's Linkspeed: (as Device Speed)
//   Drive has flagged a S.M.A.R.T alert : Yes | No
//   (two empty lines follow, so drives printed one after another stand apart)
#include <cinttypes>
#include <cstdio>
#include <string>

#include "ZepUtil/QuickFormat.h"
#include "ZepUtil/TextHelpers.h"
#include "fwdata/PdDataFwi.h"
#include "fwdata/PdValueText.h"
#include "fwdata/layout/PdRecord.h"

namespace {

// Room for a block of lines, so that it is not copied as it grows.
constexpr std::size_t kBlockReserve = 1024;

// A fixed field of the inquiry data as text, every byte of it, non-printable characters shown
// as blanks.
void AppendInquiry(std::string& text, const ByteView& record, TextField field)
{
    const ByteView inquiry = record.Sub(pdrec::kOffInquiry, pdrec::kInquirySize);
    const std::size_t at = text.size();
    text.resize(at + field.width);
    for (u32 i = 0; i < field.width; ++i) {
        const u8 c = inquiry.U8(field.offset + i);
        text[at + i] = (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : ' ';
    }
}

void AppendSizeLine(std::string& text, const char* label, u64 blocks)
{
    char size[32];
    KBToSizeText(blocks / 2, size);
    AppendFormat(text, "%s: %s [0x%" PRIx64 " Sectors]\n", label, size, blocks);
}

// The enclosure and slot lines, from the drive-list entry.
void AppendLocation(std::string& text, const PdListEntry& entry)
{
    AppendFormat(text, "Enclosure Device ID: %s\n", EnclosureIdText(entry.enclDeviceId));
    AppendFormat(text, "Slot Number: %d\n", entry.slot);
}

u8 PathCount(const ByteView& record)
{
    const u8 count = record.U8(pdrec::kOffPathCount);
    return count < pdrec::kMaxPaths ? count : static_cast<u8>(pdrec::kMaxPaths);
}

}  // namespace

string PdDataFwi::PrintLocation()
{
    std::string text;
    AppendLocation(text, entry_);
    return string(text.c_str());
}

string PdDataFwi::Print()
{
    std::string text;
    text.reserve(kBlockReserve);
    AppendLocation(text, entry_);
    if (LoadRecord() != 0)
        return string(text.c_str());
    const ByteView r = Record();
    AppendFormat(text, "Device Id: %d\n", r.U16(pdrec::kOffDeviceId));
    AppendFormat(text, "Sequence Number: %d\n", r.U16(pdrec::kOffSeqNum));
    AppendFormat(text, "Media Error Count: %u\n", r.U32(pdrec::kOffMediaErrors));
    AppendFormat(text, "Other Error Count: %u\n", r.U32(pdrec::kOffOtherErrors));
    AppendFormat(text, "Predictive Failure Count: %u\n", r.U32(pdrec::kOffPredFailures));
    AppendFormat(text, "Last Predictive Failure Event Seq Number: %u\n", r.U32(pdrec::kOffLastPredFailSeq));
    const u8 pdType = static_cast<u8>(r.U8(pdrec::kOffInterface) >> pdrec::kInterfaceShift);
    AppendFormat(text, "PD Type: %s\n", PdInterfaceText(pdType));
    return string(text.c_str());
}

string PdDataFwi::PrintFirmwareState()
{
    if (LoadRecord() != 0)
        return string();
    const ByteView r = Record();
    std::string text;
    text.reserve(kBlockReserve);
    AppendFormat(text, "Firmware state: %s\n", PdStateText(r.U16(pdrec::kOffFwState), r.U8(pdrec::kOffPowerState) != 0));
    AppendSizeLine(text, "Raw Size", r.U64(pdrec::kOffRawBlocks));
    AppendSizeLine(text, "Non Coerced Size", r.U64(pdrec::kOffNonCoercedBlocks));
    AppendSizeLine(text, "Coerced Size", r.U64(pdrec::kOffCoercedBlocks));
    text += "Device Firmware Level: ";
    AppendInquiry(text, r, pdrec::kInqRevision);
    text += '\n';
    const u8 paths = PathCount(r);
    for (u8 i = 0; i < paths; ++i)
        AppendFormat(text, "SAS Address(%d): 0x%" PRIx64 "\n", i, r.U64(pdrec::kOffSasAddresses + sizeof(u64) * i));
    std::string ports;
    const u8 portBits = r.U8(pdrec::kOffConnectedPorts);
    for (unsigned port = 0; port < pdrec::kConnectedPortBits; ++port) {
        if ((portBits >> port) & 1u) {
            if (!ports.empty())
                ports += ",";
            ports += std::to_string(port);
        }
    }
    text += "Connected Port Number: " + (ports.empty() ? std::string("None") : ports) + "\n";
    text += "Inquiry Data: ";
    const std::size_t inquiry = text.size();
    AppendInquiry(text, r, pdrec::kInqVendor);
    AppendInquiry(text, r, pdrec::kInqProduct);
    AppendInquiry(text, r, pdrec::kInqSerial);
    const std::size_t last = text.find_last_not_of(' ');  // trailing blanks are dropped
    text.erase(last == std::string::npos || last < inquiry ? inquiry : last + 1);
    text += '\n';
    return string(text.c_str());
}

string PdDataFwi::PrintSecurity()
{
    if (LoadRecord() != 0)
        return string();
    const ByteView r = Record();
    std::string text;
    text.reserve(kBlockReserve);
    AppendFormat(text, "FDE Capable: %s\n", r.Bit(pdrec::kFdeCapable) ? "Capable" : "Not Capable");
    AppendFormat(text, "FDE Enable: %s\n", r.Bit(pdrec::kFdeEnabled) ? "Enable" : "Disable");
    AppendFormat(text, "Secured: %s\n", r.Bit(pdrec::kSecured) ? "Secured" : "Unsecured");
    AppendFormat(text, "Locked: %s\n", r.Bit(pdrec::kLocked) ? "Locked" : "Unlocked");
    AppendFormat(text, "Secured by Foreign Key: %s\n", YesNo(r.Bit(pdrec::kForeignKey)));
    AppendFormat(text, "Device Speed: %s\n", PdSpeedText(r.U8(pdrec::kOffDeviceSpeed)));
    const char* linkSpeed = PdSpeedText(r.U8(pdrec::kOffLinkSpeed));
    AppendFormat(text, "Link Speed: %s\n", linkSpeed);
    AppendFormat(text, "Media Type: %s\n", r.U8(pdrec::kOffMediaType) == 1 ? "Solid State Device" : "Hard Disk Device");
    const u8 celsius = r.U8(pdrec::kOffTemperature);
    if (celsius == 0) {
        text += "Drive Temperature : N/A\n";
    } else {
        const unsigned tenthsF = celsius * 18u + 320u;  // F x 10 = C x 18 + 320
        AppendFormat(text, "Drive Temperature : %dC (%u.%u F)\n", celsius, tenthsF / 10, tenthsF % 10);
    }
    AppendFormat(text, "PI Eligible: %s\n", YesNo(r.Bit(pdrec::kPiEligible)));
    const u8 paths = PathCount(r);
    const u8 portBits = r.U8(pdrec::kOffConnectedPorts);
    for (u8 i = 0; i < paths; ++i) {
        AppendFormat(text, "Port-%d :\n", i);
        AppendFormat(text, "Port status: %s\n", ((portBits >> i) & 1u) ? "Active" : "Inactive");
        AppendFormat(text, "Port's Linkspeed: %s\n", linkSpeed);
    }
    AppendFormat(text, "Drive has flagged a S.M.A.R.T alert : %s\n\n\n", YesNo(r.Bit(pdrec::kSmartAlert)));
    return string(text.c_str());
}
