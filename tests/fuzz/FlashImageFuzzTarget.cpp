// A fuzz target over the flash command's image reader: the input is the image file. Both FW
// types scan it; every header found is read field by field and its version texts compared.
// The reader must neither fail nor read outside the image and its header copies; the checks
// below abort on a result that breaks the reader's own promises.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "CpMgmt/CmdPro/AdFlshCp.h"
#include "runtime/FileIO.h"

namespace {

// A read-only stream over the bytes, as a file handle of the file-operation object.
FileHandle* OpenBytes(const uint8_t* data, size_t size)
{
    // A stream needs at least one byte; an empty image is never read (its size is 0).
    static uint8_t placeholder = 0;
    std::FILE* stream = fmemopen(size ? const_cast<uint8_t*>(data) : &placeholder, size ? size : 1, "rb");
    return stream ? new FileHandle(stream) : nullptr;
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 16u * 1024 * 1024)
        return 0;
    for (u8 fwType = 0; fwType < 2; ++fwType) {
        FlashImageReader reader;
        reader.SetFwType(fwType);
        ImageFile image(OpenBytes(data, size));
        if (!image.IsOpen())
            return 0;
        const int result = reader.CollectFlashHeaders(image.Get(), static_cast<s32>(size));
        const ArrayList<_FLASH_HDR*>* headers = reader.GetHeaders();
        if (result != 0)
            continue;
        Check(headers != nullptr && headers->GetCount() >= 1);
        Check(fwType == 1 || size % FlashImageReader::kSearchStep == 0);
        for (unsigned i = 0; i < headers->GetCount(); ++i) {
            const _FLASH_HDR* header = headers->GetAt(static_cast<u8>(i));
            Check(IsBoardSignature(header->Signature()));
            Check(header->ComponentLength() != 0 && header->ComponentLength() <= size);
            const string version = header->Version();
            Check(static_cast<std::size_t>(version.GetLength()) < _FLASH_HDR::kSize);
            string package;
            if (header->PackageVersion(&package))
                Check(static_cast<std::size_t>(package.GetLength()) < _FLASH_HDR::kSize);
            const s16 forward = AdpFwFlashCp::CompareVersions(version.GetCStr(), package.GetCStr());
            const s16 backward = AdpFwFlashCp::CompareVersions(package.GetCStr(), version.GetCStr());
            Check((forward == 0) == (backward == 0));
        }
    }
    return 0;
}
