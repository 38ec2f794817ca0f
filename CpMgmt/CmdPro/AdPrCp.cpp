#include "CpMgmt/CmdPro/AdPrCp.h"

#include <cstdio>

#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
#include "fwdata/OpProgress.h"
#include "CpMgmt/CmdPro/RunStateName.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/FwStatus.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpPatrolReadCp> kRegisterAdpPatrolReadCp{TOKEN_ADPPR};

constexpr u32 kMaxConcurrentDrives = 0xFF;
constexpr u8 kStateStopped = 0;
constexpr u8 kStateActive = 2;
constexpr u8 kStateUnreadable = 3;
constexpr u8 kStateAborted = 255;

// Suspend and resume: the message 1 texts, then a line end.
int SuspendOrResume(Adapter* adapter, bool suspend)
{
    const int status = suspend ? adapter->SuspendPatrolRead() : adapter->ResumePatrolRead();
    if (status == 0) {
        PrintMessage(CommonMsg::kText, suspend ? "Patrol Read Suspend Successfull." : "Patrol Read Resume Successfull.");
    } else {
        PrintMessage(CommonMsg::kText,
                     suspend ? "Patrol Read Suspend Fail retCode = 0x" : "Patrol Read Resume Fail retCode = 0x");
        PrintMessage(CommonMsg::kHex16, status);
    }
    PrintMessage(CommonMsg::kLineEnd);
    return status;
}

// Suspend and resume are asked only where the firmware allows them on background operations.
int AdPrSuspendOrResumeAllowed(Adapter* adapter, bool suspend)
{
    u8 allowed = 0;
    const int status = adapter->IsBgOpSuspendResumeSupported(&allowed);
    if (status != 0)
        return status;
    if (allowed != 1) {
        PrintMessage(CommonMsg::kText, "FW Not Allowed Suspend-Resume on BG Operations.\n");
        return -1;
    }
    return SuspendOrResume(adapter, suspend);
}

// The mode of an -EnblAuto, -EnblMan or -Dsbl option.
int AdPrSetMode(Adapter* adapter, u8 number, u16 option)
{
    const u8 mode = option == TOKEN_ENBLAUTO ? 0 : option == TOKEN_ENBLMAN ? 1 : 2;
    const int status = adapter->SetPatrolReadMode(mode);
    if (status == 0)
        PrintMessage(AdpPropMsg::kPrModeSet, number, mode == 0 ? "AUTO" : mode == 1 ? "MANUAL" : "DISABLED");
    else
        PrintMessage(AdpPropMsg::kPrModeFailed, number);
    return status;
}

int AdPrStart(Adapter* adapter, u8 number)
{
    using namespace AdpPropMsg;
    const int status = adapter->StartPatrolRead();
    if (status == 0)
        PrintMessage(kPrStarted, number);
    else
        PrintMessage(status == fwstatus::kNoPatrolReadDrives ? kPrNoDrives : kPrStartFailed, number);
    return status;
}

// A patrol read that is not running is not stopped: the answer says so.
int AdPrStop(Adapter* adapter, u8 number)
{
    if (adapter->GetPatrolReadState() == kStateStopped) {
        PrintMessage(CommonMsg::kText, "No Patrol Read is in progress\n");
        return 0;
    }
    const int status = adapter->StopPatrolRead();
    PrintMessage(status == 0 || status == fwstatus::kPatrolReadDisabled ? AdpPropMsg::kPrStopped : AdpPropMsg::kPrStopFailed, number);
    return status;
}

int AdPrSetOnSsd(Adapter* adapter, u8 number, bool on)
{
    const int status = adapter->SetPatrolReadOnSsd(on ? 1 : 0);
    if (status == 0)
        PrintMessage(AdpPropMsg::kPrOnSsdSet, number, on ? "ENABLED" : "DISABLED");
    else
        PrintMessage(AdpPropMsg::kPrOnSsdFailed, number);
    return status;
}

// The delay in hours; 0 starts the next patrol read without one.
int AdPrSetDelay(Adapter* adapter, u8 number, u32 hours)
{
    const u32 seconds = hours == 0 ? kNoDelay : hours * kSecondsPerHour;
    const int status = adapter->SetPatrolReadExecDelay(seconds);
    if (status != 0) {
        PrintMessage(AdpPropMsg::kPrDelayFailed, number);
        return status;
    }
    char text[32] = "Immediate";
    if (seconds != kNoDelay)
        std::snprintf(text, sizeof text, "%d hours", static_cast<int>(seconds / kSecondsPerHour));
    PrintMessage(AdpPropMsg::kPrDelaySet, number, text);
    return 0;
}

// The firmware keeps one byte: a larger count would be cut to another one.
int AdPrSetMaxConcurrent(Adapter* adapter, u8 number, u32 count)
{
    const int status = count > kMaxConcurrentDrives ? -1 : adapter->SetPatrolReadMaxConcurrentPd(static_cast<u8>(count));
    PrintMessage(status == 0 ? AdpPropMsg::kPrMaxPdSet : AdpPropMsg::kPrMaxPdFailed, number);
    return status;
}

}  // namespace

int AdpPatrolReadCp::ProcessParsed(CpController* cpController, AdpPrParsedObject* object)
{
    const u8 number = AdapterNumberOf(cpController);
    RaidManager* manager = nullptr;
    Adapter* adapter = AdapterOrReport(cpController, number, true, &manager);
    if (adapter == nullptr)
        return -1;

    const u16 option = object->GetAction();
    switch (option) {
    case TOKEN_SUSPEND:
    case TOKEN_RESUME:
        return AdPrSuspendOrResumeAllowed(adapter, option == TOKEN_SUSPEND);
    case TOKEN_ENBLAUTO:
    case TOKEN_ENBLMAN:
    case TOKEN_DSBL:
        return AdPrSetMode(adapter, number, option);
    case TOKEN_START:
        return AdPrStart(adapter, number);
    case TOKEN_STOP:
        return AdPrStop(adapter, number);
    case TOKEN_SSDPATROLREADENBL:
    case TOKEN_SSDPATROLREADDSBL:
        return AdPrSetOnSsd(adapter, number, option == TOKEN_SSDPATROLREADENBL);
    case TOKEN_SETDELAY:
        return AdPrSetDelay(adapter, number, object->GetValue());
    case TOKEN_SETSTARTTIME: {
        const int status = adapter->SetPatrolReadStartTime(object->GetStartTime());
        PrintMessage(status == 0 ? AdpPropMsg::kPrStartTimeSet : AdpPropMsg::kPrStartTimeFailed, number);
        return status;
    }
    case TOKEN_MAXCONCURRENTPD:
        return AdPrSetMaxConcurrent(adapter, number, object->GetValue());
    case TOKEN_INFO:
        return Report(adapter, manager, number);
    default:
        PrintMessage(CommonMsg::kInvalidOption);
        return -1;
    }
}

bool AdpPatrolReadCp::IsSuspended(RaidManager* manager)
{
    List<PhysicalDevice*>* drives = nullptr;
    if (manager->GetPdList(&drives) != 0 || drives == nullptr)
        return false;
    for (unsigned i = 0; i < drives->GetCount(); ++i) {
        PhysicalDevice* drive = drives->GetAt(static_cast<u8>(i));
        u16 state = 0xFF;
        if (drive == nullptr || drive->GetFwState(&state) != 0 || state != PhysicalDevice::kStateOnline)
            continue;
        u8 block[pdprogress::kSize] = {};
        if (drive->GetProgress(block) != 0)
            continue;
        const ByteView progress(block);
        if (progress.Bit(pdprogress::kOffRunning, pdprogress::kOpPatrolRead) &&
            progress.Bit(pdprogress::kOffSuspended, pdprogress::kOpPatrolRead))
            return true;
    }
    return false;
}

int AdpPatrolReadCp::Report(Adapter* adapter, RaidManager* manager, u8 number)
{
    using namespace AdpPropMsg;
    int status = 0;
    // A block that cannot be read still gives the report its placeholder values, but the
    // command does not end as if everything had been read.
    int readFailed = 0;
    PrintMessage(kPrInfoTitle, number);
    const u8 mode = adapter->GetPatrolReadMode(&readFailed);
    const char* modeName = mode == 0 ? "Auto" : mode == 1 ? "Manual" : mode == 2 ? "Disabled" : "Unknown";
    if (mode > 2)
        status = -1;
    PrintMessage(kPrMode, modeName);

    const u32 delay = adapter->GetPatrolReadExecDelay(&readFailed);
    if (delay == 0) {
        PrintMessage(kPrDelayText, "Unknown");
        status = -1;
    } else if (delay == kNoDelay) {
        PrintMessage(kPrDelayText, "Continuous");
    } else {
        PrintMessage(kPrDelayHours, static_cast<int>(delay / kSecondsPerHour));
    }
    PrintMessage(kPrIterations, static_cast<unsigned long>(adapter->GetPatrolReadIterations(&readFailed)));

    const u8 state = adapter->GetPatrolReadState(&readFailed);
    if (state >= kStateUnreadable && state < kStateAborted && IsSuspended(manager)) {
        PrintMessage(kPrState, "Suspend");
    } else {
        const char* name = RunStateName(state);
        if (name == nullptr) {
            name = "Unknown";
            status = -1;
        }
        PrintMessage(kPrState, name);
        if (state == kStateActive)
            PrintMessage(kPrPdsCompleted, number, static_cast<int>(adapter->GetPatrolReadPdsCompleted(&readFailed)));
    }
    u8 onSsd = 0;
    const int ssdRead = adapter->GetPatrolReadOnSsd(&onSsd);
    if (ssdRead == 0)
        PrintMessage(kPrOnSsd, onSsd != 0 ? "Enabled" : "Disabled");
    else if (readFailed == 0)
        readFailed = ssdRead;
    return status != 0 ? status : readFailed;
}
