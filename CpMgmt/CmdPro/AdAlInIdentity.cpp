// Adapter report: product identity, manufacturing data and the firmware images in flash.
#include <cstring>
#include <string>

#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "fwdata/LeBytes.h"
#include "runtime/CtMessage.h"

namespace {

// Controller information.
constexpr std::size_t kImageCountOffset = 180;
constexpr std::size_t kImageTableOffset = 184;
constexpr std::size_t kPendingCountOffset = 760;
constexpr std::size_t kPendingTableOffset = 764;
constexpr std::size_t kImageEntrySize = 72;
constexpr u32 kImageTableEntries = 8;  // both tables hold eight entries, whatever the counts say
constexpr std::size_t kImageNameWidth = 8;
constexpr std::size_t kImageVersionOffset = 8;
constexpr std::size_t kImageVersionWidth = kImageEntrySize - kImageVersionOffset;
constexpr std::size_t kProductNameOffset = 1344;
constexpr std::size_t kProductNameWidth = 80;
constexpr std::size_t kPackageBuildOffset = 1600;
constexpr std::size_t kPackageBuildWidth = 96;

// Manufacturing data.
constexpr std::size_t kMfgDateOffset = 0;
constexpr std::size_t kSerialOffset = 2;
constexpr std::size_t kSerialWidth = 16;
constexpr std::size_t kReworkDateOffset = 18;
constexpr std::size_t kRevisionOffset = 20;
constexpr std::size_t kRevisionWidth = 8;

// Battery FRU.
constexpr std::size_t kBatteryFruWidth = 8;

struct ImageLabel {
    const char* code;
    std::size_t compared;  // leading bytes of the name that must match
    const char* format;
};

// Tried in this order; the first match names the line.
const ImageLabel kImageLabels[] = {
    {"APP", 3, "FW Version         : %s\n"},
    {"BIOS", 4, "BIOS Version       : %s\n"},
    {"CTLR", 4, "Ctrl-R Version     : %s\n"},
    {"CTLM", 4, "Ctrl-M Version     : %s\n"},
    {"BTBL", 4, "Boot Block Version : %s\n"},
    {"QMX1", 4, "QMX Version        : %s\n"},
    {"BCON", 4, "PanelUI Version    : %s\n"},
    {"PCLI", 4, "Preboot CLI Version: %s\n"},
    {"NVDT", 4, "NVDATA Version     : %s\n"},
    {"BOOT", 4, "BOOT Version       : %s\n"},
};

// A packed date: day in bits 0-4, month in bits 5-8, year in bits 9-15.
void PrintPackedDate(u32 messageId, u16 packed)
{
    const int day = packed & 0x1F;
    const int month = (packed >> 5) & 0x0F;
    const int year = packed >> 9;
    PrintMessage(messageId, month, day, year);
}

u32 BoundedCount(u32 count) { return count < kImageTableEntries ? count : kImageTableEntries; }

}  // namespace

void AdpAllInfoCp::PrintVersions() const
{
    const std::string productName = AdpPrint::FieldText(info_, kProductNameOffset, kProductNameWidth);
    const std::string serial = AdpPrint::FieldText(mfgData_, kSerialOffset, kSerialWidth);
    PrintMessage(AdpMsg::kProductNameSerial, productName.c_str(), serial.c_str());
    const std::string packageBuild = AdpPrint::FieldText(info_, kPackageBuildOffset, kPackageBuildWidth);
    PrintMessage(AdpMsg::kPackageBuild, packageBuild.c_str());
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintMfgData() const
{
    PrintPackedDate(AdpMsg::kMfgDate, LeU16(mfgData_, kMfgDateOffset));
    PrintPackedDate(AdpMsg::kReworkDate, LeU16(mfgData_, kReworkDateOffset));
    const std::string revision = AdpPrint::FieldText(mfgData_, kRevisionOffset, kRevisionWidth);
    PrintMessage(AdpMsg::kRevision, revision.c_str());
    if (batteryFruStatus_ == 0 && batteryFru_[0] != 0) {
        const std::string fru = AdpPrint::FieldText(batteryFru_, 0, kBatteryFruWidth);
        PrintMessage(AdpMsg::kBatteryFru, fru.c_str());
    } else {
        PrintMessage(AdpMsg::kBatteryFru, "N/A");
    }
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintImageVersions() const
{
    const u32 count = BoundedCount(LeU32(info_, kImageCountOffset));
    for (u32 i = 0; i < count; ++i) {
        const std::size_t entry = kImageTableOffset + kImageEntrySize * i;
        for (const ImageLabel& label : kImageLabels) {
            if (std::memcmp(info_ + entry, label.code, label.compared) == 0) {
                const std::string version =
                    AdpPrint::FieldText(info_, entry + kImageVersionOffset, kImageVersionWidth);
                AdpPrint::Formatted(label.format, version.c_str());
                break;
            }
        }
    }
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintPendingImages() const
{
    const u32 count = BoundedCount(LeU32(info_, kPendingCountOffset));
    if (LeU32(info_, kPendingCountOffset) == 0) {
        AdpPrint::Text("None\n");
    } else {
        for (u32 i = 0; i < count; ++i) {
            const std::string name =
                AdpPrint::FieldText(info_, kPendingTableOffset + kImageEntrySize * i, kImageNameWidth);
            AdpPrint::Text(name.c_str());
        }
    }
    AdpPrint::LineEnd();
}
