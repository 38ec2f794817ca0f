// The 24-byte OEM feature block (DCMD and private DCMD 0x010E8481, read only): one row per field
// with its state-file name and its byte. Bytes no row names read as zero.
#pragma once
#include "BlockFields.h"

namespace sim {

constexpr u32 kOemBlockSize = 24;

using OemField = BlockField<OemFlags>;

std::span<const OemField> OemFields();

}  // namespace sim
