// The saved-configuration reader, as its fuzz target and the tests drive it.
#pragma once
#include <cstddef>
#include <cstdint>

namespace cfgfilefuzz {

// The fuzz target's body: 0, or an abort when the reader breaks one of its promises.
int CfgSaveFileFuzzInput(const std::uint8_t* data, std::size_t size);

}  // namespace cfgfilefuzz
