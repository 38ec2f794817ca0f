// The simulated controller's state reader, as its fuzz target and the tests drive it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace statefuzz {

// What reading a state text gives: the state written back from the model read, or the one-line
// fault that refuses the text.
struct Outcome {
    bool read = false;
    std::string text;
};

Outcome ReadStateText(std::string text);

// The fuzz target's body: 0, or an abort when the reader breaks one of its promises.
int StateReaderFuzzInput(const std::uint8_t* data, std::size_t size);

}  // namespace statefuzz
