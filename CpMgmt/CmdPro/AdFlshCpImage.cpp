#include "CpMgmt/CmdPro/AdFlshCpImage.h"

#include <climits>
#include <cstring>

#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"
#include "runtime/Memory.h"
#include "runtime/UserFiles.h"

const char kComponentApplication[5] = {'A', 'P', 'P', ' ', '\0'};
const char kComponentBattery[5] = {'K', 'O', 'R', 'V', '\0'};

namespace {

// One four-character code per supported board family.
constexpr char kBoardSignatures[16][5] = {
    "QV20", "QV21", "QV22", "QV24", "QV40", "QV41", "QV42", "QV44",
    "QV48", "QV80", "QV81", "QV82", "QV84", "QV88", "QVE1", "QVE2",
};

constexpr std::size_t kMaxHeaders = 255;

// The NUL-terminated text at the offset, when its terminator lies inside the header.
bool TextInHeader(const ByteView& header, std::size_t offset, string* out)
{
    if (offset >= header.Size())
        return false;
    const std::size_t width = header.Size() - offset;
    const std::string text = header.Text(offset, width);
    if (text.size() == width)
        return false;
    *out = string(text.c_str());
    return true;
}

}  // namespace

u32 _FLASH_HDR::Signature() const { return ByteView(bytes).U32(flashimg::kOffSignature); }

u32 _FLASH_HDR::ComponentLength() const { return ByteView(bytes).U32(flashimg::kOffComponentLength); }

bool _FLASH_HDR::HasType(const char* type) const
{
    return ByteView(bytes).Holds(flashimg::kOffComponentType, std::string_view(type, flashimg::kComponentTypeSize));
}

string _FLASH_HDR::Version() const
{
    const ByteView header(bytes);
    string text;
    if (!TextInHeader(header, header.U32(flashimg::kOffVersionOffset), &text))
        return string();
    return text;
}

bool _FLASH_HDR::PackageVersion(string* out) const
{
    static constexpr char kKey[] = "PACKAGE=";
    static constexpr std::size_t kKeyLength = sizeof kKey - 1;

    const ByteView header(bytes);
    const u32 blockOffset = header.U32(flashimg::kOffKeyValueOffset);
    if (blockOffset >= ComponentLength())
        return false;
    if (blockOffset > kSize - flashimg::kKeyValueOffStrings)
        return false;
    const u32 blockLength = header.U32(blockOffset + flashimg::kKeyValueOffLength);
    const std::size_t first = blockOffset + flashimg::kKeyValueOffStrings;
    std::size_t at = first;
    while (at < kSize && header.U8(at) != 0) {
        string entry;
        if (!TextInHeader(header, at, &entry))
            return false;  // the string runs past the header
        if (std::strncmp(entry.GetCStr(), kKey, kKeyLength) == 0) {
            *out = string(entry.GetCStr() + kKeyLength);
            return true;
        }
        at += static_cast<std::size_t>(entry.GetLength()) + 1;
        if (at - first > blockLength)
            return false;
    }
    return false;
}

bool IsBoardSignature(u32 word)
{
    for (const char* code : kBoardSignatures)
        if (ByteView(reinterpret_cast<const u8*>(code), flashimg::kSignatureSize).U32(flashimg::kOffSignature) == word)
            return true;
    return false;
}

s32 FlashImageReader::GetImageSize(const char* fileName)
{
    FileIO* io = GetFileIO();
    FileHandle* file = userfiles::OpenForReading(fileName, "r");
    if (file == nullptr)
        return -1;
    if (io->Seek(file, 0, FileIO::kSeekFromEnd) != 0) {
        io->Close(file);
        return -1;
    }
    const long size = io->Tell(file);
    io->Close(file);
    if (size < 0 || size > INT32_MAX)
        return -1;
    return static_cast<s32>(size);
}

std::unique_ptr<_FLASH_HDR> FlashImageReader::FindFlashHeader(FileHandle* image, u32 start, u32 remaining,
                                                              bool* truncated)
{
    FileIO* io = GetFileIO();
    const u64 end = static_cast<u64>(start) + remaining;
    for (u64 step = start; step < end; step += kSearchStep) {
        for (u32 probe : flashimg::kProbeOffsets) {
            const u64 at = step + probe;
            u8 word[flashimg::kSignatureSize] = {};
            if (io->Seek(image, static_cast<long>(at), FileIO::kSeekFromStart) != 0 || io->Read(word, sizeof word, 1, image) != 1)
                continue;
            if (!IsBoardSignature(ByteView(word).U32(flashimg::kOffSignature)))
                continue;
            std::unique_ptr<_FLASH_HDR> header(ZepNew<_FLASH_HDR>());
            if (header == nullptr)
                return nullptr;
            if (io->Seek(image, static_cast<long>(at), FileIO::kSeekFromStart) != 0 ||
                io->Read(header->bytes, _FLASH_HDR::kSize, 1, image) != 1) {
                if (truncated != nullptr)
                    *truncated = true;
                return nullptr;
            }
            return header;
        }
    }
    return nullptr;
}

int FlashImageReader::CollectFlashHeaders(FileHandle* image, s32 imageSize)
{
    if (fwType_ != 1 && imageSize % static_cast<s32>(kSearchStep) != 0)
        return 1;
    if (headers_ == nullptr) {
        headers_.reset(ZepNew<ArrayList<_FLASH_HDR*>>(4));
        if (headers_ == nullptr)
            return 1;
    }
    if (image == nullptr || imageSize <= 0)
        return 1;
    GetFileIO()->Seek(image, 0, FileIO::kSeekFromStart);

    // Each search starts where the previous component ends; a component must end inside the
    // file and move the search on, so the walk ends after at most one search per component.
    const u64 size = static_cast<u64>(imageSize);
    u64 offset = 0;
    while (offset < size) {
        bool truncated = false;
        std::unique_ptr<_FLASH_HDR> header =
            FindFlashHeader(image, static_cast<u32>(offset), static_cast<u32>(size - offset), &truncated);
        if (truncated)
            return 1;
        if (header == nullptr)
            break;
        const u32 length = header->ComponentLength();
        if (headers_->GetCount() >= kMaxHeaders || headers_->Add(header.get()) != 0)
            return 1;
        header.release();  // the list owns it now
        if (length == 0 || length > size - offset)
            return 1;
        offset += length;
    }
    return headers_->GetCount() == 0 ? 1 : 0;
}

void ImageFile::Close()
{
    if (handle_ != nullptr)
        GetFileIO()->Close(handle_);
    handle_ = nullptr;
}
