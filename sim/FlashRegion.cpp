#include "FlashRegion.h"

#include <algorithm>

#include "EventCodes.h"
#include "FlashImageCheck.h"
#include "FwStatus.h"
#include "InfoLayout.h"
#include "Model.h"

namespace sim {
namespace {

constexpr u64 kBytesPerMb = 1024 * 1024;

// Texts from an image go into the state file and the controller information: printable
// characters only, cut to the field.
std::string FieldText(const std::string& text, std::size_t width)
{
    std::string clean;
    for (char c : text) {
        if (clean.size() == width)
            break;
        clean.push_back(c >= 0x20 && c <= 0x7E ? c : '?');
    }
    return clean;
}

void TakeComponent(ControllerInfo& info, const FlashComponent& component)
{
    const std::string name = FieldText(component.type, info::kImageNameSize);
    if (name.empty() || name == kBatteryModule)
        return;  // the battery module's firmware is the module's own, not the controller's
    const std::string version = FieldText(component.version, info::kImageVersionSize);
    auto same = [&](const ImageComponent& image) { return image.name == name; };
    auto it = std::find_if(info.images.begin(), info.images.end(), same);
    if (it != info.images.end())
        it->version = version;
    else if (info.images.size() < info::kMaxImages)
        info.images.push_back({name, version});
}

}  // namespace

u32 OpenFlash(Controller& controller, u32 size)
{
    FlashRegion& flash = controller.flash;
    if (flash.download)
        return kFwFlashInProgress;
    if (size == 0)
        return kFwInvalidParameter;
    if (size > controller.info.flashMb * kBytesPerMb)
        return kFwFlashNoMemory;
    flash.download = FlashDownload{size, {}};
    return kFwOk;
}

u32 WriteFlashChunk(Controller& controller, u32 offset, const u8* data, std::size_t length)
{
    FlashRegion& flash = controller.flash;
    if (!flash.download)
        return kFwNoOperation;
    std::vector<u8>& image = flash.download->image;
    if (offset != image.size() || length > flash.download->size - image.size())
        return kFwInvalidParameter;
    image.insert(image.end(), data, data + length);
    return kFwOk;
}

u32 CommitFlash(Controller& controller, const SimClock& clock, bool* changed)
{
    FlashRegion& flash = controller.flash;
    if (!flash.download)
        return kFwNoOperation;
    const FlashDownload download = std::move(*flash.download);
    flash.download.reset();
    if (download.image.size() != download.size)
        return kFwFlashImageInvalid;
    const FlashImageScan scan = ScanFlashImage(download.image, flash.boardSignature);
    if (scan.status != kFwOk)
        return scan.status;

    ControllerInfo& info = controller.info;
    for (const FlashComponent& component : scan.components)
        TakeComponent(info, component);
    const auto packaged = std::find_if(scan.components.begin(), scan.components.end(),
                                       [](const FlashComponent& c) { return c.hasPackage; });
    if (packaged != scan.components.end())
        info.packageBuild = FieldText(packaged->package, info::kPackageBuildSize);
    flash.imageSize = download.size;
    AppendEvent(controller, clock, kEvFlashComplete, EventArgs::None());
    *changed = true;
    return kFwOk;
}

void AbortFlash(Controller& controller) { controller.flash.download.reset(); }

}  // namespace sim
