#include "raidmodel/ArrayHmg.h"

#include "dataif/RaidLevels.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/VirtualDisk.h"

int ArrayHmg::GetVdCapacity(const ArraySpaceInfo* extent, u64* blocks)
{
    List<VirtualDisk*>* vds = nullptr;
    if (extent == nullptr || GetVdList(&vds) != 0)
        return -1;
    u8 level = 0;
    int status = vds->GetAt(0)->GetRaidLevel(&level);
    if (status != 0)
        return status;
    const u8 dataDrives = raidlevel::DataDrives(level, GetRowCount());
    if (dataDrives == 0)
        return -1;
    *blocks = extent->GetSize() * dataDrives;
    return 0;
}
