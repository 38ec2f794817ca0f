// The secure-erase command (-SecureErase): starts or stops the overwrite erase of each listed
// drive or virtual drive, or shows its progress, in the order given (-LALL: every virtual drive
// by target id). With virtual drives named, the drive list is not looked at. A failed request
// or progress read ends the command with its status; a drive or virtual drive in the wrong
// state, or on which the controller does not allow the operation, is reported and skipped, and
// the command then ends with -1.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/SecureErasePo.h"

class PhysicalDevice;
class RaidManager;
class VirtualDisk;

class SecureEraseCp : public TypedProcessor<SecureErasePo, "SecureErasePo *"> {
public:
    int ProcessParsed(CpController* cpController, SecureErasePo* object) override;

private:
    // The erase type code of the start requests: Simple (or none) 0, Normal 1, Thorough 2.
    u8 EraseTypeCode() const;
    int EraseDrives(CpController* cpController, RaidManager* manager);
    // One drive; `refused` is set when it is skipped for its state or the controller's refusal.
    int EraseDrive(PhysicalDevice* pd, u16 enclosureId, u8 slot, bool* refused);
    int EraseVds(RaidManager* manager);
    int EraseVd(VirtualDisk* vd, u8 id, bool* refused);

    SecureErasePo* object_ = nullptr;
    u8 adapter_ = 0;
};
