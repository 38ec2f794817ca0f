// The controller firmware image file: components, each starting with a 1084-byte header found
// on a 64 KB grid. A header starts with the board signature (four characters), names its
// component type and length, and points at its version text and at a key=value block (u32
// block length, then NUL-terminated "key=value" strings ended by an empty one).
#pragma once
#include "ZepUtil/ByteView.h"

namespace flashimg {
constexpr u32 kSearchStep = 65536;
// Where a header may begin within each step, in the order they are tried.
constexpr u32 kProbeOffsets[] = {0, 32, 8224, 65408};

constexpr u32 kHeaderSize = 1084;
constexpr Field<u32> kOffSignature{0};   // four characters, read as a u32
constexpr u32 kSignatureSize = 4;
constexpr u32 kOffComponentType = 16;    // four characters and a NUL
constexpr u32 kComponentTypeSize = 5;
constexpr Field<u32> kOffComponentLength{24};
constexpr Field<u32> kOffVersionOffset{28};   // from the first byte of the header
constexpr Field<u32> kOffKeyValueOffset{40};  // from the first byte of the header
// Within the key=value block.
constexpr Field<u32> kKeyValueOffLength{0};
constexpr u32 kKeyValueOffStrings = 4;

// Every field lies within its block.
static_assert(FitsIn(kHeaderSize, kOffSignature, kOffComponentLength, kOffVersionOffset, kOffKeyValueOffset));
}  // namespace flashimg
