#include "fwdata/RmDataFwi.h"

#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/EntryList.h"
#include "fwdata/PdDataFwi.h"
#include "fwdata/layout/CfgImage.h"
#include "fwdata/layout/EnclList.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdList.h"
#include "fwdata/layout/VdList.h"


int RmDataFwi::Read(u32 opcode, u32 length, std::vector<u8>* block)
{
    block->assign(length, 0);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(opcode, mbox, block->data(), length);
    int status = controller_->Execute(request);
    // The block is what the controller placed: a list shorter than its count says fails its
    // decode instead of reading zeros.
    if (status == 0)
        block->resize(std::min<u32>(length, request.GetReplyLength()));
    else
        block->clear();
    return status;
}

int RmDataFwi::GetEnclosureDeviceIds(std::vector<u16>* ids)
{
    std::vector<u8> block;
    int status = Read(kDcmdEnclGetList, encllist::kSize, &block);
    if (status != 0)
        return status;
    const ByteView list(block);
    const u32 fits = block.size() < encllist::kOffEntries
                         ? 0
                         : static_cast<u32>((block.size() - encllist::kOffEntries) / encllist::kEntrySize);
    const u32 count = std::min({list.U32(encllist::kOffCount), encllist::kMaxEntries, fits});
    ids->clear();
    for (u32 i = 0; i < count; ++i)
        ids->push_back(list.U16(encllist::kOffEntries + i * encllist::kEntrySize + encllist::kEntryOffDeviceId));
    return 0;
}

int RmDataFwi::GetPdListEntries(std::vector<PdListEntry>* entries)
{
    std::vector<u8> block;
    int status = Read(kDcmdPdGetList, pdlist::kHeadSize, &block);
    if (status != 0)
        return status;
    if (block.size() < pdlist::kOffEntries)
        return -1;
    const u32 announced = ByteView(block).U32(pdlist::kOffCount);
    if (announced > pdlist::kMaxEntries)
        return -1;
    const u32 length = static_cast<u32>(pdlist::ListSize(announced));
    // The head already holds a list of one entry; a longer one is read whole.
    if (length > block.size()) {
        status = Read(kDcmdPdGetList, length, &block);
        if (status != 0)
            return status;
    }
    // The whole list must fit the bytes received: a count that grew between the two reads does
    // not.
    const ByteView list(block);
    const u32 count = list.U32(pdlist::kOffCount);
    if (count > announced || pdlist::ListSize(count) > block.size())
        return -1;
    entries->clear();
    AppendEntries(list, pdlist::kOffEntries, pdlist::kEntrySize, count, entries, [](const ByteView& at) {
        return PdListEntry{.deviceId = at.U16(pdlist::kEntryOffDeviceId),
                           .enclDeviceId = at.U16(pdlist::kEntryOffEnclDeviceId),
                           .slot = at.U8(pdlist::kEntryOffSlot),
                           .scsiType = at.U8(pdlist::kEntryOffScsiType)};
    });
    return 0;
}

int RmDataFwi::GetVdListEntries(std::vector<VdListEntry>* entries)
{
    std::vector<u8> block;
    int status = Read(kDcmdLdGetList, vdlist::kSize, &block);
    if (status != 0)
        return status;
    if (block.size() < vdlist::kOffEntries)
        return -1;
    const ByteView list(block);
    const u32 count = list.U32(vdlist::kOffCount);
    if (count > vdlist::kMaxEntries || vdlist::kOffEntries + count * vdlist::kEntrySize > block.size())
        return -1;
    entries->clear();
    AppendEntries(list, vdlist::kOffEntries, vdlist::kEntrySize, count, entries, [](const ByteView& at) {
        return VdListEntry{.targetId = at.U8(vdlist::kEntryOffTargetId),
                           .seqNum = at.U16(vdlist::kEntryOffSeqNum),
                           .state = at.U8(vdlist::kEntryOffState),
                           .blocks = at.U64(vdlist::kEntryOffBlocks)};
    });
    return 0;
}

int RmDataFwi::ReadCfgImage(std::vector<u8>* image) { return ReadImage(kDcmdCfgRead, 0, image); }

std::unique_ptr<PdData> RmDataFwi::CreatePdData(const PdListEntry& entry)
{
    return std::make_unique<PdDataFwi>(controller_, entry);
}
