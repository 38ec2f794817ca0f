// A hot-spare record (40 bytes): a spare record of the configuration image, and the block of
// the make-hot-spare request (kDcmdCfgMakeHsp).
#pragma once
#include "ZepUtil/ByteView.h"

namespace sparerec {
constexpr u32 kSize = 40;
constexpr Field<u16> kOffDeviceId{0};
constexpr Field<u16> kOffSeqNum{2};
constexpr Field<u8> kOffFlags{4};        // flags below
constexpr u8 kFlagDedicated = 0x01;
constexpr u8 kFlagRevertible = 0x02;
constexpr u8 kFlagEnclAffinity = 0x04;
constexpr Field<u8> kOffArrayCount{7};
constexpr Field<u16> kOffArrayRefs{8};   // u16 each
constexpr u32 kArrayRefSize = 2;
constexpr u32 kMaxArrays = 16;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffDeviceId, kOffSeqNum, kOffFlags, kOffArrayCount, kOffArrayRefs));
}  // namespace sparerec
