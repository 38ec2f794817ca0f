#include "FuzzSeeds.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fuzzseeds {

void KeepSeed(const char* target, std::size_t index, const void* data, std::size_t size)
{
    const char* folder = std::getenv("TARNBEK_FUZZ_SEEDS");
    if (folder == nullptr || *folder == '\0')
        return;
    const std::filesystem::path dir = std::filesystem::path(folder) / target;
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    std::ofstream out(dir / ("seed-" + std::to_string(index)), std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out.flush())
        ADD_FAILURE() << "cannot keep the seed " << index << " of " << target << " in " << dir;
}

}  // namespace fuzzseeds
