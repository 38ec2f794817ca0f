// Runs the image reader's fuzz target over a few thousand inputs made deterministically from
// valid images (fields set to edge values, bytes flipped, cut short, signatures planted on the
// search grid) and from random bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "FuzzSeeds.h"
#include "support/FwImageBuilder.h"
#include "support/LeBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {


std::vector<Bytes> ImageSeeds()
{
    using fwimage::Header;
    using fwimage::Image;
    Header bios;
    bios.type = "BIOS";
    bios.length = 0x10000;
    Header app;
    app.length = 0x20000;
    app.version = "4.730.00-0050";
    app.keyValues = {"A=1", "PACKAGE=24.12.1-0010"};
    Header korv;
    korv.type = "KORV";
    korv.length = 70000;
    return {
        fwimage::ApplicationImage("1.2.3", "2.130.403-2014").Vector(),
        Image(0x30000).Put(0, bios).Put(0x10000 + 32, app).Vector(),
        Image(70000).Put(0, korv).Vector(),
        Image(0x10000).Put(0xFF80, bios).Vector(),
    };
}

Bytes MutateImage(const Bytes& seed, std::mt19937& rng)
{
    Bytes b = seed;
    auto pick = [&](std::size_t n) { return n ? std::uniform_int_distribution<std::size_t>(0, n - 1)(rng) : 0; };
    const std::uint32_t probes[] = {0, 32, 8224, 65408, 0x10000, 0x10020, 0x20000};
    const std::uint32_t fields[] = {24, 28, 40};
    const std::uint32_t values[] = {0, 1, 3, 1080, 1083, 1084, 0xFFFF, 0x10000, 0x20001, 0x7FFFFFFF, 0xFFFFFFFF};
    for (int edits = 1 + static_cast<int>(pick(4)); edits > 0; --edits) {
        switch (pick(5)) {
        case 0:  // a header field set to an edge value
            PutLeU32Clipped(b, probes[pick(std::size(probes))] + fields[pick(std::size(fields))],
                   values[pick(std::size(values))]);
            break;
        case 1:  // random bytes, most often inside a header
            for (int i = 0; i < 16 && !b.empty(); ++i)
                b[pick(b.size() < 2048 ? b.size() : 2048)] = static_cast<std::uint8_t>(rng());
            break;
        case 2:  // cut short
            b.resize(pick(b.size() + 1));
            break;
        case 3:  // a signature planted on the grid
            if (b.size() > 4) {
                const std::size_t at = std::min<std::size_t>(probes[pick(std::size(probes))], b.size() - 4);
                const char* code = "QV40";
                std::copy(code, code + 4, b.begin() + static_cast<std::ptrdiff_t>(at));
            }
            break;
        default:  // an unterminated text at the end of the header
            for (std::size_t i = 100; i < 1084 && i < b.size(); ++i)
                b[i] = 'x';
            break;
        }
    }
    return b;
}

TEST(FlashImageFuzz, MutatedAndRandomImages)
{
    std::mt19937 rng(20240315);
    const std::vector<Bytes> seeds = ImageSeeds();
    fuzzseeds::KeepSeeds("fuzz_flash_image", seeds);
    for (const Bytes& seed : seeds)
        EXPECT_EQ(LLVMFuzzerTestOneInput(seed.data(), seed.size()), 0);
    for (int round = 0; round < 3000; ++round) {
        const Bytes input = MutateImage(seeds[static_cast<std::size_t>(round) % seeds.size()], rng);
        ASSERT_EQ(LLVMFuzzerTestOneInput(input.data(), input.size()), 0) << "round " << round;
    }
    for (int round = 0; round < 300; ++round) {
        Bytes input(std::uniform_int_distribution<std::size_t>(0, 5000)(rng));
        for (auto& byte : input)
            byte = static_cast<std::uint8_t>(rng());
        ASSERT_EQ(LLVMFuzzerTestOneInput(input.data(), input.size()), 0);
    }
}

}  // namespace
