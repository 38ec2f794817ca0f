// How far a drive operation has come, from the drive progress block as the rebuild, clear and
// copyback commands show it; both shown values are truncated.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/PdProgress.h"

namespace PdProgress {

inline int Percent(const ByteView& block, u32 progressOffset)
{
    return static_cast<int>(static_cast<unsigned>(block.U16(progressOffset)) * 100u / pdprogress::kProgressFull);
}

inline int Minutes(const ByteView& block, u32 secondsOffset)
{
    return static_cast<int>(block.U16(secondsOffset) / 60u);
}

}  // namespace PdProgress
