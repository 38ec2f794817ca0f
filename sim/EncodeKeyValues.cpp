// The key=value text block (DCMD 0x010B0100), as long as the caller's transfer: a u32 at byte 0
// gives the bytes used from byte 4 on; from byte 4, NUL-terminated "key=value" strings, ended by
// an empty string. Only whole strings are placed; the list always ends with the empty string.
#include "Encoders.h"

namespace sim {

Block EncodeKeyValues(const Controller& controller, std::size_t length)
{
    constexpr u32 kUsedBytes = 0;  // u32
    constexpr u32 kStrings = 4;
    Block block(length);
    if (length <= kStrings)
        return block;

    std::size_t at = kStrings;
    for (const auto& [key, value] : controller.keyValues) {
        const std::string text = key + "=" + value;
        // Room for this string, its NUL and the closing empty string.
        if (text.size() + 2 > length - at)
            break;
        block.PutText(at, text.size(), text);
        at += text.size() + 1;
    }
    block.PutU32(kUsedBytes, at + 1 - kStrings);
    return block;
}

}  // namespace sim
