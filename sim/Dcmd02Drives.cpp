// DCMDs of family 0x02: drives (drive list, drive information, progress, allowed operations,
// locate) and the requests that change a drive (firmware state, missing rows, removal, rebuild,
// clear, copyback). A request that names a device by the device id in mailbox bytes 0-1 gets
// status 12 when no drive or enclosure device has it; one that names a drive by its reference
// (mailbox word 0: device id, sequence number) goes to the drive rules (DriveRules.h).
#include "Dcmd.h"
#include "DriveRules.h"
#include "FwStatus.h"
#include "Topology.h"
#include "TopologyEncoders.h"

namespace sim {
namespace {

u16 MailboxDeviceId(const DcmdCall& call) { return static_cast<u16>(call.mailbox[0] | (call.mailbox[1] << 8)); }

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

u32 MailboxWord(const DcmdCall& call, unsigned index)
{
    const std::size_t at = 4u * index;
    return static_cast<u32>(call.mailbox[at] | (call.mailbox[at + 1] << 8) | (call.mailbox[at + 2] << 16) |
                            (static_cast<u32>(call.mailbox[at + 3]) << 24));
}

DriveRef MailboxDrive(const DcmdCall& call, unsigned index = 0) { return DriveRefFrom(MailboxWord(call, index)); }
u64 Now(const DcmdCall& call) { return call.model.clock.now; }

void Done(DcmdCall& call, u32 status)
{
    call.status = status;
    call.changed = status == kFwOk;
}

void SetState(DcmdCall& call)
{
    Done(call, SetDriveState(call.controller, Now(call), MailboxDrive(call), MailboxWord(call, 1)));
}
void RebuildStart(DcmdCall& call) { Done(call, StartRebuild(call.controller, Now(call), MailboxDrive(call))); }
void RebuildStop(DcmdCall& call) { Done(call, StopRebuild(call.controller, Now(call), MailboxDrive(call))); }
void ClearStart(DcmdCall& call) { Done(call, StartClear(call.controller, Now(call), MailboxDrive(call))); }
void ClearStop(DcmdCall& call) { Done(call, StopClear(call.controller, Now(call), MailboxDrive(call))); }
void Missing(DcmdCall& call) { Done(call, MarkMissing(call.controller, Now(call), MailboxDrive(call))); }
void RemovalPrepare(DcmdCall& call) { Done(call, PrepareForRemoval(call.controller, Now(call), MailboxDrive(call), false)); }
void RemovalUndo(DcmdCall& call) { Done(call, PrepareForRemoval(call.controller, Now(call), MailboxDrive(call), true)); }
void CopybackStop(DcmdCall& call) { Done(call, StopCopyback(call.controller, Now(call), MailboxDrive(call))); }

// Word 1: the array reference in bits 0-15, the row in bits 16-23.
void Replace(DcmdCall& call)
{
    const u32 place = MailboxWord(call, 1);
    Done(call, ReplaceMissing(call.controller, Now(call), MailboxDrive(call), static_cast<u16>(place & 0xFFFF),
                              static_cast<u8>(place >> 16)));
}

// Word 0 names the target, word 1 the source.
void CopybackStart(DcmdCall& call)
{
    Done(call, StartCopyback(call.controller, Now(call), MailboxDrive(call, 0), MailboxDrive(call, 1)));
}

// Mailbox byte 4: 0 suspend, 1 resume.
void RebuildSuspendResume(DcmdCall& call)
{
    Done(call, SuspendResume(call.controller, Now(call), MailboxDrive(call), OperationKind::Rebuild, call.mailbox[4]));
}

void CopybackSuspendResume(DcmdCall& call)
{
    Done(call, SuspendResume(call.controller, Now(call), MailboxDrive(call), OperationKind::Copyback, call.mailbox[4]));
}

constexpr DcmdRoute kRoutes[] = {
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
    {0x020D0200, DataFlow::Both, 0, SpinUpDrives},
    {0x020D0200, DataFlow::Both, 10, SpinUpDrives},
    {0x020E0100, DataFlow::None, 0, RebuildSuspendResume},
    {0x020E0200, DataFlow::None, 0, CopybackSuspendResume},
};

}  // namespace

std::span<const DcmdRoute> DriveRoutes() { return kRoutes; }

}  // namespace sim
