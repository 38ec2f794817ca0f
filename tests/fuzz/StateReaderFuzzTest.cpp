// Runs the state reader's fuzz target over a few thousand inputs made deterministically from the
// default state and a state of every kind of field (bytes changed, JSON tokens planted, pieces
// repeated or cut out, the text cut short) and from random bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "FuzzSeeds.h"
#include "StateReaderFuzz.h"
#include "sim/DefaultTopology.h"
#include "sim/StateFormat.h"

namespace {

int FeedStateReader(const std::string& input)
{
    return statefuzz::StateReaderFuzzInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

std::string Mutate(const std::string& seed, std::mt19937& rng)
{
    static const char* const kTokens[] = {"{", "}", "[", "]", ",", ":", "\"", "\\", "null", "true", "-1", "0.5", "1e999",
                                          "18446744073709551616", "\"0x\"", "\"\\u0000\"", "\"\\ud800\"", "{}", "[]",
                                          "\"x\":1,", "\xC3", "\xEF\xBB\xBF"};
    std::string text = seed;
    auto pick = [&](std::size_t n) { return n ? std::uniform_int_distribution<std::size_t>(0, n - 1)(rng) : 0; };
    for (int edits = 1 + static_cast<int>(pick(4)); edits > 0; --edits) {
        const std::size_t at = pick(text.size() + 1);
        switch (pick(5)) {
        case 0:  // a byte changed
            if (at < text.size())
                text[at] = static_cast<char>(rng());
            break;
        case 1:  // a token planted
            text.insert(at, kTokens[pick(std::size(kTokens))]);
            break;
        case 2:  // a piece repeated
            text.insert(at, text.substr(at, 1 + pick(200)));
            break;
        case 3:  // a piece cut out
            text.erase(at, 1 + pick(50));
            break;
        default:  // cut short
            text.resize(at);
            break;
        }
    }
    return text;
}

TEST(StateReaderFuzz, MutatedAndRandomStates)
{
    std::vector<std::string> seeds = {sim::WriteState(sim::DefaultModel()).dump(2), sim::WriteState(sim::DefaultModel()).dump()};
    fuzzseeds::KeepSeeds("fuzz_state_reader", seeds);
    std::mt19937 rng(20240315);
    for (const std::string& seed : seeds)
        ASSERT_EQ(FeedStateReader(seed), 0);
    for (int round = 0; round < 600; ++round) {
        const std::string input = Mutate(seeds[static_cast<std::size_t>(round) % seeds.size()], rng);
        ASSERT_EQ(FeedStateReader(input), 0) << "round " << round;
    }
    for (int round = 0; round < 300; ++round) {
        std::string input(std::uniform_int_distribution<std::size_t>(0, 300)(rng), '\0');
        for (char& c : input)
            c = "{}[]\":,0123456789-.e \\nutrfals"[rng() % 30];
        ASSERT_EQ(FeedStateReader(input), 0);
    }
}

}  // namespace
