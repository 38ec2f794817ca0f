// The virtual-drive property record (32 bytes, kDcmdLdGetProperties): the changeable fields of
// the drive's record (and its current cache and power-save policies) at the offsets of the
// virtual-drive record (VdRecord.h).
#pragma once
#include "ZepUtil/ByteView.h"

namespace vdprops {
constexpr u32 kSize = 32;
}  // namespace vdprops
