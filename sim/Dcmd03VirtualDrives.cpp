// DCMDs of family 0x03: virtual drives (list, information, property record, progress, allowed
// operations). A request that names a virtual drive by the target id in mailbox byte 0 gets
// status 12 when there is none.
#include "Dcmd.h"
#include "FwStatus.h"
#include "VdEncoders.h"
#include "VdRecord.h"

namespace sim {
namespace {

VirtualDrive* MailboxVd(DcmdCall& call)
{
    for (VirtualDrive& vd : call.controller.config.virtualDrives) {
        if (vd.targetId == call.mailbox[0])
            return &vd;
    }
    call.status = kFwNotFound;
    return nullptr;
}

void GetVdList(DcmdCall& call) { call.reply = EncodeVdList(call.controller); }

void GetVdInfo(DcmdCall& call)
{
    if (const VirtualDrive* vd = MailboxVd(call))
        call.reply = EncodeVdInfo(call.controller, call.model.clock.now, *vd);
}

void GetVdProperties(DcmdCall& call)
{
    if (const VirtualDrive* vd = MailboxVd(call))
        call.reply = EncodeVdProperties(call.controller, *vd);
}

// The write names the virtual drive's present sequence number (mailbox bytes 2-3); a change
// gives the virtual drive a new one.
void SetVdProperties(DcmdCall& call)
{
    VirtualDrive* vd = MailboxVd(call);
    if (vd == nullptr)
        return;
    if (static_cast<u16>(call.mailbox[2] | (call.mailbox[3] << 8)) != vd->seq) {
        call.status = kFwInvalidSequence;
        return;
    }
    VirtualDrive updated = *vd;
    if (!DecodeVdProperties(call.data, updated)) {
        call.status = kFwInvalidParameter;
        return;
    }
    // A record that changes nothing keeps the sequence number and the state as they are.
    if (EncodeVdProperties(call.controller, updated).Bytes() == EncodeVdProperties(call.controller, *vd).Bytes())
        return;
    updated.seq = static_cast<u16>(vd->seq + 1);
    *vd = updated;
    call.changed = true;
}

void GetVdProgress(DcmdCall& call)
{
    if (const VirtualDrive* vd = MailboxVd(call))
        call.reply = EncodeVdProgress(call.controller, call.model.clock.now, *vd);
}

void GetVdAllowedOps(DcmdCall& call)
{
    if (const VirtualDrive* vd = MailboxVd(call))
        call.reply = EncodeVdAllowedOps(call.controller, call.model.clock.now, *vd);
}

constexpr DcmdRoute kRoutes[] = {
    {0x03010000, DataFlow::FromController, 0, GetVdList},
    {0x03020000, DataFlow::FromController, 0, GetVdInfo},
    {0x03030000, DataFlow::FromController, 0, GetVdProperties},
    {0x03040000, DataFlow::ToController, kVdPropertiesSize, SetVdProperties},
    {0x03080000, DataFlow::FromController, 0, GetVdProgress},
    {0x030B0000, DataFlow::FromController, 0, GetVdAllowedOps},
};

}  // namespace

std::span<const DcmdRoute> VirtualDriveRoutes() { return kRoutes; }

}  // namespace sim
