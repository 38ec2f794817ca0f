#include "fwdata/CfgImageCounts.h"

bool ReadCfgImageCounts(const ByteView& image, CfgImageCounts* counts)
{
    if (image.Size() < cfgimg::kHeaderSize)
        return false;
    counts->arrays = image.U16(cfgimg::kOffArrayCount);
    counts->vds = image.U16(cfgimg::kOffVdCount);
    counts->spares = image.U16(cfgimg::kOffSpareCount);
    return counts->arrays <= cfgimg::kMaxRecords && counts->vds <= cfgimg::kMaxRecords &&
           counts->spares <= cfgimg::kMaxRecords;
}
