// The foreign configurations the controller finds on its drives (scan, image as found or as an
// import would leave it, import, clear), and the write of a whole configuration image.
#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/CfgImageCounts.h"
#include "fwdata/RmDataFwi.h"
#include "fwdata/layout/CfgImage.h"
#include "fwdata/layout/ForeignScan.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"

int RmDataFwi::ReadImage(u32 opcode, u8 index, std::vector<u8>* image)
{
    // First the header with room for a small image, then, when the header announces more, the
    // whole image.
    u32 length = cfgimg::kDefaultReadSize;
    for (int read = 0; read < 2; ++read) {
        image->assign(length, 0);
        u8 mbox[mailbox::kSize] = {};
        ByteWriter(mbox).PutU8(mailbox::kOffCfgIndex, index);
        DcmdFwiDpParams request(opcode, mbox, image->data(), length);
        const int status = controller_->Execute(request);
        if (status != 0) {
            image->clear();
            return status;
        }
        image->resize(std::min<u32>(length, request.GetReplyLength()));
        CfgImageCounts counts;
        if (!ReadCfgImageCounts(ByteView(*image), &counts))
            return -1;
        const u32 full = static_cast<u32>(counts.Size());
        if (full <= image->size()) {
            image->resize(full);
            return 0;
        }
        length = full;
    }
    // The second reply was shorter than its own header announced.
    image->clear();
    return -1;
}

int RmDataFwi::ScanForeign(u32* count)
{
    std::vector<u8> block;
    const int status = Read(kDcmdCfgForeignScan, foreignscan::kSize, &block);
    if (status != 0)
        return status;
    *count = ByteView(block).U32(foreignscan::kOffCount);
    return 0;
}

int RmDataFwi::ReadForeignImage(u8 index, bool preview, std::vector<u8>* image)
{
    return ReadImage(preview ? kDcmdCfgForeignPreview : kDcmdCfgForeignRead, index, image);
}

int RmDataFwi::ForeignRequest(u32 opcode, u8 index)
{
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU8(mailbox::kOffCfgIndex, index);
    DcmdFwiDpParams request(opcode, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int RmDataFwi::ImportForeign(u8 index)
{
    const int status = ForeignRequest(kDcmdCfgForeignImport, index);
    if (status != 0)
        return status;
    return TellOs(kOsVdAdded, kOsAllVds) == 0 ? 0 : kOsNotTold;
}

int RmDataFwi::ClearForeign(u8 index) { return ForeignRequest(kDcmdCfgForeignClear, index); }

int RmDataFwi::WriteCfgImage(const std::vector<u8>& image)
{
    std::vector<u8> block(image);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCfgAdd, mbox, block.data(), static_cast<u32>(block.size()));
    const int status = controller_->Execute(request);
    if (status != 0)
        return status;
    return TellOs(kOsVdAdded, kOsAllVds) == 0 ? 0 : kOsNotTold;
}
