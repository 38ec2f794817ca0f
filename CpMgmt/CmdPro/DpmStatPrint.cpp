// The printers of the drive performance statistics: the longest commands, the response-time
// histogram, the running-average row and the extended counters, with the conversion of the
// controller's time stamps.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/DpmStatCp.h"
#include "fwdata/layout/DpmStats.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/ids/EnclSlotId.h"

namespace {

// Reads the counter block and the data block of a kind; false when either request fails.
bool ReadCounters(PhysicalDevice* pd, u32 type, u8 (&counters)[dpmstats::kCountersSize], u8* data)
{
    return pd->GetDpmStat(type, counters) == 0 && pd->GetDpmStatData(type, data) == 0;
}

double Milliseconds(u32 ticks, u32 ticksPerSecond)
{
    return static_cast<double>(ticks) * 1000.0 / static_cast<double>(ticksPerSecond);
}

void Rule(int dashes, const char* end)
{
    char line[96] = {};
    std::memset(line, '-', static_cast<std::size_t>(dashes));
    AdpPrint::Formatted("%s%s", line, end);
}

void CommandCount(u32 count)
{
    if (count == dpmstats::kCountUnknown)
        AdpPrint::Formatted("%-12s", "########");
    else
        AdpPrint::Formatted("%-12d", static_cast<int>(count));
}

}  // namespace

int DpmStatCp::PrintExtendedStats(PhysicalDevice* pd)
{
    u8 counters[dpmstats::kCountersSize] = {};
    u8 data[dpmstats::kDataSize] = {};
    if (!ReadCounters(pd, dpmstats::kTypeCounters, counters, data))
        return -1;
    const ByteView c(counters);
    AdpPrint::Text("  Sectors                                      Commands\n");
    Rule(79, "\n");
    AdpPrint::Text("Read        Write       Write-FUA      Read        Write       Write-FUA  Flush \n");
    Rule(79, " \n");
    AdpPrint::Formatted("%-12llu", static_cast<unsigned long long>(c.U64(dpmstats::kOffSectorsRead)));
    AdpPrint::Formatted("%-12llu", static_cast<unsigned long long>(c.U64(dpmstats::kOffSectorsWritten)));
    AdpPrint::Formatted("%-15llu", static_cast<unsigned long long>(c.U64(dpmstats::kOffSectorsWrittenFua)));
    CommandCount(c.U32(dpmstats::kOffReadCommands));
    CommandCount(c.U32(dpmstats::kOffWriteCommands));
    CommandCount(c.U32(dpmstats::kOffWriteFuaCommands));
    AdpPrint::Formatted("%-10d\n", static_cast<int>(c.U32(dpmstats::kOffFlushCommands)));
    AdpPrint::LineEnd();
    return 0;
}

int DpmStatCp::PrintRunningAverageRow(PhysicalDevice* pd, u32 ticksPerSecond)
{
    u16 enclosure = 0;
    pd->GetEnclDeviceId(&enclosure);
    if (enclosure == EnclSlotId::kNoEnclosure)
        AdpPrint::Formatted("%12s", "N/A");
    else
        AdpPrint::Formatted("%-12d", enclosure);
    u8 slot = 0;  // 0 when the slot cannot be read
    if (pd->GetSlotNumber(&slot) != 0)
        slot = 0;
    AdpPrint::Formatted("%-9d", slot);
    u16 deviceId = 0;
    if (pd->GetDeviceId(&deviceId) != 0)
        return 0;
    AdpPrint::Formatted("%-11d", deviceId);

    u8 counters[dpmstats::kCountersSize] = {};
    u8 data[dpmstats::kDataSize] = {};
    if (!ReadCounters(pd, dpmstats::kTypeCounters, counters, data))
        return -1;
    const ByteView c(counters);
    AdpPrint::Formatted("%-9d", static_cast<int>(c.U32(dpmstats::kOffIops)));
    AdpPrint::Formatted("%-10d", static_cast<int>(c.U32(dpmstats::kOffQueueDepth)));
    AdpPrint::Formatted("%-12.4f ", static_cast<double>(c.U32(dpmstats::kOffTransferRate)) / 1024.0);
    AdpPrint::Formatted("%-10.4f\n", Milliseconds(c.U32(dpmstats::kOffResponseTicks), ticksPerSecond));
    return 0;
}

int DpmStatCp::PrintLongestCommands(PhysicalDevice* pd, u32 ticksPerSecond)
{
    u8 counters[dpmstats::kCountersSize] = {};
    u8 records[dpmstats::kLongestSize] = {};
    if (!ReadCounters(pd, dpmstats::kTypeLongest, counters, records))
        return -1;
    AdpPrint::Text("                    Resp \n");
    AdpPrint::Text("Date    |   Time  | Time(ms) | CDB/ATA Task File(hex)\n");
    Rule(77, "\n");
    AdpPrint::LineEnd();
    const ByteView all(records);
    for (u32 i = 0; i < dpmstats::kLongestRecords; ++i) {
        const ByteView record = all.Sub(i * dpmstats::kRecordSize, dpmstats::kRecordSize);
        const u32 stamp = record.U32(dpmstats::kRecordOffTimeStamp);
        if (stamp != 0) {
            char text[32] = {};
            FormatTimestamp(stamp, text);
            char date[9] = {};
            std::memcpy(date, text, 8);
            AdpPrint::Formatted("%-9s", date);
            AdpPrint::Formatted(" %-9s", std::strlen(text) > 9 ? text + 9 : "");
        } else {
            AdpPrint::Formatted("%-9d", 0);
            AdpPrint::Formatted("%-9d", 0);
        }
        const u32 ticks = record.U32(dpmstats::kRecordOffEndTicks) - record.U32(dpmstats::kRecordOffStartTicks);
        AdpPrint::Formatted(" %-10.4f", Milliseconds(ticks, ticksPerSecond));
        for (u32 b = 0; b < dpmstats::kCommandSize; ++b)
            AdpPrint::Formatted("%02x ", record.U8(dpmstats::kRecordOffCommand + b));
        AdpPrint::LineEnd();
    }
    AdpPrint::LineEnd();
    return 0;
}

int DpmStatCp::PrintHistogram(PhysicalDevice* pd)
{
    u8 histogram[dpmstats::kHistogramSize] = {};
    u8 data[dpmstats::kDataSize] = {};
    if (pd->GetDpmHistogram(histogram) != 0 || pd->GetDpmStatData(dpmstats::kTypeHistogram, data) != 0)
        return -1;
    static const char* const kRule = "------------------------------------------  \n";
    AdpPrint::LineEnd();
    AdpPrint::Text(kRule);
    AdpPrint::Text("Bin       Respose Time (ms)   IO Count \n");
    AdpPrint::Text(kRule);
    const ByteView counts(histogram);
    constexpr int kLastBound = 10000;
    int bound = 1;
    for (u32 bin = 0; bin < dpmstats::kHistogramBins; ++bin) {
        AdpPrint::Formatted("%-4d     ", static_cast<int>(bin + 1));
        if (bound < kLastBound)
            AdpPrint::Formatted(" %-10d   ", bound);
        else if (bound == kLastBound)
            AdpPrint::Formatted(" %d  %-6s", kLastBound, " ");
        else
            AdpPrint::Formatted(" %d+ %-6s", kLastBound, " ");
        AdpPrint::Formatted("       %d\n", static_cast<int>(counts.U32(bin * sizeof(u32))));
        if (bound <= 9)
            bound += 1;
        else if (bound <= 99)
            bound += 10;
        else if (bound <= 999)
            bound += 100;
        else if (bound <= kLastBound)
            bound += 1000;
    }
    AdpPrint::Text(kRule);
    AdpPrint::Text("\n\n\n");
    return 0;
}

int DpmStatCp::IsLeapYear(int year)
{
    if (year % 400 == 0)
        return 1;
    if (year % 4 != 0)
        return 0;
    return year % 100 != 0 ? 1 : 0;
}

void DpmStatCp::FormatTimestamp(u32 stamp, char text[32])
{
    constexpr u32 kDay = 86400;
    const bool sinceStart = (stamp >> dpmstats::kMarkShift) == dpmstats::kSinceStartMark;
    const u32 seconds = sinceStart ? (stamp & dpmstats::kSinceStartMask) : stamp;
    u32 days = seconds / kDay;
    const u32 rest = seconds % kDay;
    const u32 hours = rest / 3600;
    const u32 minutes = rest % 3600 / 60;
    const u32 secs = rest % 60;
    if (sinceStart) {
        // The whole time since the start: days are not reduced to a date.
        std::snprintf(text, 32, "%u:%u:%u ", days, hours, minutes);
        return;
    }
    int year = 2000;
    while (days > 364) {
        const bool leap = IsLeapYear(year) != 0;
        if (days == 365 && leap)
            break;  // 31 December of a leap year
        days -= leap ? 366 : 365;
        ++year;
    }
    static constexpr u32 kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    u32 month = 0;
    for (; month < 11; ++month) {
        const u32 length = month == 1 && IsLeapYear(year) != 0 ? 29 : kMonthDays[month];
        if (days < length)
            break;
        days -= length;
    }
    // Past the month walk fewer than 31 days are left; the bound tells the compiler so too.
    const u32 day = std::min<u32>(days, 30) + 1;
    std::snprintf(text, 32, "%02d-%02u-%02u,%02u:%02u:%02u ", year - 2000, month + 1, day, hours, minutes, secs);
}
