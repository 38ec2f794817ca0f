#include "CpMgmt/CmdPro/ShowSumCp.h"

#include <cstring>
#include <string>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/CtrlDefaultsRead.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdList.h"
#include "fwdata/layout/PdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/UserFiles.h"

namespace {

const CpRegistration<ShowSummaryCp> kRegisterShowSummaryCp{TOKEN_SHOWSUMMARY};

// Drive states that need attention.
bool Unhealthy(u16 state)
{
    return state == PhysicalDevice::kStateUnconfiguredBad || state == PhysicalDevice::kStateOffline ||
           state == PhysicalDevice::kStateFailed;
}

}  // namespace

int ShowSummaryCp::ProcessParsed(CpController* cpController, ShowSummaryPo* object)
{
    return PrintSummary(cpController, object);
}

int ShowSummaryCp::PrintSummary(CpController* cpController, ShowSummaryPo* object)
{
    if (object->GetFileOutput() == 0)
        return PrintReport(cpController, object, SummaryOut(nullptr));
    // The report replaces the file once it is written, also when a failure ends it early (the
    // file then holds what was written before the failure). A file that could not be written
    // whole leaves the one it was to replace as it was.
    userfiles::OutputFile file;
    if (!file.Open(object->GetFileName().c_str(), userfiles::OutputFile::Mode::kWhole)) {
        PrintMessage(CommonMsg::kText, "Failed to open the file\n");
        return -1;
    }
    const int status = PrintReport(cpController, object, SummaryOut(file.Handle()));
    if (!file.Finish() && status == 0)
        return -1;
    return status;
}

int ShowSummaryCp::PrintReport(CpController* cpController, ShowSummaryPo* object, const SummaryOut& out)
{
    const u8 adapter = object->GetAdapterNumber();
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    Adapter* adapterElement = nullptr;
    if (manager->GetAdapter(&adapterElement) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return -1;
    }
    PrintSystem(out);
    // A failure that ends the report before its Hardware section decides the status: the reads
    // that failed before it are named in that section only.
    const int status = Gather(cpController, adapter, adapterElement, out.ToFile());
    if (status != 0)
        return status;
    status_.Check(PrintHardwareAndStorage(cpController, adapter, manager, adapterElement, out));
    return status_.Result();
}

int ShowSummaryCp::PrintHardwareAndStorage(CpController* cpController, u8 adapter, RaidManager* manager,
                                           Adapter* adapterElement, const SummaryOut& out)
{
    PrintController(out, adapter);
    if (batteryPresent_)
        PrintBattery(out, adapter);
    PrintEnclosures(out, cpController, adapter, manager);
    const bool enclosureHeading = ByteView(enclosures_).U32(encllist::kOffCount) != 0;
    const int status = PrintDrives(out, cpController, adapter, manager, enclosureHeading);
    if (status != 0)
        return status;
    PrintStorage(out, cpController, adapter, adapterElement);
    return 0;
}

int ShowSummaryCp::Gather(CpController* cpController, u8 adapter, Adapter* adapterElement, bool toFile)
{
    int status = ReadControllerBlocks(cpController, adapter);
    if (status == 0)
        status = ReadBattery(cpController, toFile);
    if (status == 0)
        status = CheckDrives(cpController, adapter);
    if (status == 0)
        status = CheckEnclosures(cpController, adapter, adapterElement);
    if (status == 0)
        status = CheckVds(cpController, adapter);
    return status;
}

int ShowSummaryCp::ReadControllerBlocks(CpController* cpController, u8 adapter)
{
    int status = SendDcmd(cpController, kDcmdCtrlGetInfo, info_, sizeof info_);
    if (status != 0) {
        std::memset(info_, 0, sizeof info_);
        PrintMessage(CommonMsg::kOperationFailed, adapter, AdpMsg::kAdpAllInfoOperation);
        return status;
    }
    // Without the driver's answer the controller is shown without its bus and device.
    status = SendDriverRequest(cpController, kDriverGetPciInfo, pciInfo_, sizeof pciInfo_);
    pciRead_ = status == 0;
    if (!pciRead_) {
        std::memset(pciInfo_, 0, sizeof pciInfo_);
        status_.Fail(status);
    }
    status = ReadCtrlDefaults(cpController, defaults_);
    if (status != 0) {
        std::memset(defaults_, 0, sizeof defaults_);
        PrintMessage(CommonMsg::kOperationFailed, adapter, AdpMsg::kAdpAllInfoOperation);
    }
    return status;
}

int ShowSummaryCp::ReadBattery(CpController* cpController, bool toFile)
{
    batteryPresent_ = true;
    int status = SendDcmd(cpController, kDcmdBbuGetStatus, batteryStatus_, sizeof batteryStatus_);
    if (status == fwstatus::kDeviceAbsent) {  // no battery
        batteryPresent_ = false;
        std::memset(batteryStatus_, 0, sizeof batteryStatus_);
        return 0;
    }
    if (status != 0) {
        PrintMessage(CommonMsg::kText, "Failed to get BBU Information\n");
        return status;
    }
    status = SendDcmd(cpController, kDcmdBbuGetDesign, batteryDesign_, sizeof batteryDesign_);
    batteryDesignRead_ = status == 0;
    if (!batteryDesignRead_) {
        std::memset(batteryDesign_, 0, sizeof batteryDesign_);
        // Only a type shown by its device name misses it.
        const ByteView battery(batteryStatus_);
        if (BatteryTypeByDeviceName(battery.U8(bbustatus::kOffType), battery.U8(bbustatus::kOffQualifier), toFile))
            status_.Fail(status);
    }
    return 0;
}

// Any unconfigured bad, offline or failed drive needs attention.
int ShowSummaryCp::CheckDrives(CpController* cpController, u8 adapter)
{
    int status = driveList_.ReadUpTo(cpController, pdlist::kMaxEntries);
    if (status != 0) {
        PrintReadFailure(adapter, "the drive list");
        return status;
    }
    // The second answer may count more drives than the first: only those the buffer holds count.
    for (u32 i = 0; i < driveList_.GetCount(); ++i) {
        u8 record[pdrec::kSize] = {};
        status = ReadPdInfoRecord(cpController, driveList_.GetDeviceId(i), record);
        if (status != 0) {
            PrintDeviceReadFailure(adapter, i);
            return status;
        }
        if (Unhealthy(ByteView(record).U16(pdrec::kOffFwState)))
            drivesHealthy_ = false;
    }
    return 0;
}

void ShowSummaryCp::PrintDeviceReadFailure(u8 adapter, u32 index) const
{
    if (driveList_.GetScsiType(index) == pdlist::kScsiTypeEnclosure)
        PrintReadFailure(adapter, ("the information of enclosure " + std::to_string(driveList_.GetDeviceId(index))).c_str());
    else
        PrintDriveReadFailure(adapter, driveList_.GetEnclDeviceId(index), driveList_.GetSlot(index));
}

int ShowSummaryCp::CheckEnclosures(CpController* cpController, u8 adapter, Adapter* adapterElement)
{
    u8 connectorInfo = 0;
    u8 connectors = 0;
    if (adapterElement->IsConnectorInfoSupported(&connectorInfo) != 0 ||
        (connectorInfo != 0 && adapterElement->GetConnectorInfoCount(&connectors) != 0)) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return -1;
    }

    const int status = SendDcmd(cpController, kDcmdEnclGetList, enclosures_, sizeof enclosures_);
    if (status != 0) {
        PrintMessage(AdpMsg::kEnclListFailed);
        return status;
    }
    const ByteView enclosures(enclosures_);
    for (u32 i = 0; i < encllist::EntryCount(enclosures); ++i) {
        if (encllist::Entry(enclosures, i).U8(encllist::kEntryOffStatus) != 0)
            enclosuresHealthy_ = false;
    }
    return 0;
}

int ShowSummaryCp::CheckVds(CpController* cpController, u8 adapter)
{
    const int status = SendDcmd(cpController, kDcmdLdGetList, vdList_, sizeof vdList_);
    if (status != 0) {
        PrintReadFailure(adapter, "the virtual drive list");
        return status;
    }
    const ByteView vds(vdList_);
    for (u32 i = 0; i < vds.U32(vdlist::kOffCount) && i < vdlist::kMaxEntries; ++i) {
        if (vds.U8(vdlist::kOffEntries + i * vdlist::kEntrySize + vdlist::kEntryOffState) != VirtualDisk::kStateOptimal)
            vdsOptimal_ = false;
    }
    return 0;
}
