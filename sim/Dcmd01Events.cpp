#include "Dcmd01Events.h"

#include "EventLog.h"
#include "FwStatus.h"
#include "Model.h"

namespace sim {
namespace {

constexpr u32 kFwNoSuchObject = 35;  // no event matches the request

// Log information, 20 bytes.
namespace log_info {

constexpr std::size_t kNewest = 0;
constexpr std::size_t kOldest = 4;
constexpr std::size_t kClear = 8;
constexpr std::size_t kShutdown = 12;
constexpr std::size_t kBoot = 16;
constexpr std::size_t kSize = 20;

}  // namespace log_info

// Event list: a count, four unused bytes, then the records.
namespace event_list {

constexpr std::size_t kCount = 0;
constexpr std::size_t kRecords = 8;

}  // namespace event_list

// Event record, kEventRecordSize bytes.
constexpr std::size_t kRecSeq = 0;
constexpr std::size_t kRecTime = 4;
constexpr std::size_t kRecCode = 8;
constexpr std::size_t kRecLocale = 12;
constexpr std::size_t kRecClass = 15;
constexpr std::size_t kRecArgType = 16;
constexpr std::size_t kRecDescription = 128;

EventFilter RequestFilter(const DcmdCall& call)
{
    return EventFilter::FromMailbox(MailboxWord(call.mailbox, 0), MailboxWord(call.mailbox, 1));
}

}  // namespace

void PutEventRecord(ByteSpan out, const EventRecord& record)
{
    out.PutU32(kRecSeq, record.seq);
    out.PutU32(kRecTime, record.time);
    out.PutU32(kRecCode, record.code);
    out.PutU16(kRecLocale, record.locale);
    out.PutU8(kRecClass, static_cast<u8>(record.eventClass));
    out.PutU8(kRecArgType, record.args.Type());
    const auto& area = record.args.Area();
    for (std::size_t i = 0; i < area.size(); ++i)
        out.PutU8(kEventArgsOffset + i, area[i]);
    out.PutText(kRecDescription, kEventDescriptionSize, record.description);
}

void GetEventLogInfoRequest(DcmdCall& call)
{
    const EventLogInfo info = GetEventLogInfo(call.controller.events);
    call.reply = Block(log_info::kSize);
    call.reply.PutU32(log_info::kNewest, info.newest);
    call.reply.PutU32(log_info::kOldest, info.oldest);
    call.reply.PutU32(log_info::kClear, info.clear);
    call.reply.PutU32(log_info::kShutdown, info.shutdown);
    call.reply.PutU32(log_info::kBoot, info.boot);
}

void ClearEventLogRequest(DcmdCall& call)
{
    ClearEventLog(call.controller, call.model.clock);
    call.changed = true;
}

// As many whole records as the caller's transfer holds.
void GetEventsRequest(DcmdCall& call)
{
    const std::size_t length = call.data.Size();
    if (length < event_list::kRecords)
        return;
    const std::size_t room = (length - event_list::kRecords) / kEventRecordSize;
    const std::vector<const EventRecord*> records = SelectEvents(call.controller.events, RequestFilter(call), room);
    call.reply = Block(event_list::kRecords + records.size() * kEventRecordSize);
    call.reply.PutU32(event_list::kCount, records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        PutEventRecord(call.reply.Slice(event_list::kRecords + i * kEventRecordSize, kEventRecordSize), *records[i]);
}

void GetEventCountRequest(DcmdCall& call)
{
    const std::size_t count = CountEvents(call.controller.events, RequestFilter(call));
    if (count == 0) {
        call.status = kFwNoSuchObject;
        return;
    }
    call.reply = Block(4);
    call.reply.PutU32(0, count);
}

}  // namespace sim
