// An event record (256 bytes): sequence number, time stamp, code, locale, class, the argument
// type and its argument area (EventArgs.h), and the description text.
#pragma once
#include "ZepUtil/ByteView.h"

namespace evrec {
constexpr u32 kSize = 256;
constexpr Field<u32> kOffSeqNum{0};
constexpr Field<u32> kOffTimeStamp{4};        // seconds since 2000-01-01, or kSinceReboot | seconds
constexpr u32 kSinceRebootMark = 0xFF000000;
constexpr u32 kSinceRebootSeconds = 0x00FFFFFF;
constexpr Field<u32> kOffCode{8};
constexpr Field<u16> kOffLocale{12};
constexpr Field<u8> kOffClass{15};       // s8: 0 information, 1 warning, 2 critical, 3 fatal
constexpr Field<u8> kOffArgType{16};         // evargs::ArgType
constexpr u32 kOffArgs = 32;             // the argument area, kArgsSize bytes
constexpr u32 kArgsSize = 96;
constexpr TextField kDescription{128, 127};

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffSeqNum, kOffTimeStamp, kOffCode, kOffLocale, kOffClass, kOffArgType));
}  // namespace evrec
