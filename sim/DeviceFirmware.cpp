#include "DeviceFirmware.h"

#include "EventCodes.h"
#include "FwStatus.h"
#include "Model.h"
#include "Topology.h"

namespace sim {
namespace {

// The image's header.
namespace device_image {

constexpr std::size_t kHeaderSize = 32;
constexpr u32 kSignature = 0;     // "QVDF"
constexpr u32 kProduct = 4;       // char[16], blank padded
constexpr u32 kProductSize = 16;
constexpr u32 kRevision = 20;     // char[4]
constexpr u32 kRevisionSize = 4;
constexpr u32 kLength = 24;       // u32
constexpr u32 kChecksum = 28;     // u32: the sum of all bytes, these four counted as zero

}  // namespace device_image

std::string Trimmed(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0'))
        text.pop_back();
    return text;
}

u32 LeU32(const u8* p) { return static_cast<u32>(p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<u32>(p[3]) << 24)); }

EventPd EventDevice(const Controller& controller, u16 deviceId)
{
    EventPd pd;
    pd.deviceId = deviceId;
    pd.enclosureIndex = 0xFF;
    if (const Drive* drive = FindDrive(controller, deviceId)) {
        const int index = drive->enclosure == kNoEnclosure ? -1 : EnclosureIndex(controller, drive->enclosure);
        pd.enclosureIndex = index < 0 ? 0xFF : static_cast<u8>(index);
        pd.slot = drive->slot;
    } else {
        const int index = EnclosureIndex(controller, deviceId);
        pd.enclosureIndex = index < 0 ? 0xFF : static_cast<u8>(index);
    }
    return pd;
}

}  // namespace

FirmwareDevice FindFirmwareDevice(Controller& controller, u16 deviceId)
{
    for (Drive& drive : controller.drives) {
        if (drive.deviceId == deviceId)
            return {&drive.inquiry, &drive.firmware, deviceId};
    }
    for (Enclosure& enclosure : controller.enclosures) {
        if (enclosure.deviceId == deviceId)
            return {&enclosure.inquiry, &enclosure.firmware, deviceId};
    }
    return {};
}

u32 PrepareDeviceDownload(Controller& controller, u16 deviceId, u32 count, u32 size, bool* changed)
{
    const FirmwareDevice device = FindFirmwareDevice(controller, deviceId);
    if (device.firmware == nullptr)
        return kFwNotFound;
    if (device.firmware->busyAnswers != 0) {
        --device.firmware->busyAnswers;
        *changed = true;
        return kFwWrongState;
    }
    if (controller.deviceDownload && controller.deviceDownload->deviceId != deviceId)
        return kFwOneDeviceAtATime;
    if (count == 0 || size == 0)
        return kFwInvalidParameter;
    if (size > kMaxDeviceImage)
        return kFwDownloadNoMemory;
    controller.deviceDownload = PreparedDownload{deviceId, size, count, {}, std::nullopt};
    return kFwOk;
}

std::optional<std::string> CheckDeviceImage(const Inquiry& inquiry, const u8* image, std::size_t size)
{
    if (size < device_image::kHeaderSize ||
        std::string(reinterpret_cast<const char*>(image + device_image::kSignature), 4) != "QVDF")
        return std::nullopt;
    const std::string product(reinterpret_cast<const char*>(image + device_image::kProduct),
                              device_image::kProductSize);
    if (Trimmed(product) != Trimmed(inquiry.product) || LeU32(image + device_image::kLength) != size)
        return std::nullopt;
    u32 sum = 0;
    for (std::size_t i = 0; i < size; ++i)
        sum += (i >= device_image::kChecksum && i < device_image::kChecksum + 4) ? 0 : image[i];
    if (sum != LeU32(image + device_image::kChecksum))
        return std::nullopt;
    return Trimmed(
        std::string(reinterpret_cast<const char*>(image + device_image::kRevision), device_image::kRevisionSize));
}

void ActivateDeviceImage(Controller& controller, const SimClock& clock, FirmwareDevice device,
                         const std::string& revision)
{
    device.inquiry->revision = revision;
    controller.deviceDownload.reset();
    AppendEvent(controller, clock, kEvPdFirmwareUpdated, EventArgs::Pd(EventDevice(controller, device.deviceId)),
                "Device " + std::to_string(device.deviceId) + " firmware updated to " + revision);
}

void LogRefusedImage(Controller& controller, const SimClock& clock, FirmwareDevice device)
{
    AppendEvent(controller, clock, kEvPdFirmwareRefused, EventArgs::Pd(EventDevice(controller, device.deviceId)));
}

void LogReceipt(DeviceFirmware& firmware, std::vector<u8> cdb, u32 offset, u32 length, FirmwareResult result)
{
    firmware.received.push_back({std::move(cdb), offset, length, result});
    if (firmware.received.size() > kMaxReceipts)
        firmware.received.erase(firmware.received.begin());
}

}  // namespace sim
