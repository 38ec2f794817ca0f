#include "CpMgmt/CmdPro/AdCcSchedCp.h"

#include <cstdio>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
#include "CpMgmt/CmdPro/RunStateName.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpCCSchedulingCp> kRegisterAdpCCSchedulingCp{TOKEN_ADPCCSCHED};

using CcSchedObject = AdpCCSchedParsedObject;

const char* ModeName(u32 mode)
{
    constexpr const char* kNames[] = {"Disabled", "Sequential", "Concurrent", "Invalid"};
    return kNames[mode < 3 ? mode : 3];
}

// The check's state 3 is an aborted run as well.
const char* StateName(u8 state)
{
    const char* name = RunStateName(state == 3 ? 255 : state);
    return name != nullptr ? name : "Unknown";
}

// Every operation repeats the adapter lookups.
Adapter* ReachCcSchedAdapter(CpController* cpController, RaidManager** manager = nullptr)
{
    return AdapterOrReport(cpController, AdapterNumberOf(cpController), true, manager);
}

}  // namespace

int AdpCCSchedulingCp::ProcessParsed(CpController* cpController, AdpCCSchedParsedObject* object)
{
    using namespace AdpPropMsg;
    const u8 number = AdapterNumberOf(cpController);
    Adapter* adapter = AdapterOrReport(cpController, number, true);
    if (adapter == nullptr)
        return -1;
    if (!adapter->IsCcScheduleSupported()) {
        PrintMessage(kCcNotSupported, number);
        return -1;
    }
    switch (object->GetOperation()) {
    case CcSchedObject::kReport:
        return ShowInfo(cpController, object);
    case CcSchedObject::kSetMode:
        return SetMode(cpController, object);
    case CcSchedObject::kSetStartTime:
        return SetStartTime(cpController, object);
    case CcSchedObject::kSetDelay:
        return SetDelay(cpController, object);
    default:
        return -1;
    }
}

int AdpCCSchedulingCp::SetMode(CpController* cpController, AdpCCSchedParsedObject* object)
{
    using namespace AdpPropMsg;
    RaidManager* manager = nullptr;
    Adapter* adapter = ReachCcSchedAdapter(cpController, &manager);
    if (adapter == nullptr)
        return -1;
    const u8 number = AdapterNumberOf(cpController);
    const u32 mode = object->GetMode();
    if (mode > 2) {
        PrintMessage(kCcModeInvalid);
        return -1;
    }
    const u32 delay = object->GetDelay() == CcSchedObject::kNoDelay ? kNoDelay : object->GetDelay() * kSecondsPerHour;
    const ArrayList<u8>* excluded = object->GetExcludedLdList();
    int status = 0;
    if (mode == 0 || excluded == nullptr) {
        status = adapter->SetCcSchedule(static_cast<u8>(mode), nullptr, object->GetStartTime(), delay);
    } else {
        u8 count = 0;
        if (manager->GetVdCount(&count) != 0) {
            PrintMessage(AdpMsg::kVdCountFailed, number);
            return -1;
        }
        List<VirtualDisk*>* vds = nullptr;
        if (count == 0 || manager->GetVdList(&vds) != 0 || vds == nullptr) {
            PrintMessage(CommonMsg::kNoVdConfigured, number);
            return -1;
        }
        ArrayList<u16> ids(4);
        for (unsigned i = 0; i < excluded->GetCount(); ++i) {
            const u8 target = excluded->GetAt(static_cast<u8>(i));
            VirtualDisk* found = nullptr;
            for (unsigned v = 0; manager->IsTargetIdInUse(target, 0) && v < vds->GetCount(); ++v) {
                VirtualDisk* vd = vds->GetAt(static_cast<u8>(v));
                if (vd != nullptr && vd->GetId()->GetTargetId() == target)
                    found = vd;
            }
            if (found == nullptr) {
                PrintMessage(CommonMsg::kVdNotFound, number, static_cast<int>(target));
                return -1;
            }
            if (ids.Add(found->GetId()->GetFwTargetId()) != 0)
                break;
        }
        // More ids than the schedule holds would run over its start time and delay.
        status = excluded->GetCount() > kMaxCcExcluded
                     ? -1
                     : adapter->SetCcSchedule(static_cast<u8>(mode), &ids, object->GetStartTime(), delay);
    }
    if (status == 0)
        PrintMessage(kCcModeSet, number, ModeName(mode));
    else
        PrintMessage(kCcModeFailed, number);
    return status;
}

int AdpCCSchedulingCp::SetStartTime(CpController* cpController, AdpCCSchedParsedObject* object)
{
    using namespace AdpPropMsg;
    Adapter* adapter = ReachCcSchedAdapter(cpController);
    if (adapter == nullptr)
        return -1;
    const int status = adapter->SetCcStartTime(object->GetStartTime());
    PrintMessage(status == 0 ? kCcStartTimeSet : kCcStartTimeFailed, AdapterNumberOf(cpController));
    return status;
}

int AdpCCSchedulingCp::SetDelay(CpController* cpController, AdpCCSchedParsedObject* object)
{
    using namespace AdpPropMsg;
    Adapter* adapter = ReachCcSchedAdapter(cpController);
    if (adapter == nullptr)
        return -1;
    const u8 number = AdapterNumberOf(cpController);
    const u32 seconds = object->GetDelay() * kSecondsPerHour;
    const int status = adapter->SetCcDelay(seconds);
    if (status != 0) {
        PrintMessage(kCcDelayFailed, number);
        return status;
    }
    char text[32] = "Continuous";
    if (seconds != 0)
        std::snprintf(text, sizeof text, "%d hours", static_cast<int>(seconds / kSecondsPerHour));
    PrintMessage(kCcDelaySet, number, text);
    return 0;
}

int AdpCCSchedulingCp::ShowInfo(CpController* cpController, AdpCCSchedParsedObject*)
{
    using namespace AdpPropMsg;
    Adapter* adapter = ReachCcSchedAdapter(cpController);
    if (adapter == nullptr)
        return -1;
    const u8 number = AdapterNumberOf(cpController);
    u8 mode = 255;
    u32 delay = 0xFFFFFFFF;
    std::tm start{};
    u8 state = 0;
    u32 iterations = 0;
    u8 completed = 0;
    ArrayList<u16> excluded(4);
    if (adapter->GetCcMode(&mode) != 0 || adapter->GetCcDelay(&delay) != 0 || adapter->GetCcStartTime(&start) != 0 ||
        adapter->GetCcState(&state) != 0 || adapter->GetCcIterationCount(&iterations) != 0 ||
        adapter->GetCcCompletedLdCount(&completed) != 0 || adapter->GetCcExcludedLds(&excluded) != 0) {
        PrintMessage(kCcInfoFailed, number);
        return -1;
    }
    PrintMessage(CommonMsg::kAdapterTitle, number);
    PrintMessage(kCcMode, ModeName(mode));
    char hours[32];
    std::snprintf(hours, sizeof hours, "%lu", static_cast<unsigned long>(delay / kSecondsPerHour));
    PrintMessage(kCcDelay, hours);
    PrintMessage(kCcNextStart, start.tm_mon + 1, start.tm_mday, start.tm_year + 1900, start.tm_hour);
    PrintMessage(kCcState, StateName(state));
    PrintMessage(kCcIterations, static_cast<unsigned long>(iterations));
    PrintMessage(kCcVdsCompleted, static_cast<int>(completed));
    PrintMessage(kCcExcluded);
    if (excluded.GetCount() == 0)
        PrintMessage(CommonMsg::kText, "None");
    for (unsigned i = 0; i < excluded.GetCount(); ++i) {
        if (i != 0)
            PrintMessage(CommonMsg::kText, ", ");
        PrintMessage(CommonMsg::kNumber, static_cast<int>(excluded.GetAt(static_cast<u8>(i))));
    }
    PrintMessage(CommonMsg::kLineEnd);
    return 0;
}
