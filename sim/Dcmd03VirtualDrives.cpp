// DCMDs of family 0x03: virtual drives (list, information, property record, progress, allowed
// operations, delete, securing, SSD-cache associations; background work, reconstruction and maintenance
// in VdRequests.h). A request that names a virtual drive by the target id in mailbox byte 0
// gets status 12 when there is none.
#include "ConfigRelease.h"
#include "Dcmd.h"
#include "DriveSecurity.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "SsdCache.h"
#include "VdEncoders.h"
#include "VdRecord.h"
#include "VdRequests.h"
#include "VdRules.h"

namespace sim {
namespace {

VirtualDrive* MailboxVd(DcmdCall& call) { return NamedVd(call.controller, call.mailbox[0], call.status); }

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
    if (MailboxU16(call.mailbox, 2) != vd->seq) {
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
    const EventLdProperties before = VdEventProperties(call.controller, *vd);
    const bool bgiChanged = updated.bgiDisabled != vd->bgiDisabled;
    *vd = updated;
    AppendEvent(call.controller, call.model.clock, kEvLdPropertiesChange,
                EventArgs::LdProperties(EventLd{vd->targetId}, before, VdEventProperties(call.controller, *vd)));
    if (bgiChanged)
        BgiSettingChanged(call.controller, call.Now(), vd->targetId);
    call.changed = true;
}

// Deleting (mailbox word 0: target id in byte 0, sequence number in bytes 2-3; byte 4, which
// says whether the virtual drive is an SSD cache, changes nothing): the virtual drive goes with
// its background operations, and arrays no virtual drive uses any more are released.
void DeleteVd(DcmdCall& call)
{
    const VirtualDrive* vd = MailboxVd(call);
    if (vd == nullptr)
        return;
    if (MailboxU16(call.mailbox, 2) != vd->seq) {
        call.status = kFwInvalidSequence;
        return;
    }
    const u64 now = call.model.clock.now;
    RemoveVirtualDrive(call.controller, now, vd->targetId);
    ReleaseUnusedArrays(call.controller, now);
    call.changed = true;
}

// The SSD cache's association list, whichever virtual drive mailbox byte 0 names.
void GetAssociations(DcmdCall& call)
{
    if (MailboxVd(call) != nullptr)
        call.reply = EncodeAssociations(call.controller);
}

// Replaces the association list; mailbox byte 0 is 0xFF (the whole cache).
void SetAssociations(DcmdCall& call)
{
    constexpr u8 kWholeCache = 0xFF;
    call.Done(call.mailbox[0] != kWholeCache ? kFwInvalidParameter
                                             : ReplaceAssociations(call.controller, call.Now(), call.data));
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

// Securing (mailbox byte 0 target id, bytes 2-3 sequence number): the virtual drive's drive group.
void MakeSecureRequest(DcmdCall& call)
{
    call.Done(SecureVd(call.controller, call.Now(), VdRefFrom(MailboxWord(call.mailbox, 0))));
}

constexpr u32 kReconstructionSize = 136;

constexpr DcmdRoute kVirtualDriveRoutes[] = {
    {0x03010000, DataFlow::FromController, 0, GetVdList},
    {0x03020000, DataFlow::FromController, 0, GetVdInfo},
    {0x03030000, DataFlow::FromController, 0, GetVdProperties},
    {0x03040000, DataFlow::ToController, kVdPropertiesSize, SetVdProperties},
    {0x03040010, DataFlow::None, 0, RemoveBlockedAccessRequest},
    {0x03050100, DataFlow::None, 0, StartCheckRequest},
    {0x03050200, DataFlow::None, 0, AbortCheckRequest},
    {0x03060100, DataFlow::None, 0, StartInitRequest},
    {0x03060200, DataFlow::None, 0, AbortInitRequest},
    {0x03070100, DataFlow::ToController, kReconstructionSize, ReconstructRequest},
    {0x03080000, DataFlow::FromController, 0, GetVdProgress},
    {0x03090000, DataFlow::None, 0, DeleteVd},
    {0x030B0000, DataFlow::FromController, 0, GetVdAllowedOps},
    {0x030C0000, DataFlow::None, 0, MakeSecureRequest},
    {0x030D0000, DataFlow::FromController, 0, GetPreservedCacheRequest},
    {0x030D0100, DataFlow::None, 0, DiscardPreservedCacheRequest},
    {0x030E0000, DataFlow::None, 0, ClearBadBlocksRequest},
    {0x030E0100, DataFlow::FromController, 0, GetBadBlocksRequest},
    {0x030E0200, DataFlow::FromController, 0, GetAllBadBlocksRequest},
    {0x03100100, DataFlow::ToController, kAssociationEntrySize, SetAssociations},
    {0x03100200, DataFlow::FromController, 0, GetAssociations},
    {0x03110200, DataFlow::FromController, 0, GetMirrorRequest},
    {0x03110300, DataFlow::None, 0, JoinMirrorRequest},
    {0x03120100, DataFlow::None, 0, SuspendResumeReconRequest},
    {0x03120200, DataFlow::None, 0, SuspendResumeCheckRequest},
    {0x03130100, DataFlow::None, 0, StartSecureEraseRequest},
    {0x03130200, DataFlow::None, 0, StopSecureEraseRequest},
    {0x03140100, DataFlow::None, 0, DisablePiRequest},
};

}  // namespace

std::span<const DcmdRoute> VirtualDriveRoutes() { return kVirtualDriveRoutes; }

}  // namespace sim
