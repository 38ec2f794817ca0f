// The performance monitor's results (0x01170200): the cache section, then the virtual drives'
// overall section. The reply is as long as its entries need; the dispatcher cuts it to the
// caller's length.
//
// Cache section: a 40-byte header (u32 offset of the overall section @0, u32 collection period
// in seconds @4, 0 when no sample is complete; u32 average dirty cache percent @8, average cache
// used percent @12, read-ahead cache MB @16, read-ahead SSC MB @20, unused read-ahead cache MB
// @24, unused read-ahead SSC MB @28, flush block time ms @32; u16 SSC entries @36, u16 cache
// entries @38), a 104-byte cache entry per virtual drive that is no SSD cache (target id @0,
// then 6 x u32 cache reads @8, cache writes @32, SSC reads @56, SSC writes @80), a 116-byte
// entry per SSD-cache virtual drive (target id @0, i32 windows @4, new windows @8, u8 cache lines
// in use @12, i32 windows with them @16, reads @20, writes @24, 11 x i32 read access @28, write
// access @72).
// Overall section: u32 bytes of its entries @0, u32 collection period @4, then a 120-byte entry
// per virtual drive that is no SSD cache (target id @0, u16 idle seconds @2, u32 read MB @8,
// write MB @12, 6 x u32 reads by size @16, writes by size @40, 7 x u32 reads by randomness @64,
// writes by randomness @92).
#include <algorithm>

#include "Encoders.h"
#include "PerfMonitor.h"

namespace sim {
namespace {

constexpr u32 kCacheHeaderSize = 40;
constexpr u32 kOverallOffset = 0;  // u32
constexpr u32 kPeriod = 4;         // u32, in both sections
constexpr u32 kDirty = 8;
constexpr u32 kUsed = 12;
constexpr u32 kReadAheadCache = 16;
constexpr u32 kReadAheadSsc = 20;
constexpr u32 kUnusedReadAheadCache = 24;
constexpr u32 kUnusedReadAheadSsc = 28;
constexpr u32 kFlushBlockTime = 32;
constexpr u32 kSscCount = 36;    // u16
constexpr u32 kCacheCount = 38;  // u16

constexpr u32 kCacheEntrySize = 104;
constexpr u32 kCacheReads = 8;
constexpr u32 kCacheWrites = 32;
constexpr u32 kSscReads = 56;
constexpr u32 kSscWrites = 80;

constexpr u32 kSscEntrySize = 116;
constexpr u32 kWindows = 4;
constexpr u32 kNewWindows = 8;
constexpr u32 kLinesInUse = 12;  // u8
constexpr u32 kWindowsWithLines = 16;
constexpr u32 kSscEntryReads = 20;
constexpr u32 kSscEntryWrites = 24;
constexpr u32 kReadAccess = 28;
constexpr u32 kWriteAccess = 72;

constexpr u32 kOverallHeaderSize = 8;
constexpr u32 kEntriesSize = 0;  // u32
constexpr u32 kOverallEntrySize = 120;
constexpr u32 kIdle = 2;  // u16
constexpr u32 kReadMb = 8;
constexpr u32 kWriteMb = 12;
constexpr u32 kReadsBySize = 16;
constexpr u32 kWritesBySize = 40;
constexpr u32 kReadsByRandomness = 64;
constexpr u32 kWritesByRandomness = 92;

u32 Times(u32 perSample, u64 samples, u64 max = 0xFFFFFFFF)
{
    const u64 total = samples != 0 && perSample > max / samples ? max : perSample * samples;
    return static_cast<u32>(std::min(total, max));
}

template <std::size_t N>
void PutScaledCounts(ByteSpan entry, u32 offset, const std::array<u32, N>& perSample, u64 samples)
{
    for (std::size_t i = 0; i < N; ++i)
        entry.PutU32(offset + 4 * i, Times(perSample[i], samples));
}

template <std::size_t N>
void PutFigures(ByteSpan entry, u32 offset, const std::array<u32, N>& figures)
{
    for (std::size_t i = 0; i < N; ++i)
        entry.PutU32(offset + 4 * i, figures[i]);
}

template <class Sample>
const Sample* SampleOf(const std::vector<Sample>& samples, u8 targetId)
{
    const auto it = std::find_if(samples.begin(), samples.end(), [&](const Sample& s) { return s.targetId == targetId; });
    return it == samples.end() ? nullptr : &*it;
}

}  // namespace

Block EncodePerfResults(const Controller& controller, u64 now)
{
    const PerfMonitor& monitor = controller.perfMonitor;
    std::vector<const VirtualDrive*> vds;
    std::vector<const VirtualDrive*> caches;
    for (const VirtualDrive& vd : controller.config.virtualDrives)
        (vd.ssdCache ? caches : vds).push_back(&vd);
    const auto byTarget = [](const VirtualDrive* a, const VirtualDrive* b) { return a->targetId < b->targetId; };
    std::sort(vds.begin(), vds.end(), byTarget);
    std::sort(caches.begin(), caches.end(), byTarget);

    const u64 samples = PerfSamples(monitor, now);
    const u32 period = Times(monitor.intervalMinutes * 60, samples);
    const u32 overall = kCacheHeaderSize + kCacheEntrySize * vds.size() + kSscEntrySize * caches.size();
    Block block(overall + kOverallHeaderSize + kOverallEntrySize * vds.size());

    block.PutU32(kOverallOffset, overall);
    block.PutU32(kPeriod, period);
    const PerfCacheFigures& cache = monitor.cache;
    block.PutU32(kDirty, cache.dirtyPercent);
    block.PutU32(kUsed, cache.usedPercent);
    block.PutU32(kReadAheadCache, cache.readAheadCacheMb);
    block.PutU32(kReadAheadSsc, cache.readAheadSscMb);
    block.PutU32(kUnusedReadAheadCache, cache.unusedReadAheadCacheMb);
    block.PutU32(kUnusedReadAheadSsc, cache.unusedReadAheadSscMb);
    block.PutU32(kFlushBlockTime, cache.flushBlockTimeMs);
    block.PutU16(kSscCount, caches.size());
    block.PutU16(kCacheCount, vds.size());

    static const PerfVdSample kIdleVd;
    static const PerfSscSample kIdleCache;
    u32 at = kCacheHeaderSize;
    for (const VirtualDrive* vd : vds) {
        const PerfVdSample* s = SampleOf(monitor.vdSamples, vd->targetId);
        const PerfVdSample& sample = s != nullptr ? *s : kIdleVd;
        ByteSpan entry = block.Slice(at, kCacheEntrySize);
        entry.PutU8(0, vd->targetId);
        PutScaledCounts(entry, kCacheReads, sample.cacheReads, samples);
        PutScaledCounts(entry, kCacheWrites, sample.cacheWrites, samples);
        PutScaledCounts(entry, kSscReads, sample.sscReads, samples);
        PutScaledCounts(entry, kSscWrites, sample.sscWrites, samples);
        at += kCacheEntrySize;
    }
    for (const VirtualDrive* vd : caches) {
        const PerfSscSample* s = SampleOf(monitor.sscSamples, vd->targetId);
        const PerfSscSample& sample = s != nullptr ? *s : kIdleCache;
        ByteSpan entry = block.Slice(at, kSscEntrySize);
        entry.PutU8(0, vd->targetId);
        entry.PutU32(kWindows, sample.windows);
        entry.PutU32(kNewWindows, Times(sample.newWindows, samples));
        entry.PutU8(kLinesInUse, sample.cacheLinesInUse);
        entry.PutU32(kWindowsWithLines, sample.windowsWithLines);
        entry.PutU32(kSscEntryReads, Times(sample.reads, samples));
        entry.PutU32(kSscEntryWrites, Times(sample.writes, samples));
        PutFigures(entry, kReadAccess, sample.readAccess);
        PutFigures(entry, kWriteAccess, sample.writeAccess);
        at += kSscEntrySize;
    }

    block.PutU32(overall + kEntriesSize, kOverallEntrySize * vds.size());
    block.PutU32(overall + kPeriod, period);
    at = overall + kOverallHeaderSize;
    for (const VirtualDrive* vd : vds) {
        const PerfVdSample* s = SampleOf(monitor.vdSamples, vd->targetId);
        const PerfVdSample& sample = s != nullptr ? *s : kIdleVd;
        ByteSpan entry = block.Slice(at, kOverallEntrySize);
        entry.PutU8(0, vd->targetId);
        entry.PutU16(kIdle, Times(sample.idleSeconds, samples, 0xFFFF));
        entry.PutU32(kReadMb, Times(sample.readMb, samples));
        entry.PutU32(kWriteMb, Times(sample.writeMb, samples));
        PutScaledCounts(entry, kReadsBySize, sample.reads, samples);
        PutScaledCounts(entry, kWritesBySize, sample.writes, samples);
        PutScaledCounts(entry, kReadsByRandomness, sample.readRandomness, samples);
        PutScaledCounts(entry, kWritesByRandomness, sample.writeRandomness, samples);
        at += kOverallEntrySize;
    }
    return block;
}

}  // namespace sim
