#include "support/FwImageBuilder.h"

#include <fstream>

namespace fwimage {

std::string Le32(std::uint32_t value)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

Image& Image::PutBytes(std::size_t at, const std::string& bytes)
{
    for (std::size_t i = 0; i < bytes.size() && at + i < bytes_.size(); ++i)
        bytes_[at + i] = bytes[i];
    return *this;
}

Image& Image::Put(std::size_t at, const Header& h)
{
    std::string block;
    for (const std::string& entry : h.keyValues)
        block += entry + '\0';
    const std::uint32_t blockLength = h.blockLengthGiven ? h.blockLength : static_cast<std::uint32_t>(block.size());

    PutBytes(at, h.signature.substr(0, 4));
    PutBytes(at + 16, h.type.substr(0, 4));
    PutBytes(at + 24, Le32(h.length));
    PutBytes(at + 28, Le32(h.versionOffset));
    PutBytes(at + 40, Le32(h.blockOffset));
    if (h.versionOffset + h.version.size() < kHeaderSize)
        PutBytes(at + h.versionOffset, h.version + '\0');
    if (!h.keyValues.empty() && h.blockOffset + 4 + block.size() <= kHeaderSize)
        PutBytes(at + h.blockOffset, Le32(blockLength) + block);
    return *this;
}

bool Image::WriteTo(const std::string& path) const
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes_;
    return static_cast<bool>(out);
}

Image ApplicationImage(const std::string& version, const std::string& package, std::size_t size,
                       const std::string& signature)
{
    Header h;
    h.signature = signature;
    h.length = static_cast<std::uint32_t>(size);
    h.version = version;
    if (!package.empty())
        h.keyValues = {"BUILD=nightly", "PACKAGE=" + package};
    Image image(size);
    image.Put(0, h);
    return image;
}

}  // namespace fwimage
