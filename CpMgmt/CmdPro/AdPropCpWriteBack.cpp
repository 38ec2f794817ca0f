// -AdpGetProp WBSUPPORT: whether write back is possible now. It is not while the battery is
// missing, needs replacing, holds too little charge or runs a learn cycle, or while a virtual
// drive is being reconstructed.
#include "CpMgmt/CmdPro/AdPropCp.h"
#include "CpMgmt/CmdPro/AdpSettingsMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "fwdata/layout/BatteryStatus.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/VdProgress.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"

namespace {

using namespace SetMsg;

bool LearnCycleActive(u32 state)
{
    using namespace bbustatus;
    return (state & kLearnCycleActive) != 0 || ((state & kLearnCycleRequested) != 0 && (state & kPeriodicLearnRequired) == 0) ||
           (state & kDischargeActive) != 0 || (state & kVoltageLow) != 0;
}

}  // namespace

int AdpPropertyCp::CheckWriteBackPossible(CpController* cpController)
{
    const u8 number = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, number);
    if (manager == nullptr)
        return -1;
    u8 battery[bbustatus::kSize] = {};
    const int read = SendDcmd(cpController, kDcmdBbuGetStatus, battery, sizeof battery);
    if (read != 0) {
        LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogFwiFailed, kDcmdBbuGetStatus,
                      static_cast<u32>(read));
        PrintMessage(CommonMsg::kAdapterText, number, "Get BBU Status Failed.");
        return kWriteBackUnknown;
    }
    const ByteView view(battery);
    const u8 type = view.U8(bbustatus::kOffType);
    const u32 state = view.U32(bbustatus::kOffState);
    if (type == bbustatus::kTypeNone) {
        PrintMessage(kNoBattery);
        return -1;
    }
    if ((state & bbustatus::kReplacePack) != 0) {
        PrintMessage(kBatteryReplace);
        return -1;
    }
    if ((state & bbustatus::kCapacityLow) != 0) {
        PrintMessage(kBatteryLow);
        return -1;
    }
    if (type != bbustatus::kTypeNoLearnCycle && LearnCycleActive(state)) {
        PrintMessage(kLearnCycleActive);
        return -1;
    }
    List<VirtualDisk*>* vds = nullptr;
    if (manager->GetVdList(&vds) != 0 || vds == nullptr)
        return 0;
    for (unsigned i = 0; i < vds->GetCount(); ++i) {
        u8 progress[vdprogress::kSize] = {};
        const int read = vds->GetAt(static_cast<u8>(i))->GetProgress(progress);
        // A drive whose progress cannot be read may be reconstructing: write back is not
        // known to be possible.
        if (read != 0)
            return kWriteBackUnknown;
        if ((ByteView(progress).U32(vdprogress::kOffRunning) & vdprogress::kRunningRecon) != 0) {
            PrintMessage(kReconstructionRuns);
            return -1;
        }
    }
    return 0;
}
