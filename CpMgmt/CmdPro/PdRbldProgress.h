// How far an operation has come, from a progress field of the drive or virtual-drive progress
// block or of a drive record (a u16 share of the whole, its elapsed seconds in a u16 of their
// own), as the commands show it; both shown values are truncated.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/PdProgress.h"
#include "fwdata/layout/PdRecord.h"
#include "fwdata/layout/VdProgress.h"

namespace PdProgress {

static_assert(pdprogress::kProgressFull == vdprogress::kProgressFull && pdprogress::kProgressFull == pdrec::kProgressFull,
              "every progress field counts the whole alike");

inline int Percent(const ByteView& block, Field<u16> progress)
{
    return static_cast<int>(static_cast<unsigned>(block.U16(progress)) * 100u / pdprogress::kProgressFull);
}

inline int Minutes(const ByteView& block, Field<u16> seconds)
{
    return static_cast<int>(block.U16(seconds) / 60u);
}

}  // namespace PdProgress
