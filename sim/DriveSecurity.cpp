#include "DriveSecurity.h"

#include <algorithm>

#include "DriveRuleSupport.h"
#include "EventCodes.h"
#include "Foreign.h"
#include "FwStatus.h"
#include "Topology.h"

namespace sim {
namespace {

constexpr u8 kFullDiskEncryption = 1;

bool SecurityOn(const Controller& c) { return c.info.capabilities.count("security") != 0; }
bool Capable(const Drive& d) { return d.security.count(security_flag::kFdeCapable) != 0; }

// The foreign configurations forget the drive: its rows go missing, its spare entries go, and a
// configuration that names no drive any more goes too.
void LeaveForeignConfigs(Controller& c, u16 deviceId)
{
    for (ForeignConfig& foreign : c.foreign) {
        for (DriveArray& array : foreign.config.arrays)
            std::replace(array.rows.begin(), array.rows.end(), deviceId, kMissingRow);
        std::erase_if(foreign.config.spares, [deviceId](const Spare& s) { return s.deviceId == deviceId; });
    }
    std::erase_if(c.foreign, [](const ForeignConfig& f) { return NamedDrives(f.config).empty(); });
}

// A drive that an erase may not touch: in an array, a hot spare, or with work running on it.
u32 CheckErasable(Controller& c, const Drive& d)
{
    if (RowOf(c, d.deviceId) || d.state == DriveState::Copyback)
        return kFwDriveConfigured;
    if (SpareEntry(c, d.deviceId) != c.config.spares.end())
        return kFwDriveIsSpare;
    if (FindWork(c, d.deviceId, OperationKind::SecureErase) != nullptr)
        return kFwSecureEraseRunning;
    if (IsBusy(c, d.deviceId))
        return kFwWrongState;
    return kFwOk;
}

// Every member drive of the virtual drive's arrays (present ones), visited in row order.
template <typename Visit>
void ForEachMember(const Controller& c, const VirtualDrive& vd, Visit visit)
{
    for (u16 ref : vd.arrays) {
        const DriveArray* array = FindArray(c, ref);
        if (array == nullptr)
            continue;
        for (u16 row : array->rows) {
            if (const Drive* drive = row == kMissingRow ? nullptr : FindDrive(c, row))
                visit(*drive);
        }
    }
}

bool MembersCapable(const Controller& c, const VirtualDrive& vd)
{
    bool capable = true;
    ForEachMember(c, vd, [&capable](const Drive& d) { capable = capable && Capable(d); });
    return capable;
}

bool SharesArray(const VirtualDrive& a, const VirtualDrive& b)
{
    return std::any_of(a.arrays.begin(), a.arrays.end(), [&b](u16 ref) {
        return std::find(b.arrays.begin(), b.arrays.end(), ref) != b.arrays.end();
    });
}

}  // namespace

void ForgetDriveSecurity(Drive& drive)
{
    const bool capable = Capable(drive);
    drive.security.clear();
    if (capable)
        drive.security.insert(security_flag::kFdeCapable);
    drive.reprovisionAllowed = false;
}

void ReleaseErasedDrive(Controller& controller, u64 now, Drive& drive)
{
    ForgetDriveSecurity(drive);
    drive.foreign = false;
    LeaveForeignConfigs(controller, drive.deviceId);
    ChangeState(controller, now, drive, DriveState::UnconfiguredGood);
}

u32 InstantSecureErase(Controller& controller, u64 now, DriveRef ref)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    if (!SecurityOn(controller))
        return kFwEncryptionOff;
    if (!Capable(*drive))
        return kFwNotSecurityCapable;
    if ((status = CheckErasable(controller, *drive)) != kFwOk)
        return status;
    ReleaseErasedDrive(controller, now, *drive);
    LogDriveEvent(controller, now, kEvPdInstantErased, *drive);
    return kFwOk;
}

u32 Reprovision(Controller& controller, u64 now, DriveRef ref)
{
    u32 status = 0;
    Drive* drive = NamedDrive(controller, ref, status);
    if (drive == nullptr)
        return status;
    if (!drive->reprovisionAllowed)
        return kFwWrongState;
    if ((status = CheckErasable(controller, *drive)) != kFwOk)
        return status;
    ReleaseErasedDrive(controller, now, *drive);
    LogDriveEvent(controller, now, kEvPdReprovisioned, *drive);
    return kFwOk;
}

bool CanSecureVd(const Controller& controller, const VirtualDrive& vd)
{
    return SecurityOn(controller) && HasSecurityKey(controller) && vd.encryption == 0 && MembersCapable(controller, vd);
}

u32 SecureVd(Controller& controller, u64 now, VdRef ref)
{
    u32 status = 0;
    VirtualDrive* named = NamedVd(controller, ref.targetId, status, ref.seq);
    if (named == nullptr)
        return status;
    if (!SecurityOn(controller))
        return kFwEncryptionOff;
    if (!HasSecurityKey(controller))
        return kFwKeyNotSet;
    if (named->encryption != 0)
        return kFwWrongState;
    if (!MembersCapable(controller, *named))
        return kFwNotSecurityCapable;
    const VirtualDrive group = *named;
    for (VirtualDrive& vd : controller.config.virtualDrives) {
        if (vd.encryption != 0 || !SharesArray(vd, group))
            continue;
        vd.encryption = kFullDiskEncryption;
        SecureMembers(controller, vd);
        LogVdEvent(controller, now, kEvLdSecured, vd.targetId);
    }
    return kFwOk;
}

u32 CheckVdEncryption(const Controller& controller, const VirtualDrive& vd)
{
    if (vd.encryption == 0)
        return kFwOk;
    if (!SecurityOn(controller))
        return kFwEncryptionOff;
    if (!HasSecurityKey(controller))
        return kFwKeyNotSet;
    if (vd.encryption == kFullDiskEncryption && !MembersCapable(controller, vd))
        return kFwNotSecurityCapable;
    return kFwOk;
}

void SecureMembers(Controller& controller, const VirtualDrive& vd)
{
    if (vd.encryption != kFullDiskEncryption)
        return;
    std::vector<u16> members;
    ForEachMember(controller, vd, [&members](const Drive& d) { members.push_back(d.deviceId); });
    for (u16 id : members) {
        Drive* drive = MutableDrive(controller, id);
        drive->security.insert(security_flag::kEncryptionEnabled);
        drive->security.insert(security_flag::kSecured);
    }
}

}  // namespace sim
