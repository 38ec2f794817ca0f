// -CfgEachDskRaid0: every unconfigured-good drive of the adapter becomes a RAID 0 virtual drive
// of its own, with the full size of the drive and the policies of the command line, until no
// drive is left or the adapter takes no further virtual drive; then the number configured.
#pragma once
#include "CpMgmt/CmdPro/ConfigurationCp.h"
#include "CpMgmt/TypedProcessor.h"
#include "parsers/CfgAddParsedObject.h"

class PhysicalDevice;
class RaidManager;

class CfgEachDiskCp : public TypedProcessor<CfgAddParsedObject, "CfgAddParsedObject *", ConfigurationCp> {
public:
    int ProcessParsed(CpController* cpController, CfgAddParsedObject* object) override;
    int IsDone() override { return 1; }

    // 0 created; -2 created, the operating system not told; otherwise not created (38: the
    // plan refuses the drive). Without the controller's defaults nothing is created, for this
    // drive or any other: the status of that read.
    int AddSingleDriveVd(CpController* cpController, CfgAddParsedObject* object, RaidManager* manager,
                         PhysicalDevice* pd);
    // Spins the drive up when it is spun down: 0, or the failing status.
    int SpinUpPd(PhysicalDevice* pd);

private:
    u32 oemMode_ = 0;
};
