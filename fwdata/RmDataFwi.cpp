#include "fwdata/RmDataFwi.h"

#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/CfgImageLayout.h"
#include "fwdata/FwOpcodes.h"
#include "fwdata/LeBytes.h"
#include "fwdata/PdDataFwi.h"

namespace {
// Enclosure list: u32 count at 0, 144-byte entries from byte 8 (at most 32 in the block),
// u16 device id at entry byte 0.
constexpr u32 kEnclListSize = 4616;
constexpr u32 kEnclListOffCount = 0;
constexpr u32 kEnclListEntries = 8;
constexpr u32 kEnclEntrySize = 144;
constexpr u32 kEnclEntryOffDeviceId = 0;
constexpr u32 kEnclListMaxEntries = (kEnclListSize - kEnclListEntries) / kEnclEntrySize;

// The largest counts of a configuration image the model takes (its lists hold 255 elements).
constexpr u32 kMaxCfgRecords = 255;
}  // namespace

int RmDataFwi::Read(u32 opcode, u32 length, std::vector<u8>* block)
{
    block->assign(length, 0);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(opcode, mbox, block->data(), length);
    int status = controller_->Execute(request);
    // The reply is never longer than the transfer the request was given.
    if (status == 0)
        block->resize(std::min<u32>(length, request.GetTransferLength()));
    else
        block->clear();
    return status;
}

int RmDataFwi::GetEnclosureDeviceIds(std::vector<u16>* ids)
{
    std::vector<u8> block;
    int status = Read(kDcmdEnclGetList, kEnclListSize, &block);
    if (status != 0)
        return status;
    const u32 fits = block.size() < kEnclListEntries ? 0 : static_cast<u32>((block.size() - kEnclListEntries) / kEnclEntrySize);
    const u32 count = block.size() < 4 ? 0 : std::min({LeU32(block.data(), kEnclListOffCount), kEnclListMaxEntries, fits});
    ids->clear();
    for (u32 i = 0; i < count; ++i)
        ids->push_back(LeU16(block.data(), kEnclListEntries + i * kEnclEntrySize + kEnclEntryOffDeviceId));
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
    const u32 announced = LeU32(block.data(), pdlist::kOffCount);
    if (announced > pdlist::kMaxEntries)
        return -1;
    const u32 length = announced * pdlist::kEntrySize + pdlist::kOffEntries;
    // The head already holds a list of one entry; a longer one is read whole.
    if (length > block.size()) {
        status = Read(kDcmdPdGetList, length, &block);
        if (status != 0)
            return status;
    }
    // The whole list must fit the bytes received: a count that grew between the two reads does
    // not.
    const u32 count = LeU32(block.data(), pdlist::kOffCount);
    if (count > announced || count * pdlist::kEntrySize + pdlist::kOffEntries > block.size())
        return -1;
    entries->clear();
    for (u32 i = 0; i < count; ++i) {
        const u32 at = pdlist::kOffEntries + i * pdlist::kEntrySize;
        PdListEntry entry;
        entry.deviceId = LeU16(block.data(), at + pdlist::kEntryOffDeviceId);
        entry.enclDeviceId = LeU16(block.data(), at + pdlist::kEntryOffEnclDeviceId);
        entry.slot = LeU8(block.data(), at + pdlist::kEntryOffSlot);
        entry.scsiType = LeU8(block.data(), at + pdlist::kEntryOffScsiType);
        entries->push_back(entry);
    }
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
    const u32 count = LeU32(block.data(), vdlist::kOffCount);
    if (count > vdlist::kMaxEntries || vdlist::kOffEntries + count * vdlist::kEntrySize > block.size())
        return -1;
    entries->clear();
    for (u32 i = 0; i < count; ++i) {
        const u32 at = vdlist::kOffEntries + i * vdlist::kEntrySize;
        VdListEntry entry;
        entry.targetId = LeU8(block.data(), at + vdlist::kEntryOffTargetId);
        entry.seqNum = LeU16(block.data(), at + vdlist::kEntryOffSeqNum);
        entry.state = LeU8(block.data(), at + vdlist::kEntryOffState);
        entry.blocks = LeU64(block.data(), at + vdlist::kEntryOffBlocks);
        entries->push_back(entry);
    }
    return 0;
}

int RmDataFwi::ReadCfgImage(std::vector<u8>* image)
{
    int status = Read(kDcmdCfgRead, cfgimg::kDefaultReadSize, image);
    if (status != 0)
        return status;
    if (image->size() < cfgimg::kHeaderSize)
        return -1;
    const u32 arrays = LeU16(image->data(), cfgimg::kOffArrayCount);
    const u32 vds = LeU16(image->data(), cfgimg::kOffVdCount);
    const u32 spares = LeU16(image->data(), cfgimg::kOffSpareCount);
    if (arrays > kMaxCfgRecords || vds > kMaxCfgRecords || spares > kMaxCfgRecords)
        return -1;
    const u32 full = cfgimg::kHeaderSize + arrays * cfgimg::kArrayRecordSize + vds * cfgimg::kVdRecordSize +
                     spares * cfgimg::kSpareRecordSize;
    if (full <= image->size()) {
        image->resize(full);
        return 0;
    }
    return Read(kDcmdCfgRead, full, image);
}

std::unique_ptr<PdData> RmDataFwi::CreatePdData(const PdListEntry& entry)
{
    return std::make_unique<PdDataFwi>(controller_, entry);
}
