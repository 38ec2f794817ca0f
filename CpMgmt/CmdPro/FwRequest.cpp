#include "CpMgmt/CmdPro/FwRequest.h"

#include "CpMgmt/CpController.h"
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/layout/Mailbox.h"

int SendDcmd(CpController* cpController, u32 opcode, void* buffer, u32 length, const u8* mailbox)
{
    Controller* controller = cpController != nullptr ? cpController->GetController() : nullptr;
    if (controller == nullptr)
        return -1;
    const u8 none[mailbox::kSize] = {};
    DcmdFwiDpParams request(opcode, mailbox != nullptr ? mailbox : none, buffer, length);
    return controller->Execute(request);
}

int SendPrivateDcmd(CpController* cpController, u32 opcode, void* buffer, u32 length)
{
    Controller* controller = cpController != nullptr ? cpController->GetController() : nullptr;
    if (controller == nullptr)
        return -1;
    const u8 none[mailbox::kSize] = {};
    DcmdFwiDpPrvParams request(opcode, none, buffer, length);
    return controller->Execute(request);
}

int SendDriverRequest(CpController* cpController, u32 opcode, void* buffer, u32 length)
{
    Controller* controller = cpController != nullptr ? cpController->GetController() : nullptr;
    if (controller == nullptr)
        return -1;
    const u32 words[3] = {0, 0, 0};
    DriverFwiDPParams request(opcode, words, buffer, length);
    return controller->Execute(request);
}
