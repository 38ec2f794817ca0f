// The event log command (-AdpEventLog): per adapter, shows the event log's sequence numbers,
// clears the log, writes the events from the last reboot, shutdown or clear, from the oldest
// record, or the newest n (newest first) into a file in the text form of an event record, and
// writes the consistency-check inconsistency events of virtual drives. A class filter keeps the
// events of the named classes; with a filter that no event passed the command ends with 1.
#pragma once
#include <cstddef>

#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/AdpEventLogPo.h"
#include "runtime/ArrayList.h"

class Adapter;
class FileHandle;
class RaidManager;

class AdpEventLogCp : public TypedProcessor<AdpEventLogPo, "AdpEventLogPo *"> {
public:
    // Event list replies: a u32 record count, four unused bytes, then 256-byte records.
    static constexpr std::size_t kRecordSize = 256;
    static constexpr std::size_t kListHeaderSize = 8;
    static constexpr u32 kRecordsPerBatch = 128;
    static constexpr u32 kListBufferSize = kListHeaderSize + kRecordsPerBatch * kRecordSize;  // 32776
    static constexpr u32 kOneRecordBufferSize = 264;

    static constexpr u32 kOpcodeGetEvents = 0x01040300;
    // Class/locale words: u16 locale bits, a zero byte, the signed class in the top byte.
    static constexpr u32 kListClassLocale = 0x0000FFFF;    // every locale, class 0 and above
    static constexpr u32 kLatestClassLocale = 0xFE00FFFF;  // every locale, class -2 and above
    static constexpr u32 kCcClassLocale = 0x00000001;      // virtual-drive locale, class 0 and above
    // The count request's status when no event lies from the start number on.
    static constexpr int kStatusNoEvents = 35;

    int ProcessParsed(CpController* cpController, AdpEventLogPo* object) override;

    // The sub-commands.
    int ClearLog(CpController* cpController, AdpEventLogPo* object);
    int ShowLogInfo(CpController* cpController, AdpEventLogPo* object);
    int WriteEventsFrom(CpController* cpController, AdpEventLogPo* object, u8 subCommand);
    int WriteLatestEvents(CpController* cpController, AdpEventLogPo* object);
    int WriteCcInconsistencies(CpController* cpController, AdpEventLogPo* object);  // AdEvLgCpCcIncon.cpp

    // The text form of one 256-byte event record (AdEvLgCpFormat.cpp): 0 when every write
    // succeeded, -1 at the first failed write.
    static int WriteEvent(const u8* record, FileHandle* file);
    // The drive lines of the drive reference and the target line of the virtual-drive reference
    // at a record offset.
    static int WritePdRef(const u8* record, std::size_t offset, FileHandle* file);
    static int WriteLdRef(const u8* record, std::size_t offset, FileHandle* file);
    // The daylight-saving offset of the local time zone in seconds.
    static int GetDstOffset();

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
    bool TakeByClass(u8 classFilter, const u8* record);
    // Writes one record; a failed write is reported on the console. 0 or -1.
    static int WriteOrReport(const u8* record, FileHandle* file);
    // Opens the output file: truncated for the first adapter of a command, appended to after.
    static FileHandle* OpenOutput(const AdpEventLogPo& object);

    u32 noMatchingEvent_ = 1;
};

// Event log information: the index of each number.
namespace evlog {
constexpr int kNewest = 0;
constexpr int kOldest = 1;
constexpr int kClear = 2;
constexpr int kShutdown = 3;
constexpr int kBoot = 4;

// Event record offsets.
constexpr std::size_t kSeqNum = 0;
constexpr std::size_t kTimeStamp = 4;
constexpr std::size_t kCode = 8;
constexpr std::size_t kLocale = 12;
constexpr std::size_t kClass = 15;
constexpr std::size_t kArgType = 16;
constexpr std::size_t kArgs = 32;
constexpr std::size_t kDescription = 128;

constexpr const char* kSourceName = "CpMgmt/CmdPro/AdEvLgCp";
}  // namespace evlog
