#include "CpMgmt/CommandProcessor.h"

#include "CpMgmt/CpController.h"
#include "controller/Controller.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

u8 AdapterNumberOf(CpController* cpController)
{
    Controller* controller = cpController ? cpController->GetController() : nullptr;
    return controller ? controller->GetControllerId().GetAdapterNumber() : 0;
}

RaidManager* RaidManagerOrReport(CpController* cpController, u8 adapter)
{
    RaidManager* manager = RaidManager::GetRaidManager(cpController ? cpController->GetController() : nullptr);
    if (manager == nullptr)
        PrintMessage(CommonMsg::kNoRaidManager, adapter);
    return manager;
}

Adapter* AdapterOrReport(CpController* cpController, u8 adapter, bool refresh, RaidManager** manager)
{
    RaidManager* raidManager = RaidManagerOrReport(cpController, adapter);
    if (raidManager == nullptr)
        return nullptr;
    if (refresh)
        raidManager->Refresh();
    Adapter* element = nullptr;
    if (raidManager->GetAdapter(&element) != 0 || element == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return nullptr;
    }
    if (manager != nullptr)
        *manager = raidManager;
    return element;
}

Adapter* RefreshedAdapterOrReport(CpController* cpController, u8 adapter, RaidManager** manager)
{
    RaidManager* rm = RaidManagerOrReport(cpController, adapter);
    if (rm == nullptr)
        return nullptr;
    if (rm->Refresh() != 0) {
        PrintMessage(CommonMsg::kRaidManagerInitFailed, adapter);
        return nullptr;
    }
    Adapter* element = nullptr;
    if (rm->GetAdapter(&element) != 0 || element == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return nullptr;
    }
    if (manager != nullptr)
        *manager = rm;
    return element;
}

int CommandProcessor::ResolveEnclosureId(CpController* cpController, u16* enclosureId)
{
    if (*enclosureId != EnclSlotId::kUnresolved)
        return 0;
    RaidManager* manager = RaidManager::GetRaidManager(cpController ? cpController->GetController() : nullptr);
    if (manager == nullptr) {
        PrintMessage(CommonMsg::kNoRaidManager, AdapterNumberOf(cpController));
        return -1;
    }
    u16 single = 0;
    int status = manager->GetSingleEnclDeviceId(&single);
    switch (status) {
    case 0:
        *enclosureId = single;
        return 0;
    case 1:
        PrintMessage(CommonMsg::kMultipleEnclosures);
        return 1;
    case 2:
        PrintMessage(CommonMsg::kDirectConnected);
        return 2;
    default:
        return status;
    }
}
