#include "PerfMonitorJson.h"

#include "Clock.h"

namespace sim {
namespace {

constexpr std::size_t kMaxSamples = 64;  // one per virtual drive

template <std::size_t N>
void ReadCounts(ObjectReader& r, const char* key, std::array<u32, N>& out)
{
    std::size_t i = 0;
    ReadList(r, key, N, [&](const JsonValue& item, const std::string& path) {
        out[i++] = static_cast<u32>(AsUnsigned(item, path, 0xFFFFFFFF));
    });
}

template <std::size_t N>
Json WriteCounts(const std::array<u32, N>& counts)
{
    Json out = Json::array();
    for (u32 count : counts)
        out.push_back(count);
    return out;
}

std::optional<u64> ReadTime(ObjectReader& r, const char* key)
{
    const auto value = r.Take(key);
    if (!value || value->is_null())
        return std::nullopt;
    return AsUnsigned(*value, r.PathOf(key), kClockMax);
}

Json WriteTime(const std::optional<u64>& time) { return time ? Json(*time) : Json(nullptr); }

PerfVdSample ReadVdSample(ObjectReader& r)
{
    PerfVdSample s;
    s.targetId = static_cast<u8>(r.Unsigned("target_id", 63, 0));
    s.idleSeconds = ReadU32(r, "idle_seconds");
    s.readMb = ReadU32(r, "read_mb");
    s.writeMb = ReadU32(r, "write_mb");
    ReadCounts(r, "reads", s.reads);
    ReadCounts(r, "writes", s.writes);
    ReadCounts(r, "read_randomness", s.readRandomness);
    ReadCounts(r, "write_randomness", s.writeRandomness);
    ReadCounts(r, "cache_reads", s.cacheReads);
    ReadCounts(r, "cache_writes", s.cacheWrites);
    ReadCounts(r, "ssc_reads", s.sscReads);
    ReadCounts(r, "ssc_writes", s.sscWrites);
    return s;
}

Json WriteVdSample(const PerfVdSample& s)
{
    return Json{{"target_id", s.targetId},
                {"idle_seconds", s.idleSeconds},
                {"read_mb", s.readMb},
                {"write_mb", s.writeMb},
                {"reads", WriteCounts(s.reads)},
                {"writes", WriteCounts(s.writes)},
                {"read_randomness", WriteCounts(s.readRandomness)},
                {"write_randomness", WriteCounts(s.writeRandomness)},
                {"cache_reads", WriteCounts(s.cacheReads)},
                {"cache_writes", WriteCounts(s.cacheWrites)},
                {"ssc_reads", WriteCounts(s.sscReads)},
                {"ssc_writes", WriteCounts(s.sscWrites)}};
}

PerfSscSample ReadSscSample(ObjectReader& r)
{
    PerfSscSample s;
    s.targetId = static_cast<u8>(r.Unsigned("target_id", 63, 0));
    s.windows = ReadU32(r, "windows");
    s.newWindows = ReadU32(r, "new_windows");
    s.cacheLinesInUse = static_cast<u32>(r.Unsigned("cache_lines_in_use", 0xFF, 0));
    s.windowsWithLines = ReadU32(r, "windows_with_lines");
    s.reads = ReadU32(r, "reads");
    s.writes = ReadU32(r, "writes");
    ReadCounts(r, "read_access", s.readAccess);
    ReadCounts(r, "write_access", s.writeAccess);
    return s;
}

Json WriteSscSample(const PerfSscSample& s)
{
    return Json{{"target_id", s.targetId},
                {"windows", s.windows},
                {"new_windows", s.newWindows},
                {"cache_lines_in_use", s.cacheLinesInUse},
                {"windows_with_lines", s.windowsWithLines},
                {"reads", s.reads},
                {"writes", s.writes},
                {"read_access", WriteCounts(s.readAccess)},
                {"write_access", WriteCounts(s.writeAccess)}};
}

// Each virtual drive has at most one sample.
template <class Sample, class Read>
void ReadSamples(ObjectReader& r, const char* key, std::vector<Sample>& out, Read read)
{
    ReadList(r, key, kMaxSamples, [&](const JsonValue& item, const std::string& path) {
        ObjectReader reader(item, path);
        Sample sample = read(reader);
        reader.Finish();
        for (const Sample& other : out) {
            if (other.targetId == sample.targetId)
                Fail(path + ".target_id", "a second sample of target id " + std::to_string(sample.targetId));
        }
        out.push_back(sample);
    });
}

}  // namespace

void ReadPerfMonitor(ObjectReader& r, PerfMonitor& m)
{
    m.intervalMinutes = static_cast<u32>(r.Unsigned("interval_min", kMaxPerfInterval, 0));
    m.started = ReadTime(r, "started");
    m.stopped = ReadTime(r, "stopped");
    if (m.stopped && (!m.started || *m.stopped < *m.started))
        Fail(r.PathOf("stopped"), "a stop needs a start at or before it");
    if (m.started && m.intervalMinutes == 0)
        Fail(r.PathOf("interval_min"), "a started collection needs an interval from 1 to 1440");
    ReadObject(r, "cache", [&](ObjectReader& c) {
        m.cache.dirtyPercent = ReadU32(c, "dirty_pct");
        m.cache.usedPercent = ReadU32(c, "used_pct");
        m.cache.readAheadCacheMb = ReadU32(c, "read_ahead_cache_mb");
        m.cache.readAheadSscMb = ReadU32(c, "read_ahead_ssc_mb");
        m.cache.unusedReadAheadCacheMb = ReadU32(c, "unused_read_ahead_cache_mb");
        m.cache.unusedReadAheadSscMb = ReadU32(c, "unused_read_ahead_ssc_mb");
        m.cache.flushBlockTimeMs = ReadU32(c, "flush_block_time_ms");
    });
    ReadSamples(r, "vd_samples", m.vdSamples, ReadVdSample);
    ReadSamples(r, "ssc_samples", m.sscSamples, ReadSscSample);
}

Json WritePerfMonitor(const PerfMonitor& m)
{
    Json vds = Json::array();
    for (const PerfVdSample& s : m.vdSamples)
        vds.push_back(WriteVdSample(s));
    Json caches = Json::array();
    for (const PerfSscSample& s : m.sscSamples)
        caches.push_back(WriteSscSample(s));
    const PerfCacheFigures& c = m.cache;
    return Json{{"interval_min", m.intervalMinutes},
                {"started", WriteTime(m.started)},
                {"stopped", WriteTime(m.stopped)},
                {"cache", Json{{"dirty_pct", c.dirtyPercent},
                               {"used_pct", c.usedPercent},
                               {"read_ahead_cache_mb", c.readAheadCacheMb},
                               {"read_ahead_ssc_mb", c.readAheadSscMb},
                               {"unused_read_ahead_cache_mb", c.unusedReadAheadCacheMb},
                               {"unused_read_ahead_ssc_mb", c.unusedReadAheadSscMb},
                               {"flush_block_time_ms", c.flushBlockTimeMs}}},
                {"vd_samples", std::move(vds)},
                {"ssc_samples", std::move(caches)}};
}

}  // namespace sim
