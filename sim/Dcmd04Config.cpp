// DCMDs of family 0x04: the configuration (arrays, virtual drives, spares): read, add, clear,
// make and remove hot spares; foreign configurations: scan, read, preview, import, clear. The
// rules are documented in docs/firmware-interface.md, "Configuration changes" and "Foreign
// configurations".
#include "ConfigImageDecode.h"
#include "ConfigImageLayout.h"
#include "ConfigRelease.h"
#include "ConfigWrite.h"
#include "Dcmd.h"
#include "Foreign.h"
#include "FwStatus.h"
#include "HotSpares.h"
#include "Topology.h"
#include "VdEncoders.h"

namespace sim {
namespace {

// The whole image; the reply is cut at the caller's length.
void GetConfiguration(DcmdCall& call) { call.reply = EncodeConfiguration(call.controller, call.model.clock.now); }

// On success mailbox word 0 names the (first) new virtual drive: target id in byte 0, byte 1
// zero, sequence number in bytes 2-3.
void AddConfiguration(DcmdCall& call)
{
    ConfigImage image;
    std::vector<u8> newTargets;
    u32 status = DecodeConfigImage(call.data, image);
    if (status == kFwOk)
        status = ApplyConfigWrite(call.controller, call.Now(), image, newTargets);
    call.Done(status);
    call.changed = status == kFwOk && !(image.arrays.empty() && image.virtualDrives.empty() && image.spares.empty());
    const VirtualDrive* vd = newTargets.empty() ? nullptr : FindVirtualDrive(call.controller, newTargets.front());
    if (vd != nullptr) {
        call.mailbox[0] = vd->targetId;
        call.mailbox[1] = 0;
        call.mailbox[2] = static_cast<u8>(vd->seq & 0xFF);
        call.mailbox[3] = static_cast<u8>(vd->seq >> 8);
    }
}

// Mailbox byte 0: 1 forces the clear, 0 does not.
void ClearRequest(DcmdCall& call)
{
    const u8 force = call.mailbox[0];
    call.Done(force > 1 ? kFwInvalidParameter : ClearConfiguration(call.controller, call.Now(), force == 1));
}

void MakeSpareRequest(DcmdCall& call)
{
    ImageSpare request;
    call.Done(DecodeSpareRecord(call.data, 0, request) ? MakeHotSpare(call.controller, call.Now(), request)
                                                        : kFwInvalidParameter);
}

// Mailbox bytes 0-1 device id, 2-3 sequence number.
void RemoveSpareRequest(DcmdCall& call)
{
    const u16 deviceId = MailboxU16(call.mailbox, 0);
    const u16 seq = static_cast<u16>(call.mailbox[2] | (call.mailbox[3] << 8));
    call.Done(RemoveHotSpare(call.controller, call.Now(), deviceId, seq));
}

// Foreign configurations: mailbox byte 0 is the index (0xFF all of them, where allowed).
constexpr u32 kForeignScanSize = 196;

void ScanForeign(DcmdCall& call)
{
    call.reply = Block(kForeignScanSize);
    call.reply.PutU32(0, ForeignSets(call.controller).size());
}

void GetForeignAsFound(DcmdCall& call)
{
    call.status = EncodeForeignAsFound(call.controller, call.Now(), call.mailbox[0], call.reply);
}

void GetForeignPreview(DcmdCall& call)
{
    call.status = EncodeForeignPreview(call.controller, call.Now(), call.mailbox[0], call.reply);
}

void ImportForeignRequest(DcmdCall& call) { call.Done(ImportForeign(call.controller, call.Now(), call.mailbox[0])); }

void ClearForeignRequest(DcmdCall& call) { call.Done(ClearForeign(call.controller, call.Now(), call.mailbox[0])); }

constexpr DcmdRoute kConfigurationRoutes[] = {
    {0x04010000, DataFlow::FromController, 0, GetConfiguration},
    {0x04020000, DataFlow::ToController, config_image::kHeaderSize, AddConfiguration},
    {0x04030000, DataFlow::None, 0, ClearRequest},
    {0x04040000, DataFlow::ToController, spare_record::kSize, MakeSpareRequest},
    {0x04050000, DataFlow::None, 0, RemoveSpareRequest},
    {0x04060100, DataFlow::FromController, 0, ScanForeign},
    {0x04060200, DataFlow::FromController, 0, GetForeignAsFound},
    {0x04060300, DataFlow::FromController, 0, GetForeignPreview},
    {0x04060400, DataFlow::None, 0, ImportForeignRequest},
    {0x04060500, DataFlow::None, 0, ClearForeignRequest},
};

}  // namespace

std::span<const DcmdRoute> ConfigurationRoutes() { return kConfigurationRoutes; }

}  // namespace sim
