// The drive-security key blocks: the key block sent when a key is set (key, pass phrase and key
// id, each NUL-terminated in a zeroed block), the key-text block of a verified or old key, and
// the key-id block. Mailbox byte 0 of a key request carries its flags.
#pragma once
#include "ZepUtil/ByteView.h"

namespace seckey {
constexpr u32 kSize = 364;
// Three texts: each starts at its offset and takes its width.
constexpr u32 kOffKey = 0;
constexpr u32 kKeyWidth = 36;
constexpr u32 kOffPassphrase = 36;
constexpr u32 kPassphraseWidth = 72;
constexpr u32 kOffKeyId = 108;
constexpr u32 kKeyIdWidth = 256;

constexpr u32 kTextBlockSize = 104;  // a verified key or the old key of a change
constexpr u32 kMaxText = kTextBlockSize - 1;

constexpr u32 kIdBlockSize = 256;
constexpr u16 kIdOfController = 0xFFFF;  // mailbox bytes 0-1 of a key-id request

constexpr Field<u8> kOffMboxFlags{0};
constexpr Field<u16> kOffMboxTarget{0};
constexpr u8 kFlagCreate = 0;
constexpr u8 kFlagChange = 4;
constexpr u8 kFlagEkmCreate = 16;
constexpr u8 kFlagEkmChange = 20;


// Every field lies within its block.
static_assert(FitsIn(kSize, kOffMboxFlags, kOffMboxTarget));
}  // namespace seckey
