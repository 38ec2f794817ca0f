// -AdpBootDrive: sets or clears the drive the controller's BIOS boots from (a virtual drive, or
// a drive the host sees as a system drive), or reports it.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpBootDriveParsedObject.h"
#include "runtime/CommonMessageIds.h"

class Adapter;
class PhysicalDevice;
class RaidManager;
class VirtualDisk;

// A wrong object is reported as the failed boot-drive operation.
class AdpBootDriveCp
    : public TypedProcessor<AdpBootDriveParsedObject, CastFailureText("Adapter Boot drive", CommonMsg::kOperationFailed)> {
public:
    int ProcessParsed(CpController* cpController, AdpBootDriveParsedObject* object) override;

private:
    // Set (`unset` false) or clear the boot device to the named virtual drive or drive.
    int ChangeVd(CpController* cpController, RaidManager* manager, Adapter* adapter, const AdpBootDriveParsedObject* object, bool unset);
    int ChangePd(CpController* cpController, RaidManager* manager, Adapter* adapter, const AdpBootDriveParsedObject* object, bool unset);
    int Report(CpController* cpController, RaidManager* manager, Adapter* adapter);
};
