// The BIOS data: whether the BIOS runs, how it meets errors, whether it picks the boot virtual
// drive itself, and the boot device.
#include "Dcmd01Settings.h"
#include "Encoders.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Topology.h"

namespace sim {
namespace {

// A new boot device must exist: a virtual drive, or a drive the host sees (a system drive).
u32 CheckBootDevice(const Controller& controller, const BiosSettings& bios)
{
    if (bios.bootDevice == kNoBootDevice)
        return kFwOk;
    if (!bios.bootIsDrive)
        return bios.bootDevice <= 0xFF && FindVirtualDrive(controller, static_cast<u8>(bios.bootDevice)) != nullptr
                   ? kFwOk
                   : kFwNotFound;
    const Drive* drive = FindDrive(controller, static_cast<u16>(bios.bootDevice));
    if (drive == nullptr)
        return kFwNotFound;
    return drive->state == DriveState::Jbod ? kFwOk : kFwWrongState;
}

}  // namespace

void GetBiosRequest(DcmdCall& call) { call.reply = EncodeBios(call.controller.bios); }

void SetBiosRequest(DcmdCall& call)
{
    BiosSettings updated = call.controller.bios;
    if (!DecodeBios(call.data, updated)) {
        call.status = kFwInvalidParameter;
        return;
    }
    BiosSettings& bios = call.controller.bios;
    const bool bootChanged = updated.bootDevice != bios.bootDevice || updated.bootIsDrive != bios.bootIsDrive;
    if (bootChanged) {
        call.status = CheckBootDevice(call.controller, updated);
        if (call.status != kFwOk)
            return;
    }
    BiosSettings sameBoot = updated;
    sameBoot.bootDevice = bios.bootDevice;
    sameBoot.bootIsDrive = bios.bootIsDrive;
    const bool othersChanged = !(sameBoot == bios);
    bios = updated;
    if (bootChanged)
        AppendEvent(call.controller, call.model.clock, kEvBootDeviceChanged, EventArgs::None());
    if (othersChanged)
        AppendEvent(call.controller, call.model.clock, kEvBiosChanged, EventArgs::None());
    call.changed = bootChanged || othersChanged;
}

}  // namespace sim
