// Builds controller firmware image files in code: zero-filled images with component headers
// written field by field at chosen offsets, valid or broken as a test needs.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace fwimage {

constexpr std::size_t kHeaderSize = 1084;
constexpr std::uint32_t kStep = 65536;

// One component header. The version text and the key=value block are written inside the
// header at their offsets unless the offsets point elsewhere (then only the offsets are set).
struct Header {
    std::string signature = "QV40";
    std::string type = "APP ";  // four characters; the fifth byte stays zero
    std::uint32_t length = 0;   // component length
    std::string version = "1.0";
    std::uint32_t versionOffset = 100;
    std::vector<std::string> keyValues;  // e.g. "PACKAGE=2.130.403-2014"
    std::uint32_t blockOffset = 200;
    bool blockLengthGiven = false;
    std::uint32_t blockLength = 0;  // the block's length field when given; else the entries' size
};

class Image {
public:
    explicit Image(std::size_t size) : bytes_(size, '\0') {}

    // Writes the header at the offset; the parts that do not fit the image are cut off.
    Image& Put(std::size_t at, const Header& header);
    // Writes raw bytes (cut at the image's end).
    Image& PutBytes(std::size_t at, const std::string& bytes);

    const std::string& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> Vector() const { return {bytes_.begin(), bytes_.end()}; }
    // Writes the image to a file; false when it cannot.
    bool WriteTo(const std::string& path) const;

private:
    std::string bytes_;
};

// A controller image of `size` bytes with one application component covering it.
Image ApplicationImage(const std::string& version, const std::string& package, std::size_t size = 2 * kStep,
                       const std::string& signature = "QV40");

// A little-endian u32 as four bytes.
std::string Le32(std::uint32_t value);

}  // namespace fwimage
