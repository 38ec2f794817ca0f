#include "CpMgmt/CmdPro/LdMirrorCp.h"

#include <memory>

#include "CpMgmt/CmdPro/CfgDspCp.h"
#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
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

int LdMirrorCp::PrintMirrorConfig(RaidManager* manager, const std::vector<u8>& image)
{
    std::unique_ptr<RmCfg> cfg;
    if (manager->BuildSeparateCfg(image.data(), static_cast<u32>(image.size()), &cfg) != 0 || !cfg) {
        PrintMessage(CfgMsg::kNoDiskGroupList);
        return -1;
    }
    return CfgDsplyCp::PrintFullDisplay(cfg->GetDgList(), true);
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
    LdSelection selection(manager, *object, adapter);
    selection.ReadList();
    // A listed drive that does not exist or cannot be had is reported and the next one handled;
    // the command then ends with -1, whatever drive follows it.
    int result = 0;
    const unsigned count = selection.Count(vdCount);
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        VirtualDisk* vd = selection.TargetAt(i, &target) ? GetVdOrReport(manager, target) : nullptr;
        if (vd == nullptr) {
            result = -1;
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
            int status = vd->GetMirrorInfo(&image);
            if (status != 0)
                return status;
            status = PrintMirrorConfig(manager, image);
            if (status != 0)
                return status;
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
    return result;
}
