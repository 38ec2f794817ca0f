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
#include <cstdarg>
#include <cstdio>
#include <string>

#include "ZepUtil/QuickFormat.h"
#include "ZepUtil/TextHelpers.h"
#include "fwdata/LeBytes.h"
#include "fwdata/PdDataFwi.h"
#include "fwdata/PdRecordLayout.h"

namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...)
{
    char line[256];
    va_list args;
    va_start(args, format);
    QuickVFormat(line, sizeof line, format, args);
    va_end(args);
    return line;
}

const char* StateText(u16 state, bool spunDown)
{
    switch (state) {
    case 0x00:
        return spunDown ? "Unconfigured(good), Spun down" : "Unconfigured(good), Spun Up";
    case 0x01:
        return "Unconfigured(bad)";
    case 0x02:
        return "Hotspare";
    case 0x10:
        return "Offline";
    case 0x11:
        return "Failed";
    case 0x14:
        return "Rebuild";
    case 0x18:
        return "Online";
    case 0x20:
        return "Copyback";
    case 0x40:
        return "JBOD";
    case 0x80:
        return "Shielded";
    case 0x82:
        return "Unconfigured(good), Shielded";
    case 0x90:
        return "Hotspare, Shielded";
    default:
        return "Unknown";
    }
}

const char* InterfaceText(u8 type)
{
    switch (type) {
    case 1:
        return "Parallel SCSI";
    case 2:
        return "SAS";
    case 3:
        return "SATA";
    case 4:
        return "FC";
    default:
        return "Unknown";
    }
}

const char* SpeedText(u8 code)
{
    switch (code) {
    case 1:
        return "1.5Gb/s";
    case 2:
        return "3.0Gb/s";
    case 3:
        return "6.0Gb/s";
    case 4:
        return "12.0Gb/s";
    default:
        return "Unknown";
    }
}

const char* YesNo(bool flag) { return flag ? "Yes" : "No"; }

// A fixed field of the record as text, non-printable characters shown as blanks.
std::string FieldText(const u8* record, u32 offset, u32 width)
{
    std::string text;
    for (u32 i = 0; i < width; ++i) {
        const u8 c = record[offset + i];
        text += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : ' ';
    }
    return text;
}

std::string SizeLine(const char* label, u64 blocks)
{
    char size[32];
    KBToSizeText(blocks / 2, size);
    return Format("%s: %s [0x%" PRIx64 " Sectors]\n", label, size, blocks);
}

u8 PathCount(const u8* record)
{
    const u8 count = LeU8(record, pdrec::kOffPathCount);
    return count < pdrec::kMaxPaths ? count : static_cast<u8>(pdrec::kMaxPaths);
}

}  // namespace

string PdDataFwi::Print()
{
    std::string text = Format("Enclosure Device ID: %s\n", EnclosureIdText(entry_.enclDeviceId));
    text += Format("Slot Number: %d\n", entry_.slot);
    if (LoadRecord() != 0)
        return string(text.c_str());
    const u8* r = record_.data();
    text += Format("Device Id: %d\n", LeU16(r, pdrec::kOffDeviceId));
    text += Format("Sequence Number: %d\n", LeU16(r, pdrec::kOffSeqNum));
    text += Format("Media Error Count: %u\n", LeU32(r, pdrec::kOffMediaErrors));
    text += Format("Other Error Count: %u\n", LeU32(r, pdrec::kOffOtherErrors));
    text += Format("Predictive Failure Count: %u\n", LeU32(r, pdrec::kOffPredFailures));
    text += Format("Last Predictive Failure Event Seq Number: %u\n", LeU32(r, pdrec::kOffLastPredFailSeq));
    text += Format("PD Type: %s\n", InterfaceText(static_cast<u8>(LeU8(r, pdrec::kOffInterface) >> 4)));
    return string(text.c_str());
}

string PdDataFwi::PrintFirmwareState()
{
    if (LoadRecord() != 0)
        return string();
    const u8* r = record_.data();
    std::string text = Format("Firmware state: %s\n",
                              StateText(LeU16(r, pdrec::kOffFwState), LeU8(r, pdrec::kOffPowerState) != 0));
    text += SizeLine("Raw Size", LeU64(r, pdrec::kOffRawBlocks));
    text += SizeLine("Non Coerced Size", LeU64(r, pdrec::kOffNonCoercedBlocks));
    text += SizeLine("Coerced Size", LeU64(r, pdrec::kOffCoercedBlocks));
    text += "Device Firmware Level: " +
            FieldText(r, pdrec::kOffInquiry + pdrec::kInqOffRevision, pdrec::kInqRevisionWidth) + "\n";
    const u8 paths = PathCount(r);
    for (u8 i = 0; i < paths; ++i)
        text += Format("SAS Address(%d): 0x%" PRIx64 "\n", i, LeU64(r, pdrec::kOffSasAddresses + 8u * i));
    std::string ports;
    const u8 portBits = LeU8(r, pdrec::kOffConnectedPorts);
    for (unsigned port = 0; port < 8; ++port) {
        if ((portBits >> port) & 1u) {
            if (!ports.empty())
                ports += ",";
            ports += std::to_string(port);
        }
    }
    text += "Connected Port Number: " + (ports.empty() ? std::string("None") : ports) + "\n";
    std::string inquiry = FieldText(r, pdrec::kOffInquiry + pdrec::kInqOffVendor, pdrec::kInqVendorWidth) +
                          FieldText(r, pdrec::kOffInquiry + pdrec::kInqOffProduct, pdrec::kInqProductWidth) +
                          FieldText(r, pdrec::kOffInquiry + pdrec::kInqOffSerial, pdrec::kInqSerialWidth);
    inquiry.erase(inquiry.find_last_not_of(' ') + 1);
    text += "Inquiry Data: " + inquiry + "\n";
    return string(text.c_str());
}

string PdDataFwi::PrintSecurity()
{
    if (LoadRecord() != 0)
        return string();
    const u8* r = record_.data();
    std::string text = Format("FDE Capable: %s\n", LeBit(r, pdrec::kOffSecurity, 0) ? "Capable" : "Not Capable");
    text += Format("FDE Enable: %s\n", LeBit(r, pdrec::kOffSecurity, 1) ? "Enable" : "Disable");
    text += Format("Secured: %s\n", LeBit(r, pdrec::kOffSecurity, 2) ? "Secured" : "Unsecured");
    text += Format("Locked: %s\n", LeBit(r, pdrec::kOffSecurity, 3) ? "Locked" : "Unlocked");
    text += Format("Secured by Foreign Key: %s\n", YesNo(LeBit(r, pdrec::kOffSecurity, 4)));
    text += Format("Device Speed: %s\n", SpeedText(LeU8(r, pdrec::kOffDeviceSpeed)));
    const char* linkSpeed = SpeedText(LeU8(r, pdrec::kOffLinkSpeed));
    text += Format("Link Speed: %s\n", linkSpeed);
    text += Format("Media Type: %s\n", LeU8(r, pdrec::kOffMediaType) == 1 ? "Solid State Device" : "Hard Disk Device");
    const u8 celsius = LeU8(r, pdrec::kOffTemperature);
    if (celsius == 0) {
        text += "Drive Temperature : N/A\n";
    } else {
        const unsigned tenthsF = celsius * 18u + 320u;  // F x 10 = C x 18 + 320
        text += Format("Drive Temperature : %dC (%u.%u F)\n", celsius, tenthsF / 10, tenthsF % 10);
    }
    text += Format("PI Eligible: %s\n", YesNo(LeBit(r, pdrec::kOffPi, 0)));
    const u8 paths = PathCount(r);
    const u8 portBits = LeU8(r, pdrec::kOffConnectedPorts);
    for (u8 i = 0; i < paths; ++i) {
        text += Format("Port-%d :\n", i);
        text += Format("Port status: %s\n", ((portBits >> i) & 1u) ? "Active" : "Inactive");
        text += Format("Port's Linkspeed: %s\n", linkSpeed);
    }
    text += Format("Drive has flagged a S.M.A.R.T alert : %s\n\n\n", YesNo(LeBit(r, pdrec::kOffFlags, pdrec::kFlagSmartAlert)));
    return string(text.c_str());
}
