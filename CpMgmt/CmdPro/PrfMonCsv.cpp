// The performance monitor's results as comma-separated text: the CACHE METRICS section
// (controller cache figures, per-virtual-drive cache histograms, SSD-cache windows) and the LD
// OVERALL METRICS section (per-virtual-drive I/O by size and randomness). Entry counts come from
// the reply and are cut to what the reply holds.
#include <algorithm>

#include "CpMgmt/CmdPro/PrfMonCp.h"
#include "fwdata/layout/PerfResults.h"

namespace {

// Entries of `entrySize` bytes from `offset` that the reply holds, at most `count`.
u32 EntriesHeld(const ByteView& reply, u32 offset, u32 entrySize, u32 count)
{
    if (offset >= reply.Size())
        return 0;
    return std::min<u32>(count, static_cast<u32>((reply.Size() - offset) / entrySize));
}

const char* const kAccessRange =
    ",,,Range,No accesses,<=100,<=500,<=1K,<=5K,<=10K,<=50K,<=100K, <=500K, <=1M, >1Million\n,,,";

void SizeRow(FileIO* io, FileHandle* file, const char* label, const ByteView& entry, Field<u32> first)
{
    using namespace perfresults;
    io->Printf(file, "%s", label);
    for (u32 i = 0; i < kSizeBuckets; ++i)
        io->Printf(file, ",%u", entry.U32(first + sizeof(u32) * i));
    io->Printf(file, "\n");
}

void AccessBuckets(FileIO* io, FileHandle* file, const ByteView& entry, Field<u32> first)
{
    using namespace perfresults;
    for (u32 i = 0; i < kAccessBuckets; ++i)
        io->Printf(file, " ,%d", static_cast<int>(entry.U32(first + sizeof(u32) * i)));
}

void CacheSection(FileIO* io, FileHandle* file, const ByteView& reply)
{
    using namespace perfresults;
    if (reply.U32(kOffCachePeriod) == 0) {
        io->Printf(file, "CACHE METRICS,None to Report\n");
        return;
    }
    io->Printf(file, "CACHE METRICS\n");
    io->Printf(file, ",Collection Period (sec),%u\n", reply.U32(kOffCachePeriod));
    io->Printf(file, ",Avg Dirty Cache (pct cache size),%u\n", reply.U32(kOffAvgDirty));
    io->Printf(file, ",Avg Cache Used (pct cache size),%u\n", reply.U32(kOffAvgUsed));
    io->Printf(file, ",Read Ahead Cache (MB),%u\n", reply.U32(kOffReadAheadCache));
    io->Printf(file, ",Unused Read Ahead Cache (MB),%u\n", reply.U32(kOffUnusedReadAheadCache));
    io->Printf(file, ",Read Ahead SSC (MB),%u\n", reply.U32(kOffReadAheadSsc));
    io->Printf(file, ",Unused Read Ahead SSC (MB),%u\n", reply.U32(kOffUnusedReadAheadSsc));
    io->Printf(file, ",Flush Block Time (ms),%u\n", reply.U32(kOffFlushBlockTime));

    const u32 caches = EntriesHeld(reply, kHeaderSize, kCacheEntrySize, reply.U16(kOffCacheCount));
    for (u32 i = 0; i < caches; ++i) {
        const ByteView entry = reply.Sub(kHeaderSize + i * kCacheEntrySize, kCacheEntrySize);
        io->Printf(file, ",Target LD,%u\n", entry.U8(kCacheOffTarget));
        io->Printf(file, ",,,Histogram,Size\n");
        io->Printf(file, ",,,Range,<=512Bytes,<=4KB,<=16KB,<=64KB,<=256KB,>256KB\n");
        SizeRow(io, file, ",,,Cache Read Count", entry, kCacheOffReads);
        SizeRow(io, file, ",,,Cache Write Count", entry, kCacheOffWrites);
        SizeRow(io, file, ",,,SSC Read Count", entry, kCacheOffSscReads);
        SizeRow(io, file, ",,,SSC Write Count", entry, kCacheOffSscWrites);
    }

    // The SSD-cache entries follow the cache entries the header counts.
    const u32 sscStart = kHeaderSize + reply.U16(kOffCacheCount) * kCacheEntrySize;
    const u32 sscs = EntriesHeld(reply, sscStart, kSscEntrySize, reply.U16(kOffSscCount));
    for (u32 i = 0; i < sscs; ++i) {
        const ByteView entry = reply.Sub(sscStart + i * kSscEntrySize, kSscEntrySize);
        io->Printf(file, ",Target ID,%u\n", entry.U8(kSscOffTarget));
        io->Printf(file, ",Number of SSC windows currently allocated for LD,%d\n",
                   static_cast<int>(entry.U32(kSscOffWindows)));
        io->Printf(file, ",Number of new SSCD windows allocated for LD in this collection period,%d\n",
                   static_cast<int>(entry.U32(kSscOffNewWindows)));
        io->Printf(file, ",Number of cache lines in use,%u\n", entry.U8(kSscOffLinesInUse));
        io->Printf(file, ", Number of windows with numCacheLines in use,%d\n",
                   static_cast<int>(entry.U32(kSscOffWindowsWithLines)));
        io->Printf(file, ", Number of reads,%d\n", static_cast<int>(entry.U32(kSscOffReads)));
        io->Printf(file, ", Number of writes,%d\n", static_cast<int>(entry.U32(kSscOffWrites)));
        io->Printf(file, ",,,Histogram,Read Access\n");
        io->Printf(file, "%s", kAccessRange);
        AccessBuckets(io, file, entry, kSscOffReadAccess);
        io->Printf(file, "\n,,,Histogram,Write Access\n");
        io->Printf(file, "%s", kAccessRange);
        AccessBuckets(io, file, entry, kSscOffWriteAccess);
        io->Printf(file, "\n");
    }
}

void OverallRow(FileIO* io, FileHandle* file, const char* label, const ByteView& entry, Field<u32> sizes,
                Field<u32> randomness)
{
    using namespace perfresults;
    io->Printf(file, ",,,%s", label);
    for (u32 i = 0; i < kSizeBuckets; ++i)
        io->Printf(file, ",%u", entry.U32(sizes + sizeof(u32) * i));
    for (u32 i = 0; i < kRandomnessBuckets; ++i)
        io->Printf(file, ",%u", entry.U32(randomness + sizeof(u32) * i));
    io->Printf(file, "\n");
}

void OverallSection(FileIO* io, FileHandle* file, const ByteView& reply)
{
    using namespace perfresults;
    const u32 offset = reply.U32(kOffOverallOffset);
    const ByteView section = offset < reply.Size() ? reply.From(offset) : ByteView();
    const u32 count = section.U32(kOverallOffEntriesSize) / kOverallEntrySize;
    const u32 period = section.U32(kOverallOffPeriod);
    if (offset >= reply.Size() || count == 0 || period == 0) {
        io->Printf(file, "LD OVERALL METRICS,None to Report\n");
        return;
    }
    io->Printf(file, "LD OVERALL METRICS\n");
    io->Printf(file, ",Collection Period (sec),%u\n", period);
    const u32 held = EntriesHeld(section, kOverallOffEntries, kOverallEntrySize, count);
    for (u32 i = 0; i < held; ++i) {
        const ByteView entry = section.Sub(kOverallOffEntries + i * kOverallEntrySize, kOverallEntrySize);
        io->Printf(file, ",Target LD,%u\n", entry.U8(kOverallOffTarget));
        io->Printf(file, ",,,Idle Time (sec),%u\n", entry.U16(kOverallOffIdle));
        io->Printf(file, ",,,Read MB,%u\n", entry.U32(kOverallOffReadMb));
        io->Printf(file, ",,,Write MB,%u\n", entry.U32(kOverallOffWriteMb));
        io->Printf(file, ",,,Histogram,Size,,,,,,Randomness\n");
        io->Printf(file, ",,,Range,<=512Bytes,<=4KB,<=16KB,<=64KB,<=256KB,>256KB,Sequential,<=64K,<=512K,<=16M,"
                         "<=256MB,<=1GB,>1GB\n");
        OverallRow(io, file, "Read Count", entry, kOverallOffReads, kOverallOffReadRandomness);
        OverallRow(io, file, "Write Count", entry, kOverallOffWrites, kOverallOffWriteRandomness);
    }
}

}  // namespace

int PerfMonCp::WriteResultsCsv(const ByteView& reply, FileHandle* file)
{
    FileIO* io = GetFileIO();
    CacheSection(io, file, reply);
    OverallSection(io, file, reply);
    io->Printf(file, "\n\n\n");
    return 0;
}
