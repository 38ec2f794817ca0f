// The "perf_monitor" object of a controller in the state file: the collection's interval, start
// and stop, the cache figures and what one sample adds for each virtual drive.
#pragma once
#include "JsonReader.h"

namespace sim {

void ReadPerfMonitor(ObjectReader& reader, PerfMonitor& monitor);
Json WritePerfMonitor(const PerfMonitor& monitor);

}  // namespace sim
