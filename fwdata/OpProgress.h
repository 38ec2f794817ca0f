// How far an operation has come, from a progress field of the drive or virtual-drive progress
// block or of a drive record (a u16 share of the whole, its elapsed seconds in a u16 of their
// own), as the commands show it; both shown values are truncated.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/ProgressField.h"

namespace OpProgress {

inline int Percent(const ByteView& block, Field<u16> progress)
{
    return static_cast<int>(static_cast<unsigned>(block.U16(progress)) * 100u / progressfield::kFull);
}

inline int Minutes(const ByteView& block, Field<u16> seconds)
{
    return static_cast<int>(block.U16(seconds) / 60u);
}

}  // namespace OpProgress
