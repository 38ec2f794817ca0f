#include "CpMgmt/CmdPro/PdListImage.h"

#include <algorithm>

#include "ZepUtil/ByteView.h"
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdList.h"

int PdListImage::ReadBytes(Controller* controller, u32 length)
{
    if (controller == nullptr)
        return -1;
    list_.assign(length, 0);
    const u32 words[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdPdGetList, words, list_.data(), length);
    return controller->Execute(request);
}

int PdListImage::Read(Controller* controller, u32 maxEntries)
{
    announced_ = 0;
    int status = ReadBytes(controller, pdlist::kHeadSize);
    if (status != 0)
        return status;
    const u32 count = ByteView(list_).U32(pdlist::kOffCount);
    if (count > maxEntries)
        return -1;
    status = ReadBytes(controller, static_cast<u32>(pdlist::ListSize(count)));
    if (status == 0)
        announced_ = count;
    return status;
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
