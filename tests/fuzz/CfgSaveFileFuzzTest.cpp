// Runs the saved-configuration reader's fuzz target over a few thousand inputs made
// deterministically from valid files (header fields and counts set to edge values, bytes
// changed, records repeated, the file cut short) and from random bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "CfgSaveFileFuzz.h"
#include "FuzzSeeds.h"
#include "fwdata/CfgSaveFile.h"
#include "model/ModelFake.h"
#include "support/LeBytes.h"

namespace {

int FeedCfgSaveFile(const Bytes& input) { return cfgfilefuzz::CfgSaveFileFuzzInput(input.data(), input.size()); }

std::vector<Bytes> SaveFileSeeds()
{
    using namespace model_test;
    const Bytes images[] = {
        CfgImage({}, {}, {}),
        CfgImage({{0, {8, 9, 10, 11}}}, {{0, 5, {{0}}, 4}}, {{14, {}}}),
        CfgImage({{0, {8, 9}}, {1, {10, 0xFFFF}}}, {{0, 1, {{0}, {1}}}, {1, 1, {{0, 1000}, {1, 1000}}}},
                 {{12, {0, 1}}}),
    };
    std::vector<Bytes> seeds;
    for (const Bytes& image : images)
        seeds.push_back(cfgfile::MakeSaveFile(ByteView(image)));
    return seeds;
}

Bytes MutateSaveFile(const Bytes& seed, std::mt19937& rng)
{
    Bytes b = seed;
    auto pick = [&](std::size_t n) { return n ? std::uniform_int_distribution<std::size_t>(0, n - 1)(rng) : 0; };
    // Header words of the file and of the image after it (sizes, counts, record sizes, sum).
    const std::uint32_t fields[] = {32, 36, 40, 44, 46, 48, 88, 92, 94, 96, 98, 100, 102, 88 + 32 + 8};
    const std::uint32_t values[] = {0, 1, 32, 88, 255, 256, 288, 0xFFFF, 0x10000, 0x7FFFFFFF, 0xFFFFFFFF};
    for (int edits = 1 + static_cast<int>(pick(3)); edits > 0; --edits) {
        switch (pick(4)) {
        case 0:  // a header field set to an edge value
            PutLeU32Clipped(b, fields[pick(std::size(fields))], values[pick(std::size(values))]);
            break;
        case 1:  // a byte changed
            if (!b.empty())
                b[pick(b.size())] = static_cast<std::uint8_t>(rng());
            break;
        case 2:  // cut short
            b.resize(pick(b.size() + 1));
            break;
        default: {  // a piece repeated
            const std::size_t at = pick(b.size() + 1);
            const std::size_t length = std::min<std::size_t>(1 + pick(300), b.size() - at);
            b.insert(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at),
                     b.begin() + static_cast<long>(at + length));
            break;
        }
        }
    }
    return b;
}

TEST(CfgSaveFileFuzzTest, SeedsAndTheirMutationsAreReadOrRefused)
{
    const std::vector<Bytes> seeds = SaveFileSeeds();
    fuzzseeds::KeepSeeds("fuzz_cfg_save_file", seeds);
    std::mt19937 rng(17);
    for (const Bytes& seed : seeds) {
        EXPECT_EQ(FeedCfgSaveFile(seed), 0);
        for (int i = 0; i < 1500; ++i)
            EXPECT_EQ(FeedCfgSaveFile(MutateSaveFile(seed, rng)), 0);
    }
    for (int i = 0; i < 500; ++i) {
        Bytes random(std::uniform_int_distribution<std::size_t>(0, 2000)(rng));
        for (auto& byte : random)
            byte = static_cast<std::uint8_t>(rng());
        EXPECT_EQ(FeedCfgSaveFile(random), 0);
    }
}

}  // namespace
