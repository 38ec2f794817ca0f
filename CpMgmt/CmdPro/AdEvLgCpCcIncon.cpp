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

// The virtual drives the command line selects: every drive of the controller, or the listed
// target ids in their order.
struct CcInconSelection {
    const ArrayList<u8>* listed = nullptr;
    bool allDrives = false;
    unsigned count = 0;
};

// The selection, after the controller's drive count is read: false (message for no drive
// configured) when there is nothing to look at. A line without virtual drives selects none.
bool SelectCcInconDrives(RaidManager* manager, u8 adapterNumber, const AdpEventLogPo& object,
                         CcInconSelection* selection)
{
    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapterNumber, &vdCount, "VD count"))
        return false;
    const ArrayList<u8>& listed = object.GetVdList();
    if (listed.GetCount() == 0)
        return false;
    selection->listed = &listed;
    selection->allDrives = listed.GetAt(0) == LdParsedObject::kAllLds;
    selection->count = selection->allDrives ? vdCount : listed.GetCount();
    if (vdCount == 0) {
        PrintMessage(LdMsg::kNoVirtualDrive, adapterNumber);
        return false;
    }
    return true;
}

// Holds the `count` inconsistency-class events from `start` on; 0, the failed request's
// status, or -1 (after the message) when the buffers are not had.
int HoldCcInconEvents(Adapter* adapter, u32 start, u32 count, HeldEvents* held)
{
    std::unique_ptr<u8[]> batch(new (std::nothrow) u8[AdpEventLogCp::kListBufferSize]());
    if (!held->Allocate(count) || !batch) {
        PrintMessage(CommonMsg::kNoMemory, "getting events");
        return -1;
    }
    return FetchEvents(adapter, start, count, batch.get(), *held);
}

// The selected drive at position `i`, or null (its target id in `targetId`) when the
// configuration has no such drive.
VirtualDisk* CcInconDriveAt(RaidManager* manager, const List<VirtualDisk*>* vds, const CcInconSelection& selection,
                            unsigned i, u8* targetId)
{
    VirtualDisk* vd = nullptr;
    if (selection.allDrives) {
        vd = vds->GetAt(static_cast<u8>(i));
        *targetId = vd != nullptr && vd->GetId() != nullptr ? vd->GetId()->GetTargetId() : 0;
    } else {
        *targetId = selection.listed->GetAt(static_cast<u8>(i));
        if (manager->IsTargetIdInUse(*targetId, 0))
            vd = FindVdByTarget(vds, *targetId);
    }
    return vd != nullptr && vd->GetId() != nullptr ? vd : nullptr;
}

// What the report of the drives came to.
struct CcInconWritten {
    int result = 0;
    bool anyWritten = false;
    bool writeFailed = false;
};

// Writes the inconsistency events held for one drive (its firmware target id).
void WriteCcInconEventsOf(const HeldEvents& held, u16 fwTargetId, FileHandle* file, CcInconWritten* written)
{
    for (u32 e = 0; e < held.Count() && !written->writeFailed; ++e) {
        const ByteView record = held.Record(e);
        if (record.U32(evrec::kOffCode) != kCcInconsistencyCode || record.U8(evrec::kOffArgType) != evargs::kLdStrip ||
            record.U16(evargs::ldstrip::kOffLd + evargs::kLdRefOffTargetId) != fwTargetId)
            continue;
        written->writeFailed = !record.Ok() || AdpEventLogCp::WriteEvent(record.Data(), file) != 0;
        written->anyWritten = true;
    }
}

// The report in the file: the adapter title, per selected drive its events (or, for a drive
// that is not there, the message on the console and in the file), and the no-errors line when
// no event was written.
CcInconWritten WriteCcInconReport(RaidManager* manager, u8 adapterNumber, const CcInconSelection& selection,
                                  const List<VirtualDisk*>* vds, const HeldEvents& held, FileHandle* file)
{
    CcInconWritten written;
    written.writeFailed = FPrintMessage(file, CommonMsg::kAdapterTitle, static_cast<int>(adapterNumber)) != 0;
    for (unsigned i = 0; i < selection.count && !written.writeFailed; ++i) {
        u8 targetId = 0;
        VirtualDisk* vd = CcInconDriveAt(manager, vds, selection, i, &targetId);
        if (vd == nullptr) {
            PrintMessage(CommonMsg::kVdNotFound, adapterNumber, static_cast<int>(targetId));
            written.writeFailed = FPrintMessage(file, CommonMsg::kVdNotFound, static_cast<int>(adapterNumber),
                                                static_cast<int>(targetId)) != 0;
            written.result = -1;
            continue;
        }
        WriteCcInconEventsOf(held, vd->GetId()->GetFwTargetId(), file, &written);
    }
    if (!written.writeFailed && !written.anyWritten) {
        written.writeFailed = FPrintMessage(file, MaintMsg::kNoCcErrors) != 0;
        if (!written.writeFailed)
            PrintMessage(MaintMsg::kNoCcErrors);
    }
    return written;
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
    CcInconSelection selection;
    if (!SelectCcInconDrives(manager, adapterNumber, *object, &selection))
        return -1;

    const u32 start = access.info[evloginfo::kBoot];
    u32 count = 0;
    status = access.adapter->GetEventCount(&count, start, kCcClassLocale);
    if (status != 0 && status != kStatusNoEvents)
        return status;
    FwiDpErrors::TakeAsAnswer(status);  // no record from that number on: the count stays 0
    if (count == 0) {
        PrintMessage(MaintMsg::kEventNoneLogged, adapterNumber, "VD");
        return 0;
    }
    HeldEvents held;
    status = HoldCcInconEvents(access.adapter, start, count, &held);
    if (status != 0)
        return status;

    List<VirtualDisk*>* vds = nullptr;
    if (manager->GetVdList(&vds) != 0 || vds == nullptr)
        return -1;
    manager->SortVdList(vds);
    // The count is the controller's list, the drives its configuration: never walk past them.
    if (selection.allDrives && selection.count > vds->GetCount())
        selection.count = vds->GetCount();

    userfiles::OutputFile output;
    if (!OpenOutput(*object, &output))
        return -1;
    CcInconWritten written = WriteCcInconReport(manager, adapterNumber, selection, vds, held, output.Handle());
    // Output that cannot be written out when the file is closed is a failed write too; a file
    // written whole then leaves the one it was to replace as it was.
    if (!output.Finish())
        written.writeFailed = true;
    if (written.writeFailed) {
        PrintMessage(MaintMsg::kFileWriteFailed);
        return -1;
    }
    return written.result;
}
