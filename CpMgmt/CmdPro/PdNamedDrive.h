// A drive that a command line names by enclosure and slot, looked up on one adapter, and the
// report of a drive that is not there. The drive commands that change drives walk their list
// with these, in the order given, and stop at the first drive they cannot find.
#pragma once
#include "ZepUtil/Types.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/ArrayList.h"

class CpController;
class PhysicalDevice;
class RaidManager;

struct NamedDrive {
    u16 enclosureId = 0;  // "?" resolved to the adapter's enclosure
    u8 slot = 0;
    PhysicalDevice* pd = nullptr;  // null when the adapter has no such drive
};

// Resolves an enclosure given as "?" (into `drive`: the command's own list stays as typed)
// and looks the drive up. 0, with `drive->pd` null when there is no such drive; otherwise the
// resolver's status, after its message.
int FindNamedDrive(CpController* cpController, RaidManager* manager, u16 enclosureId, u8 slot, NamedDrive* drive);

// Reports a drive that was not found and returns the status to end with: message 0x33005 and
// -1; or, when the controller's device list itself cannot be read (so nothing can be called
// missing), message 0x36017 with "get PD list" and the read status.
int ReportPdNotFound(RaidManager* manager, u8 adapter, const NamedDrive& drive);

// Walks the named drives in the order given: each is looked up and handed to `change`
// (NamedDrive& -> status). The walk ends at the first drive that cannot be resolved or found,
// or that `change` answers non-zero for, with that status; 0 when every drive was changed.
template <typename Change>
int ChangeNamedDrives(CpController* cpController, RaidManager* manager, u8 adapter,
                      const ArrayList<EnclSlotId*>* drives, Change change)
{
    for (unsigned i = 0; drives != nullptr && i < drives->GetCount(); ++i) {
        const EnclSlotId* named = drives->GetAt(static_cast<u8>(i));
        if (named == nullptr)
            continue;
        NamedDrive drive;
        int status = FindNamedDrive(cpController, manager, named->GetEnclId(), named->GetSlot(), &drive);
        if (status != 0)
            return status;
        if (drive.pd == nullptr)
            return ReportPdNotFound(manager, adapter, drive);
        status = change(drive);
        if (status != 0)
            return status;
    }
    return 0;
}
