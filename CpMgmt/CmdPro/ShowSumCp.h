// The summary (-ShowSummary [-f file]): the host's operating system, driver and tool versions;
// the controller with its health, the battery, the enclosures and the drives; the virtual drives.
// The report goes to the console or, with -f, to the file (created anew for each adapter).
#pragma once
#include <vector>

#include "CpMgmt/CmdPro/PdListImage.h"
#include "CpMgmt/CmdPro/ShowSumOut.h"
#include "CpMgmt/TypedProcessor.h"
#include "fwdata/layout/BatteryDesign.h"
#include "fwdata/layout/BatteryStatus.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/EnclList.h"
#include "fwdata/layout/PciInfo.h"
#include "fwdata/layout/VdList.h"
#include "parsers/ShowSummaryPo.h"

class Adapter;
class RaidManager;

class ShowSummaryCp : public TypedProcessor<ShowSummaryPo, "ShowSummaryPo *"> {
public:
    int ProcessParsed(CpController* cpController, ShowSummaryPo* object) override;

    // 0 when the whole report was written; else the failing request's status or -1.
    int PrintSummary(CpController* cpController, ShowSummaryPo* object);

private:
    // The report to the console or the open file: 0, or the status that ends the command.
    int PrintReport(CpController* cpController, ShowSummaryPo* object, const SummaryOut& out);
    // Reads what the report needs after the System section; the status of a failure that ends
    // the command (its message printed).
    int Gather(CpController* cpController, u8 adapter, Adapter* adapterElement);
    // Its steps: the controller's information, PCI data and defaults; the battery; the health of
    // the drives, the enclosures and the virtual drives.
    int ReadControllerBlocks(CpController* cpController, u8 adapter);
    int ReadBattery(CpController* cpController);
    int CheckDrives(CpController* cpController);
    int CheckEnclosures(CpController* cpController, u8 adapter, Adapter* adapterElement);
    int CheckVds(CpController* cpController);

    // Sections (ShowSumSystem.cpp, ShowSumDevices.cpp, ShowSumStorage.cpp). Those that read
    // more return 0 or the status that ends the command.
    void PrintSystem(const SummaryOut& out) const;
    void PrintController(const SummaryOut& out) const;
    void PrintBattery(const SummaryOut& out) const;
    int PrintEnclosures(const SummaryOut& out, CpController* cpController, u8 adapter, RaidManager* manager) const;
    int PrintDrives(const SummaryOut& out, CpController* cpController, RaidManager* manager, bool enclosureHeading) const;
    int PrintDrive(const SummaryOut& out, CpController* cpController, RaidManager* manager, u16 deviceId) const;
    int PrintStorage(const SummaryOut& out, CpController* cpController, Adapter* adapterElement) const;

    u8 info_[ctrlinfo::kSize] = {};
    u8 pciInfo_[pciinfo::kSize] = {};
    u8 batteryStatus_[bbustatus::kSize] = {};
    u8 defaults_[ctrldefaults::kSize] = {};
    u8 batteryDesign_[bbudesign::kSize] = {};
    u8 enclosures_[encllist::kSize] = {};
    u8 vdList_[vdlist::kSize] = {};
    PdListImage driveList_;
    bool batteryPresent_ = false;
    bool drivesHealthy_ = true;
    bool enclosuresHealthy_ = true;
    bool vdsOptimal_ = true;
};
