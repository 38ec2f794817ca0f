// The controller's event log: numbered events kept across runs, with the sequence numbers of the
// last clear, the last shutdown and the current boot. Firmware rules append an event for each
// change they make; the oldest events go when the log is full. A clear keeps the events and
// records where it happened. Boots and shutdowns are not modelled: their numbers are set in the
// state file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "EventArgs.h"

namespace sim {

using i8 = std::int8_t;

struct Controller;
struct SimClock;

// Event classes.
constexpr i8 kEventDebug = -2;
constexpr i8 kEventProgress = -1;
constexpr i8 kEventInfo = 0;
constexpr i8 kEventWarning = 1;
constexpr i8 kEventCritical = 2;
constexpr i8 kEventFatal = 3;
constexpr i8 kEventDead = 4;

// Locale bits: which part of the controller an event concerns.
constexpr u16 kLocaleLd = 0x0001;
constexpr u16 kLocalePd = 0x0002;
constexpr u16 kLocaleEnclosure = 0x0004;
constexpr u16 kLocaleBattery = 0x0008;
constexpr u16 kLocaleSas = 0x0010;
constexpr u16 kLocaleController = 0x0020;
constexpr u16 kLocaleConfig = 0x0040;
constexpr u16 kLocaleCluster = 0x0080;
constexpr u16 kLocaleAll = 0xFFFF;

// A time stamp whose top byte is 0xFF counts seconds since the last reboot in its low 24 bits.
constexpr u32 kTimeSinceReboot = 0xFF000000;

constexpr std::size_t kEventDescriptionSize = 128;  // bytes; a text that fills them has no NUL
constexpr u32 kDefaultEventLogSize = 1024;
constexpr u32 kMaxEventLogSize = 65536;
constexpr u32 kLastEventSeq = 0xFFFFFFFF;

struct EventRecord {
    u32 seq = 0;
    u32 time = 0;  // seconds since 2000-01-01, or kTimeSinceReboot | seconds since reboot
    u32 code = 0;
    u16 locale = 0;
    i8 eventClass = kEventInfo;
    EventArgs args;
    std::string description;

    bool operator==(const EventRecord&) const = default;
};

struct EventLog {
    std::vector<EventRecord> records;  // ascending sequence numbers
    u32 clearSeq = 0;
    u32 shutdownSeq = 0;
    u32 bootSeq = 0;
    u32 maxRecords = kDefaultEventLogSize;  // the oldest go beyond this
};

// The numbers the controller reports for its log. An empty log reports 0 for newest and oldest.
struct EventLogInfo {
    u32 newest = 0;
    u32 oldest = 0;
    u32 clear = 0;
    u32 shutdown = 0;
    u32 boot = 0;
};

// Appends an event with the next sequence number (1 for the first) and the clock's time; the
// description is cut to 128 bytes (other than printable characters become '?'). Returns its
// sequence number.
u32 AppendEvent(Controller& controller, const SimClock& clock, u32 code, i8 eventClass, u16 locale,
                const EventArgs& args, const std::string& description);
// The same with the class, locale and description of the code's row in the event code table
// (EventCodes.h); a non-empty `description` replaces the row's text.
u32 AppendEvent(Controller& controller, const SimClock& clock, u32 code, const EventArgs& args,
                const std::string& description = "");

// Clears the log: the next event, "event log cleared", is where the clear happened.
void ClearEventLog(Controller& controller, const SimClock& clock);

EventLogInfo GetEventLogInfo(const EventLog& log);

// What an event request selects: events from a sequence number on whose locale shares a bit with
// the filter's and whose class is at least the filter's. The filter word: u16 locale bits in
// bits 0-15, the signed class in bits 24-31.
struct EventFilter {
    u32 start = 0;
    u16 locale = kLocaleAll;
    i8 minClass = kEventDebug;

    static EventFilter FromMailbox(u32 start, u32 classLocaleWord);
    bool Passes(const EventRecord& record) const;
};

// The selected events in ascending order, at most `limit` of them.
std::vector<const EventRecord*> SelectEvents(const EventLog& log, const EventFilter& filter, std::size_t limit);
std::size_t CountEvents(const EventLog& log, const EventFilter& filter);

}  // namespace sim
