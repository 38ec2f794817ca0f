// The event history of the diagnostic log: the log's sequence numbers, then every event the
// controller holds, oldest first, one line each.
#include <algorithm>
#include <vector>

#include "CpMgmt/CmdPro/AdAlILogCp.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/EventArgs.h"
#include "fwdata/layout/EventList.h"
#include "fwdata/layout/EventLogInfo.h"
#include "fwdata/layout/EventRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

constexpr u32 kRecordsPerBatch = 32;

std::string ClassText(s8 eventClass)
{
    using namespace alilog;
    static constexpr const char* kClasses[] = {"DEBUG", "BG Work", "Info", "WARNING", "CRITICAL", "FATAL", "DEAD"};
    if (eventClass >= -2 && eventClass <= 4)
        return std::string(kClasses[eventClass + 2]) + ":";
    return Format("%s %-2X:", "UNDEF-", static_cast<unsigned>(static_cast<int>(eventClass)));
}

// One event's line, headed by its own sequence number.
std::string EventLine(const ByteView& record)
{
    using namespace alilog;
    std::string line = Format("%d: ", static_cast<int>(record.U32(evrec::kOffSeqNum)));
    line += AdpAlIInLogCp::FormatEventTime(record.U32(evrec::kOffTimeStamp));
    line += ClassText(static_cast<s8>(record.U8(evrec::kOffClass)));
    std::string description = record.Text(evrec::kDescription);
    if (record.U8(evrec::kOffArgType) != evargs::kCdbSense)
        return line + description + "\n";
    const std::size_t sense = description.find("Sense:");
    if (sense != std::string::npos)
        description = description.substr(0, std::min(description.size(), sense + 7));
    line += description;
    const u32 length = std::min<u32>(record.U8(evargs::cdbsense::kOffSenseLength), evargs::cdbsense::kSenseRoom);
    for (u32 i = 0; i < length; ++i)
        line += Format("%.2X ", record.U8(evargs::cdbsense::kOffSense + i));
    return line + "\n";
}

// An event list that cannot be right ends the section as a failed read does.
int ReportBadEventList()
{
    PrintMessage(CommonMsg::kFailedToGet, "Event List");
    return -1;
}

}  // namespace

bool AdpAlIInLogCp::IsLeapYear(int year) { return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0); }

std::string AdpAlIInLogCp::FormatEventTime(u32 stamp)
{
    using namespace alilog;
    if ((stamp & evrec::kSinceRebootMark) == evrec::kSinceRebootMark) {
        const u32 value = stamp & evrec::kSinceRebootSeconds;
        const u32 rest = value % 86400;
        return Format("%d:%d:%d ", static_cast<int>(value / 86400), static_cast<int>(rest / 3600),
                      static_cast<int>(rest % 3600 / 60));
    }
    u32 days = stamp / 86400;
    const u32 rest = stamp % 86400;
    int year = 2000;
    while (days >= (IsLeapYear(year) ? 366u : 365u)) {
        days -= IsLeapYear(year) ? 366 : 365;
        ++year;
    }
    static constexpr u32 kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 0;
    while (month < 11) {
        const u32 length = month == 1 && IsLeapYear(year) ? 29 : kMonthDays[month];
        if (days < length)
            break;
        days -= length;
        ++month;
    }
    return Format("%02d-%02d-%02d,%02d:%02d:%02d ", year - 2000, month + 1, static_cast<int>(days + 1),
                  static_cast<int>(rest / 3600), static_cast<int>(rest % 3600 / 60), static_cast<int>(rest % 60));
}

int AdpAlIInLogCp::PrintEventHistory(CpController* cpController)
{
    using namespace alilog;
    const u8 adapterNumber = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber);
    if (manager == nullptr)
        return -1;
    if (manager->Refresh() != 0) {
        PrintMessage(CommonMsg::kRaidManagerInitFailed, adapterNumber);
        return -1;
    }
    Adapter* adapter = nullptr;
    if (manager->GetAdapter(&adapter) != 0 || adapter == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }
    const u32* info = nullptr;
    int status = adapter->GetEventLogInfo(&info);
    if (status != 0) {
        PrintReadFailure(adapterNumber, "the event log information");
        return status;
    }

    Text("                            NVRAM Event History");
    Text("\n                           ===================");
    LineEnd();
    LineEnd();
    Text("EVENT SEQUENCE INFORMATION");
    Text("\n--------------------------");
    const char* labels[] = {"Sequence # of newest event in the log", "Sequence # of oldest event in the log",
                            "Sequence # of last log clear", "Sequence # of last clean shutdown",
                            "Sequence # of this session boot"};
    for (u32 i = 0; i < evloginfo::kNumbers; ++i)
        Text(Format("\n%-40s : %ld", labels[i], static_cast<long>(info[i])));
    const u32 newest = info[evloginfo::kNewest];
    const u32 oldest = info[evloginfo::kOldest];
    LineEnd();
    Text("EVENT DETAILS");
    Text("\n------------\n");

    // The numbers count on modulo 2^32 (the oldest one past the newest is an empty log); a log
    // of 2^31 events or more cannot be right.
    s32 remaining = static_cast<s32>(newest - oldest + 1);
    if (remaining < 0)
        return ReportBadEventList();
    u32 start = oldest;
    while (remaining > 0) {
        const u32 asked = std::min<u32>(static_cast<u32>(remaining), kRecordsPerBatch);
        std::vector<u8> batch(evlist::ListSize(asked), 0);
        status = adapter->GetEvents(start, batch.data(), static_cast<u32>(batch.size()), evlist::ClassLocale(0, evlist::kAllLocales));
        if (status != 0) {
            PrintReadFailure(adapterNumber, Format("the events from sequence number %u on", start).c_str());
            return status;
        }
        const ByteView list(batch);
        // The controller leaves out the records below the class asked for: each record keeps
        // its own number, and the next batch starts after the last one. A batch of more
        // records than asked for, or one that ends before its start, cannot be right.
        const u32 delivered = list.U32(evlist::kOffCount);
        if (delivered > asked)
            return ReportBadEventList();
        if (delivered == 0)
            break;
        const u32 last = list.U32(evlist::RecordOffset(delivered - 1) + evrec::kOffSeqNum);
        if (static_cast<s32>(last - start) < 0)
            return ReportBadEventList();
        for (u32 j = 0; j < delivered; ++j)
            Text(EventLine(list.Sub(evlist::RecordOffset(j), evrec::kSize)));
        if (delivered < kRecordsPerBatch)
            break;
        start = last + 1;
        remaining = static_cast<s32>(newest - start + 1);
    }
    return 0;
}
