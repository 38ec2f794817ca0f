// A piece of the firmware terminal log (1024 bytes, kDcmdCtrlTermLogRead; mailbox word 0 = the
// byte offset to read from), and the battery setting of the log's history (1 byte,
// kDcmdCtrlTermLogGetBbu).
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/Mailbox.h"

namespace termlog {
constexpr u32 kSize = 1024;
constexpr Field<u32> kOffCount{4};            // text bytes in this piece
constexpr u32 kOffText = 8;
constexpr u32 kTextSize = kSize - kOffText;
constexpr u32 kFullPiece = 1016;         // a piece this full is followed by another
constexpr Field<u32> kMboxOffOffset{0};

constexpr u32 kBbuSize = 1;
constexpr u8 kBbuOff = 0;
constexpr u8 kBbuOn = 1;
constexpr u8 kBbuOffThisBoot = 2;

// Every field lies within its block or entry.
static_assert(FitsIn(kSize, kOffCount));
static_assert(FitsIn(mailbox::kSize, kMboxOffOffset));
}  // namespace termlog
