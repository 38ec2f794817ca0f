// The controller firmware image file as the flash command reads it: the component headers
// found on the 64 KB search grid, their board signatures, component types, versions and the
// package version of the key=value block. The file itself is only read; every field is taken
// from a copy of the header, so nothing outside the header and the file is ever looked at.
#pragma once
#include <cstddef>
#include <memory>

#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/FlashImage.h"
#include "runtime/ArrayList.h"

class FileHandle;

// One component header: a copy of the 1084 header bytes as the file holds them.
struct _FLASH_HDR {
    static constexpr std::size_t kSize = flashimg::kHeaderSize;

    u8 bytes[kSize] = {};

    u32 Signature() const;
    u32 ComponentLength() const;
    // True when the five component-type bytes equal `type` (four characters and the zero).
    bool HasType(const char* type) const;
    // The version text; empty when its offset or its terminating zero lies outside the header.
    string Version() const;
    // The value of "PACKAGE=" in the key=value block; false when the header has no block, the
    // block does not lie inside the header or holds no such key.
    bool PackageVersion(string* out) const;
};

// Component types the flash command looks at (five bytes each, the zero included).
extern const char kComponentApplication[5];  // "APP "
extern const char kComponentBattery[5];      // "KORV"

// True when the little-endian word is one of the board signatures of the supported boards.
bool IsBoardSignature(u32 word);

// The header scan of an image file. The flash command's processor is one; it owns the headers
// it collects for as long as it lives.
class FlashImageReader {
public:
    static constexpr u32 kSearchStep = flashimg::kSearchStep;

    FlashImageReader() = default;
    FlashImageReader(const FlashImageReader&) = delete;
    FlashImageReader& operator=(const FlashImageReader&) = delete;

    // The file's length in bytes, or -1 (message 0x30009 when it cannot be opened). A length
    // that a signed 32-bit size cannot hold is -1 too.
    static s32 GetImageSize(const char* fileName);

    // The first header on the grid from `start` while the step lies below start + remaining,
    // probing each 64 KB step at 0, 32, 8224 and 65408; null when none is found. A signature
    // whose 1084 header bytes the file does not hold sets `truncated` and gives null.
    std::unique_ptr<_FLASH_HDR> FindFlashHeader(FileHandle* image, u32 start, u32 remaining, bool* truncated = nullptr);

    // Collects the headers of the whole image, component by component: 0 when the image holds
    // at least one and every component lies inside the file, 1 otherwise (also for a size
    // that breaks the size rule of a controller image, a component length of 0, a header the
    // file cuts short, or more than 255 components).
    int CollectFlashHeaders(FileHandle* image, s32 imageSize);

    void SetFwType(u8 fwType) { fwType_ = fwType; }
    u8 GetFwType() const { return fwType_; }
    // The collected headers in file order, or null before the first scan.
    const ArrayList<_FLASH_HDR*>* GetHeaders() const { return headers_.get(); }

private:
    u8 fwType_ = 0;
    OwnedList<_FLASH_HDR> headers_;
};

// An image file opened for reading, closed when it goes out of scope (or earlier by Close).
class ImageFile {
public:
    explicit ImageFile(FileHandle* handle) : handle_(handle) {}
    ~ImageFile() { Close(); }
    ImageFile(const ImageFile&) = delete;
    ImageFile& operator=(const ImageFile&) = delete;

    FileHandle* Get() const { return handle_; }
    bool IsOpen() const { return handle_ != nullptr; }
    void Close();

private:
    FileHandle* handle_;
};
