#include "FlashRequests.h"

#include "FlashRegion.h"

namespace sim {
void OpenFlashRequest(DcmdCall& call) { call.status = OpenFlash(call.controller, MailboxWord(call.mailbox, 0)); }

void FlashChunkRequest(DcmdCall& call)
{
    call.status = WriteFlashChunk(call.controller, MailboxWord(call.mailbox, 0), call.data.Data(), call.data.Size());
}

void CommitFlashRequest(DcmdCall& call)
{
    call.status = CommitFlash(call.controller, call.model.clock, &call.changed);
}

void AbortFlashRequest(DcmdCall& call) { AbortFlash(call.controller); }

}  // namespace sim
