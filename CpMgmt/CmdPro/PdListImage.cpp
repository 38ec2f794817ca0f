#include "CpMgmt/CmdPro/PdListImage.h"

#include <algorithm>

#include "CpMgmt/CmdPro/FwRequest.h"
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdList.h"

namespace {

template <class Handle>
int ReadPdInfoRecordOf(Handle* handle, u16 deviceId, u8 (&record)[pdrec::kSize])
{
    RequestMailbox mbox;
    mbox.Writer().PutU16(mailbox::kOffDeviceId, deviceId);
    return SendDcmd(handle, kDcmdPdGetInfo, record, pdrec::kSize, mbox);
}

}  // namespace

int ReadPdInfoRecord(Controller* controller, u16 deviceId, u8 (&record)[pdrec::kSize])
{
    return ReadPdInfoRecordOf(controller, deviceId, record);
}

int ReadPdInfoRecord(CpController* cpController, u16 deviceId, u8 (&record)[pdrec::kSize])
{
    return ReadPdInfoRecordOf(cpController, deviceId, record);
}

// The list's bytes up to `length`; a reply that holds no count, or fewer bytes than the count it
// gives needs (as far as `length` reaches), is a failed read, never entries of zeros.
template <class Handle>
int PdListImage::ReadBytes(Handle* handle, u32 length)
{
    const int status = ReadDcmdBlock(handle, kDcmdPdGetList, &list_, length);
    if (status != 0)
        return status;
    const ByteView view(list_);
    const u32 count = view.U32(pdlist::kOffCount);
    if (!view.Ok() || list_.size() < std::min<u64>(length, pdlist::ListSize(count)))
        return -1;
    return 0;
}

template <class Handle>
int PdListImage::ReadList(Handle* handle, u32 maxEntries, bool refuseLonger)
{
    announced_ = 0;
    int status = ReadBytes(handle, pdlist::kHeadSize);
    if (status != 0)
        return status;
    u32 count = ByteView(list_).U32(pdlist::kOffCount);
    if (count > maxEntries) {
        if (refuseLonger)
            return -1;
        count = maxEntries;
    }
    status = ReadBytes(handle, static_cast<u32>(pdlist::ListSize(count)));
    if (status == 0)
        announced_ = count;
    return status;
}

int PdListImage::Read(Controller* controller, u32 maxEntries) { return ReadList(controller, maxEntries, true); }

int PdListImage::ReadUpTo(CpController* cpController, u32 maxEntries)
{
    return ReadList(cpController, maxEntries, false);
}

u32 PdListImage::GetCount() const { return std::min(ByteView(list_).U32(pdlist::kOffCount), announced_); }

u16 PdListImage::GetDeviceId(u32 index) const
{
    return ByteView(list_).U16(pdlist::kOffEntries + index * pdlist::kEntrySize + pdlist::kEntryOffDeviceId);
}

u16 PdListImage::GetEnclDeviceId(u32 index) const
{
    return ByteView(list_).U16(pdlist::kOffEntries + index * pdlist::kEntrySize + pdlist::kEntryOffEnclDeviceId);
}

u8 PdListImage::GetSlot(u32 index) const
{
    return ByteView(list_).U8(pdlist::kOffEntries + index * pdlist::kEntrySize + pdlist::kEntryOffSlot);
}

u8 PdListImage::GetScsiType(u32 index) const
{
    return ByteView(list_).U8(pdlist::kOffEntries + index * pdlist::kEntrySize + pdlist::kEntryOffScsiType);
}

int PdListImage::Find(u16 enclosureId, u8 slot, bool diskOnly) const
{
    const u32 count = GetCount();
    for (u32 i = 0; i < count; ++i)
        if (GetEnclDeviceId(i) == enclosureId && GetSlot(i) == slot &&
            (!diskOnly || GetScsiType(i) == pdlist::kScsiTypeDisk))
            return static_cast<int>(i);
    return -1;
}
