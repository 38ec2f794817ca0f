// The event listings of the event log command: the events from a start sequence number on, in
// batches of 128, and the walk from the newest event down to the oldest.
#include <memory>
#include <new>

#include "CpMgmt/CmdPro/AdEvLgCp.h"
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "controller/FwiDpErrors.h"
#include "fwdata/layout/Opcodes.h"
#include "parsers/AdpEventLogPo.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"
#include "runtime/QuendalLog.h"
#include "runtime/UserFiles.h"

namespace {


// One debug-log line around an event request: the opcode, the start number, the request's
// status and the records of its reply.
void LogEventRequest(int line, u32 seqNum, int status, u32 count, u32 opcode = kDcmdCtrlEventGetList)
{
    LogDebugMessage(evlog::kSourceName, line, kModuleCommandTool, kLevelDebug, kDbgEventOpcode, opcode,
                    static_cast<int>(seqNum), status, static_cast<int>(count));
}

// The records of a reply, or false when its count is more than the buffer holds: an answer
// that cannot be right.
bool RecordsIn(const ByteView& reply, u32 capacity, u32* records)
{
    *records = reply.U32(evlist::kOffCount);
    return *records <= capacity;
}

// Record `index` of a reply.
ByteView RecordAt(const ByteView& reply, u32 index)
{
    return reply.Sub(evlist::RecordOffset(index), evlist::kRecordSize);
}

// Closes the output file, if one is open, and answers the routine's result. What was written
// before a failure of another kind stays; output that cannot be written out when the file is
// closed is a failed write (unless one was reported already), and then a file written whole
// leaves the one it was to replace as it was.
int FinishEventFile(userfiles::OutputFile& file, int result)
{
    if (!file.IsOpen() || file.Finish() || result == -1)
        return result;
    PrintMessage(MaintMsg::kFileWriteFailed);
    return result != 0 ? result : -1;
}

// The first sequence number of a listing: the reboot, shutdown or clear mark the sub-command
// names (else the oldest record), never one before the oldest record.
u32 EventListStart(const u32* info, u8 subCommand)
{
    u32 start = info[evloginfo::kOldest];
    if (subCommand == AdpEventLogPo::kSinceReboot)
        start = info[evloginfo::kBoot];
    else if (subCommand == AdpEventLogPo::kSinceShutdown)
        start = info[evloginfo::kShutdown];
    else if (subCommand == AdpEventLogPo::kSinceClear)
        start = info[evloginfo::kClear];
    if (info[evloginfo::kOldest] > start)
        start = info[evloginfo::kOldest];
    return start;
}

// One batch of the listing from `start`: 0 with its records (none ends the listing) and the
// last record's number, the failed request's status, or -1 for a reply that cannot be right.
int FetchEventBatch(Adapter* adapter, u32 start, u8* reply, u32* records, u32* last)
{
    LogEventRequest(__LINE__, start, 0, 0);
    const int status =
        adapter->GetEvents(start, reply, AdpEventLogCp::kListBufferSize, AdpEventLogCp::kListClassLocale);
    if (status != 0) {
        LogEventRequest(__LINE__, start, status, 0);
        return status;
    }
    const ByteView list(reply, AdpEventLogCp::kListBufferSize);
    const bool counted = RecordsIn(list, AdpEventLogCp::kRecordsPerBatch, records);
    LogEventRequest(__LINE__, start, counted ? 0 : -1, *records);
    if (!counted)
        return -1;
    if (*records == 0)
        return 0;
    // Records come from the start number on; a batch that ends before it cannot be right.
    *last = RecordAt(list, *records - 1).U32(evrec::kOffSeqNum);
    if (*last < start) {
        LogEventRequest(__LINE__, start, -1, *records);
        return -1;
    }
    return 0;
}

}  // namespace

bool AdpEventLogCp::OpenListingFile(const AdpEventLogPo& object, userfiles::OutputFile* output, FileHandle** file)
{
    *file = nullptr;
    const string fileName = object.GetFileName();
    if (fileName.GetLength() == 0)
        return true;
    if (!OpenOutput(object, output)) {
        LogDebugMessage(evlog::kSourceName, __LINE__, kModuleCommandTool, kLevelError, kDbgOpenFailed,
                        fileName.GetCStr());
        return false;
    }
    *file = output->Handle();
    return true;
}

int AdpEventLogCp::WriteBatchRecords(const ByteView& list, u32 records, u8 classFilter, FileHandle* file)
{
    for (u32 i = 0; i < records; ++i) {
        const ByteView record = RecordAt(list, i);
        if (!TakeByClass(classFilter, record))
            continue;
        if (file == nullptr)
            break;
        if (WriteOrReport(record, file) != 0)
            return -1;
    }
    return 0;
}

int AdpEventLogCp::ListEventBatches(Adapter* adapter, u32 start, u8 classFilter, FileHandle* file, u8* reply)
{
    u32 records = kRecordsPerBatch;
    while (records == kRecordsPerBatch) {
        u32 last = 0;
        const int status = FetchEventBatch(adapter, start, reply, &records, &last);
        if (status != 0)
            return status;
        if (records == 0)
            break;
        if (WriteBatchRecords(ByteView(reply, kListBufferSize), records, classFilter, file) != 0)
            return -1;
        // Without a file the listing only looks for one event that passes the filter.
        if (file == nullptr && noMatchingEvent_ == 0)
            break;
        // The next batch starts after the last record; the last number a log can hold ends it.
        if (last == 0xFFFFFFFF)
            break;
        start = last + 1;
    }
    return 0;
}

int AdpEventLogCp::WriteEventsFrom(CpController* cpController, AdpEventLogPo* object, u8 subCommand)
{
    const u8 adapterNumber = object->GetAdapterNumber();
    LogAccess access;
    int status = OpenLog(cpController, adapterNumber, true, &access);
    if (status != 0)
        return status;
    const u32 start = EventListStart(access.info, subCommand);

    std::unique_ptr<u8[]> reply(new (std::nothrow) u8[kListBufferSize]());
    if (!reply) {
        PrintMessage(CommonMsg::kNoMemory, "getting events");
        return -1;
    }
    u32 count = 0;
    status = access.adapter->GetEventCount(&count, start, kListClassLocale);
    if (status != 0 && status != kStatusNoEvents) {
        LogEventRequest(__LINE__, start, status, 0, kDcmdCtrlEventGetCount);
        return -1;
    }
    FwiDpErrors::TakeAsAnswer(status);  // no record from that number on: the count stays 0

    userfiles::OutputFile output;
    FileHandle* file = nullptr;
    if (!OpenListingFile(*object, &output, &file))
        return -1;
    if (file != nullptr && (FPrintMessage(file, CommonMsg::kLineEnd) != 0 ||
                            FPrintMessage(file, MaintMsg::kEventFileHeader, static_cast<int>(adapterNumber),
                                          static_cast<unsigned long>(count)) != 0)) {
        PrintMessage(MaintMsg::kFileWriteFailed);
        return FinishEventFile(output, -1);
    }
    return FinishEventFile(output, ListEventBatches(access.adapter, start, object->GetClassFilter(), file, reply.get()));
}

int AdpEventLogCp::WriteLatestEvents(CpController* cpController, AdpEventLogPo* object)
{
    LogAccess access;
    int status = OpenLog(cpController, object->GetAdapterNumber(), true, &access);
    if (status != 0)
        return status;

    const u16 wanted = object->GetLatestCount();
    u32 current = access.info[evloginfo::kNewest];
    const u32 oldest = access.info[evloginfo::kOldest];
    // The walk counts down modulo 2^32 from the newest to the oldest number: a log of 2^31
    // events or more cannot be right.
    if (static_cast<s32>(current - oldest) < 0) {
        LogEventRequest(__LINE__, current, -1, 0);
        return -1;
    }

    userfiles::OutputFile output;
    FileHandle* file = nullptr;
    if (!OpenListingFile(*object, &output, &file))
        return -1;
    std::unique_ptr<u8[]> reply(new (std::nothrow) u8[kOneRecordBufferSize]());
    if (!reply) {
        PrintMessage(CommonMsg::kNoMemory, "getting events");
        return FinishEventFile(output, -1);
    }

    int result = 0;
    u32 lastWritten = 0xFFFFFFFF;
    u32 written = 0;
    while (written < wanted) {
        LogEventRequest(__LINE__, current, 0, 0);
        status = access.adapter->GetEvents(current, reply.get(), kOneRecordBufferSize, kLatestClassLocale);
        if (status != 0) {
            LogEventRequest(__LINE__, current, status, 0);
            result = status;
            break;
        }
        // A reply without a record has nothing at this number: the walk steps down.
        const ByteView list(reply.get(), kOneRecordBufferSize);
        const ByteView record = RecordAt(list, 0);
        u32 records = 0;
        if (!RecordsIn(list, 1, &records)) {
            LogEventRequest(__LINE__, current, -1, records);
            result = -1;
            break;
        }
        if (records != 0 && TakeByClass(object->GetClassFilter(), record)) {
            if (file == nullptr)
                break;
            // A number that no longer exists answers with a record already written.
            const u32 seqNum = record.U32(evrec::kOffSeqNum);
            if (seqNum != lastWritten) {
                if (WriteOrReport(record, file) != 0) {
                    result = -1;
                    break;
                }
                lastWritten = seqNum;
                ++written;
            }
        }
        if (current == oldest)
            break;
        --current;
    }
    return FinishEventFile(output, result);
}
