// The consistency-check inconsistency report of the event log command (-GetCCIncon): the
// inconsistency events logged since the controller's last reboot, written per selected virtual
// drive into the output file.
#include <cstring>
#include <memory>
#include <new>

#include "CpMgmt/CmdPro/AdEvLgCp.h"
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "cmdtool/ParsedObject.h"
#include "controller/FwiDpErrors.h"
#include "fwdata/layout/EventArgs.h"
#include "fwdata/layout/FwStatus.h"
#include "parsers/AdpEventLogPo.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/UserFiles.h"

namespace {

// An inconsistency event: its code, and its arguments (the strip and the virtual drive).
constexpr u32 kCcInconsistencyCode = 0x3F;

// The controller's event count sizes the buffer that holds every event fetched; beyond this
// many the buffer is not had.
constexpr u32 kMaxHeldEvents = 1u << 20;

// The events fetched since the reboot, laid out as one event list reply.
class HeldEvents {
public:
    bool Allocate(u32 capacity)
    {
        if (capacity > kMaxHeldEvents)
            return false;
        capacity_ = capacity;
        bytes_.reset(new (std::nothrow) u8[evlist::ListSize(capacity)]());
        return bytes_ != nullptr;
    }
    u32 Count() const { return count_; }
    ByteView Record(u32 index) const
    {
        const ByteView list(bytes_.get(), evlist::ListSize(capacity_));
        return list.Sub(evlist::RecordOffset(index), evlist::kRecordSize);
    }
    // Appends the records of a batch reply, never more than there is room for.
    void Append(const u8* reply, u32 records)
    {
        if (records > capacity_ - count_)
            records = capacity_ - count_;
        std::memcpy(bytes_.get() + evlist::RecordOffset(count_), reply + evlist::kHeaderSize,
                    records * evlist::kRecordSize);
        count_ += records;
        ByteWriter(bytes_.get(), evlist::ListSize(capacity_)).PutU32(evlist::kOffCount, count_);
    }

private:
    std::unique_ptr<u8[]> bytes_;
    u32 capacity_ = 0;
    u32 count_ = 0;
};

// Fetches the events from `start` on, `remaining` of them, 128 at a time. A reply without
// records ends the fetching (the records held so far are used). 0, the failed request's status,
// or -1 for a reply that cannot be right (more records than asked for, or records that end
// before the start).
int FetchEvents(Adapter* adapter, u32 start, u32 remaining, u8* batch, HeldEvents& held)
{
    while (remaining != 0) {
        const u32 asked = remaining < AdpEventLogCp::kRecordsPerBatch ? remaining : AdpEventLogCp::kRecordsPerBatch;
        int status = adapter->GetEvents(start, batch, evlist::ListSize(asked), AdpEventLogCp::kCcClassLocale);
        if (status != 0)
            return status;
        const ByteView reply(batch, AdpEventLogCp::kListBufferSize);
        const u32 records = reply.U32(evlist::kOffCount);
        if (records > asked)
            return -1;
        if (records == 0)
            break;
        const u32 last = reply.U32(evlist::RecordOffset(records - 1) + evrec::kOffSeqNum);
        if (last < start)
            return -1;
        held.Append(batch, records);
        remaining -= asked;
        if (last == 0xFFFFFFFF)
            break;
        start = last + 1;
    }
    return 0;
}

}  // namespace

int AdpEventLogCp::WriteCcInconsistencies(CpController* cpController, AdpEventLogPo* object)
{
    const u8 adapterNumber = object->GetAdapterNumber();
    LogAccess access;
    int status = OpenLog(cpController, adapterNumber, true, &access);
    if (status != 0)
        return status;
    RaidManager* manager = access.manager;

    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapterNumber, &vdCount, "VD count"))
        return -1;
    // A command line without virtual drives selects none: nothing is fetched or written.
    const ArrayList<u8>& selection = object->GetVdList();
    if (selection.GetCount() == 0)
        return -1;
    const bool allDrives = selection.GetAt(0) == LdParsedObject::kAllLds;
    unsigned selected = allDrives ? vdCount : selection.GetCount();
    if (vdCount == 0) {
        PrintMessage(LdMsg::kNoVirtualDrive, adapterNumber);
        return -1;
    }

    const u32 start = access.info[evloginfo::kBoot];
    u32 count = 0;
    status = access.adapter->GetEventCount(&count, start, kCcClassLocale);
    if (status != 0 && status != fwstatus::kNoSuchObject)
        return status;
    FwiDpErrors::TakeAsAnswer(status);  // no record from that number on: the count stays 0
    if (count == 0) {
        PrintMessage(MaintMsg::kEventNoneLogged, adapterNumber, "VD");
        return 0;
    }

    HeldEvents held;
    std::unique_ptr<u8[]> batch(new (std::nothrow) u8[kListBufferSize]());
    if (!held.Allocate(count) || !batch) {
        PrintMessage(CommonMsg::kNoMemory, "getting events");
        return -1;
    }
    status = FetchEvents(access.adapter, start, count, batch.get(), held);
    batch.reset();
    if (status != 0)
        return status;

    List<VirtualDisk*>* vds = nullptr;
    if (manager->GetVdList(&vds) != 0 || vds == nullptr)
        return -1;
    manager->SortVdList(vds);
    // The count is the controller's list, the drives its configuration: never walk past them.
    if (allDrives && selected > vds->GetCount())
        selected = vds->GetCount();

    userfiles::OutputFile output;
    if (!OpenOutput(*object, &output))
        return -1;
    FileHandle* file = output.Handle();
    int result = 0;
    bool anyWritten = false;
    bool writeFailed = FPrintMessage(file, CommonMsg::kAdapterTitle, static_cast<int>(adapterNumber)) != 0;
    for (unsigned i = 0; i < selected && !writeFailed; ++i) {
        VirtualDisk* vd = nullptr;
        u8 targetId = 0;
        if (allDrives) {
            vd = vds->GetAt(static_cast<u8>(i));
            targetId = vd != nullptr && vd->GetId() != nullptr ? vd->GetId()->GetTargetId() : 0;
        } else {
            targetId = selection.GetAt(static_cast<u8>(i));
            if (manager->IsTargetIdInUse(targetId, 0))
                vd = FindVdByTarget(vds, targetId);
        }
        if (vd == nullptr || vd->GetId() == nullptr) {
            PrintMessage(CommonMsg::kVdNotFound, adapterNumber, static_cast<int>(targetId));
            writeFailed = FPrintMessage(file, CommonMsg::kVdNotFound, static_cast<int>(adapterNumber),
                                        static_cast<int>(targetId)) != 0;
            result = -1;
            continue;
        }
        const u16 fwTargetId = vd->GetId()->GetFwTargetId();
        for (u32 e = 0; e < held.Count() && !writeFailed; ++e) {
            const ByteView record = held.Record(e);
            if (record.U32(evrec::kOffCode) != kCcInconsistencyCode ||
                record.U8(evrec::kOffArgType) != evargs::kLdStrip ||
                record.U16(evargs::ldstrip::kOffLd + evargs::kLdRefOffTargetId) != fwTargetId)
                continue;
            writeFailed = !record.Ok() || WriteEvent(record.Data(), file) != 0;
            anyWritten = true;
        }
    }
    if (!writeFailed && !anyWritten) {
        writeFailed = FPrintMessage(file, MaintMsg::kNoCcErrors) != 0;
        if (!writeFailed)
            PrintMessage(MaintMsg::kNoCcErrors);
    }
    // Output that cannot be written out when the file is closed is a failed write too; a file
    // written whole then leaves the one it was to replace as it was.
    if (!output.Finish())
        writeFailed = true;
    if (writeFailed) {
        PrintMessage(MaintMsg::kFileWriteFailed);
        return -1;
    }
    return result;
}
