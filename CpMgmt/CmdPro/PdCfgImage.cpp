#include "CpMgmt/CmdPro/PdCfgImage.h"

#include <algorithm>

#include "CpMgmt/CmdPro/FwRequest.h"
#include "fwdata/layout/CfgImage.h"
#include "fwdata/layout/Opcodes.h"

int PdCfgImage::Read(Controller* controller, u32 length)
{
    if (controller == nullptr)
        return -1;
    std::vector<u8> block;
    const int status = ReadDcmdBlock(controller, kDcmdCfgRead, &block, length);
    if (status != 0)
        return status;
    // The controller places the whole image, or `length` bytes of a larger one; fewer is a reply
    // that cannot be read, never records of zeros.
    if (block.size() < cfgimg::kHeaderSize)
        return -1;
    const ByteView header(block);
    const u64 size = cfgimg::ImageSize(header.U16(cfgimg::kOffArrayCount), header.U16(cfgimg::kOffVdCount),
                                       header.U16(cfgimg::kOffSpareCount));
    if (block.size() < std::min<u64>(length, size))
        return -1;
    image_ = std::move(block);
    return 0;
}

int PdCfgImage::ReadHead(Controller* controller) { return Read(controller, cfgimg::kDefaultReadSize); }

int PdCfgImage::ReadWhole(Controller* controller)
{
    if (image_.size() < cfgimg::kHeaderSize)
        return -1;
    // Computed from the 16-bit counts, the size always fits a request.
    const ByteView header(image_);
    const u64 size = cfgimg::ImageSize(header.U16(cfgimg::kOffArrayCount), header.U16(cfgimg::kOffVdCount),
                                       header.U16(cfgimg::kOffSpareCount));
    return Read(controller, static_cast<u32>(size));
}

u16 PdCfgImage::GetVdCount() const
{
    return image_.size() < cfgimg::kHeaderSize ? 0 : ByteView(image_).U16(cfgimg::kOffVdCount);
}

u16 PdCfgImage::GetArrayCount() const
{
    if (image_.size() < cfgimg::kHeaderSize)
        return 0;
    const std::size_t fit = (image_.size() - cfgimg::kHeaderSize) / cfgimg::kArrayRecordSize;
    return static_cast<u16>(std::min<std::size_t>(ByteView(image_).U16(cfgimg::kOffArrayCount), fit));
}

ByteView PdCfgImage::ArrayRecord(u16 a) const
{
    return ByteView(image_).Sub(cfgimg::kHeaderSize + static_cast<std::size_t>(a) * cfgimg::kArrayRecordSize,
                                cfgimg::kArrayRecordSize);
}

u8 PdCfgImage::GetRowCount(u16 a) const
{
    return static_cast<u8>(std::min<u32>(ArrayRecord(a).U8(arrayrec::kOffRowCount), arrayrec::kMaxRows));
}

u16 PdCfgImage::GetRowDeviceId(u16 a, u8 row) const
{
    return ArrayRecord(a).U16(arrayrec::kOffRows + row * arrayrec::kRowSize + arrayrec::kRowOffDeviceId);
}

u16 PdCfgImage::GetArrayRef(u16 a) const { return ArrayRecord(a).U16(arrayrec::kOffRef); }

u64 PdCfgImage::GetArrayBlocks(u16 a) const { return ArrayRecord(a).U64(arrayrec::kOffBlocks); }
