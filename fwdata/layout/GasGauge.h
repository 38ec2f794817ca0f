// The battery's gas gauge memory read (kDcmdCtrlGetGasGaugeData, private, 9 bytes): the mailbox
// names what to read, the reply's last two bytes carry the value.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/Mailbox.h"

namespace gasgauge {
constexpr u32 kSize = 9;
constexpr Field<u8> kMboxOffSubCommand{0};   // kRead
constexpr u8 kRead = 1;
constexpr Field<u16> kMboxOffOffset{4};
constexpr u32 kMaxOffset = 0xFFFF;
constexpr Field<u32> kMboxOffCount{8};
constexpr Field<u16> kOffValue{7};

// Every field lies within its block or entry.
static_assert(FitsIn(mailbox::kSize, kMboxOffSubCommand, kMboxOffOffset, kMboxOffCount));
static_assert(FitsIn(kSize, kOffValue));
}  // namespace gasgauge
