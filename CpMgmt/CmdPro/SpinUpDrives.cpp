#include "CpMgmt/CmdPro/SpinUpDrives.h"

#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CtMessage.h"

namespace {

// A controller that keeps answering "still spinning up" is given up on after this many
// requests (each one waits in the data layer).
constexpr unsigned kMaxSpinUpRequests = 120;

}  // namespace

int SpinUpDrives(RaidManager* manager, ArrayList<ArrayList<PhysicalDevice*>*>* spans)
{
    u32 spunUp = 0;
    u32 total = 0;
    bool announced = false;
    int status = 0;
    for (unsigned requests = 0;; ++requests) {
        if (requests == kMaxSpinUpRequests) {
            PrintMessage(CfgMsg::kSpinUpFailed);
            return -1;
        }
        status = manager->SendSpanPdList(spans, &spunUp, &total);
        if (status == 0)
            break;
        if (status == RaidManager::kStatusOtherSetSpinning) {
            PrintMessage(CfgMsg::kSpinUpOtherSet);
        } else if (status == RaidManager::kStatusSpinningUp) {
            if (!announced)
                PrintMessage(CfgMsg::kSpinUpStarted);
            announced = true;
            PrintMessage(CfgMsg::kSpinUpProgress, total, spunUp);
        } else {
            PrintMessage(CfgMsg::kSpinUpFailed);
            return status;
        }
    }
    if (total == 0)
        return 0;
    if (spunUp < total) {
        PrintMessage(CfgMsg::kSpinUpPartial, spunUp, total);
        PrintMessage(CfgMsg::kSpinUpFailed);
        return -1;
    }
    PrintMessage(CfgMsg::kSpinUpDone, spunUp);
    return 0;
}
