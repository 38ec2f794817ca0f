// -CfgEachDskRaid0: every unconfigured-good drive of the adapter becomes a RAID 0 virtual drive
// of its own, with the full size of the drive and the policies of the command line, until no
// drive is left or the adapter takes no further virtual drive; then the number configured.
#pragma once
#include "CpMgmt/CmdPro/ConfigurationCp.h"
#include "CpMgmt/ReportStatus.h"
#include "CpMgmt/TypedProcessor.h"
#include "parsers/CfgAddParsedObject.h"

class Adapter;
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
    // What one drive of the loop came to.
    enum class DriveOutcome { kPassedOver, kConfigured, kEndCommand };

    // The unassigned drives, once the adapter can take a virtual drive (and PI when asked): 0,
    // or the command's status after its message.
    int ListDrives(CpController* cpController, CfgAddParsedObject* object, RaidManager* manager, Adapter* adapter,
                   List<PhysicalDevice*>** pds);
    // Tries every drive in turn and reports the number configured; the command's status.
    int ConfigureDrives(CpController* cpController, CfgAddParsedObject* object, RaidManager* manager,
                        List<PhysicalDevice*>* pds);
    // One drive: its virtual drive and the line on it. `result` is the command's status so far
    // (the first failure's), with kEndCommand its final status. A drive whose information cannot
    // be read is named and passed over.
    DriveOutcome ConfigureDrive(CpController* cpController, CfgAddParsedObject* object, RaidManager* manager,
                                PhysicalDevice* pd, int* result);
    // After `configured` was configured: the drives still unassigned, and whether the adapter
    // takes another virtual drive. False also when that cannot be read (named, the command
    // ends after its count with the read's status).
    bool TakesAnotherVd(RaidManager* manager, u8 adapterNumber, PhysicalDevice* configured,
                        List<PhysicalDevice*>** pds);

    // The reads that failed while the drives were tried.
    ReportStatus reads_;
};
