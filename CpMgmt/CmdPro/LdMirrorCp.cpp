#include "CpMgmt/CmdPro/LdMirrorCp.h"

#include <memory>
#include <string>

#include "CpMgmt/CmdPro/CfgDspCp.h"
#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/RmCfg.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdMirrorCp> kRegisterLdMirrorCp{TOKEN_LDBREAKMIRROR, TOKEN_LDVIEWMIRROR, TOKEN_LDJOINMIRROR};

constexpr u8 kDataFromMirror = 1;

}  // namespace

int LdMirrorCp::PrintMirrorConfig(u8 adapter, RaidManager* manager, const std::vector<u8>& image)
{
    std::unique_ptr<RmCfg> cfg;
    if (manager->BuildSeparateCfg(image.data(), static_cast<u32>(image.size()), &cfg) != 0 || !cfg) {
        PrintMessage(CfgMsg::kNoDiskGroupList);
        return -1;
    }
    return CfgDsplyCp::PrintFullDisplay(adapter, cfg->GetDgList(), true);
}

int LdMirrorCp::ProcessParsed(CpController* cpController, LdMirrorParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = nullptr;
    Adapter* adapterElement = AdapterOrReport(cpController, adapter, false, &manager);
    if (adapterElement == nullptr)
        return -1;
    u8 supported = 0;
    if (adapterElement->IsLdMirrorSupported(&supported) != 0 || supported != 1) {
        PrintMessage(CommonMsg::kLineEnd);
        PrintMessage(CommonMsg::kText, "This feature is not supported");
        PrintMessage(CommonMsg::kLineEnd);
        return -1;
    }
    u8 vdCount = 0;
    const int found = CountVdsOrReportNone(manager, adapter, &vdCount);
    if (found <= 0)
        return found;
    // A listed drive that does not exist or cannot be had is reported and the next one handled,
    // and so is a mirror that cannot be shown whole; the command then ends with the first
    // failure, whatever drive follows it.
    ReportStatus report;
    LdSelection selection(manager, *object, adapter);
    if ((selection.IsAll() ? selection.ReadListOrReport() : selection.ReadList()) != 0 && selection.IsAll()) {
        // -LALL visits the drives of the list: without it there is nothing to visit.
        report.Fail(-1);
        return report.Result();
    }
    const unsigned count = selection.Count(vdCount);
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        VirtualDisk* vd = selection.TargetAt(i, &target) ? GetVdOrReport(manager, target) : nullptr;
        if (vd == nullptr) {
            report.Fail(-1);
            continue;
        }
        const u16 command = object->GetCommandId();
        if (command == TOKEN_LDBREAKMIRROR) {
            PrintMessage(CommonMsg::kLineEnd);
            PrintMessage(CommonMsg::kText, "Invalid operation!! \nBreak mirror is an offline operation.");
            PrintMessage(CommonMsg::kLineEnd);
            return -1;
        }
        if (!vd->HasMirror()) {
            PrintMessage(CommonMsg::kText, "VD does not have mirror");
            return -1;
        }
        if (command == TOKEN_LDVIEWMIRROR) {
            std::vector<u8> image;
            const int status = vd->GetMirrorInfo(&image);
            if (status != 0) {
                report.Fail(status);
                PrintReadFailure(adapter, ("the mirror of virtual drive " + std::to_string(target)).c_str());
                continue;
            }
            report.Check(PrintMirrorConfig(adapter, manager, image));
            continue;
        }
        if (object->GetDataSrc() == kDataFromMirror && object->GetForce() != 1) {
            PrintMessage(CommonMsg::kText, "Performing this operation will change the Data on Source VD.\n");
            PrintMessage(CommonMsg::kText, " use -force option if you are sure to perform this operation\n");
            return -1;
        }
        const int status = vd->JoinMirror(object->GetDataSrc());
        if (status != 0) {
            PrintMessage(CommonMsg::kText, "Failed to Join the mirror\n");
            return status;
        }
    }
    return report.Result();
}
