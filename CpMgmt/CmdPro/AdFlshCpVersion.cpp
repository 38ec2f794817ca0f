// The flash command's version check: the first application or battery-module component of the
// image decides what it is compared with.
#include <cstring>

#include "CpMgmt/CmdPro/AdFlshCp.h"
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "fwdata/LeBytes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"
#include "runtime/QuendalLog.h"

namespace {

constexpr const char* kSourceName = "CpMgmt/CmdPro/AdFlshCp";
constexpr int kBatteryDesignFailureLine = 391;

// Controller information: the image components running in flash and the package version.
constexpr std::size_t kImageCount = 180;  // s32
constexpr std::size_t kImages = 184;
constexpr std::size_t kImageEntrySize = 72;
constexpr std::size_t kImageVersion = 8;  // within an entry, to the entry's end
constexpr s32 kMaxImages = 8;             // the table holds 8 entries; pending images follow it
constexpr std::size_t kPackageVersion = 1600;
constexpr std::size_t kPackageVersionSize = 96;

// Battery design information: the battery module's firmware version.
constexpr std::size_t kBatteryVersion = 49;
constexpr std::size_t kBatteryVersionCompared = 6;

string FieldText(const u8* block, std::size_t offset, std::size_t width)
{
    return string(reinterpret_cast<const char*>(block + offset), FieldTextLength(block, offset, width));
}

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
    u8 design[kBatteryDesignSize] = {};
    const int status = SendDcmd(kOpcodeGetBatteryDesign, 0, design, cpController, sizeof design);
    if (status != 0) {
        LogDebugMessage(kSourceName, kBatteryDesignFailureLine, kModuleCommandTool, kLevelError, kDbgFwiFailed,
                        kOpcodeGetBatteryDesign, static_cast<u32>(status));
        PrintMessage(CommonMsg::kAdapterText, AdapterNumberOf(cpController), "Get BBU Design Info Failed.");
        return VersionCheck::kFailed;
    }
    const string battery = FieldText(design, kBatteryVersion, sizeof design - kBatteryVersion);
    const string image = header.Version();
    PrintMessage(MaintMsg::kFwVersionController, battery.GetCStr());
    PrintMessage(MaintMsg::kFwVersionImage, image.GetCStr());
    // Only an older module image is refused; the same version may be flashed again.
    return std::strncmp(image.GetCStr(), battery.GetCStr(), kBatteryVersionCompared) < 0 ? VersionCheck::kRefused
                                                                                         : VersionCheck::kPasses;
}

AdpFwFlashCp::VersionCheck AdpFwFlashCp::CheckApplicationVersion(const _FLASH_HDR& header) const
{
    const s32 count = static_cast<s32>(LeU32(info_, kImageCount));
    const s32 listed = count < kMaxImages ? count : kMaxImages;
    bool hasApplication = false;
    string running;
    for (s32 i = 0; i < listed; ++i) {
        const std::size_t entry = kImages + kImageEntrySize * static_cast<std::size_t>(i);
        if (std::memcmp(info_ + entry, "APP", 3) == 0) {
            running = FieldText(info_, entry + kImageVersion, kImageEntrySize - kImageVersion);
            hasApplication = true;
            break;
        }
    }

    const string controllerPackage = FieldText(info_, kPackageVersion, kPackageVersionSize);
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
