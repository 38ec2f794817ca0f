#include "CpMgmt/CmdPro/PdCfgImage.h"

#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/CfgImageLayout.h"
#include "fwdata/FwOpcodes.h"
#include "fwdata/LeBytes.h"

int PdCfgImage::Read(Controller* controller, u32 length)
{
    if (controller == nullptr)
        return -1;
    std::vector<u8> block(length, 0);
    const u32 words[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCfgRead, words, block.data(), length);
    int status = controller->Execute(request);
    if (status == 0)
        image_ = std::move(block);
    return status;
}

int PdCfgImage::ReadHead(Controller* controller) { return Read(controller, cfgimg::kDefaultReadSize); }

int PdCfgImage::ReadWhole(Controller* controller)
{
    if (image_.size() < cfgimg::kHeaderSize)
        return -1;
    // Computed from the 16-bit counts, the size cannot overflow.
    const u32 size = cfgimg::kHeaderSize + LeU16(image_.data(), cfgimg::kOffArrayCount) * cfgimg::kArrayRecordSize +
                     LeU16(image_.data(), cfgimg::kOffVdCount) * cfgimg::kVdRecordSize +
                     LeU16(image_.data(), cfgimg::kOffSpareCount) * cfgimg::kSpareRecordSize;
    return Read(controller, size);
}

u16 PdCfgImage::GetVdCount() const
{
    return image_.size() < cfgimg::kHeaderSize ? 0 : LeU16(image_.data(), cfgimg::kOffVdCount);
}

u16 PdCfgImage::GetArrayCount() const
{
    if (image_.size() < cfgimg::kHeaderSize)
        return 0;
    const std::size_t fit = (image_.size() - cfgimg::kHeaderSize) / cfgimg::kArrayRecordSize;
    return static_cast<u16>(std::min<std::size_t>(LeU16(image_.data(), cfgimg::kOffArrayCount), fit));
}

const u8* PdCfgImage::ArrayRecord(u16 a) const
{
    return image_.data() + cfgimg::kHeaderSize + static_cast<std::size_t>(a) * cfgimg::kArrayRecordSize;
}

u8 PdCfgImage::GetRowCount(u16 a) const
{
    return static_cast<u8>(std::min<u32>(LeU8(ArrayRecord(a), arrayrec::kOffRowCount), arrayrec::kMaxRows));
}

u16 PdCfgImage::GetRowDeviceId(u16 a, u8 row) const
{
    return LeU16(ArrayRecord(a), arrayrec::kOffRows + row * arrayrec::kRowSize + arrayrec::kRowOffDeviceId);
}

u16 PdCfgImage::GetArrayRef(u16 a) const { return LeU16(ArrayRecord(a), arrayrec::kOffRef); }

u64 PdCfgImage::GetArrayBlocks(u16 a) const { return LeU64(ArrayRecord(a), arrayrec::kOffBlocks); }
