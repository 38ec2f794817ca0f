#include "EventLog.h"

#include "EventCodes.h"
#include "Model.h"

namespace sim {

u32 AppendEvent(Controller& controller, const SimClock& clock, u32 code, i8 eventClass, u16 locale,
                const EventArgs& args, const std::string& description)
{
    EventLog& log = controller.events;
    if (!log.records.empty() && log.records.back().seq == kLastEventSeq)
        return kLastEventSeq;  // numbers do not wrap: a log at the last number takes no more events
    EventRecord record;
    record.seq = log.records.empty() ? 1 : log.records.back().seq + 1;
    record.time = static_cast<u32>(clock.now);
    record.code = code;
    record.locale = locale;
    record.eventClass = eventClass;
    record.args = args;
    for (char c : description) {
        if (c == '\0' || record.description.size() == kEventDescriptionSize)
            break;
        record.description.push_back(c >= 0x20 && c <= 0x7E ? c : '?');
    }
    CaptureEvent(controller.capture, record);
    log.records.push_back(std::move(record));
    const std::size_t limit = log.maxRecords == 0 ? 1 : log.maxRecords;
    if (log.records.size() > limit)
        log.records.erase(log.records.begin(), log.records.begin() + static_cast<std::ptrdiff_t>(log.records.size() - limit));
    return log.records.back().seq;
}

u32 AppendEvent(Controller& controller, const SimClock& clock, u32 code, const EventArgs& args,
                const std::string& description)
{
    const EventCode* row = FindEventCode(code);
    const i8 eventClass = row != nullptr ? row->eventClass : kEventInfo;
    const u16 locale = row != nullptr ? row->locale : kLocaleController;
    const std::string text = !description.empty() || row == nullptr ? description : std::string(row->description);
    return AppendEvent(controller, clock, code, eventClass, locale, args, text);
}

void ClearEventLog(Controller& controller, const SimClock& clock)
{
    controller.events.clearSeq = AppendEvent(controller, clock, kEvLogCleared, EventArgs::None());
}

EventLogInfo GetEventLogInfo(const EventLog& log)
{
    EventLogInfo info;
    if (!log.records.empty()) {
        info.newest = log.records.back().seq;
        info.oldest = log.records.front().seq;
    }
    info.clear = log.clearSeq;
    info.shutdown = log.shutdownSeq;
    info.boot = log.bootSeq;
    return info;
}

EventFilter EventFilter::FromMailbox(u32 start, u32 classLocaleWord)
{
    EventFilter filter;
    filter.start = start;
    filter.locale = static_cast<u16>(classLocaleWord & 0xFFFF);
    filter.minClass = static_cast<i8>(static_cast<u8>(classLocaleWord >> 24));
    return filter;
}

bool EventFilter::Passes(const EventRecord& record) const
{
    return record.seq >= start && (record.locale & locale) != 0 && record.eventClass >= minClass;
}

std::vector<const EventRecord*> SelectEvents(const EventLog& log, const EventFilter& filter, std::size_t limit)
{
    std::vector<const EventRecord*> selected;
    for (const EventRecord& record : log.records) {
        if (selected.size() == limit)
            break;
        if (filter.Passes(record))
            selected.push_back(&record);
    }
    return selected;
}

std::size_t CountEvents(const EventLog& log, const EventFilter& filter)
{
    std::size_t count = 0;
    for (const EventRecord& record : log.records)
        count += filter.Passes(record) ? 1 : 0;
    return count;
}

}  // namespace sim
