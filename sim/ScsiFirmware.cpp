// Firmware download commands of the devices (DeviceFirmware.h).
//
// WRITE BUFFER (0x3B), CDB of 10 bytes or more: byte 1 bits 0-4 the mode, byte 2 the buffer id,
// bytes 3-5 the buffer offset and 6-8 the length (big-endian). Drives that speak SCSI (SAS
// drives, and SATA drives behind a SAS-SATA bridge) and enclosure services devices answer it:
//   0x05  the whole image at offset 0, checked, saved and activated
//   0x07  a piece at the next offset; the last piece (the prepared size reached) completes the
//         image, which is checked, saved and activated
//   0x0E  the same, but a complete image is saved and waits for 0x0F
//   0x0F  activates the saved image (no data)
// The buffer id is 0, or behind a bridge the kind of image (0x01, 0x03, 0x0A, 0xEF). Refusals
// (ILLEGAL REQUEST): no prepared download for the device, or 0x0F without a saved image,
// 0x2C; another mode, buffer id, an offset that is not the next one, a length that is not the
// data sent or that passes the prepared size, 0x24; an image the device refuses, 0x26.
//
// ATA PASS-THROUGH(12) (0xA1) to a SATA drive carrying DOWNLOAD MICROCODE (command 0x92 in byte
// 9, subcommand 0x07 "download and save" in byte 3): protocol 5 (PIO data-out) in byte 1, byte 2
// with data to the device, the length in blocks in the sector count; the block count (bytes 4
// and 5) times 512 bytes of the data are the whole image. CDB fields that do not describe such a
// transfer, or less data than the count names, are refused (ILLEGAL REQUEST, 0x24); another
// command, subcommand, a count of 0, an image the drive refuses, or no prepared download are
// aborted (ABORTED COMMAND).
#include "DeviceFirmware.h"
#include "FwStatus.h"
#include "Model.h"
#include "Scsi.h"

namespace sim {
namespace {

namespace write_buffer_cdb {

constexpr u32 kMode = 1;        // bits 0-4
constexpr u32 kBufferId = 2;
constexpr u32 kOffset = 3;      // 24-bit big-endian
constexpr u32 kLength = 6;      // 24-bit big-endian

}  // namespace write_buffer_cdb

constexpr u8 kModeWhole = 0x05;
constexpr u8 kModeOffsetsActivate = 0x07;
constexpr u8 kModeOffsetsDefer = 0x0E;
constexpr u8 kModeActivateDeferred = 0x0F;
constexpr u8 kBridgeImageKinds[] = {0x01, 0x03, 0x0A, 0xEF};

constexpr u32 kAtaProtocol = 1;   // bits 1-4
constexpr u32 kAtaTransfer = 2;   // bit 3 from the device, bit 2 in blocks, bits 0-1 length field
constexpr u32 kAtaFeatures = 3;
constexpr u32 kAtaCountLow = 4;
constexpr u32 kAtaCountHigh = 5;
constexpr u32 kAtaCommand = 9;
constexpr u8 kPioDataOut = 5;
constexpr u8 kDownloadMicrocode = 0x92;
constexpr u8 kDownloadAndSave = 0x07;
constexpr u32 kBlock = 512;

const Drive* DriveOf(const ScsiCall& call) { return call.device.drive; }

u16 DeviceIdOf(const ScsiCall& call)
{
    return call.device.drive != nullptr ? call.device.drive->deviceId : call.device.enclosure->deviceId;
}

// The device's firmware state and the download prepared for it (null when there is none).
struct Target {
    FirmwareDevice device;
    PreparedDownload* download = nullptr;
};

Target TargetOf(ScsiCall& call)
{
    Target target;
    target.device = FindFirmwareDevice(call.controller, DeviceIdOf(call));
    if (call.controller.deviceDownload && call.controller.deviceDownload->deviceId == target.device.deviceId)
        target.download = &*call.controller.deviceDownload;
    return target;
}

// Logs the command and answers it.
void Answer(ScsiCall& call, Target& target, u32 offset, FirmwareResult result, u8 senseKey = 0, u8 asc = 0)
{
    LogReceipt(*target.device.firmware, std::vector<u8>(call.cdb.Data(), call.cdb.Data() + call.cdb.Size()), offset,
               static_cast<u32>(call.data.Size()), result);
    call.changed = true;
    if (result == kFirmwareRefused)
        call.CheckCondition(senseKey, asc);
}

// A complete image: checked, then activated or saved; a refused one is dropped.
void TakeImage(ScsiCall& call, Target& target, std::vector<u8> image, bool defer, u32 offset, u8 refusalKey,
               u8 refusalAsc)
{
    const auto revision = CheckDeviceImage(*target.device.inquiry, image.data(), image.size());
    if (!revision) {
        target.download->pieces.clear();
        target.download->deferred.reset();
        LogRefusedImage(call.controller, call.model.clock, target.device);
        return Answer(call, target, offset, kFirmwareRefused, refusalKey, refusalAsc);
    }
    if (defer) {
        target.download->pieces.clear();
        target.download->deferred = std::move(image);
        return Answer(call, target, offset, kFirmwareSaved);
    }
    Answer(call, target, offset, kFirmwareActivated);
    ActivateDeviceImage(call.controller, call.model.clock, target.device, *revision);
}

bool BufferIdFits(const ScsiCall& call, u8 mode, u8 bufferId)
{
    if (bufferId == 0)
        return true;
    const bool bridge = DriveOf(call) != nullptr && DriveOf(call)->bridge;
    if (!bridge || mode != kModeOffsetsActivate)
        return false;
    for (u8 kind : kBridgeImageKinds) {
        if (kind == bufferId)
            return true;
    }
    return false;
}

void WriteBuffer(ScsiCall& call)
{
    const Drive* drive = DriveOf(call);
    if (drive != nullptr && drive->interface == DriveInterface::Sata && !drive->bridge)
        return call.CheckCondition(kSenseIllegalRequest, kAscInvalidOpcode);
    Target target = TargetOf(call);
    const u8 mode = call.cdb.U8(write_buffer_cdb::kMode) & 0x1F;
    const u32 offset = static_cast<u32>(call.cdb.Be(write_buffer_cdb::kOffset, 3));
    const u32 length = static_cast<u32>(call.cdb.Be(write_buffer_cdb::kLength, 3));
    if (target.download == nullptr)
        return Answer(call, target, offset, kFirmwareRefused, kSenseIllegalRequest, kAscCommandSequenceError);
    PreparedDownload& download = *target.download;
    const bool known = mode == kModeWhole || mode == kModeOffsetsActivate || mode == kModeOffsetsDefer ||
                       mode == kModeActivateDeferred;
    if (!known || !BufferIdFits(call, mode, call.cdb.U8(write_buffer_cdb::kBufferId)))
        return Answer(call, target, offset, kFirmwareRefused, kSenseIllegalRequest, kAscInvalidFieldInCdb);

    if (mode == kModeActivateDeferred) {
        if (!download.deferred)
            return Answer(call, target, offset, kFirmwareRefused, kSenseIllegalRequest, kAscCommandSequenceError);
        const std::vector<u8> image = std::move(*download.deferred);
        const auto revision = CheckDeviceImage(*target.device.inquiry, image.data(), image.size());
        Answer(call, target, offset, kFirmwareActivated);
        return ActivateDeviceImage(call.controller, call.model.clock, target.device, *revision);
    }
    if (length != call.data.Size())
        return Answer(call, target, offset, kFirmwareRefused, kSenseIllegalRequest, kAscInvalidFieldInCdb);
    const u8* bytes = call.data.Data();
    if (mode == kModeWhole) {
        if (offset != 0)
            return Answer(call, target, offset, kFirmwareRefused, kSenseIllegalRequest, kAscInvalidFieldInCdb);
        return TakeImage(call, target, std::vector<u8>(bytes, bytes + length), false, offset, kSenseIllegalRequest,
                         kAscInvalidFieldInParameters);
    }
    if (offset != download.pieces.size() || length > download.size - download.pieces.size())
        return Answer(call, target, offset, kFirmwareRefused, kSenseIllegalRequest, kAscInvalidFieldInCdb);
    download.pieces.insert(download.pieces.end(), bytes, bytes + length);
    if (download.pieces.size() < download.size)
        return Answer(call, target, offset, kFirmwareAccepted);
    TakeImage(call, target, std::move(download.pieces), mode == kModeOffsetsDefer, offset, kSenseIllegalRequest,
              kAscInvalidFieldInParameters);
}

void AtaPassThrough(ScsiCall& call)
{
    const Drive* drive = DriveOf(call);
    if (drive->interface != DriveInterface::Sata)
        return call.CheckCondition(kSenseIllegalRequest, kAscInvalidOpcode);
    Target target = TargetOf(call);
    const u8 protocol = (call.cdb.U8(kAtaProtocol) >> 1) & 0x0F;
    const u8 transfer = call.cdb.U8(kAtaTransfer);
    const bool toDevice = (transfer & 0x08) == 0;
    const bool inBlocks = (transfer & 0x04) != 0;
    const bool countField = (transfer & 0x03) == 2;
    const u32 blocks = call.cdb.U8(kAtaCountLow) | (call.cdb.U8(kAtaCountHigh) << 8);
    if (protocol != kPioDataOut || !toDevice || !inBlocks || !countField || call.data.Size() < u64{blocks} * kBlock)
        return Answer(call, target, 0, kFirmwareRefused, kSenseIllegalRequest, kAscInvalidFieldInCdb);
    if (call.cdb.U8(kAtaCommand) != kDownloadMicrocode || call.cdb.U8(kAtaFeatures) != kDownloadAndSave ||
        blocks == 0 || target.download == nullptr)
        return Answer(call, target, 0, kFirmwareRefused, kSenseAbortedCommand, 0);
    const u8* bytes = call.data.Data();
    TakeImage(call, target, std::vector<u8>(bytes, bytes + u64{blocks} * kBlock), false, 0, kSenseAbortedCommand, 0);
}

constexpr ScsiRoute kFirmwareDownloadRoutes[] = {
    {0x3B, kScsiDrives | kScsiEnclosures, 10, DataFlow::ToController, WriteBuffer},
    {0xA1, kScsiDrives, 12, DataFlow::ToController, AtaPassThrough},
};

}  // namespace

std::span<const ScsiRoute> FirmwareDownloadRoutes() { return kFirmwareDownloadRoutes; }

}  // namespace sim
