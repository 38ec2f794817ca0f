// Drive firmware images for the simulated devices (docs/firmware-interface.md, "Device firmware
// downloads"): a 32-byte header naming the product the image is built for, the revision it
// carries, its length and its checksum, then filler bytes that differ from image to image.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace driveimage {

// A valid image of `size` bytes (at least 32).
std::vector<std::uint8_t> Build(const std::string& product, const std::string& revision, std::size_t size,
                                std::uint8_t seed = 1);
// Writes the checksum again after the bytes were changed on purpose.
void Reseal(std::vector<std::uint8_t>& image);

}  // namespace driveimage
