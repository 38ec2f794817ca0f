#include "CpMgmt/CmdPro/SSCDAddCp.h"

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/CfgForeignMessageIds.h"
#include "CpMgmt/CmdPro/ReportPrint.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "dataif/RaidLevels.h"
#include "fwdata/layout/PdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/UnCfgdVdOnFreshPd.h"
#include "raidmodel/UnConfiguredVd.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<SSCDAddCp> kRegisterSSCDAddCp{TOKEN_CFGFLASHTIERADD, TOKEN_FLASHTIER};

constexpr unsigned kMaxRowSize = 32;
constexpr int kStatusNotBuilt = 3;

}  // namespace

int SSCDAddCp::ProcessParsed(CpController* cpController, CfgSSCDAddParsedObject* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber);
    if (manager == nullptr)
        return -1;
    manager->Refresh();
    Adapter* adapter = nullptr;
    if (manager->GetAdapter(&adapter) != 0 || adapter == nullptr)
        return -1;

    u16 maximum = 0;
    u16 current = 0;
    int status = adapter->GetMaxSscCount(&maximum);
    if (status == 0)
        status = adapter->GetSscCount(&current);
    if (status != 0)
        return status;
    if (maximum == 0 || current > maximum) {
        ReportPrint::Text("SSC is not supported \n");
        return -1;
    }
    if (current == maximum) {
        ReportPrint::Text("Maximum SSC is already configured to ");
        PrintMessage(CommonMsg::kNumber, static_cast<int>(maximum));
        PrintMessage(CommonMsg::kLineEnd);
        return -1;
    }
    if (object->IsEnblPI() != 0) {
        u8 pi = 0;
        if (adapter->IsPiSupported(&pi) != 0 || pi == 0) {
            ReportPrint::Text("Adapter Doesn't support PI\n");
            return -1;
        }
    }
    if (object->GetCommandId() == TOKEN_FLASHTIER)
        return AssociateVds(cpController, object, manager);

    if (object->GetPdList() == nullptr)
        return -1;
    if (object->GetWritePolicy() == CfgSSCDAddParsedObject::kWriteBack) {
        u8 writeBack = 0;
        if (adapter->IsSscWriteBackSupported(&writeBack) != 0 || writeBack == 0) {
            ReportPrint::Text("SSC is not supported WriteBack Mode \n");
            return -1;
        }
    }
    if ((status = BuildCacheDriveList(cpController, object, manager)) != 0)
        return status;
    return CreateAfterChecks(cpController, object, manager);
}

int SSCDAddCp::BuildCacheDriveList(CpController* cpController, CfgSSCDAddParsedObject* object, RaidManager* manager)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    spanLists_.reset(new SpanLists(4));
    auto owned = std::make_unique<ArrayList<PhysicalDevice*>>(4);
    if (spanLists_->Add(owned.get()) != 0) {
        PrintMessage(CommonMsg::kNoMemory, "Pd List");
        return -1;
    }
    ArrayList<PhysicalDevice*>* drives = owned.release();  // the span list owns it from here
    ArrayList<EnclSlotId*>* named = object->GetPdList();
    for (unsigned i = 0; i < named->GetCount(); ++i) {
        EnclSlotId id = *named->GetAt(static_cast<u8>(i));
        u16 enclosure = id.GetEnclId();
        const int status = ResolveEnclosureId(cpController, &enclosure);
        if (status != 0)
            return status;
        id = EnclSlotId(enclosure, id.GetSlot());
        PhysicalDevice* pd = manager->GetPdByEnclSlot(id);
        if (pd == nullptr) {
            PrintMessage(CommonMsg::kPdNotFound, adapterNumber, EnclosureIdText(enclosure), id.GetSlot());
            return -1;
        }
        u8 media = 0;
        if (pd->GetMediaType(&media) != 0 || media != pdrec::kMediaSsd) {
            PrintMessage(CfgForeignMsg::kNotSolidState, adapterNumber, EnclosureIdText(enclosure), id.GetSlot());
            return -1;
        }
        if (drives->Add(pd) != 0) {
            PrintMessage(CommonMsg::kNoMemory, "Pd List");
            return -1;
        }
    }
    return 0;
}

int SSCDAddCp::CreateAfterChecks(CpController* cpController, CfgSSCDAddParsedObject* object, RaidManager* manager)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    DiskGroup* dg = nullptr;
    int status = manager->CheckSpanPdLists(spanLists_.get(), &dg);
    if (status != 0) {
        if (status >= 1 && status <= 12)
            PrintMessage(CfgMsg::kSpanCheckBase + static_cast<u32>(status));
        else
            PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
        return -1;
    }
    if (dg != nullptr) {
        ReportPrint::Text("\n error in configuration ");
        PrintMessage(CommonMsg::kLineEnd);
    } else {
        u8 possible = 0;
        if ((status = manager->CanCreateVd(&possible, nullptr)) != 0) {
            PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
            return status;
        }
    }
    if ((status = CreateCacheVd(cpController, object, manager)) != 0) {
        PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
        return status;
    }
    if (object->assignMode == CfgSSCDAddParsedObject::kAssign)
        return AssociateVds(cpController, object, manager);
    return 0;
}

int SSCDAddCp::CreateCacheVd(CpController* cpController, CfgSSCDAddParsedObject* object, RaidManager* manager)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    Adapter* adapter = nullptr;
    if (object == nullptr || !spanLists_ || spanLists_->GetCount() == 0 || spanLists_->GetAt(0) == nullptr ||
        manager->GetAdapter(&adapter) != 0 || adapter == nullptr)
        return -1;
    u8 writeBack = 0;
    u8 raid5 = 0;
    adapter->IsSscWriteBackSupported(&writeBack);
    adapter->IsSscRaid5Supported(&raid5);

    std::unique_ptr<UnCfgdVdOnFreshPd> plan(UnCfgdVdOnFreshPd::Create(manager));
    if (!plan) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
        return kStatusNotBuilt;
    }
    plan->BuildUnconfiguredPdList();

    const u8 level = object->GetRaidLevel();
    const bool allowed = level == 0 || (writeBack != 0 && (level == 1 || (level == 5 && raid5 != 0)));
    if (!allowed) {
        ReportPrint::Text("Unsupported RAID level \n");
        return -1;
    }
    SetCachePolicies(plan.get(), object, spanLists_->GetAt(0)->GetCount());
    // The plan's span list and its inner lists (the plan frees neither).
    const OwnedList<ArrayList<PhysicalDevice*>> planSpans(new UnCfgdVdOnFreshPd::SpanLists(1));
    plan->GetSpanList() = planSpans.get();
    if (PlaceCacheDrives(plan.get(), object->IsEnblPI() != 0) != 0)
        return -1;
    if (planSpans->GetCount() < spanLists_->GetCount()) {
        PrintMessage(CommonMsg::kOperationFailed, adapterNumber, "configuration");
        return kStatusNotBuilt;
    }
    return WriteCacheVd(adapterNumber, object, manager, plan.get());
}

void SSCDAddCp::SetCachePolicies(UnCfgdVdOnFreshPd* plan, CfgSSCDAddParsedObject* object, u8 perSpan)
{
    plan->SetRaidLevel(raidlevel::CodeOfNumber(object->GetRaidLevel()));
    if (object->GetWritePolicy() == CfgSSCDAddParsedObject::kWriteThrough) {
        plan->SetWritePolicy(UnConfiguredVd::kWriteThrough);
    } else {
        plan->SetWritePolicy(UnConfiguredVd::kWriteBack);
        // Forced write back stays write back also while the battery cannot protect it.
        if (object->GetWritePolicy() == CfgSSCDAddParsedObject::kForcedWriteBack)
            plan->SetCachedBadBbu(1);
    }
    plan->SetPdPerSpan(perSpan);
}

int SSCDAddCp::PlaceCacheDrives(UnCfgdVdOnFreshPd* plan, bool checkPi)
{
    UnCfgdVdOnFreshPd::SpanLists* planSpans = plan->GetSpanList();
    for (unsigned s = 0; s < spanLists_->GetCount(); ++s) {
        ArrayList<PhysicalDevice*>* named = spanLists_->GetAt(static_cast<u8>(s));
        if (named->GetCount() > kMaxRowSize) {
            ReportPrint::Text("Can't Configure more than Max Row Size =");
            PrintMessage(CommonMsg::kNumber, static_cast<int>(kMaxRowSize));
            PrintMessage(CommonMsg::kLineEnd);
            return -1;
        }
        // The list joins the plan first, so that the plan sees the drives taken so far; it is
        // released to the plan's span list only when the plan took every drive of the span.
        auto drives = std::make_unique<ArrayList<PhysicalDevice*>>(named->GetCount() > 0 ? named->GetCount() : 1);
        if (planSpans->Add(drives.get()) != 0)
            break;
        for (unsigned i = 0; i < named->GetCount(); ++i) {
            PhysicalDevice* pd = named->GetAt(static_cast<u8>(i));
            if (!plan->HasEnoughMixablePds(pd) || !plan->CanAddPd(pd))
                break;
            drives->Add(pd);
        }
        if (drives->GetCount() != named->GetCount()) {
            planSpans->RemoveAt(static_cast<u8>(planSpans->GetCount() - 1));
            break;
        }
        const ArrayList<PhysicalDevice*>* placed = drives.release();
        if (checkPi && placed->GetCount() > 0) {
            u16 eligible = 0;
            if (placed->GetAt(static_cast<u8>(placed->GetCount() - 1))->IsPiEligible(&eligible) != 0)
                return -1;
            if (eligible == 0) {
                ReportPrint::Text("PD Doesn't support PI\n");
                return -1;
            }
        }
    }
    return 0;
}

int SSCDAddCp::WriteCacheVd(u8 adapterNumber, CfgSSCDAddParsedObject* object, RaidManager* manager,
                            UnCfgdVdOnFreshPd* plan)
{
    plan->SetName(object->GetName());
    u64 capacity = 0;
    int status = plan->ComputeCapacity(&capacity);
    if (status != 0)
        return status;
    plan->SetSize(capacity);
    u64 size = 0;
    if ((status = plan->GetVdSize(&size)) != 0)
        return status;
    plan->SetSize(size);
    plan->SetIsSscd(1);
    status = manager->AddCfgForNewVd(plan);

    VdId* id = nullptr;
    plan->GetVdId(&id);
    cacheVdId_.reset(id);
    if (!cacheVdId_)
        return status != 0 ? status : kStatusNotBuilt;
    if (status == 0)
        PrintMessage(CfgMsg::kCreatedVd, adapterNumber, static_cast<int>(cacheVdId_->GetTargetId()));
    return status;
}
