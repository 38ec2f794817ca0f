// The battery's gas gauge memory read (kDcmdCtrlGetGasGaugeData, private, 9 bytes): the mailbox
// names what to read, the reply's last two bytes carry the value.
#pragma once
#include "ZepUtil/ByteView.h"

namespace gasgauge {
constexpr u32 kSize = 9;
constexpr u32 kMboxOffSubCommand = 0;    // u8, kRead
constexpr u8 kRead = 1;
constexpr u32 kMboxOffOffset = 4;        // u16
constexpr u32 kMaxOffset = 0xFFFF;
constexpr u32 kMboxOffCount = 8;         // u32
constexpr u32 kOffValue = 7;             // u16
}  // namespace gasgauge
