#include "CpMgmt/CmdPro/WriteBackCheck.h"

#include <cstdio>

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdPropertyCp.h"
#include "CpMgmt/CommandProcessor.h"
#include "CpMgmt/ReportStatus.h"
#include "fwdata/layout/BatteryStatus.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/VdProgress.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"

namespace {

bool LearnCycleHoldsWriteBack(u32 conditions)
{
    using namespace bbustatus;
    return (conditions & kLearnCycleActive) != 0 ||
           ((conditions & kLearnCycleRequested) != 0 && (conditions & kPeriodicLearnRequired) == 0) ||
           (conditions & kDischargeActive) != 0 || (conditions & kVoltageLow) != 0;
}

}  // namespace

int CheckWriteBackNow(RaidManager* manager, CpController* cpController, int* readStatus)
{
    const u8 adapter = AdapterNumberOf(cpController);
    const auto unknown = [readStatus](int status) {
        if (readStatus != nullptr)
            *readStatus = status;
        return kWriteBackUnknown;
    };
    const auto nameFailedRead = [readStatus, adapter](const char* what) {
        if (readStatus != nullptr)
            PrintReadFailure(adapter, what);
    };
    if (manager == nullptr) {
        PrintMessage(CommonMsg::kNoRaidManager, adapter);
        return -1;
    }
    u8 battery[bbustatus::kSize] = {};
    const int status = LdPropertyCp::SendDcmd(kDcmdBbuGetStatus, battery, sizeof battery, cpController);
    if (status != 0) {
        LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogFwiFailed, kDcmdBbuGetStatus,
                      static_cast<u32>(status));
        PrintMessage(CommonMsg::kAdapterText, adapter, "Get BBU Status Failed.");
        return unknown(status);
    }
    const ByteView block(battery);
    const u8 type = block.U8(bbustatus::kOffType);
    const u32 conditions = block.U32(bbustatus::kOffState);
    if (type == bbustatus::kTypeNone) {
        PrintMessage(LdMsg::kNoBattery);
        return -1;
    }
    if ((conditions & bbustatus::kReplacePack) != 0) {
        PrintMessage(LdMsg::kBatteryReplace);
        return -1;
    }
    if ((conditions & bbustatus::kCapacityLow) != 0) {
        PrintMessage(LdMsg::kBatteryLow);
        return -1;
    }
    if (type != bbustatus::kTypeNoLearnCycle && LearnCycleHoldsWriteBack(conditions)) {
        PrintMessage(LdMsg::kLearnCycle);
        return -1;
    }
    // Without the virtual drives, or a drive's progress, a reconstruction may be running.
    List<VirtualDisk*>* vds = nullptr;
    if (manager->GetVdList(&vds) != 0 || vds == nullptr) {
        nameFailedRead("the configuration");
        return unknown(-1);
    }
    manager->SortVdList(vds);
    for (unsigned i = 0; i < vds->GetCount(); ++i) {
        VirtualDisk* vd = vds->GetAt(static_cast<u8>(i));
        u8 progress[vdprogress::kSize] = {};
        if (vd == nullptr)
            continue;
        const int read = vd->GetProgress(progress);
        if (read != 0) {
            char what[64];
            std::snprintf(what, sizeof what, "the progress of virtual drive %d", vd->GetId()->GetTargetId());
            nameFailedRead(what);
            return unknown(read);
        }
        if ((ByteView(progress).U32(vdprogress::kOffRunning) & vdprogress::kRunningRecon) != 0) {
            PrintMessage(LdMsg::kReconRunning);
            return -1;
        }
    }
    return 0;
}
