#include "CpMgmt/CmdPro/LdAutoCp.h"

#include <memory>

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "parsers/CfgAutoParsedObject.h"
#include "raidmodel/Array.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/ids/VdId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdAutoCp> kRegisterLdAutoCp{TOKEN_CFGALLFREEDRV};

constexpr int kStatusNoDivision = 3;

using PdList = ArrayList<PhysicalDevice*>;

}  // namespace

void LdAutoCp::BuildAutoSpans(const PdList* candidates, unsigned last, unsigned spans, unsigned perSpan)
{
    DeleteSpanLists();
    spanLists_ = new SpanLists(4);
    int position = static_cast<int>(last);
    for (unsigned s = 0; s < spans; ++s) {
        auto* drives = new PdList(4);
        for (unsigned k = 0; k < perSpan && position >= 0; ++k)
            drives->Add(candidates->GetAt(static_cast<u8>(position--)));
        if (spanLists_->Add(drives) != 0)
            delete drives;
    }
}

int LdAutoCp::Process(CpController* cpController, ParsedObject* parsedObject)
{
    auto* object = ParsedObjectAs<CfgAutoParsedObject>(cpController, parsedObject, "CfgAutoParsedObject *");
    if (object == nullptr)
        return -1;
    const u8 adapterNumber = AdapterNumberOf(cpController);
    raidManager_ = RaidManager::GetRaidManager(cpController->GetController());
    if (raidManager_ == nullptr) {
        PrintMessage(CommonMsg::kNoRaidManager, adapterNumber);
        return -1;
    }
    raidManager_->Refresh();
    Adapter* adapter = nullptr;
    if (raidManager_->GetAdapter(&adapter) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }

    PdList* candidateList = nullptr;
    int status = raidManager_->GetUnconfiguredPdList(&candidateList, object->IsSataOnly());
    std::unique_ptr<PdList> candidates(candidateList);
    if (!candidates || status != 0) {
        PrintMessage(CfgMsg::kNoConfigurableDisk, adapterNumber);
        return status != 0 ? status : RaidManager::kStatusNoPd;
    }
    if (object->GetRaidLevel() > kHighestPlainLevel && object->GetSpanCount() <= 1) {
        PrintMessage(CfgMsg::kTwoArraysNeeded);
        return kStatusTwoArraysNeeded;
    }
    // No span, or no drive left after the hot spares: nothing can be divided.
    if (object->GetSpanCount() == 0 || object->GetHspCount() >= candidates->GetCount()) {
        PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
        return kStatusNoDivision;
    }
    const unsigned usable = candidates->GetCount() - object->GetHspCount();
    unsigned spans = object->GetSpanCount();

    VdId* vdId = nullptr;
    status = 0;
    bool created = false;
    while (!created) {
        if (spans == 1 || usable % spans == 0) {
            BuildAutoSpans(candidates.get(), usable - 1, spans, usable / spans);
            if ((status = CheckVdPossible(adapterNumber)) != 0)
                return status;
            status = AddVd(cpController, object, &vdId);
            // The virtual drive exists also when only the operating system was not told or the
            // cache association failed: it must not be created a second time.
            created = Created(status);
            if (created)
                break;
            delete vdId;
            vdId = nullptr;
            // Fewer spans are no answer to defaults that cannot be read.
            if (defaultsUnreadable_) {
                PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
                return status;
            }
        }
        if (spans > 2) {
            --spans;
            continue;
        }
        PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
        return status != 0 ? status : kStatusNoDivision;
    }
    if (status == RaidManager::kStatusOsNotTold)
        PrintMessage(CommonMsg::kOsUpdateFailed);
    else if (status == kStatusAssociationFailed)
        status = -1;

    if (object->GetHspCount() != 0) {
        raidManager_->Refresh();
        PdList* leftList = nullptr;
        int listed = raidManager_->GetUnconfiguredPdList(&leftList, object->IsSataOnly());
        std::unique_ptr<PdList> left(leftList);
        if (!left) {
            PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
            delete vdId;
            return listed != 0 ? listed : RaidManager::kStatusNoPd;
        }
        status = AddHotSpares(cpController, left.get(), vdId, object);
        if (status != 0)
            PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
    }
    if (status == 0)
        PrintMessage(CfgMsg::kConfigured, adapterNumber);
    delete vdId;
    return status;
}

int LdAutoCp::AddHotSpares(CpController*, PdList* pds, VdId* vdId, CfgAutoParsedObject* object)
{
    if (object == nullptr)
        return -1;
    if (pds == nullptr || pds->GetCount() == 0)
        return 0;
    std::unique_ptr<ArrayList<Array*>> arrays;
    if (vdId != nullptr && object->IsDedicated() != 0) {
        const int status = GetVdArrays(vdId, &arrays);
        if (status != 0)
            return status;
    }
    int status = 0;
    for (unsigned i = 0; i < pds->GetCount(); ++i) {
        PhysicalDevice* pd = pds->GetAt(static_cast<u8>(i));
        if (pd == nullptr)
            break;
        if ((status = pd->MakeHsp(arrays.get(), object->IsRevertible(), object->IsEnclAffinity())) != 0)
            break;
    }
    return status;
}
