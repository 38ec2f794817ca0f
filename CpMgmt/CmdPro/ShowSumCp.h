// The summary (-ShowSummary [-f file]): the host's operating system, driver and tool versions;
// the controller with its health, the battery, the enclosures and the drives; the virtual drives.
// The report goes to the console or, with -f, to the file (created anew for each adapter).
//
// What the controller's health is judged from is read first; a failed read of it ends the report
// after the System section. A read that fails while the sections are written leaves its piece out
// (a drive, a virtual drive, a value) and says so in a line on the console; the report goes on and
// ends with the status of the first read that failed.
#pragma once
#include <vector>

#include "CpMgmt/CmdPro/PdListImage.h"
#include "CpMgmt/CmdPro/ShowSumOut.h"
#include "CpMgmt/ReportStatus.h"
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

    // 0 when the whole report was written; else the status of the first read that failed (or of
    // the failure that ended the report), or -1.
    int PrintSummary(CpController* cpController, ShowSummaryPo* object);

private:
    // The report to the console or the open file: 0, or the status that ends the command.
    int PrintReport(CpController* cpController, ShowSummaryPo* object, const SummaryOut& out);
    // The sections after Gather: 0, or the status of a failure that ends the command.
    int PrintHardwareAndStorage(CpController* cpController, u8 adapter, RaidManager* manager,
                                Adapter* adapterElement, const SummaryOut& out);
    // Reads what the report needs after the System section; the status of a failure that ends
    // the command (its message printed). `toFile`: the report goes to a file.
    int Gather(CpController* cpController, u8 adapter, Adapter* adapterElement, bool toFile);
    // Its steps: the controller's information, PCI data and defaults; the battery; the health of
    // the drives, the enclosures and the virtual drives.
    int ReadControllerBlocks(CpController* cpController, u8 adapter);
    int ReadBattery(CpController* cpController, bool toFile);
    int CheckDrives(CpController* cpController, u8 adapter);
    int CheckEnclosures(CpController* cpController, u8 adapter, Adapter* adapterElement);
    int CheckVds(CpController* cpController, u8 adapter);

    // Sections (ShowSumSystem.cpp, ShowSumDevices.cpp, ShowSumStorage.cpp). A read that fails in
    // them is noted in status_ and named in a line; those that return a status return 0 or the
    // status of a failure that ends the command.
    void PrintSystem(const SummaryOut& out) const;
    void PrintController(const SummaryOut& out, u8 adapter) const;
    void PrintBattery(const SummaryOut& out, u8 adapter) const;
    void PrintEnclosures(const SummaryOut& out, CpController* cpController, u8 adapter, RaidManager* manager);
    int PrintDrives(const SummaryOut& out, CpController* cpController, u8 adapter, RaidManager* manager,
                    bool enclosureHeading);
    // The drive of the drive list's entry `index`.
    int PrintDrive(const SummaryOut& out, CpController* cpController, u8 adapter, RaidManager* manager, u32 index);
    void PrintStorage(const SummaryOut& out, CpController* cpController, u8 adapter, Adapter* adapterElement);

    // The line that names the device of the drive list's entry `index` whose information could
    // not be read: an enclosure by its device id, a drive by its enclosure and slot.
    void PrintDeviceReadFailure(u8 adapter, u32 index) const;
    // Whether the battery's type is shown by the design information's device name (a type
    // beyond the named ones, or a variant of the last named one).
    static bool BatteryTypeByDeviceName(u8 type, u8 qualifier, bool toFile);

    u8 info_[ctrlinfo::kSize] = {};
    u8 pciInfo_[pciinfo::kSize] = {};
    u8 batteryStatus_[bbustatus::kSize] = {};
    u8 defaults_[ctrldefaults::kSize] = {};
    u8 batteryDesign_[bbudesign::kSize] = {};
    u8 enclosures_[encllist::kSize] = {};
    u8 vdList_[vdlist::kSize] = {};
    PdListImage driveList_;
    ReportStatus status_;
    bool pciRead_ = false;
    bool batteryDesignRead_ = false;
    bool batteryPresent_ = false;
    bool drivesHealthy_ = true;
    bool enclosuresHealthy_ = true;
    bool vdsOptimal_ = true;
};
