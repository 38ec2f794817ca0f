// The seed inputs a fuzz test starts from, kept for the libFuzzer run of the same target: when
// TARNBEK_FUZZ_SEEDS names a folder, each seed is written to <folder>/<target>/seed-<n>.
#pragma once
#include <cstddef>

namespace fuzzseeds {

void KeepSeed(const char* target, std::size_t index, const void* data, std::size_t size);

template <typename Seeds>
void KeepSeeds(const char* target, const Seeds& seeds)
{
    std::size_t index = 0;
    for (const auto& seed : seeds)
        KeepSeed(target, index++, seed.data(), seed.size());
}

}  // namespace fuzzseeds
