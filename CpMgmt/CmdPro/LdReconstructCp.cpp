#include "CpMgmt/CmdPro/LdReconstructCp.h"

#include <cstdio>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "fwdata/OpProgress.h"
#include "CpMgmt/CmdPro/SpinUpDrives.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/VdAllowedOps.h"
#include "fwdata/layout/VdProgress.h"
#include "fwdata/layout/VdReconstruct.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdReconstructCp> kRegisterLdReconstructCp{TOKEN_LDRECON};

constexpr unsigned kListRoom = 4;

}  // namespace

int LdReconstructCp::ProcessParsed(CpController* cpController, LdReconstructParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();
    const u16 action = object->GetAction();
    if (action == TOKEN_PROGDSPLY)
        return 0;
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapter, &vdCount))
        return -1;
    int status = 0;
    if (vdCount == 0) {
        PrintMessage(LdMsg::kNoVirtualDrive, adapter);
        status = -1;
    }
    if (action == TOKEN_SUSPEND || action == TOKEN_RESUME) {
        const int result = CheckBgOpSuspendResume(manager);
        if (result != 0)
            return result;
    }
    // A drive is not reported missing from a configuration that could not be read.
    List<VirtualDisk*>* vds = nullptr;
    if (manager->GetVdList(&vds) != 0 || vds == nullptr) {
        PrintReadFailure(AdapterNumberOf(cpController), "the configuration");
        return -1;
    }
    const u8 target = object->GetVdId();
    if (!manager->IsTargetIdInUse(target, 0)) {
        PrintMessage(CommonMsg::kVdNotFound, AdapterNumberOf(cpController), target);
        return -1;
    }
    VirtualDisk* vd = GetVdOrReport(manager, target);
    if (vd == nullptr)
        return -1;
    switch (action) {
    case TOKEN_SHOWPROG: return ShowProgress(vd, target);
    case TOKEN_SUSPEND: return SuspendResume(vd, target, true);
    case TOKEN_RESUME: return SuspendResume(vd, target, false);
    case TOKEN_START: return Start(cpController, object, vd);
    default: return status;
    }
}

int LdReconstructCp::ShowProgress(VirtualDisk* vd, u8 target)
{
    u8 progress[vdprogress::kSize] = {};
    const int status = ReadProgressOrReport(vd, target, progress);
    if (status != 0)
        return status;
    const ByteView block(progress);
    if ((block.U32(vdprogress::kOffRunning) & vdprogress::kRunningRecon) == 0) {
        PrintMessage(LdMsg::kReconNotRunning, target);
        return 0;
    }
    PrintMessage(LdMsg::kReconProgress, target, vd->GetId()->GetTargetId(),
                 OpProgress::Percent(block, vdprogress::kOffReconProgress),
                 OpProgress::Minutes(block, vdprogress::kOffReconProgress.offset + vdprogress::kProgressOffSeconds));
    return 0;
}

int LdReconstructCp::SuspendResume(VirtualDisk* vd, u8 target, bool suspend)
{
    u8 ops[vdallowed::kSize] = {};
    int status = ReadAllowedOps(vd, target, ops);
    if (status != 0)
        return status;
    if (!ByteView(ops).Bit(suspend ? vdallowed::kSuspendRecon : vdallowed::kResumeRecon)) {
        PrintMessage(CommonMsg::kText, suspend ? "Reconstrution Suspend not allowed operation on VD = "
                                               : "Reconstrution Resume not allowed operation on  VD = ");
        PrintMessage(CommonMsg::kNumber, target);
        PrintMessage(CommonMsg::kLineEnd);
        return -1;
    }
    status = suspend ? vd->SuspendReconstruction() : vd->ResumeReconstruction();
    if (status != 0) {
        char text[100] = {};
        std::snprintf(text, sizeof text, "%s %u retCode = 0x%X",
                      suspend ? "Reconstrution Suspend operation failed on VD -"
                              : "Reconstrution Resume operation failed on VD -",
                      static_cast<unsigned>(target), static_cast<unsigned>(status));
        PrintMessage(CommonMsg::kText, text);
        return status;
    }
    PrintMessage(CommonMsg::kText, suspend ? "Reconstrution Suspend Successful on VD = "
                                           : "Reconstrution Resume Successful on this VD = ");
    PrintMessage(CommonMsg::kNumber, target);
    PrintMessage(CommonMsg::kLineEnd);
    return 0;
}

int LdReconstructCp::SpinUpDrives(CpController* cpController, LdReconstructParsedObject* object,
                                  ArrayList<ArrayList<PhysicalDevice*>*>* drives)
{
    RaidManager* manager = RaidManagerOrReport(cpController, object->GetAdapterNumber());
    if (manager == nullptr)
        return -1;
    return ::SpinUpDrives(manager, drives);
}

int LdReconstructCp::Start(CpController* cpController, LdReconstructParsedObject* object, VirtualDisk* vd)
{
    const u8 adapter = object->GetAdapterNumber();
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    const u16 addRemove = object->GetAddRemove();
    const bool adding = addRemove == TOKEN_ADD;
    ArrayList<PhysicalDevice*> drives(kListRoom);
    if (addRemove != LdReconstructParsedObject::kNone) {
        const ArrayList<EnclSlotId*>* named = object->GetPdList().Get();
        // The request holds 32 drives; a longer list would not fit it.
        if (named != nullptr && named->GetCount() > vdrecon::kMaxDrives) {
            PrintMessage(CommonMsg::kOperationFailed, adapter, "LD reconstruction");
            return -1;
        }
        u8 encryption = 0;
        vd->GetEncryptionType(&encryption);
        for (unsigned i = 0; named != nullptr && i < named->GetCount(); ++i) {
            const EnclSlotId* entry = named->GetAt(static_cast<u8>(i));
            u16 enclosureId = entry != nullptr ? entry->GetEnclId() : 0;
            if (enclosureId == EnclSlotId::kUnresolved) {
                const int status = CommandProcessor::ResolveEnclosureId(cpController, &enclosureId);
                if (status != 0)
                    return status;
            }
            PhysicalDevice* pd = entry != nullptr ? manager->GetPdByEnclSlot(EnclSlotId(enclosureId, entry->GetSlot()))
                                                  : nullptr;
            if (pd == nullptr) {
                PrintMessage(CommonMsg::kOperationFailed, adapter, "LD reconstruction");
                return -1;
            }
            // A drive whose security state cannot be read counts as secured: its data would be
            // lost without the warning.
            u16 secured = 0;
            if (adding && encryption != vdrec::kEncryptionFde) {
                if (pd->IsSecured(&secured) != 0)
                    secured = 1;
                if (secured == 1 && object->GetForce() != 1) {
                    PrintMessage(CfgMsg::kSecuredDrive);
                    return -1;
                }
            }
            drives.Add(pd);
        }
    }
    const u8 change = adding ? vdrecon::kChangeAdd
                             : addRemove == TOKEN_RMV ? vdrecon::kChangeRemove : vdrecon::kChangeNone;
    if (adding) {
        ArrayList<ArrayList<PhysicalDevice*>*> lists(kListRoom);
        lists.Add(&drives);
        const int status = SpinUpDrives(cpController, object, &lists);
        if (status != 0)
            return status;
    }
    const int status = vd->StartReconstruction(object->GetRaidLevel(), change, &drives, 0);
    PrintMessage(status != 0 ? LdMsg::kReconStartFailed : LdMsg::kReconStarted);
    return status;
}
