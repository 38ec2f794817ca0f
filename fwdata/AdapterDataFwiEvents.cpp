// The event-log requests of the Adapter's data: log information, event list, event count and
// clear.
#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/AdapterDataFwi.h"
#include "fwdata/layout/EventList.h"
#include "fwdata/layout/EventLogInfo.h"
#include "fwdata/layout/Opcodes.h"

int AdapterDataFwi::GetEventLogInfo(const u32** numbers)
{
    eventLogInfo_.clear();
    u8 block[evloginfo::kSize] = {};
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlEventGetInfo, mbox, block, sizeof block);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    const ByteView info(block);
    for (u32 i = 0; i < evloginfo::kNumbers; ++i)
        eventLogInfo_.push_back(info.U32(evloginfo::kNumberSize * i));
    *numbers = eventLogInfo_.data();
    return 0;
}

int AdapterDataFwi::GetEvents(u32 startSeq, u8* buffer, u32 length, u32 classLocale)
{
    const u32 mbox[3] = {startSeq, classLocale, 0};
    DcmdFwiDpParams request(kDcmdCtrlEventGetList, mbox, buffer, length);
    const int status = controller_->Execute(request);
    if (status != 0)
        return status;
    // A reply that holds no count, or fewer records than its count says, is a failed read: its
    // missing records would be read as zeros. A count beyond the buffer is the caller's to judge.
    const u32 placed = std::min(length, request.GetReplyLength());
    const ByteView list(buffer, placed);
    const u32 records = list.U32(evlist::kOffCount);
    const u64 needed = evlist::kHeaderSize + u64{records} * evlist::kRecordSize;
    if (!list.Ok() || (needed <= length && placed < needed))
        return -1;
    return 0;
}

int AdapterDataFwi::GetEventCount(u32* count, u32 startSeq, u32 classLocale)
{
    u8 block[evlist::kCountReplySize] = {};
    const u32 mbox[3] = {startSeq, classLocale, 0};
    DcmdFwiDpParams request(kDcmdCtrlEventGetCount, mbox, block, sizeof block);
    int status = controller_->Execute(request);
    if (status == 0)
        *count = ByteView(block).U32(evlist::kCountReplyOffCount);
    return status;
}

int AdapterDataFwi::ClearEventLog()
{
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlEventClear, mbox, nullptr, 0);
    return controller_->Execute(request);
}
