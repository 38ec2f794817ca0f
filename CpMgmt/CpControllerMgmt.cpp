#include "CpMgmt/CpControllerMgmt.h"

#include <memory>
#include <vector>

#include "CpMgmt/CommandIds.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/CpControllerFactory.h"
#include "controller/ControllerMgmt.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

CpControllerMgmt& CpControllerMgmt::Instance()
{
    static CpControllerMgmt mgmt;
    return mgmt;
}

ArrayList<CpController*>* CpControllerMgmt::GetAllCpControllers(ParsedObject* parsedObject)
{
    ControllerMgmt& controllers = ControllerMgmt::Instance();
    controllers.Discover();
    const u16 commandId = parsedObject ? parsedObject->GetCommandId() : 0;
    ArrayList<CpController*>* list = nullptr;
    if (controllers.GetControllerCount() != 0) {
        list = new ArrayList<CpController*>(controllers.GetControllerCount());
        for (const auto& controller : controllers.GetControllers()) {
            ParsedObject* clone = parsedObject ? parsedObject->Clone() : nullptr;
            if (clone)
                clone->SetAdapterNumber(controller->GetControllerId().GetAdapterNumber());
            list->Add(CpControllerFactory::Create(controller.get(), clone, commandId));
        }
    }
    delete parsedObject;
    return list;
}

CpController* CpControllerMgmt::GetCpController(ParsedObject* parsedObject)
{
    ControllerMgmt& controllers = ControllerMgmt::Instance();
    controllers.Discover();
    const u16 commandId = parsedObject->GetCommandId();
    Controller* controller = controllers.GetController(parsedObject->GetAdapterNumber());
    if (controller != nullptr || RunsWithoutController(commandId))
        return CpControllerFactory::Create(controller, parsedObject, commandId);
    PrintMessage(controllers.GetControllerCount() == 0 ? CommonMsg::kNoControllerList : CommonMsg::kControllerNotPresent);
    delete parsedObject;
    return nullptr;
}

namespace {
// How a command reacts to a failing adapter.
enum class Policy {
    StopAtFirstFailure,      // -aALL, and explicit lists of most commands
    RunAllFirstFailureWins,  // explicit lists of adapter information and drive commands
    RunAllLastStatusWins,    // the object counts
};

Policy PolicyOf(const ParsedObject* po)
{
    if (IsObjectCount(po->GetCommandId()))
        return Policy::RunAllLastStatusWins;
    if (po->GetAdapterNumber() != ParsedObject::kAllAdapters && RunsEveryListedAdapter(po->GetCommandId()))
        return Policy::RunAllFirstFailureWins;
    return Policy::StopAtFirstFailure;
}
}  // namespace

int CpControllerMgmt::ProcessCommands(ArrayList<ParsedObject*>* parsedObjects)
{
    if (parsedObjects == nullptr)
        return -1;
    std::vector<ParsedObject*> objects;
    for (unsigned i = 0; i < parsedObjects->GetCount(); ++i)
        objects.push_back(parsedObjects->GetAt(static_cast<u8>(i)));
    delete parsedObjects;

    int result = 0;
    if (!objects.empty() && objects.front()->GetCommandId() == TOKEN_ADPCOUNT) {
        ArrayList<CpController*>* all = GetAllCpControllers(objects.front());
        int count = all ? all->GetCount() : 0;
        if (all) {
            DeleteElements(*all);
            delete all;
        }
        for (std::size_t i = 1; i < objects.size(); ++i)
            delete objects[i];
        PrintMessage(CommonMsg::kControllerCount, count);
        result = count;
    } else {
        std::vector<std::unique_ptr<CpController>> ran;
        bool stop = false;
        bool haveFailure = false;
        int firstFailure = 0;
        auto record = [&](int status, Policy policy) {
            result = status;
            if (status == 0)
                return;
            if (policy == Policy::StopAtFirstFailure)
                stop = true;
            else if (policy == Policy::RunAllFirstFailureWins && !haveFailure) {
                haveFailure = true;
                firstFailure = status;
            }
        };

        for (ParsedObject* po : objects) {
            if (stop) {
                delete po;
                continue;
            }
            const Policy policy = PolicyOf(po);
            const u16 commandId = po->GetCommandId();
            std::vector<std::unique_ptr<CpController>> selected;
            if (po->GetAdapterNumber() == ParsedObject::kAllAdapters) {
                ControllerMgmt::Instance().Discover();
                if (ControllerMgmt::Instance().GetControllerCount() == 0 && RunsWithoutController(commandId)) {
                    selected.emplace_back(CpControllerFactory::Create(nullptr, po, commandId));
                } else if (ArrayList<CpController*>* list = GetAllCpControllers(po)) {
                    for (unsigned k = 0; k < list->GetCount(); ++k)
                        selected.emplace_back(list->GetAt(static_cast<u8>(k)));
                    delete list;
                } else {
                    PrintMessage(CommonMsg::kNoControllerList);
                }
            } else if (CpController* cp = GetCpController(po)) {
                selected.emplace_back(cp);
            }
            if (selected.empty()) {
                record(-1, policy);
                continue;
            }
            for (auto& cp : selected) {
                if (stop)
                    break;
                int status = cp->Execute();
                ran.push_back(std::move(cp));
                record(status, policy);
            }
        }
        if (haveFailure)
            result = firstFailure;

        // Repeat passes while work is unfinished and nothing failed.
        while (result == 0) {
            bool unfinished = false;
            for (auto& cp : ran) {
                if (cp->IsDone() != 0)
                    continue;
                unfinished = true;
                result = cp->Execute();
                if (result != 0)
                    break;
            }
            if (!unfinished)
                break;
        }
    }

    RaidManager::ClearAll();
    ControllerMgmt::Instance().Release();
    return result;
}
