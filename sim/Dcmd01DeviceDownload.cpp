// Preparing a device's firmware download (0x01130200, 40 bytes to the controller; mailbox bytes
// 0-1 the device id): u8 @0 the number of download requests that follow, u32 @4 the image size
// in bytes; the other bytes are reserved (DeviceFirmware.h).
#include "Dcmd.h"
#include "DeviceFirmware.h"

namespace sim {
namespace {

namespace download_request {

constexpr u32 kCount = 0;  // u8
constexpr u32 kSize = 4;   // u32

}  // namespace download_request

}  // namespace

void PrepareDeviceDownloadRequest(DcmdCall& call)
{
    call.status = PrepareDeviceDownload(call.controller, MailboxU16(call.mailbox, 0),
                                        call.data.U8(download_request::kCount), call.data.U32(download_request::kSize),
                                        &call.changed);
}

}  // namespace sim
