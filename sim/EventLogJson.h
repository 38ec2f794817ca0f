// The state file's form of the event log (the controller's `events` object) and of one event's
// arguments. Reading validates as it goes and throws StateError naming the field.
#pragma once
#include <string>

#include "EventLog.h"
#include "JsonReader.h"

namespace sim {

void ReadEventLog(const JsonValue& value, const std::string& path, EventLog& log);  // EventLogJson.cpp
Json WriteEventLog(const EventLog& log);

EventArgs ReadEventArgs(ObjectReader& reader);  // EventArgsJson.cpp
Json WriteEventArgs(const EventArgs& args);

}  // namespace sim
