// An event record (256 bytes): sequence number, time stamp, code, locale, class, the argument
// type and its argument area (EventArgs.h), and the description text.
#pragma once
#include "ZepUtil/ByteView.h"

namespace evrec {
constexpr u32 kSize = 256;
constexpr u32 kOffSeqNum = 0;            // u32
constexpr u32 kOffTimeStamp = 4;         // u32: seconds since 2000-01-01, or kSinceReboot | seconds
constexpr u32 kSinceRebootMark = 0xFF000000;
constexpr u32 kSinceRebootSeconds = 0x00FFFFFF;
constexpr u32 kOffCode = 8;              // u32
constexpr u32 kOffLocale = 12;           // u16
constexpr u32 kOffClass = 15;            // s8: 0 information, 1 warning, 2 critical, 3 fatal
constexpr u32 kOffArgType = 16;          // u8, evargs::ArgType
constexpr u32 kOffArgs = 32;             // the argument area, 96 bytes
constexpr TextField kDescription{128, 127};
}  // namespace evrec
