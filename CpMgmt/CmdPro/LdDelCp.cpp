#include "CpMgmt/CmdPro/LdDelCp.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CmdPro/SscAssociation.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdDelParsedObject.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/CtPrint.h"

namespace {

const CpRegistration<LdDelCp> kRegisterLdDelCp{TOKEN_CFGLDDEL, TOKEN_CFGFLASHTIERDEL};

// Printed on standard output whatever the console settings, and not logged.
void PrintSnapshotRefusal(u8 targetId)
{
    CtPrint::Instance().Flush();
    std::printf("Snapshot is enabled on the Virtual Disk %d. Cannot delete Virtual Disk %d\n", targetId, targetId);
    std::fflush(stdout);
}

}  // namespace

int LdDelCp::ProcessParsed(CpController* cpController, LdDelParsedObject* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManager::GetRaidManager(cpController->GetController());
    if (manager == nullptr) {
        PrintMessage(CommonMsg::kNoRaidManager, adapterNumber);
        return -1;
    }
    manager->Refresh();
    Adapter* adapter = nullptr;
    if (manager->GetAdapter(&adapter) != 0)
        return -1;
    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapterNumber, &vdCount))
        return -1;
    List<VirtualDisk*>* vds = nullptr;
    if (manager->GetVdList(&vds) != 0)
        vds = nullptr;
    if (vds != nullptr)
        manager->SortVdList(vds);

    const bool all = object->IsAllLds() != 0;
    const bool flashTierCommand = object->GetCommandId() == TOKEN_CFGFLASHTIERDEL;
    // In all-drives mode the drives of the snapshot taken at the start; never more than it holds.
    const unsigned count = all ? std::min<unsigned>(vdCount, vds != nullptr ? vds->GetCount() : 0) : object->GetLdCount();
    int result = 0;
    // A listed drive that does not exist or cannot be had, and a drive with a snapshot, are
    // refused and the loop goes on; the command then ends with -1, whatever the drives after them
    // give.
    bool refused = false;
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        if (all) {
            target = vds->GetAt(static_cast<u8>(i))->GetId()->GetTargetId();
        } else {
            target = object->GetLd(static_cast<u8>(i));
            if (!manager->IsTargetIdInUse(target, 0)) {
                PrintMessage(CommonMsg::kVdNotFound, adapterNumber, target);
                refused = true;
                continue;
            }
        }
        VdIdFwi id(target, target, VdIdFwi::kAnySeqNum);
        VirtualDisk* vd = nullptr;
        if (manager->GetVd(&id, &vd) != 0 || vd == nullptr) {
            PrintMessage(CommonMsg::kFailedToGet, "VD object");
            refused = true;
            continue;
        }
        const u16 fwTarget = vd->GetId()->GetFwTargetId();
        if (vd->IsSnapshotEnabled()) {
            PrintSnapshotRefusal(target);
            refused = true;
            continue;
        }
        const bool isCache = vd->IsSscd();
        // A support flag that cannot be read counts as support: the checks below keep their
        // guards (a controller that holds a cache drive supports caching anyway).
        u8 cacheSupported = 0;
        if (adapter->IsSscSupported(&cacheSupported) != 0)
            cacheSupported = 1;

        if (flashTierCommand) {
            if (cacheSupported == 0) {
                PrintMessage(CommonMsg::kText, "FlashTier is not supported \n");
                return -1;
            }
            if (!isCache) {
                if (all)
                    continue;
                PrintMessage(CommonMsg::kText, "VD is not FlashTier\n");
                return -1;
            }
        } else if (cacheSupported != 0) {
            if (isCache) {
                if (all)
                    continue;
                PrintMessage(CommonMsg::kText, " Virtual Disk is an FlashTier. Please Use FlashTier Command for Deleting the VD \n");
                return -1;
            }
            // An association that cannot be read may hold the drive: it counts as served, so
            // that only -Force deletes it (the read's status stays the command's).
            std::vector<u8> served;
            result = ssc::ReadAssociation(cpController->GetController(), target, &served);
            const bool isServed = result != 0 || std::find(served.begin(), served.end(), fwTarget) != served.end();
            if (isServed && object->GetForce() != 1) {
                PrintMessage(CommonMsg::kText, " Virtual Disk is associate with FlashTier. Please Use force option to delete \n");
                return -1;
            }
        }

        const u8 option = isCache ? 1 : 0;
        const int deleted = object->GetForce() != 0 ? manager->DeleteVd(&id, 1, option) : manager->DeleteVd(&id, option, 0);
        if (deleted == 0 || deleted == RaidManager::kStatusOsNotTold) {
            PrintMessage(LdMsg::kDeleted, adapterNumber, target, fwTarget);
            if (deleted == RaidManager::kStatusOsNotTold)
                PrintMessage(CommonMsg::kOsUpdateFailed);
            continue;
        }
        PrintMessage(LdMsg::kDeleteFailed, adapterNumber, target);
        return deleted;
    }
    return result == 0 && refused ? -1 : result;
}
