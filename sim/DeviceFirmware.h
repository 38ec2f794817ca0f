// Firmware downloads to the controller's devices (drives and enclosure services devices) by
// pass-through. The controller first prepares a download for one device (0x01130200: the number
// of requests that follow and the image size); the device then takes the image in WRITE BUFFER
// commands (pieces at offsets, activated at once or deferred until an activation command, or the
// whole image in one) or, a SATA drive, in ATA DOWNLOAD MICROCODE commands carried by ATA
// PASS-THROUGH(12), each of which delivers a whole image. The device checks a complete image
// (layout in docs/firmware-interface.md) and refuses one that is not built for it or is
// damaged; an image it takes gives it its new firmware revision. Every command that reaches the
// device goes into its reception log (kept in the state file); the prepared download itself
// lives only as long as the library's session.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "ModelBasics.h"

namespace sim {

struct Controller;
struct SimClock;
struct Inquiry;
struct DeviceFirmware;

// What became of a received command (FirmwareReceipt::result).
enum FirmwareResult : u8 {
    kFirmwareAccepted = 0,   // a piece taken, more to come
    kFirmwareSaved = 1,      // a complete image checked and saved; it waits for its activation
    kFirmwareActivated = 2,  // the image is the device's firmware now
    kFirmwareRefused = 3,    // the command or the image was refused
};

constexpr std::size_t kMaxReceipts = 256;        // the reception log keeps the newest
constexpr u32 kMaxDeviceImage = 32u << 20;       // the most the controller holds for a download
constexpr u32 kFwOneDeviceAtATime = 1;           // a download for another device is prepared
constexpr u32 kFwDownloadNoMemory = 32;          // the image is larger than the controller holds

// The download the controller prepared, while its session lasts.
struct PreparedDownload {
    u16 deviceId = 0;
    u32 size = 0;
    u32 count = 0;
    std::vector<u8> pieces;                   // received at offsets, in order
    std::optional<std::vector<u8>> deferred;  // a complete image saved for a later activation
};

// Prepares a download for a drive or an enclosure device (12 for another id): 50 while the
// device answers busy (one busy answer fewer each time), 1 while another device's download is
// prepared and unfinished, 3 for a count or size of 0, 32 for an image above kMaxDeviceImage.
// A new prepare for the same device starts over.
u32 PrepareDeviceDownload(Controller& controller, u16 deviceId, u32 count, u32 size, bool* changed);

// The device's view of its firmware: its inquiry data, its download state and its event
// identity. Null members when the controller has no device of that id.
struct FirmwareDevice {
    Inquiry* inquiry = nullptr;
    DeviceFirmware* firmware = nullptr;
    u16 deviceId = 0;
};
FirmwareDevice FindFirmwareDevice(Controller& controller, u16 deviceId);

// Checks a complete image against the device's inquiry data; the revision it carries when it
// passes, nothing when the device refuses it.
std::optional<std::string> CheckDeviceImage(const Inquiry& inquiry, const u8* image, std::size_t size);

// Takes a checked image: the revision becomes the device's, the event is logged and the
// prepared download ends.
void ActivateDeviceImage(Controller& controller, const SimClock& clock, FirmwareDevice device,
                         const std::string& revision);
// Logs a refused image (the prepared download stays, so that the image can be sent again).
void LogRefusedImage(Controller& controller, const SimClock& clock, FirmwareDevice device);
// Appends a receipt to the device's reception log, dropping the oldest beyond kMaxReceipts.
void LogReceipt(DeviceFirmware& firmware, std::vector<u8> cdb, u32 offset, u32 length, FirmwareResult result);

}  // namespace sim
