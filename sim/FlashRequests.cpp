#include "FlashRequests.h"

#include "FlashRegion.h"

namespace sim {
namespace {

u32 MailboxWord0(const Mailbox& mailbox)
{
    return static_cast<u32>(mailbox[0]) | (static_cast<u32>(mailbox[1]) << 8) | (static_cast<u32>(mailbox[2]) << 16) |
           (static_cast<u32>(mailbox[3]) << 24);
}

}  // namespace

void OpenFlashRequest(DcmdCall& call) { call.status = OpenFlash(call.controller, MailboxWord0(call.mailbox)); }

void FlashChunkRequest(DcmdCall& call)
{
    call.status = WriteFlashChunk(call.controller, MailboxWord0(call.mailbox), call.data.Data(), call.data.Size());
}

void CommitFlashRequest(DcmdCall& call)
{
    call.status = CommitFlash(call.controller, call.model.clock, &call.changed);
}

void AbortFlashRequest(DcmdCall& call) { AbortFlash(call.controller); }

}  // namespace sim
