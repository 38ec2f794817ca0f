// The foreign-configuration report: a snapshot printed in the layout of the configuration
// display, with, when asked, the reasons that would stop or endanger its import; and the same
// checks on an import preview without the report.
#include "CpMgmt/CmdPro/CfgForeignMessageIds.h"
#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/ForeignCfgCp.h"
#include "CpMgmt/CmdPro/ReportPrint.h"
#include "CpMgmt/CommandProcessor.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/Array.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/RmCfg.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

constexpr u16 kNoTargetId = 255;
constexpr u8 kRaid1 = 1;

// The opening checks both operations share: the snapshot's disk groups, the manager and its
// adapter. 0, or -1 after the message.
int Open(RmCfg* cfg, CpController* cpController, Adapter** adapter)
{
    if (cfg == nullptr)
        return -1;
    if (cfg->GetDgList() == nullptr) {
        PrintMessage(CfgMsg::kNoDiskGroupList);
        return -1;
    }
    const u8 adapterNumber = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber);
    if (manager == nullptr)
        return -1;
    if (manager->GetAdapter(adapter) != 0 || *adapter == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }
    return 0;
}

// Message 0x35060 when the snapshot holds more virtual drives than the controller can; `exceeded`
// tells whether it was printed. 0, or -1 without a virtual-drive list.
int CheckVdCount(RmCfg* cfg, Adapter* adapter, bool* exceeded)
{
    *exceeded = false;
    List<VirtualDisk*>* vds = cfg->GetVdList();
    if (vds == nullptr) {
        PrintMessage(CfgForeignMsg::kNoVdList);
        return -1;
    }
    u8 maximum = 0;
    adapter->GetMaxLdCount(&maximum);
    if (vds->GetCount() > maximum) {
        PrintMessage(CfgForeignMsg::kTooManyVds);
        *exceeded = true;
    }
    return 0;
}

// The missing-member warning of a virtual drive on a present array: at the first missing row,
// a mirror may only hold outdated data, any other level has lost drives.
void CheckMissingMembers(Array* array, u8 raidLevel)
{
    for (u8 row = 0; row < array->GetRowCount(); ++row) {
        if (array->GetRowPd(row) == nullptr) {
            PrintMessage(raidLevel == kRaid1 ? CfgForeignMsg::kMaybeOutdated : CfgForeignMsg::kPdsMissing);
            return;
        }
    }
}

// A span of the walk: whether its array is missing (said so), and its virtual drives. 0, or the
// failing status after its message.
int OpenSpan(Array* array, u8* missing, List<VirtualDisk*>** vds)
{
    if (array == nullptr)
        return ReportPrint::FailedToGet("Array", -1);
    int status = array->IsMissing(missing);
    if (status != 0)
        return status;
    if (*missing != 0)
        PrintMessage(CommonMsg::kText, "(Missing Span)\n");
    if ((status = array->GetVdList(vds)) != 0 || *vds == nullptr)
        return ReportPrint::FailedToGet("VD", status);
    return 0;
}

// The array's first virtual drive decides the heading of a disk group of one array.
int PrintDiskGroupTitle(List<Array*>* arrays, int* plain, int* spanned, int* flashTier)
{
    if (arrays->GetCount() > 1) {
        PrintMessage(CfgMsg::kDiskGroupTitle, "SPANNED ", (*spanned)++);
        return 0;
    }
    Array* first = arrays->GetAt(0);
    if (first == nullptr)
        return ReportPrint::FailedToGet("Array", -1);
    List<VirtualDisk*>* vds = nullptr;
    int status = first->GetVdList(&vds);
    VirtualDisk* vd = status == 0 && vds != nullptr ? vds->GetAt(0) : nullptr;
    if (vd == nullptr)
        return ReportPrint::FailedToGet("VD", status);
    if (vd->IsSscd())
        PrintMessage(CfgMsg::kDiskGroupTitle, "FLASHTIER ", (*flashTier)++);
    else
        PrintMessage(CfgMsg::kDiskGroupTitle, "", (*plain)++);
    return 0;
}

// The drives of a present array, row by row; a missing row is shown as missing. A drive that
// cannot be read is reported and the next one shown: 0, or the first such read's status.
int PrintDrives(u8 adapter, Array* array, u8 check)
{
    ReportStatus report;
    PrintMessage(CfgMsg::kPdInfoTitle);
    for (u8 row = 0; row < array->GetRowCount(); ++row) {
        PrintMessage(CfgMsg::kPdTitle, static_cast<int>(row));
        PhysicalDevice* pd = array->GetRowPd(row);
        if (pd == nullptr) {
            PrintMessage(CfgForeignMsg::kPdMissing);
            continue;
        }
        report.Check(ReportPrint::DriveBlocks(adapter, pd));
        if (check != 0 && array->IsRowOutdated(row))
            PrintMessage(CfgForeignMsg::kOutdatedPd);
    }
    return report.Result();
}

}  // namespace

int ForeignCfgCp::PrintForeignCfg(RmCfg* cfg, CpController* cpController, u8 check)
{
    Adapter* adapter = nullptr;
    int status = Open(cfg, cpController, &adapter);
    if (status != 0)
        return status;
    bool exceeded = false;
    if (check != 0 && (status = CheckVdCount(cfg, adapter, &exceeded)) != 0)
        return status;

    // A drive that cannot be read is reported and the report goes on; it then ends with the
    // first such read's status.
    ReportStatus report;
    List<DiskGroup*>* dgs = cfg->GetDgList();
    PrintMessage(CfgMsg::kDiskGroupCount, dgs->GetCount());
    int plain = 0;
    int spanned = 0;
    int flashTier = 0;
    for (unsigned g = 0; g < dgs->GetCount(); ++g) {
        DiskGroup* dg = dgs->GetAt(static_cast<u8>(g));
        List<Array*>* arrays = nullptr;
        status = dg != nullptr ? dg->GetArrayList(&arrays) : -1;
        if (status != 0 || arrays == nullptr)
            return ReportPrint::FailedToGet("Array List", status);
        if ((status = PrintDiskGroupTitle(arrays, &plain, &spanned, &flashTier)) != 0)
            return status;
        ReportPrint::Text(dg->ToString());

        for (unsigned j = 0; j < arrays->GetCount(); ++j) {
            PrintMessage(CfgMsg::kSpanTitle, static_cast<int>(j));
            Array* array = arrays->GetAt(static_cast<u8>(j));
            u8 missing = 0;
            List<VirtualDisk*>* vds = nullptr;
            if ((status = OpenSpan(array, &missing, &vds)) != 0)
                return status;
            for (unsigned m = 0; m < vds->GetCount(); ++m) {
                VirtualDisk* vd = vds->GetAt(static_cast<u8>(m));
                if (vd == nullptr)
                    return ReportPrint::FailedToGet("VD", -1);
                const char* prefix = vd->IsSscd() ? ReportPrint::kFlashTierPrefix : "";
                if (m == 0)
                    PrintMessage(CfgMsg::kVdInfoTitle, prefix);
                const u16 targetId = ReportPrint::TargetIdOf(vd);
                ReportPrint::VdHeading(prefix, static_cast<int>(m), targetId);
                // A foreign virtual drive is not the controller's: it has no information block
                // there, and its report has no progress lines to leave out.
                ReportPrint::Text(vd->Print());
                if (check == 0)
                    continue;
                u8 value = 0;
                if (!exceeded && targetId == kNoTargetId) {
                    if (vd->GetState(&value) != 0)
                        return -1;
                    if (value != VirtualDisk::kStateOffline)
                        PrintMessage(CfgForeignMsg::kUnsupportedLevel);
                }
                if (vd->GetRaidLevel(&value) != 0)
                    return -1;
                if (missing == 0)
                    CheckMissingMembers(array, value);
            }
            if (missing == 0)
                report.Check(PrintDrives(AdapterNumberOf(cpController), array, check));
        }
    }
    return report.Result();
}

int ForeignCfgCp::CheckImport(RmCfg* cfg, CpController* cpController)
{
    Adapter* adapter = nullptr;
    int status = Open(cfg, cpController, &adapter);
    if (status != 0)
        return status;
    bool exceeded = false;
    if ((status = CheckVdCount(cfg, adapter, &exceeded)) != 0)
        return status;

    List<DiskGroup*>* dgs = cfg->GetDgList();
    for (unsigned g = 0; g < dgs->GetCount(); ++g) {
        DiskGroup* dg = dgs->GetAt(static_cast<u8>(g));
        List<Array*>* arrays = nullptr;
        status = dg != nullptr ? dg->GetArrayList(&arrays) : -1;
        if (status != 0 || arrays == nullptr)
            return ReportPrint::FailedToGet("Array List", status);
        for (unsigned j = 0; j < arrays->GetCount(); ++j) {
            Array* array = arrays->GetAt(static_cast<u8>(j));
            u8 missing = 0;
            List<VirtualDisk*>* vds = nullptr;
            if ((status = OpenSpan(array, &missing, &vds)) != 0)
                return status;
            for (unsigned m = 0; m < vds->GetCount(); ++m) {
                VirtualDisk* vd = vds->GetAt(static_cast<u8>(m));
                if (vd == nullptr)
                    return ReportPrint::FailedToGet("VD", -1);
                u8 value = 0;
                if ((status = vd->GetPiType(&value)) != 0)
                    return status;
                // The controller itself decides on a configuration with protection information.
                if (value != 0)
                    return 0;
                if (vd->GetRaidLevel(&value) != 0)
                    return -1;
                if (missing == 0)
                    CheckMissingMembers(array, value);
            }
        }
    }
    return 0;
}
