// The flash command's version check: the first application or battery-module component of the
// image decides what it is compared with.
#include <cstring>

#include "CpMgmt/CmdPro/AdFlshCp.h"
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "fwdata/layout/BatteryDesign.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"
#include "runtime/QuendalLog.h"

namespace {

constexpr const char* kSourceName = "CpMgmt/CmdPro/AdFlshCp";
constexpr int kBatteryDesignFailureLine = 391;

// The leading characters of the battery module's version that decide.
constexpr std::size_t kBatteryVersionCompared = 6;

string AsString(const std::string& text) { return string(text.c_str()); }

}  // namespace

AdpFwFlashCp::VersionCheck AdpFwFlashCp::CheckVersions(CpController* cpController)
{
    const ArrayList<_FLASH_HDR*>* headers = GetHeaders();
    for (unsigned i = 0; headers != nullptr && i < headers->GetCount(); ++i) {
        const _FLASH_HDR* header = headers->GetAt(static_cast<u8>(i));
        if (header->HasType(kComponentBattery))
            return CheckBatteryVersion(cpController, *header);
        if (header->HasType(kComponentApplication))
            return CheckApplicationVersion(*header);
    }
    return VersionCheck::kPasses;
}

AdpFwFlashCp::VersionCheck AdpFwFlashCp::CheckBatteryVersion(CpController* cpController, const _FLASH_HDR& header)
{
    u8 design[bbudesign::kSize] = {};
    const int status = SendDcmd(kDcmdBbuGetDesign, 0, design, cpController, sizeof design);
    if (status != 0) {
        LogDebugMessage(kSourceName, kBatteryDesignFailureLine, kModuleCommandTool, kLevelError, kDbgFwiFailed,
                        kDcmdBbuGetDesign, static_cast<u32>(status));
        PrintMessage(CommonMsg::kAdapterText, AdapterNumberOf(cpController), "Get BBU Design Info Failed.");
        return VersionCheck::kFailed;
    }
    const string battery = AsString(ByteView(design).Text(bbudesign::kVersion));
    const string image = header.Version();
    PrintMessage(MaintMsg::kFwVersionController, battery.GetCStr());
    PrintMessage(MaintMsg::kFwVersionImage, image.GetCStr());
    // Only an older module image is refused; the same version may be flashed again.
    return std::strncmp(image.GetCStr(), battery.GetCStr(), kBatteryVersionCompared) < 0 ? VersionCheck::kRefused
                                                                                         : VersionCheck::kPasses;
}

AdpFwFlashCp::VersionCheck AdpFwFlashCp::CheckApplicationVersion(const _FLASH_HDR& header) const
{
    const ByteView info(info_);
    // The image count is signed; the table holds kMaxImages entries, the pending images follow it.
    const s32 count = static_cast<s32>(info.U32(ctrlinfo::kOffImageCount));
    const s32 listed = count < static_cast<s32>(ctrlinfo::kMaxImages) ? count : static_cast<s32>(ctrlinfo::kMaxImages);
    bool hasApplication = false;
    string running;
    for (s32 i = 0; i < listed; ++i) {
        const ByteView entry = ctrlinfo::ImageEntry(info, ctrlinfo::kOffImages, static_cast<u32>(i));
        if (entry.Holds(ctrlinfo::kImageName.offset, "APP")) {
            running = AsString(entry.Text(ctrlinfo::kImageVersion));
            hasApplication = true;
            break;
        }
    }

    const string controllerPackage = AsString(info.Text(ctrlinfo::kPackageBuild));
    string imagePackage;
    if (!controllerPackage.IsEmpty() && header.PackageVersion(&imagePackage)) {
        PrintMessage(MaintMsg::kPackageController, controllerPackage.GetCStr());
        PrintMessage(MaintMsg::kPackageImage, imagePackage.GetCStr());
        return CompareVersions(imagePackage.GetCStr(), controllerPackage.GetCStr()) <= 0 ? VersionCheck::kRefused
                                                                                          : VersionCheck::kPasses;
    }
    if (hasApplication) {
        const string image = header.Version();
        PrintMessage(MaintMsg::kFwVersionController, running.GetCStr());
        PrintMessage(MaintMsg::kFwVersionImage, image.GetCStr());
        return CompareVersions(image.GetCStr(), running.GetCStr()) <= 0 ? VersionCheck::kRefused
                                                                          : VersionCheck::kPasses;
    }
    return VersionCheck::kPasses;
}
