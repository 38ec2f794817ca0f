#include "support/DriveImage.h"

namespace driveimage {
namespace {

void PutLe32(std::vector<std::uint8_t>& image, std::size_t at, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        image[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::vector<std::uint8_t> Build(const std::string& product, const std::string& revision, std::size_t size,
                                std::uint8_t seed)
{
    std::vector<std::uint8_t> image(size < 32 ? 32 : size);
    for (std::size_t i = 32; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 131 + seed);
    const std::string signature = "QVDF";
    for (std::size_t i = 0; i < 4; ++i)
        image[i] = static_cast<std::uint8_t>(signature[i]);
    for (std::size_t i = 0; i < 16; ++i)
        image[4 + i] = i < product.size() ? static_cast<std::uint8_t>(product[i]) : ' ';
    for (std::size_t i = 0; i < 4; ++i)
        image[20 + i] = i < revision.size() ? static_cast<std::uint8_t>(revision[i]) : ' ';
    PutLe32(image, 24, static_cast<std::uint32_t>(image.size()));
    Reseal(image);
    return image;
}

void Reseal(std::vector<std::uint8_t>& image)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < image.size(); ++i)
        sum += (i >= 28 && i < 32) ? 0 : image[i];
    PutLe32(image, 28, sum);
}

}  // namespace driveimage
