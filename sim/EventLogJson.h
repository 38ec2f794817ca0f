// The state file's form of the event log (the controller's `events` object), of one event and
// its arguments, and of the event capture (the controller's `aec` object). Reading validates as it goes and throws StateError naming the field.
#pragma once
#include <string>

#include "EventCapture.h"
#include "EventLog.h"
#include "JsonReader.h"

namespace sim {

void ReadEventLog(const JsonValue& value, const std::string& path, EventLog& log);  // EventLogJson.cpp
Json WriteEventLog(const EventLog& log);
EventRecord ReadEventRecord(const JsonValue& value, const std::string& path);
Json WriteEventRecord(const EventRecord& record);

void ReadEventCapture(ObjectReader& reader, EventCapture& capture);  // EventCaptureJson.cpp
Json WriteEventCapture(const EventCapture& capture);

EventArgs ReadEventArgs(ObjectReader& reader);  // EventArgsJson.cpp
Json WriteEventArgs(const EventArgs& args);

}  // namespace sim
