// DCMDs of family 0x02: drives (drive list, drive information, progress, allowed operations,
// locate) and the requests that change a drive (firmware state, missing rows, removal, rebuild,
// clear, copyback, instant secure erase, reprovisioning, secure erase). A request that names a
// device by the device id in mailbox bytes 0-1 gets status 12 when no drive or enclosure device
// has it; one that names a drive by its reference (mailbox word 0: device id, sequence number)
// goes to the drive rules (DriveRules.h).
#include "Dcmd.h"
#include "DriveRules.h"
#include "DriveSecurity.h"
#include "FwStatus.h"
#include "SecureErase.h"
#include "Topology.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

u16 MailboxDeviceId(const DcmdCall& call) { return MailboxU16(call.mailbox, 0); }

bool DeviceExists(const DcmdCall& call)
{
    const u16 id = MailboxDeviceId(call);
    return FindDrive(call.controller, id) != nullptr || FindEnclosure(call.controller, id) != nullptr;
}

void GetDriveList(DcmdCall& call) { call.reply = EncodeDriveList(call.controller); }

void GetDriveRecord(DcmdCall& call)
{
    const u16 id = MailboxDeviceId(call);
    if (const Drive* drive = FindDrive(call.controller, id))
        call.reply = EncodeDriveRecord(call.controller, call.model.clock.now, *drive);
    else if (const Enclosure* enclosure = FindEnclosure(call.controller, id))
        call.reply = EncodeEnclosureRecord(call.controller, *enclosure);
    else
        call.status = kFwNotFound;
}

void GetDriveProgress(DcmdCall& call)
{
    if (!DeviceExists(call)) {
        call.status = kFwNotFound;
        return;
    }
    call.reply = EncodeDriveProgress(call.controller, call.model.clock.now, MailboxDeviceId(call));
}

void GetDriveAllowedOps(DcmdCall& call)
{
    if (!DeviceExists(call)) {
        call.status = kFwNotFound;
        return;
    }
    call.reply = EncodeDriveAllowedOps(call.controller, call.model.clock.now, MailboxDeviceId(call));
}

// Locating lights the drive's (or enclosure's) indicator; nothing the controller reports changes.
void Locate(DcmdCall& call) { call.status = DeviceExists(call) ? kFwOk : kFwNotFound; }

DriveRef MailboxDrive(const DcmdCall& call, unsigned index = 0) { return DriveRefFrom(MailboxWord(call.mailbox, index)); }

void SetState(DcmdCall& call)
{
    call.Done(SetDriveState(call.controller, call.Now(), MailboxDrive(call), MailboxWord(call.mailbox, 1)));
}
void RebuildStart(DcmdCall& call) { call.Done(StartRebuild(call.controller, call.Now(), MailboxDrive(call))); }
void RebuildStop(DcmdCall& call) { call.Done(StopRebuild(call.controller, call.Now(), MailboxDrive(call))); }
void ClearStart(DcmdCall& call) { call.Done(StartClear(call.controller, call.Now(), MailboxDrive(call))); }
void ClearStop(DcmdCall& call) { call.Done(StopClear(call.controller, call.Now(), MailboxDrive(call))); }
void Missing(DcmdCall& call) { call.Done(MarkMissing(call.controller, call.Now(), MailboxDrive(call))); }
void RemovalPrepare(DcmdCall& call) { call.Done(PrepareForRemoval(call.controller, call.Now(), MailboxDrive(call), false)); }
void RemovalUndo(DcmdCall& call) { call.Done(PrepareForRemoval(call.controller, call.Now(), MailboxDrive(call), true)); }
void CopybackStop(DcmdCall& call) { call.Done(StopCopyback(call.controller, call.Now(), MailboxDrive(call))); }
void InstantErase(DcmdCall& call) { call.Done(InstantSecureErase(call.controller, call.Now(), MailboxDrive(call))); }
void ReprovisionDrive(DcmdCall& call) { call.Done(Reprovision(call.controller, call.Now(), MailboxDrive(call))); }

// Word 1: the array reference in bits 0-15, the row in bits 16-23.
void Replace(DcmdCall& call)
{
    const u32 place = MailboxWord(call.mailbox, 1);
    call.Done(ReplaceMissing(call.controller, call.Now(), MailboxDrive(call), static_cast<u16>(place & 0xFFFF),
                              static_cast<u8>(place >> 16)));
}

// Word 0 names the target, word 1 the source.
void CopybackStart(DcmdCall& call)
{
    call.Done(StartCopyback(call.controller, call.Now(), MailboxDrive(call, 0), MailboxDrive(call, 1)));
}

// Mailbox byte 4: 0 suspend, 1 resume.
void RebuildSuspendResume(DcmdCall& call)
{
    call.Done(SuspendResume(call.controller, call.Now(), MailboxDrive(call), OperationKind::Rebuild, call.mailbox[4]));
}

void CopybackSuspendResume(DcmdCall& call)
{
    call.Done(SuspendResume(call.controller, call.Now(), MailboxDrive(call), OperationKind::Copyback, call.mailbox[4]));
}

// Byte 4 the erase type, bytes 5 and 6 the patterns; bytes 7-11 are not used (7 must be 0).
void SecureEraseStart(DcmdCall& call)
{
    const EraseRequest request{call.mailbox[4], call.mailbox[5], call.mailbox[6], call.mailbox[7]};
    call.Done(StartDriveErase(call.controller, call.Now(), MailboxDrive(call), request));
}
void SecureEraseStop(DcmdCall& call) { call.Done(StopDriveErase(call.controller, call.Now(), MailboxDrive(call))); }

constexpr DcmdRoute kDriveRoutes[] = {
    {0x02010000, DataFlow::FromController, 0, GetDriveList},
    {0x02020000, DataFlow::FromController, 0, GetDriveRecord},
    {0x02030100, DataFlow::None, 0, SetState},
    {0x02040100, DataFlow::None, 0, RebuildStart},
    {0x02040200, DataFlow::None, 0, RebuildStop},
    {0x02050100, DataFlow::None, 0, ClearStart},
    {0x02050200, DataFlow::None, 0, ClearStop},
    {0x02060000, DataFlow::FromController, 0, GetDriveProgress},
    {0x02070100, DataFlow::None, 0, Locate},
    {0x02070200, DataFlow::None, 0, Locate},
    {0x02080100, DataFlow::None, 0, Missing},
    {0x02080200, DataFlow::None, 0, Replace},
    {0x02090100, DataFlow::None, 0, RemovalPrepare},
    {0x02090200, DataFlow::None, 0, RemovalUndo},
    {0x020A0000, DataFlow::FromController, 0, GetDriveAllowedOps},
    {0x020B0100, DataFlow::None, 0, CopybackStart},
    {0x020B0200, DataFlow::None, 0, CopybackStop},
    {0x020C0100, DataFlow::None, 0, InstantErase},
    {0x020C0300, DataFlow::None, 0, ReprovisionDrive},
    {0x020D0200, DataFlow::Both, 0, SpinUpDrives},
    {0x020D0200, DataFlow::Both, 10, SpinUpDrives},
    {0x020E0100, DataFlow::None, 0, RebuildSuspendResume},
    {0x020E0200, DataFlow::None, 0, CopybackSuspendResume},
    {0x020F0100, DataFlow::None, 0, SecureEraseStart},
    {0x020F0200, DataFlow::None, 0, SecureEraseStop},
};

}  // namespace

std::span<const DcmdRoute> DriveRoutes() { return kDriveRoutes; }

}  // namespace sim
