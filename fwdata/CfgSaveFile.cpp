#include "fwdata/CfgSaveFile.h"

#include "fwdata/layout/CfgImage.h"
#include "fwdata/layout/CfgSaveFile.h"

namespace cfgfile {

namespace {

u32 Sum(ByteView bytes)
{
    u32 sum = 0;
    for (std::size_t i = 0; i < bytes.Size(); ++i)
        sum += bytes.Data()[i];
    return sum;
}

// The image's counts, when its header describes exactly its length.
bool ImageCounts(ByteView image, u32* arrays, u32* vds, u32* spares)
{
    if (image.Size() < cfgimg::kHeaderSize)
        return false;
    *arrays = image.U16(cfgimg::kOffArrayCount);
    *vds = image.U16(cfgimg::kOffVdCount);
    *spares = image.U16(cfgimg::kOffSpareCount);
    return image.U32(cfgimg::kOffFullSize) == image.Size() &&
           cfgimg::ImageSize(*arrays, *vds, *spares) == image.Size() &&
           image.U16(cfgimg::kOffArraySize) == cfgimg::kArrayRecordSize &&
           image.U16(cfgimg::kOffVdSize) == cfgimg::kVdRecordSize &&
           image.U16(cfgimg::kOffSpareSize) == cfgimg::kSpareRecordSize;
}

}  // namespace

std::vector<u8> MakeSaveFile(ByteView image)
{
    std::vector<u8> file(kHeaderSize + image.Size(), 0);
    ByteWriter header(file.data(), kHeaderSize);
    header.PutText(kVersion.offset, kVersion.width, kVersionText);
    header.PutText(kSignature.offset, kSignature.width, kSignatureText);
    header.PutU32(kOffHeaderSize, kHeaderSize);
    header.PutU32(kOffImageSize, static_cast<u32>(image.Size()));
    header.PutU32(kOffImageSum, Sum(image));
    header.PutU16(kOffArrayCount, image.U16(cfgimg::kOffArrayCount));
    header.PutU16(kOffVdCount, image.U16(cfgimg::kOffVdCount));
    header.PutU16(kOffSpareCount, image.U16(cfgimg::kOffSpareCount));
    ByteWriter(file).PutBytes(kHeaderSize, image.Data(), image.Size());
    return file;
}

int ReadSaveFile(ByteView file, std::vector<u8>* image)
{
    image->clear();
    if (file.Size() < kHeaderSize)
        return -1;
    const ByteView header(file.Data(), kHeaderSize);
    const u32 size = header.U32(kOffImageSize);
    if (header.Text(kVersion) != kVersionText || header.Text(kSignature) != kSignatureText ||
        header.U32(kOffHeaderSize) != kHeaderSize || size > kMaxImageSize || size != file.Size() - kHeaderSize)
        return -1;
    const ByteView body = file.Sub(kHeaderSize, size);
    u32 arrays = 0;
    u32 vds = 0;
    u32 spares = 0;
    if (!ImageCounts(body, &arrays, &vds, &spares) || header.U16(kOffArrayCount) != arrays ||
        header.U16(kOffVdCount) != vds || header.U16(kOffSpareCount) != spares ||
        header.U32(kOffImageSum) != Sum(body))
        return -1;
    image->assign(body.Data(), body.Data() + body.Size());
    return 0;
}

int PrepareRestore(std::vector<u8>* image, const std::function<bool(u16 deviceId, u16* seqNum)>& currentSeq)
{
    u32 arrays = 0;
    u32 vds = 0;
    u32 spares = 0;
    if (!ImageCounts(*image, &arrays, &vds, &spares))
        return -1;
    ByteWriter out(*image);
    const ByteView in(*image);
    u32 at = cfgimg::kHeaderSize;
    for (u32 a = 0; a < arrays; ++a, at += cfgimg::kArrayRecordSize) {
        const u32 rows = in.U8(at + arrayrec::kOffRowCount);
        if (rows > arrayrec::kMaxRows)
            return -1;
        for (u32 r = 0; r < rows; ++r) {
            const u32 row = at + arrayrec::kOffRows + arrayrec::kRowSize * r;
            u16 seqNum = 0;
            const u16 deviceId = in.U16(row + arrayrec::kRowOffDeviceId);
            if (deviceId == arrayrec::kMissingDevice || !currentSeq(deviceId, &seqNum))
                return -1;
            out.PutU16(row + arrayrec::kRowOffSeqNum, seqNum);
            out.PutU8(row + arrayrec::kRowOffFwState, 0);
        }
    }
    for (u32 v = 0; v < vds; ++v, at += cfgimg::kVdRecordSize) {
        out.PutU8(at + vdrec::kOffTargetId, vdrec::kTargetIdAssigned);
        out.PutU16(at + vdrec::kOffSeqNum, 0);
        out.PutU8(at + vdrec::kOffSscServed, 0);
    }
    for (u32 s = 0; s < spares; ++s, at += cfgimg::kSpareRecordSize) {
        u16 seqNum = 0;
        if (!currentSeq(in.U16(at + sparerec::kOffDeviceId), &seqNum))
            return -1;
        out.PutU16(at + sparerec::kOffSeqNum, seqNum);
    }
    return out.Ok() && in.Ok() ? 0 : -1;
}

}  // namespace cfgfile
