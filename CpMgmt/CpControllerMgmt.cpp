#include "CpMgmt/CpControllerMgmt.h"

#include <memory>
#include <vector>

#include "CpMgmt/CommandIds.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/CpControllerFactory.h"
#include "controller/ControllerMgmt.h"
#include "controller/FwiDpErrors.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

CpControllerMgmt& CpControllerMgmt::Instance()
{
    static CpControllerMgmt mgmt;
    return mgmt;
}

std::vector<std::unique_ptr<CpController>> CpControllerMgmt::GetAllCpControllers(const ParsedObject* parsedObject)
{
    ControllerMgmt& controllers = ControllerMgmt::Instance();
    controllers.Discover();
    const u16 commandId = parsedObject ? parsedObject->GetCommandId() : 0;
    std::vector<std::unique_ptr<CpController>> list;
    for (const auto& controller : controllers.GetControllers()) {
        std::unique_ptr<ParsedObject> clone(parsedObject ? parsedObject->Clone() : nullptr);
        if (clone)
            clone->SetAdapterNumber(controller->GetControllerId().GetAdapterNumber());
        list.push_back(CpControllerFactory::Create(controller.get(), std::move(clone), commandId));
    }
    return list;
}

std::unique_ptr<CpController> CpControllerMgmt::GetCpController(std::unique_ptr<ParsedObject> parsedObject)
{
    ControllerMgmt& controllers = ControllerMgmt::Instance();
    controllers.Discover();
    const u16 commandId = parsedObject->GetCommandId();
    Controller* controller = controllers.GetController(parsedObject->GetAdapterNumber());
    if (controller != nullptr || RunsWithoutController(commandId))
        return CpControllerFactory::Create(controller, std::move(parsedObject), commandId);
    PrintMessage(controllers.GetControllerCount() == 0 ? CommonMsg::kNoControllerList
                                                       : CommonMsg::kControllerNotPresent);
    return nullptr;
}

namespace {
// How a command reacts to a failing adapter.
enum class Policy {
    StopAtFirstFailure,      // -aALL, and explicit lists of most commands
    RunAllFirstFailureWins,  // reports; explicit lists of adapter information and drive commands
    RunAllLastStatusWins,    // the object counts
};

Policy PolicyOf(const ParsedObject* po)
{
    if (IsObjectCount(po->GetCommandId()))
        return Policy::RunAllLastStatusWins;
    if (IsReport(po))
        return Policy::RunAllFirstFailureWins;
    if (po->GetAdapterNumber() != ParsedObject::kAllAdapters && RunsEveryListedAdapter(po->GetCommandId()))
        return Policy::RunAllFirstFailureWins;
    return Policy::StopAtFirstFailure;
}
}  // namespace

int CpControllerMgmt::ProcessCommands(ParsedObjectList parsedObjects)
{
    int result = 0;
    if (!parsedObjects.IsEmpty() && parsedObjects.GetAt(0)->GetCommandId() == TOKEN_ADPCOUNT) {
        const int count = static_cast<int>(GetAllCpControllers(parsedObjects.GetAt(0)).size());
        PrintMessage(CommonMsg::kControllerCount, count);
        result = count;
    } else {
        std::vector<std::unique_ptr<CpController>> ran;
        bool stop = false;
        bool haveFailure = false;
        int firstFailure = 0;
        int firstFailureClass = FwiDpErrors::kSuccess;
        int firstFailureStatus = 0;
        auto record = [&](int status, Policy policy) {
            result = status;
            if (status == 0)
                return;
            if (policy == Policy::StopAtFirstFailure)
                stop = true;
            else if (policy == Policy::RunAllFirstFailureWins && !haveFailure) {
                haveFailure = true;
                firstFailure = status;
                firstFailureClass = FwiDpErrors::LastClass();
                firstFailureStatus = FwiDpErrors::LastStatus();
            }
        };

        for (unsigned i = 0; i < parsedObjects.GetCount() && !stop; ++i) {
            std::unique_ptr<ParsedObject> po = parsedObjects.Take(i);
            const Policy policy = PolicyOf(po.get());
            const u16 commandId = po->GetCommandId();
            std::vector<std::unique_ptr<CpController>> selected;
            if (po->GetAdapterNumber() == ParsedObject::kAllAdapters) {
                ControllerMgmt::Instance().Discover();
                if (ControllerMgmt::Instance().GetControllerCount() == 0 && RunsWithoutController(commandId))
                    selected.push_back(CpControllerFactory::Create(nullptr, std::move(po), commandId));
                else
                    selected = GetAllCpControllers(po.get());
                if (selected.empty())
                    PrintMessage(CommonMsg::kNoControllerList);
            } else if (std::unique_ptr<CpController> cp = GetCpController(std::move(po))) {
                selected.push_back(std::move(cp));
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
        // The run ends as the first failed adapter ended: with its status, and with the firmware
        // status it failed on as the run's last one, whatever the adapters after it did.
        if (haveFailure) {
            result = firstFailure;
            FwiDpErrors::Record(firstFailureClass, firstFailureStatus);
        }

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
