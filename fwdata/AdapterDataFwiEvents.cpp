// The event-log requests of the Adapter's data: log information, event list, event count and
// clear.
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/AdapterDataFwi.h"
#include "fwdata/LeBytes.h"

namespace {

constexpr u32 kDcmdEventGetInfo = 0x01040100;
constexpr u32 kDcmdEventClear = 0x01040200;
constexpr u32 kDcmdEventGetList = 0x01040300;
constexpr u32 kDcmdEventGetCount = 0x01040400;

constexpr u32 kEventInfoSize = 20;  // five u32 sequence numbers
constexpr u32 kEventInfoNumbers = 5;
constexpr u32 kEventCountSize = 4;

}  // namespace

int AdapterDataFwi::GetEventLogInfo(const u32** numbers)
{
    eventLogInfo_.clear();
    u8 block[kEventInfoSize] = {};
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdEventGetInfo, mbox, block, sizeof block);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    for (u32 i = 0; i < kEventInfoNumbers; ++i)
        eventLogInfo_.push_back(LeU32(block, 4 * i));
    *numbers = eventLogInfo_.data();
    return 0;
}

int AdapterDataFwi::GetEvents(u32 startSeq, u8* buffer, u32 length, u32 classLocale)
{
    const u32 mbox[3] = {startSeq, classLocale, 0};
    DcmdFwiDpParams request(kDcmdEventGetList, mbox, buffer, length);
    return controller_->Execute(request);
}

int AdapterDataFwi::GetEventCount(u32* count, u32 startSeq, u32 classLocale)
{
    u8 block[kEventCountSize] = {};
    const u32 mbox[3] = {startSeq, classLocale, 0};
    DcmdFwiDpParams request(kDcmdEventGetCount, mbox, block, sizeof block);
    int status = controller_->Execute(request);
    if (status == 0)
        *count = LeU32(block, 0);
    return status;
}

int AdapterDataFwi::ClearEventLog()
{
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdEventClear, mbox, nullptr, 0);
    return controller_->Execute(request);
}
