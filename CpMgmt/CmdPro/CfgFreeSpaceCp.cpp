#include "CpMgmt/CmdPro/CfgFreeSpaceCp.h"

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "parsers/FreeSpaceInfoParsedObject.h"
#include "raidmodel/Array.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<FreeSpaceInfoCp> kRegisterFreeSpaceInfoCp{TOKEN_CFGFREESPACEINFO};

// The blocks as a size text (blocks of 512 bytes, so half as many KB).
void PrintBlocks(u32 id, u64 blocks)
{
    char text[32];
    KBToSizeText(blocks / 2, text);
    PrintMessage(id, text);
}

}  // namespace

void FreeSpaceInfoCp::DeleteFreeSpaceList(ArrayList<ArraySpaceInfo*>* list)
{
    DeleteList(list);
}

int FreeSpaceInfoCp::ProcessParsed(CpController* cpController, FreeSpaceInfoParsedObject*)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber);
    if (manager == nullptr)
        return -1;
    int status = manager->Refresh();
    if (status != 0) {
        PrintMessage(CommonMsg::kRaidManagerInitFailed, adapterNumber);
        return status;
    }
    List<DiskGroup*>* groups = nullptr;
    status = manager->GetDiskGroupList(&groups);
    if (status != 0 || groups == nullptr) {
        PrintMessage(CfgMsg::kNoDiskGroupList);
        return status != 0 ? status : -1;
    }

    PrintMessage(CfgMsg::kDiskGroupCount, groups->GetCount());
    for (unsigned g = 0; g < groups->GetCount(); ++g) {
        DiskGroup* group = groups->GetAt(static_cast<u8>(g));
        List<Array*>* arrays = nullptr;
        if (group == nullptr || group->GetArrayList(&arrays) != 0 || arrays == nullptr) {
            PrintMessage(CommonMsg::kFailedToGet, "Array list");
            return -1;
        }
        PrintMessage(CfgMsg::kFreeDiskGroupTitle, g, arrays->GetCount());
        for (unsigned a = 0; a < arrays->GetCount(); ++a) {
            Array* array = arrays->GetAt(static_cast<u8>(a));
            if (array == nullptr) {
                PrintMessage(CommonMsg::kFailedToGet, "Array");
                return -1;
            }
            ArrayList<ArraySpaceInfo*>* extentList = nullptr;
            const int listed = array->GetFreeSpaceList(&extentList);
            const OwnedList<ArraySpaceInfo> extents(extentList);
            if (listed != 0 || !extents) {
                PrintMessage(CfgMsg::kFreeSpanSlots, a, 0);
                continue;
            }
            PrintMessage(CfgMsg::kFreeSpanSlots, a, extents->GetCount());
            u64 total = 0;
            for (unsigned k = 0; k < extents->GetCount(); ++k) {
                u64 capacity = 0;
                if (array->GetVdCapacity(extents->GetAt(static_cast<u8>(k)), &capacity) != 0)
                    continue;
                PrintMessage(CfgMsg::kFreeSlot, k);
                PrintMessage(CfgMsg::kFreeSpace, static_cast<unsigned long long>(capacity));
                PrintBlocks(CfgMsg::kSpanBlocks, capacity);
                total += capacity;
            }
            PrintMessage(CfgMsg::kFreeSpanTotal, a, static_cast<unsigned long long>(total));
            PrintBlocks(CfgMsg::kSpanBlocksTotal, total);
        }
    }
    return 0;
}
