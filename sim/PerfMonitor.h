// The controller's performance monitor. A collection runs from its start until it is stopped and
// takes a sample at the end of every interval of the controller clock; the results report what
// the complete samples gathered. What one sample adds for each virtual drive is part of the state
// (a workload the tests and the default topology choose); counts grow with the samples, the
// figures that describe the present (cache use, windows allocated, access histograms) are
// reported as they stand.
#pragma once
#include <array>
#include <optional>
#include <vector>

#include "ModelBasics.h"

namespace sim {

struct Controller;
struct SimClock;

constexpr u32 kMaxPerfInterval = 1440;  // minutes
constexpr std::size_t kIoSizeBuckets = 6;
constexpr std::size_t kRandomnessBuckets = 7;
constexpr std::size_t kAccessBuckets = 11;

using IoSizeCounts = std::array<u32, kIoSizeBuckets>;

// The controller cache's figures over a collection.
struct PerfCacheFigures {
    u32 dirtyPercent = 0;
    u32 usedPercent = 0;
    u32 readAheadCacheMb = 0;
    u32 readAheadSscMb = 0;
    u32 unusedReadAheadCacheMb = 0;
    u32 unusedReadAheadSscMb = 0;
    u32 flushBlockTimeMs = 0;
};

// What one sample adds for a virtual drive that is no SSD cache.
struct PerfVdSample {
    u8 targetId = 0;
    u32 idleSeconds = 0;
    u32 readMb = 0;
    u32 writeMb = 0;
    IoSizeCounts reads{};   // by I/O size
    IoSizeCounts writes{};
    std::array<u32, kRandomnessBuckets> readRandomness{};
    std::array<u32, kRandomnessBuckets> writeRandomness{};
    IoSizeCounts cacheReads{};
    IoSizeCounts cacheWrites{};
    IoSizeCounts sscReads{};
    IoSizeCounts sscWrites{};
};

// An SSD-cache virtual drive: its windows as they stand, and what one sample adds.
struct PerfSscSample {
    u8 targetId = 0;
    u32 windows = 0;            // allocated now
    u32 newWindows = 0;         // per sample
    u32 cacheLinesInUse = 0;    // u8 in the reply
    u32 windowsWithLines = 0;   // windows with that many cache lines in use
    u32 reads = 0;              // per sample
    u32 writes = 0;             // per sample
    std::array<u32, kAccessBuckets> readAccess{};
    std::array<u32, kAccessBuckets> writeAccess{};
};

struct PerfMonitor {
    u32 intervalMinutes = 0;
    std::optional<u64> started;  // clock seconds; none before the first start
    std::optional<u64> stopped;  // clock seconds; none while it runs
    PerfCacheFigures cache;
    std::vector<PerfVdSample> vdSamples;
    std::vector<PerfSscSample> sscSamples;
};

// Statuses of the monitor's requests beyond the common ones: 1 when the controller has no
// monitor, 3 for an interval above kMaxPerfInterval.
// Starts a collection (a running one starts over) with the interval in minutes, or stops the
// running one when the interval is 0 (stopping a stopped monitor changes nothing).
u32 StartOrStopPerfMonitor(Controller& controller, const SimClock& clock, u32 interval, bool* changed);
// Complete samples of the present collection by the clock.
u64 PerfSamples(const PerfMonitor& monitor, u64 now);
bool HasPerfMonitor(const Controller& controller);

}  // namespace sim
