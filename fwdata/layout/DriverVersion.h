// The kernel driver's version record, read from the driver's device node through the
// operating-system layer (System::ReadDriverVersionRecord).
#pragma once
#include "ZepUtil/ByteView.h"
#include "runtime/System.h"

namespace drvversion {
constexpr u32 kSize = System::kDriverRecordSize;
constexpr TextField kReleaseDate{0, 32};
constexpr TextField kVersion{32, kSize - 32};
}  // namespace drvversion
