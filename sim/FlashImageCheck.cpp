#include "FlashImageCheck.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "FlashRegion.h"

namespace sim {
namespace {

// The image layout. A component header is 1084 bytes: board signature (4 ASCII characters)
// at 0, component type (4 characters and a zero byte) at 16, u32 component length at 24 (from
// the start of the search that found the header to the start of the next search), u32 offset
// of the version text at 28 and u32 offset of the key=value block at 40, both counted from the
// header's first byte.
namespace component_header {

constexpr std::size_t kHeaderSize = 1084;
constexpr std::size_t kTypeAt = 16;
constexpr std::size_t kTypeSize = 4;
constexpr std::size_t kLengthAt = 24;
constexpr std::size_t kVersionAt = 28;
constexpr std::size_t kBlockAt = 40;

}  // namespace component_header

constexpr u64 kStep = 0x10000;
constexpr std::array<u64, 4> kProbes = {0x0, 0x20, 0x2020, 0xFF80};
constexpr std::size_t kMaxComponents = 255;

constexpr const char* kBoards[16] = {"QV20", "QV21", "QV22", "QV24", "QV40", "QV41", "QV42", "QV44",
                                     "QV48", "QV80", "QV81", "QV82", "QV84", "QV88", "QVE1", "QVE2"};

class Image {
public:
    explicit Image(const std::vector<u8>& bytes) : bytes_(bytes) {}
    u64 Size() const { return bytes_.size(); }
    bool Holds(u64 at, u64 width) const { return at <= bytes_.size() && width <= bytes_.size() - at; }
    u32 U32(u64 at) const
    {
        u32 value = 0;
        for (u64 i = 4; i > 0; --i)
            value = (value << 8) | bytes_[at + i - 1];
        return value;
    }
    std::string Chars(u64 at, u64 width) const
    {
        return std::string(reinterpret_cast<const char*>(bytes_.data() + at), width);
    }
    // The zero-terminated text at `at` when it ends before `limit`.
    bool TextBefore(u64 at, u64 limit, std::string* out) const
    {
        for (u64 i = at; i < limit; ++i) {
            if (bytes_[i] == 0) {
                *out = Chars(at, i - at);
                return true;
            }
        }
        return false;
    }

private:
    const std::vector<u8>& bytes_;
};

// The first header position on the grid from `from`, or the image size when there is none.
u64 FindHeader(const Image& image, u64 from)
{
    for (u64 step = from; step < image.Size(); step += kStep) {
        for (u64 probe : kProbes) {
            const u64 at = step + probe;
            if (image.Holds(at, 4) && IsKnownBoardSignature(image.Chars(at, 4)))
                return at;
        }
    }
    return image.Size();
}

FlashComponent ReadComponent(const Image& image, u64 header)
{
    FlashComponent component;
    component.type = image.Chars(header + component_header::kTypeAt, component_header::kTypeSize);
    component.type.erase(component.type.find_last_not_of(std::string(" \0", 2)) + 1);
    const u64 end = header + component_header::kHeaderSize;

    const u64 version = image.U32(header + component_header::kVersionAt);
    if (version < component_header::kHeaderSize)
        image.TextBefore(header + version, end, &component.version);

    // The block: u32 length, then zero-terminated KEY=VALUE texts up to an empty one or past
    // the length. It exists only below the component length and inside the header.
    const u64 block = image.U32(header + component_header::kBlockAt);
    if (block < image.U32(header + component_header::kLengthAt) && block + 4 <= component_header::kHeaderSize) {
        const u64 length = image.U32(header + block);
        const u64 first = header + block + 4;
        std::string entry;
        for (u64 at = first; at < end && image.TextBefore(at, end, &entry) && !entry.empty();
             at += entry.size() + 1) {
            if (entry.compare(0, 8, "PACKAGE=") == 0) {
                component.hasPackage = true;
                component.package = entry.substr(8);
                break;
            }
            if (at + entry.size() + 1 - first > length)
                break;
        }
    }
    return component;
}

}  // namespace

bool IsKnownBoardSignature(const std::string& code)
{
    return std::any_of(std::begin(kBoards), std::end(kBoards), [&](const char* b) { return code == b; });
}

FlashImageScan ScanFlashImage(const std::vector<u8>& bytes, const std::string& boardSignature)
{
    const Image image(bytes);
    FlashImageScan scan;
    std::string firstSignature;
    for (u64 offset = 0; offset < image.Size();) {
        const u64 header = FindHeader(image, offset);
        if (header == image.Size())
            break;
        if (!image.Holds(header, component_header::kHeaderSize) || scan.components.size() == kMaxComponents) {
            scan.status = kFwFlashImageInvalid;
            return scan;
        }
        const u64 length = image.U32(header + component_header::kLengthAt);
        if (length == 0 || length > image.Size() - offset) {
            scan.status = kFwFlashImageInvalid;
            return scan;
        }
        if (scan.components.empty())
            firstSignature = image.Chars(header, 4);
        scan.components.push_back(ReadComponent(image, header));
        offset += length;
    }
    if (scan.components.empty())
        scan.status = kFwFlashImageInvalid;
    else if (firstSignature != boardSignature)
        scan.status = kFwFlashWrongBoard;
    else if (scan.components.front().type != kBatteryModule && image.Size() % kStep != 0)
        scan.status = kFwFlashImageInvalid;
    return scan;
}

}  // namespace sim
