#include "CpMgmt/CpController.h"

#include "CpMgmt/CommandProcessor.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CommandIds.h"
#include "cmdtool/ParsedObject.h"
#include "controller/Controller.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

CpController::CpController(Controller* controller, ParsedObject* parsedObject, u16 commandId)
    : controller_(controller), parsedObject_(parsedObject), commandId_(commandId)
{
}

int CpController::PreChecks()
{
    u8 adapter = controller_->GetControllerId().GetAdapterNumber();
    RaidManager* manager = RaidManager::GetRaidManager(controller_);
    if (manager == nullptr) {
        PrintMessage(CommonMsg::kNoRaidManager, adapter);
        return -1;
    }
    int status = manager->RefreshAdapter();
    if (status != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return status;
    }
    return 0;
}

int CpController::Execute()
{
    if (processor_ == nullptr) {
        if (controller_ != nullptr && !SkipsPreChecks(commandId_)) {
            int status = PreChecks();
            if (status != 0)
                return status;
        }
        processor_ = CommandProcessorFactory::Instance().Create(commandId_);
        if (processor_ == nullptr) {
            PrintMessage(CommonMsg::kText, "Un-supported command\n");
            return -1;
        }
    }
    return processor_->Process(this, parsedObject_.get());
}

int CpController::IsDone() const { return processor_ ? processor_->IsDone() : 1; }
