// Adapter report: product identity, manufacturing data and the firmware images in flash.
#include <string>

#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "runtime/CtMessage.h"

namespace {

struct ImageLabel {
    const char* code;  // the leading characters of the image name
    const char* format;
};

// Tried in this order; the first match names the line.
const ImageLabel kImageLabels[] = {
    {"APP", "FW Version         : %s\n"},
    {"BIOS", "BIOS Version       : %s\n"},
    {"CTLR", "Ctrl-R Version     : %s\n"},
    {"CTLM", "Ctrl-M Version     : %s\n"},
    {"BTBL", "Boot Block Version : %s\n"},
    {"QMX1", "QMX Version        : %s\n"},
    {"BCON", "PanelUI Version    : %s\n"},
    {"PCLI", "Preboot CLI Version: %s\n"},
    {"NVDT", "NVDATA Version     : %s\n"},
    {"BOOT", "BOOT Version       : %s\n"},
};

void PrintPackedDate(u32 messageId, u16 packed)
{
    PrintMessage(messageId, mfgdata::PackedMonth(packed), mfgdata::PackedDay(packed), mfgdata::PackedYear(packed));
}

// Both image tables hold kMaxImages entries, whatever the counts say.
u32 BoundedCount(u32 count) { return count < ctrlinfo::kMaxImages ? count : ctrlinfo::kMaxImages; }

}  // namespace

void AdpAllInfoCp::PrintVersions() const
{
    const ByteView info(info_);
    const std::string productName = info.Text(ctrlinfo::kProductName);
    if (mfgDataRead_) {
        const std::string serial = ByteView(mfgData_).Text(mfgdata::kSerial);
        PrintMessage(AdpMsg::kProductNameSerial, productName.c_str(), serial.c_str());
    } else {
        AdpPrint::Formatted("Product Name    : %.80s\n", productName.c_str());
        PrintReadFailureLine("the serial number");
    }
    const std::string packageBuild = info.Text(ctrlinfo::kPackageBuild);
    PrintMessage(AdpMsg::kPackageBuild, packageBuild.c_str());
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintMfgData() const
{
    const ByteView mfg(mfgData_);
    if (mfgDataRead_) {
        PrintPackedDate(AdpMsg::kMfgDate, mfg.U16(mfgdata::kOffMfgDate));
        PrintPackedDate(AdpMsg::kReworkDate, mfg.U16(mfgdata::kOffReworkDate));
        const std::string revision = mfg.Text(mfgdata::kRevision);
        PrintMessage(AdpMsg::kRevision, revision.c_str());
    } else {
        PrintReadFailureLine("the manufacturing data");
    }
    const std::string fru = ByteView(batteryFru_).Text(batteryfru::kFru);
    if (batteryFruStatus_ == 0 && !fru.empty()) {
        PrintMessage(AdpMsg::kBatteryFru, fru.c_str());
    } else {
        PrintMessage(AdpMsg::kBatteryFru, "N/A");
    }
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintImageVersions() const
{
    const ByteView info(info_);
    const u32 count = BoundedCount(info.U32(ctrlinfo::kOffImageCount));
    for (u32 i = 0; i < count; ++i) {
        const ByteView entry = ctrlinfo::ImageEntry(info, ctrlinfo::kOffImages, i);
        for (const ImageLabel& label : kImageLabels) {
            if (entry.Holds(ctrlinfo::kImageName.offset, label.code)) {
                const std::string version = entry.Text(ctrlinfo::kImageVersion);
                AdpPrint::Formatted(label.format, version.c_str());
                break;
            }
        }
    }
    AdpPrint::LineEnd();
}

void AdpAllInfoCp::PrintPendingImages() const
{
    const ByteView info(info_);
    const u32 count = BoundedCount(info.U32(ctrlinfo::kOffPendingImageCount));
    if (info.U32(ctrlinfo::kOffPendingImageCount) == 0) {
        AdpPrint::Text("None\n");
    } else {
        for (u32 i = 0; i < count; ++i) {
            const ByteView entry = ctrlinfo::ImageEntry(info, ctrlinfo::kOffPendingImages, i);
            const std::string name = entry.Text(ctrlinfo::kImageName);
            AdpPrint::Text(name.c_str());
        }
    }
    AdpPrint::LineEnd();
}
