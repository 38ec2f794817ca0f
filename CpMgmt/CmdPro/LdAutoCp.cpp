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
    spanLists_.reset(new SpanLists(4));
    int position = static_cast<int>(last);
    for (unsigned s = 0; s < spans; ++s) {
        auto drives = std::make_unique<PdList>(4);
        for (unsigned k = 0; k < perSpan && position >= 0; ++k)
            drives->Add(candidates->GetAt(static_cast<u8>(position--)));
        if (spanLists_->Add(drives.get()) == 0)
            drives.release();  // the span lists own it
    }
}

int LdAutoCp::Process(CpController* cpController, ParsedObject* parsedObject)
{
    auto* object = ParsedObjectAs<CfgAutoParsedObject>(cpController, parsedObject, "CfgAutoParsedObject *");
    if (object == nullptr)
        return -1;
    Adapter* adapter = nullptr;
    if (OpenAdapter(cpController, &adapter) != 0)
        return -1;
    std::unique_ptr<PdList> candidates;
    int status = ListCandidates(cpController, object, &candidates);
    if (status != 0)
        return status;
    std::unique_ptr<VdId> vdId;
    if (!CreateVdTryingSpans(cpController, object, candidates.get(), &vdId, &status))
        return status;
    status = StatusAfterCreated(status);
    if (object->GetHspCount() != 0)
        status = MakeLeftDrivesHotSpares(cpController, object, vdId.get());
    if (status == 0)
        PrintMessage(CfgMsg::kConfigured, AdapterNumberOf(cpController));
    return status;
}

int LdAutoCp::ListCandidates(CpController* cpController, CfgAutoParsedObject* object, std::unique_ptr<PdList>* candidates)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    PdList* candidateList = nullptr;
    const int status = raidManager_->GetUnconfiguredPdList(&candidateList, object->IsSataOnly());
    candidates->reset(candidateList);
    if (!*candidates || status != 0) {
        PrintMessage(CfgMsg::kNoConfigurableDisk, adapterNumber);
        return status != 0 ? status : RaidManager::kStatusNoPd;
    }
    if (object->GetRaidLevel() > kHighestPlainLevel && object->GetSpanCount() <= 1) {
        PrintMessage(CfgMsg::kTwoArraysNeeded);
        return kStatusTwoArraysNeeded;
    }
    // No span, or no drive left after the hot spares: nothing can be divided.
    if (object->GetSpanCount() == 0 || object->GetHspCount() >= (*candidates)->GetCount()) {
        PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
        return kStatusNoDivision;
    }
    return 0;
}

bool LdAutoCp::CreateVdTryingSpans(CpController* cpController, CfgAutoParsedObject* object, const PdList* candidates,
                                   std::unique_ptr<VdId>* vdId, int* status)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    const unsigned usable = candidates->GetCount() - object->GetHspCount();
    *status = 0;
    for (unsigned spans = object->GetSpanCount();; --spans) {
        if (spans == 1 || usable % spans == 0) {
            BuildAutoSpans(candidates, usable - 1, spans, usable / spans);
            if ((*status = CheckVdPossible(adapterNumber)) != 0)
                return false;
            VdId* created = nullptr;
            *status = AddVd(cpController, object, &created);
            vdId->reset(created);
            // The virtual drive exists also when only the operating system was not told or the
            // cache association failed: it must not be created a second time.
            if (Created(*status))
                return true;
            vdId->reset();
            // Fewer spans are no answer to defaults that cannot be read.
            if (defaultsUnreadable_) {
                PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
                return false;
            }
        }
        if (spans <= 2) {
            PrintMessage(CfgMsg::kConfigureFailed, adapterNumber);
            if (*status == 0)
                *status = kStatusNoDivision;
            return false;
        }
    }
}

int LdAutoCp::MakeLeftDrivesHotSpares(CpController* cpController, CfgAutoParsedObject* object, VdId* vdId)
{
    raidManager_->Refresh();
    PdList* leftList = nullptr;
    const int listed = raidManager_->GetUnconfiguredPdList(&leftList, object->IsSataOnly());
    const std::unique_ptr<PdList> left(leftList);
    int status = listed != 0 ? listed : RaidManager::kStatusNoPd;
    if (left)
        status = AddHotSpares(cpController, left.get(), vdId, object);
    if (status != 0)
        PrintMessage(CfgMsg::kConfigureFailed, AdapterNumberOf(cpController));
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
