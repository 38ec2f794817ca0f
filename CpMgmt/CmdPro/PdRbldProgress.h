// The drive progress block (32 bytes) as the rebuild, clear and copyback commands read it:
// which operations run and are suspended, and how far each has come. Progress 0..65535 stands
// for 0..100 %; both shown values are truncated.
#pragma once
#include "ZepUtil/Types.h"
#include "fwdata/LeBytes.h"

namespace PdProgress {

constexpr std::size_t kSize = 32;

constexpr std::size_t kRunning = 0;      // bit per running operation
constexpr std::size_t kSuspended = 16;   // bit per suspended operation
constexpr unsigned kRebuildBit = 0;
constexpr unsigned kClearBit = 2;
constexpr unsigned kCopybackBit = 3;

// Progress and elapsed seconds of a rebuild or copyback, and of a clear.
constexpr std::size_t kProgress = 4;
constexpr std::size_t kSeconds = 6;
constexpr std::size_t kClearProgress = 12;
constexpr std::size_t kClearSeconds = 14;

inline int Percent(const u8* block, std::size_t progressOffset)
{
    return static_cast<int>(static_cast<unsigned>(LeU16(block, progressOffset)) * 100u / 65535u);
}

inline int Minutes(const u8* block, std::size_t secondsOffset)
{
    return static_cast<int>(LeU16(block, secondsOffset) / 60u);
}

}  // namespace PdProgress
