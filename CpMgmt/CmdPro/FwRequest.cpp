#include "CpMgmt/CmdPro/FwRequest.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "CpMgmt/CpController.h"
#include "controller/Controller.h"
#include "controller/DpParams.h"

RequestMailbox::RequestMailbox(u32 word0, u32 word1)
{
    ByteWriter writer(bytes);
    writer.PutU32(mailbox::kOffWord0, word0);
    writer.PutU32(mailbox::kOffWord1, word1);
}

RequestMailbox::RequestMailbox(const u8 (&raw)[mailbox::kSize])
{
    std::copy(std::begin(raw), std::end(raw), bytes);
}

namespace {

Controller* ControllerOfFwRequest(CpController* cpController)
{
    return cpController != nullptr ? cpController->GetController() : nullptr;
}

// Builds the request and executes it on the controller; -1 without one.
template <class Request, class... Args>
int ExecuteFwRequest(Controller* controller, Args&&... args)
{
    if (controller == nullptr)
        return -1;
    Request request(std::forward<Args>(args)...);
    return controller->Execute(request);
}

}  // namespace

int SendDcmd(Controller* controller, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox)
{
    return ExecuteFwRequest<DcmdFwiDpParams>(controller, opcode, mbox.bytes, buffer, length);
}

int SendDcmd(CpController* cpController, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox)
{
    return SendDcmd(ControllerOfFwRequest(cpController), opcode, buffer, length, mbox);
}

int ReadDcmdBlock(Controller* controller, u32 opcode, std::vector<u8>* block, u32 length, const RequestMailbox& mbox)
{
    block->assign(length, 0);
    if (controller == nullptr)
        return -1;
    DcmdFwiDpParams request(opcode, mbox.bytes, block->data(), length);
    const int status = controller->Execute(request);
    if (status == 0)
        block->resize(std::min<std::size_t>(request.GetReplyLength(), block->size()));
    return status;
}

int ReadDcmdBlock(CpController* cpController, u32 opcode, std::vector<u8>* block, u32 length, const RequestMailbox& mbox)
{
    return ReadDcmdBlock(ControllerOfFwRequest(cpController), opcode, block, length, mbox);
}

int SendPrivateDcmd(Controller* controller, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox)
{
    return ExecuteFwRequest<DcmdFwiDpPrvParams>(controller, opcode, mbox.bytes, buffer, length);
}

int SendPrivateDcmd(CpController* cpController, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox)
{
    return SendPrivateDcmd(ControllerOfFwRequest(cpController), opcode, buffer, length, mbox);
}

int SendDriverRequest(Controller* controller, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox)
{
    const ByteView view(mbox.bytes);
    const u32 words[3] = {view.U32(mailbox::kOffWord0), view.U32(mailbox::kOffWord1), view.U32(mailbox::kOffWord2)};
    return ExecuteFwRequest<DriverFwiDPParams>(controller, opcode, words, buffer, length);
}

int SendDriverRequest(CpController* cpController, u32 opcode, void* buffer, u32 length, const RequestMailbox& mbox)
{
    return SendDriverRequest(ControllerOfFwRequest(cpController), opcode, buffer, length, mbox);
}

int SendPassThrough(Controller* controller, DcdbFwiDpParams& request)
{
    return controller != nullptr ? controller->Execute(request) : -1;
}

int SendPassThrough(CpController* cpController, DcdbFwiDpParams& request)
{
    return SendPassThrough(ControllerOfFwRequest(cpController), request);
}
