#include "CpMgmt/CmdPro/CfgDspCp.h"

#include <cstring>
#include <string>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/ReportPrint.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/Opcodes.h"
#include "parsers/CfgDsplyParsedObject.h"
#include "raidmodel/Array.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/Span.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<CfgDsplyCp> kRegisterCfgDsplyCp{TOKEN_CFGDSPLY, TOKEN_CFGFLASHTIERDSPLY};

constexpr const char* kSpannedPrefix = "SPANNED ";
constexpr const char* kFlashTierGroupPrefix = "FLASHTIER ";

}  // namespace

CfgDsplyCp::CfgDsplyCp() { std::memset(info_, 0, sizeof info_); }

int CfgDsplyCp::PrintAdapterSummary(u8 adapterNumber, CpController* cpController)
{
    std::memset(info_, 0, sizeof info_);
    if (SendDcmd(cpController, kDcmdCtrlGetInfo, info_, sizeof info_) != 0)
        return -1;

    const ByteView info(info_);
    const std::string productName = info.Text(ctrlinfo::kProductName);
    const std::string serial = info.Text(ctrlinfo::kSerial);
    const bool battery = info.Bit(ctrlinfo::kBbuPresent);
    PrintMessage(CommonMsg::kRuler);
    const int memoryMb = info.U16(ctrlinfo::kOffMemorySizeMb);
    PrintMessage(CfgMsg::kAdapterSummary, adapterNumber, productName.c_str(), memoryMb, battery ? "Present" : "Absent",
                 serial.c_str());
    PrintMessage(CommonMsg::kRuler);
    return 0;
}

int CfgDsplyCp::ProcessParsed(CpController* cpController, CfgDsplyParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    if (PrintAdapterSummary(object->GetAdapterNumber(), cpController) != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "get/print controller properties");
        return -1;
    }

    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    if (manager->Refresh() != 0) {
        PrintMessage(CommonMsg::kRaidManagerInitFailed, adapter);
        return -1;
    }
    List<DiskGroup*>* diskGroups = nullptr;
    int status = manager->GetDiskGroupList(&diskGroups);
    if (status != 0 || diskGroups == nullptr) {
        PrintMessage(CfgMsg::kNoDiskGroupList);
        return status != 0 ? status : -1;
    }
    if (object->GetCommandId() == TOKEN_CFGDSPLY)
        return PrintFullDisplay(adapter, diskGroups);
    ReportStatus report;
    report.Check(PrintFlashTierDisplay(adapter, diskGroups, report));
    return report.Result();
}

int CfgDsplyCp::FirstVd(Array* array, List<VirtualDisk*>** vds, VirtualDisk** first)
{
    int status = array->GetVdList(vds);
    if (status != 0 || *vds == nullptr || (*first = (*vds)->GetAt(0)) == nullptr)
        return ReportPrint::FailedToGet("VD", status);
    return 0;
}

int CfgDsplyCp::PrintDrives(u8 adapter, Array* array, ReportStatus& report)
{
    PrintMessage(CfgMsg::kPdInfoTitle);
    List<PhysicalDevice*>* pds = nullptr;
    int status = array->GetPdList(&pds);
    if (status != 0 || pds == nullptr)
        return ReportPrint::FailedToGet("PD", status);
    for (unsigned k = 0; k < pds->GetCount(); ++k) {
        PrintMessage(CfgMsg::kPdTitle, static_cast<int>(k));
        report.Check(ReportPrint::DriveBlocks(adapter, pds->GetAt(static_cast<u8>(k))));
    }
    return 0;
}

int CfgDsplyCp::PrintSpan(u8 adapter, DiskGroup* diskGroup, Array* array, unsigned index, List<VirtualDisk*>* vds,
                          u16* runningNumber, ReportStatus& report)
{
    if (index == 0)
        ReportPrint::Text(diskGroup->ToString());
    PrintMessage(CfgMsg::kSpanTitle, static_cast<int>(index));
    ReportPrint::Text(array->ToString());
    PrintMessage(CfgMsg::kVdInfoTitle, "");
    for (unsigned v = 0; v < vds->GetCount(); ++v) {
        VirtualDisk* vd = vds->GetAt(static_cast<u8>(v));
        if (vd == nullptr)
            return ReportPrint::FailedToGet("VD", -1);
        const u16 targetId = ReportPrint::TargetIdOf(vd);
        ReportPrint::VdHeading("", runningNumber ? (*runningNumber)++ : targetId, targetId);
        List<Span*>* spans = nullptr;
        int status = vd->GetSpanList(&spans);
        if (status != 0 || spans == nullptr)
            return ReportPrint::FailedToGet("Span list", status);
        report.Check(ReportPrint::VdBlock(adapter, vd));
    }
    return PrintDrives(adapter, array, report);
}

int CfgDsplyCp::PrintDiskGroupTitle(DiskGroup* diskGroup, List<Array*>** arrays, Counters& counters,
                                    bool titlePlain)
{
    int status = diskGroup != nullptr ? diskGroup->GetArrayList(arrays) : -1;
    if (status != 0 || *arrays == nullptr)
        return ReportPrint::FailedToGet("Array List", status);

    if ((*arrays)->GetCount() > 1) {
        PrintMessage(CfgMsg::kDiskGroupTitle, kSpannedPrefix, counters.spanned++);
        return 0;
    }
    Array* first = (*arrays)->GetAt(0);
    if (first == nullptr)
        return ReportPrint::FailedToGet("Array", -1);
    List<VirtualDisk*>* vds = nullptr;
    VirtualDisk* vd = nullptr;
    if ((status = FirstVd(first, &vds, &vd)) != 0)
        return status;
    if (vd->IsSscd())
        PrintMessage(CfgMsg::kDiskGroupTitle, kFlashTierGroupPrefix, counters.flashTier++);
    else if (titlePlain)
        PrintMessage(CfgMsg::kDiskGroupTitle, "", counters.plain++);
    return 0;
}

template <typename ShowArray>
int CfgDsplyCp::WalkArrays(List<DiskGroup*>* diskGroups, bool titlePlain, ShowArray show)
{
    Counters counters;
    for (unsigned g = 0; g < diskGroups->GetCount(); ++g) {
        DiskGroup* diskGroup = diskGroups->GetAt(static_cast<u8>(g));
        List<Array*>* arrays = nullptr;
        int status = PrintDiskGroupTitle(diskGroup, &arrays, counters, titlePlain);
        if (status != 0)
            return status;

        for (unsigned j = 0; j < arrays->GetCount(); ++j) {
            Array* array = arrays->GetAt(static_cast<u8>(j));
            if (array == nullptr)
                return ReportPrint::FailedToGet("Array", -1);
            List<VirtualDisk*>* vds = nullptr;
            VirtualDisk* vd = nullptr;
            if ((status = FirstVd(array, &vds, &vd)) != 0)
                return status;
            if ((status = show(diskGroup, array, j, vds, vd)) != 0)
                return status;
        }
    }
    return 0;
}

int CfgDsplyCp::PrintFullDisplay(u8 adapter, List<DiskGroup*>* diskGroups, bool mirrorView)
{
    ReportStatus report;
    report.Check(PrintFullWalk(adapter, diskGroups, mirrorView, report));
    return report.Result();
}

int CfgDsplyCp::PrintFullWalk(u8 adapter, List<DiskGroup*>* diskGroups, bool mirrorView, ReportStatus& report)
{
    PrintMessage(CfgMsg::kDiskGroupCount, diskGroups->GetCount());
    return WalkArrays(diskGroups, true,
                      [adapter, mirrorView, &report](DiskGroup* diskGroup, Array* array, unsigned index,
                                                     List<VirtualDisk*>* vds, VirtualDisk* vd) {
                          if (vd->IsSscd()) {
                              // Only the array's first virtual drive is shown, numbered 0.
                              PrintMessage(CfgMsg::kVdInfoTitle, ReportPrint::kFlashTierPrefix);
                              ReportPrint::VdHeading(ReportPrint::kFlashTierPrefix, 0, ReportPrint::TargetIdOf(vd));
                              report.Check(ReportPrint::VdBlock(adapter, vd));
                              ReportPrint::Text(" \n");
                              return mirrorView ? 0 : PrintDrives(adapter, array, report);
                          }
                          u16 number = 0;
                          return PrintSpan(adapter, diskGroup, array, index, vds, mirrorView ? &number : nullptr,
                                           report);
                      });
}

int CfgDsplyCp::PrintFlashTierDisplay(u8 adapter, List<DiskGroup*>* diskGroups, ReportStatus& report)
{
    u16 runningNumber = 0;
    return WalkArrays(diskGroups, false,
                      [adapter, &runningNumber, &report](DiskGroup* diskGroup, Array* array, unsigned index,
                                                         List<VirtualDisk*>* vds, VirtualDisk* vd) {
                          if (!vd->IsSscd())
                              return 0;
                          return PrintSpan(adapter, diskGroup, array, index, vds, &runningNumber, report);
                      });
}
