// The saved-configuration file: an 88-byte header, then the controller's configuration image
// (CfgImage.h) as the configuration read returned it.
#pragma once
#include "ZepUtil/ByteView.h"

namespace cfgfile {
constexpr u32 kHeaderSize = 88;
constexpr TextField kVersion{0, 8};          // "1.00.00", NUL-padded
constexpr TextField kSignature{8, 24};       // kSignatureText, NUL-padded
constexpr Field<u32> kOffHeaderSize{32};          // kHeaderSize
constexpr Field<u32> kOffImageSize{36};           // bytes of the image after the header
constexpr Field<u32> kOffImageSum{40};            // the image's bytes added up (wrapping)
constexpr Field<u16> kOffArrayCount{44};          // as in the image's header
constexpr Field<u16> kOffVdCount{46};
constexpr Field<u16> kOffSpareCount{48};
constexpr const char* kVersionText = "1.00.00";
constexpr const char* kSignatureText = "DUVIVIRUDOZIRUVARO";
// No controller's configuration comes near this; a larger file is not one of ours.
constexpr u32 kMaxImageSize = 4u * 1024 * 1024;

// Every field lies within its block.
static_assert(FitsIn(kHeaderSize, kOffHeaderSize, kOffImageSize, kOffImageSum, kOffArrayCount, kOffVdCount,
                     kOffSpareCount));
}  // namespace cfgfile
