// The maintenance requests of the Adapter's data: the self diagnostic, the cache flush and the
// shutdown, and the advanced event capture.
#include <algorithm>
#include <vector>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/AdapterDataFwi.h"
#include "fwdata/layout/AecSettings.h"
#include "fwdata/layout/Diagnostic.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"

int AdapterDataFwi::PerformDiagnostic(u32 seconds)
{
    std::vector<u8> scratch(diagnostic::kSize, 0);
    const u32 mbox[3] = {seconds, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlDiagnostic, mbox, scratch.data(), diagnostic::kSize);
    return controller_->Execute(request);
}

int AdapterDataFwi::FlushCache()
{
    const u32 mbox[3] = {mailbox::kFlushAllCaches, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlFlushCache, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int AdapterDataFwi::ShutDown(u8 kind)
{
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU8(mailbox::kOffShutdownKind, kind);
    DcmdFwiDpParams request(kDcmdCtrlShutdown, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int AdapterDataFwi::ControlAec(u32 operation, u32 word1, u32 word2, u32* returnedWord2)
{
    const u32 mbox[3] = {operation, word1, word2};
    DcmdFwiDpParams request(kDcmdCtrlAecControl, mbox, nullptr, 0);
    const int status = controller_->Execute(request);
    if (returnedWord2 != nullptr)
        *returnedWord2 = request.GetMailboxWord(2);
    return status;
}

int AdapterDataFwi::ReadAecSegment(u32 index, u8* buffer, u32* length)
{
    const u32 mbox[3] = {index, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlAecGetSegment, mbox, buffer, aec::kSegmentSize);
    const int status = controller_->Execute(request);
    if (status != fwstatus::kInvalidParameter)  // a segment read that names no segment
        *length = request.GetMailboxWord(1);
    return status;
}

int AdapterDataFwi::GetAecSettings(u8* block)
{
    std::fill(block, block + aec::kSize, u8{0});
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlAecGetSettings, mbox, block, aec::kSize);
    return controller_->Execute(request);
}
