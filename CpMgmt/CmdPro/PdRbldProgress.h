// How far a drive operation has come, from the drive progress block as the rebuild, clear and
// copyback commands show it; both shown values are truncated.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/PdProgress.h"

namespace PdProgress {

inline int Percent(const ByteView& block, Field<u16> progress)
{
    return static_cast<int>(static_cast<unsigned>(block.U16(progress)) * 100u / pdprogress::kProgressFull);
}

inline int Minutes(const ByteView& block, Field<u16> seconds)
{
    return static_cast<int>(block.U16(seconds) / 60u);
}

}  // namespace PdProgress
