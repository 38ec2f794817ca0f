// The event log command (-AdpEventLog): per adapter, shows the event log's sequence numbers,
// clears the log, writes the events from the last reboot, shutdown or clear, from the oldest
// record, or the newest n (newest first) into a file in the text form of an event record, and
// writes the consistency-check inconsistency events of virtual drives. A class filter keeps the
// events of the named classes; with a filter that no event passed the command ends with 1.
#pragma once
#include <cstddef>
#include <ctime>

#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/EventList.h"
#include "fwdata/layout/EventLogInfo.h"
#include "fwdata/layout/EventRecord.h"
#include "parsers/AdpEventLogPo.h"
#include "runtime/ArrayList.h"

class Adapter;
class FileHandle;
class RaidManager;
namespace userfiles {
class OutputFile;
}

class AdpEventLogCp : public TypedProcessor<AdpEventLogPo, "AdpEventLogPo *"> {
public:
    // Event list replies are read in batches of this many records, or one at a time.
    static constexpr u32 kRecordsPerBatch = 128;
    static constexpr u32 kListBufferSize = evlist::ListSize(kRecordsPerBatch);
    static constexpr u32 kOneRecordBufferSize = evlist::ListSize(1);

    // The selections of the event requests.
    static constexpr u32 kListClassLocale = evlist::ClassLocale(0, evlist::kAllLocales);
    static constexpr u32 kLatestClassLocale = evlist::ClassLocale(-2, evlist::kAllLocales);
    static constexpr u32 kCcClassLocale = evlist::ClassLocale(0, evlist::kLocaleVd);
    // The count request's status when no event lies from the start number on.
    static constexpr int kStatusNoEvents = 35;

    int ProcessParsed(CpController* cpController, AdpEventLogPo* object) override;

    // The sub-commands.
    int ClearLog(CpController* cpController, AdpEventLogPo* object);
    int ShowLogInfo(CpController* cpController, AdpEventLogPo* object);
    int WriteEventsFrom(CpController* cpController, AdpEventLogPo* object, u8 subCommand);
    int WriteLatestEvents(CpController* cpController, AdpEventLogPo* object);
    int WriteCcInconsistencies(CpController* cpController, AdpEventLogPo* object);  // AdEvLgCpCcIncon.cpp

    // The text form of one event record (evrec::kSize bytes; AdEvLgCpFormat.cpp): 0 when every
    // write succeeded, -1 at the first failed write.
    static int WriteEvent(const u8* record, FileHandle* file);
    // The drive lines of the drive reference and the target line of the virtual-drive reference
    // at a record offset.
    static int WritePdRef(const ByteView& record, std::size_t offset, FileHandle* file);
    static int WriteLdRef(const ByteView& record, std::size_t offset, FileHandle* file);
    // The daylight-saving offset of the local time zone in seconds.
    static int GetDstOffset();
    // 2000-01-01 00:00:00 local time with the daylight-saving flag given: the base that
    // controller times count from.
    static std::time_t Base2000(int isDst);

private:
    // The common start of the routines: the manager and the adapter (messages 0x30021 and
    // 0x30023, -1) and, when asked, the log information (its failure status, no message).
    struct LogAccess {
        RaidManager* manager = nullptr;
        Adapter* adapter = nullptr;
        const u32* info = nullptr;  // newest, oldest, clear, shutdown, boot
    };
    static int OpenLog(CpController* cpController, u8 adapterNumber, bool readInfo, LogAccess* access);
    // True when the record passes the class filter (always without one); clears the
    // no-matching-event flag when it does.
    bool TakeByClass(u8 classFilter, const ByteView& record);
    // Writes one record; a failed write is reported on the console. 0 or -1.
    static int WriteOrReport(const ByteView& record, FileHandle* file);
    // Opens the output file: written whole for the first adapter of a command, appended to
    // after. False after the messages naming the file.
    static bool OpenOutput(const AdpEventLogPo& object, userfiles::OutputFile* file);
    // Opens the output file of a listing when the line names one (`file` stays null when it
    // does not). False after the messages naming the file.
    static bool OpenListingFile(const AdpEventLogPo& object, userfiles::OutputFile* output, FileHandle** file);
    // The listing from `start` on in batches, the records that pass the class filter written
    // (without a file, until one passes): 0, a failed request's status, or -1.
    int ListEventBatches(Adapter* adapter, u32 start, u8 classFilter, FileHandle* file, u8* reply);
    // The records of one batch reply that pass the filter; without a file, up to the first that
    // passes. 0, or -1 after a failed write.
    int WriteBatchRecords(const ByteView& list, u32 records, u8 classFilter, FileHandle* file);

    u32 noMatchingEvent_ = 1;
};

namespace evlog {
constexpr const char* kSourceName = "CpMgmt/CmdPro/AdEvLgCp";
}  // namespace evlog
