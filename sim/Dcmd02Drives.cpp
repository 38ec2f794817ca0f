// DCMDs of family 0x02: drives (drive list, drive information, progress, allowed operations).
// A request that names a device by the device id in mailbox bytes 0-1 gets status 12 when no
// drive or enclosure device has it.
#include "Dcmd.h"
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

constexpr DcmdRoute kRoutes[] = {
    {0x02010000, DataFlow::FromController, 0, GetDriveList},
    {0x02020000, DataFlow::FromController, 0, GetDriveRecord},
    {0x02060000, DataFlow::FromController, 0, GetDriveProgress},
    {0x020A0000, DataFlow::FromController, 0, GetDriveAllowedOps},
};

}  // namespace

std::span<const DcmdRoute> DriveRoutes() { return kRoutes; }

}  // namespace sim
