// The saved-configuration file: an 88-byte header, then the controller's configuration image
// (CfgImage.h) as the configuration read returned it.
#pragma once
#include "ZepUtil/ByteView.h"

namespace cfgfile {
constexpr u32 kHeaderSize = 88;
constexpr TextField kVersion{0, 8};          // "1.00.00", NUL-padded
constexpr TextField kSignature{8, 24};       // kSignatureText, NUL-padded
constexpr u32 kOffHeaderSize = 32;           // u32, kHeaderSize
constexpr u32 kOffImageSize = 36;            // u32, bytes of the image after the header
constexpr u32 kOffImageSum = 40;             // u32, the image's bytes added up (wrapping)
constexpr u32 kOffArrayCount = 44;           // u16, as in the image's header
constexpr u32 kOffVdCount = 46;              // u16
constexpr u32 kOffSpareCount = 48;           // u16
constexpr const char* kVersionText = "1.00.00";
constexpr const char* kSignatureText = "DUVIVIRUDOZIRUVARO";
// No controller's configuration comes near this; a larger file is not one of ours.
constexpr u32 kMaxImageSize = 4u * 1024 * 1024;
}  // namespace cfgfile
