// -AdpSetProp: the row's checks, then its change of the kept controller properties (or its own
// request), then one whole write of the properties when something changed. A refusal of a row
// passes the common end (message 0x31c13); a direct refusal ends the command at once.
#include <cstdio>
#include <cstring>

#include "CpMgmt/CmdPro/AdPropCp.h"
#include "CpMgmt/CmdPro/AdPropRows.h"
#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
#include "CpMgmt/CmdPro/CtrlDefaultsRead.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

constexpr u32 kMaxByte = 0xFF;
constexpr u32 kMaxWord = 0xFFFF;
constexpr u32 kSpinDownMinimum = 30;
constexpr u32 kSpinDownMaximum = 1440;
constexpr u32 kPolicyMaximum = 2;
constexpr u32 kPolicyMaximumUncached = 6;
constexpr u32 kLatencyUnit = 25;    // ms per unit of the latency the firmware keeps (OEM mode 2)
constexpr u32 kOrderedIoUnit = 10;  // ordered I/Os per unit the firmware keeps
constexpr u32 kOemLatencyMode = 2;

// A value the field cannot hold would be cut to another one: refused.
bool Fits(adprop::Width width, u32 value)
{
    return width == adprop::Width::Bit || value <= (width == adprop::Width::Byte ? kMaxByte : kMaxWord);
}

bool Given(u32 value) { return value != AdpPropertyPo::kNotGiven; }

}  // namespace

int AdpPropertyCp::Set(Context& c, const AdpPropertyPo* object)
{
    using namespace AdpPropMsg;
    int status = c.adapter->ReadAdpProperties();
    if (status != 0)
        return status;
    char text[256] = "";
    bool handled = false;
    status = SetSpecial(c, object, text, sizeof text, &handled);
    if (!handled) {
        const adprop::Row* row = adprop::FindRow(object->GetPropertyId());
        const u32 value = object->GetValue();
        if (row == nullptr || row->setFormat == nullptr || value > row->maxValue) {
            PrintMessage(CommonMsg::kInvalidOption);
            status = -1;
        } else {
            status = SetRow(c, *row, value, text, sizeof text);
        }
    }
    if (status == kDirect)
        return -1;
    if (status != 0) {
        PrintMessage(kSetFailed, c.number);
        return status;
    }
    if (c.adapter->WriteAdpProperties() != 0) {
        PrintMessage(kSetFailed, c.number);
        return -1;
    }
    PrintMessage(kSetSuccess, c.number, text);
    return 0;
}

int AdpPropertyCp::SetRow(Context& c, const adprop::Row& row, u32 value, char* text, std::size_t size)
{
    using namespace AdpPropMsg;
    u8 supported = 1;
    switch (row.check) {
    case adprop::Check::SpinDown:
        if (c.adapter->IsSpinDownSupported(&supported) != 0 || supported == 0) {
            PrintMessage(kSpinDownNotSupported, c.number);
            return -1;
        }
        break;
    case adprop::Check::Pi:
        if (c.adapter->IsPiSupported(&supported) != 0 || supported == 0) {
            PrintMessage(kPiNotSupported, c.number);
            return -1;
        }
        break;
    case adprop::Check::SsdPatrolRead:
        if (c.adapter->IsSsdPatrolReadSupported(&supported) != 0 || supported == 0) {
            PrintMessage(kNotSupported, c.number);
            return -1;
        }
        break;
    case adprop::Check::None:
        break;
    }
    if (!Fits(row.width, value))
        return -1;
    const int status = c.adapter->SetProperty(row.field, row.width == adprop::Width::Bit ? (value != 0) : value);
    if (status != 0)
        return status;
    if (row.setOn != nullptr)
        std::snprintf(text, size, row.setFormat, value != 0 ? row.setOn : row.setOff);
    else if (std::strstr(row.setFormat, "%ld") != nullptr)
        std::snprintf(text, size, row.setFormat, static_cast<long>(value));
    else
        std::snprintf(text, size, row.setFormat, static_cast<int>(value));
    return 0;
}

int AdpPropertyCp::SetSpecial(Context& c, const AdpPropertyPo* object, char* text, std::size_t size, bool* handled)
{
    using namespace AdpPropMsg;
    *handled = true;
    Adapter* adapter = c.adapter;
    const u32 value = object->GetValue();
    u8 flag = 0;
    int status = 0;
    switch (object->GetPropertyId()) {
    case TOKEN_DSBLCACHEBYPASS:
        // Nothing is written: the refusal is a failure of the command.
        PrintMessage(CommonMsg::kText, "Not Supported\n");
        return kDirect;
    case AdpPropertyPo::kAlarm:
        if (value > 2) {
            PrintMessage(CommonMsg::kInvalidOption);
            return -1;
        }
        status = adapter->SetAlarm(static_cast<u8>(value));
        if (status == 0)
            std::snprintf(text, size, "alarm to %s", value == 2 ? "Silenced" : value == 1 ? "Enabled" : "Disabled");
        return status;
    case TOKEN_SPINDOWNTIME:
        if (adapter->IsSpinDownSupported(&flag) != 0 || flag == 0) {
            PrintMessage(kSpinDownNotSupported, c.number);
            return -1;
        }
        if (value < kSpinDownMinimum || value > kSpinDownMaximum) {
            PrintMessage(CommonMsg::kText, value < kSpinDownMinimum
                                               ? "SpinDown time value should be greater than 30 Minutes\n"
                                               : "SpinDown time value should be less than 1440 Minutes\n");
            return -1;
        }
        status = adapter->SetProperty(AdpProperty::SpinDownTime, value);
        if (status == 0)
            std::snprintf(text, size, "SpinDown time: %d minutes", static_cast<int>(value));
        return status;
    case TOKEN_DEFAULTLDPSPOLICY: {
        u32 policy = value;
        const bool uncached = adapter->IsMaxPowerSavingUncached(&flag) == 0 && flag != 0;
        if (!uncached && policy == kPolicyMaximumUncached) {
            PrintMessage(CommonMsg::kText, "Invalid power savings level input.\n");
            return kDirect;
        }
        if (!uncached && policy == kPolicyMaximum)
            policy = kPolicyMaximumUncached;
        if (policy > kMaxByte)
            return -1;
        status = adapter->SetProperty(AdpProperty::DefaultLdPsPolicy, policy);
        if (status == 0)
            std::snprintf(text, size, "Default LD power savings policy to %s",
                          adprop::PowerSavePolicyName(policy, uncached));
        return status;
    }
    case TOKEN_DISABLELDPS:
        return SetPowerSaveSchedule(c, object, text, size);
    case TOKEN_DPMENABLE:
        status = adapter->ControlDpm(static_cast<u8>(value != 0), 0);
        if (status == 0)
            std::snprintf(text, size, "DPM is %s", value != 0 ? "Enabled" : "Disabled");
        return status;
    case TOKEN_PERFMODE:
        return SetPerfMode(c, object, text, size);
    default:
        *handled = false;
        return 0;
    }
}

// Without the settings block's permission the schedule is refused directly. A start time that
// was not given leaves the controller's as it is.
int AdpPropertyCp::SetPowerSaveSchedule(Context& c, const AdpPropertyPo* object, char* text, std::size_t size)
{
    u8 defaults[ctrldefaults::kSize] = {};
    const int read = ReadCtrlDefaults(c.cpController, defaults);
    if (read != 0) {
        ReportCtrlDefaultsUnreadable(read);
        return kDirect;
    }
    const u8 flags = ByteView(defaults).U8(ctrldefaults::kOffPowerSaveFlags);
    if (flags == ctrldefaults::kPowerSaveFlagsNotSet || (flags & ctrldefaults::kPowerSaveScheduleAllowed) == 0) {
        PrintMessage(CommonMsg::kText, "Failed to schedule disable power savings on the adapter.\n");
        return kDirect;
    }
    if (object->GetValue() > kMaxByte)
        return -1;
    int status = c.adapter->SetProperty(AdpProperty::DisableLdPsInterval, object->GetValue());
    if (status == 0 && Given(object->GetSecondValue()))
        status = c.adapter->SetProperty(AdpProperty::DisableLdPsTime, object->GetSecondValue() & kMaxWord);
    if (status == 0)
        std::snprintf(text, size, "Disable LD power saving schedule ");
    return status;
}

// The mode, and with its options the values of that mode: under OEM mode 2 the latency (in
// units of 25 ms), otherwise the number of ordered I/Os (in units of 10).
int AdpPropertyCp::SetPerfMode(Context& c, const AdpPropertyPo* object, char* text, std::size_t size)
{
    u8 tuning = 0;
    if (c.adapter->IsPerfTuningSupported(&tuning) != 0 || tuning == 0) {
        PrintMessage(CommonMsg::kText, "Fw Not Support Perf Tuning\n");
        return kDirect;
    }
    const u32 maxFlushLines = object->GetMaxFlushLines();
    const u32 second = object->GetSecondValue();
    const u32 latency = object->GetMaxPdLatency();
    if ((Given(maxFlushLines) && maxFlushLines > kMaxByte) || (Given(second) && second > kMaxByte) ||
        (Given(latency) && latency > kMaxByte))
        return -1;
    const u8 mode = static_cast<u8>(object->GetValue());
    int status = c.adapter->SetProperty(AdpProperty::PerfMode, mode);
    if (status != 0)
        return status;
    std::snprintf(text, size, "Perf Mode :  %d", mode);
    if (!Given(second) && !Given(latency))
        return 0;
    const bool latencyMode = c.oemMode == kOemLatencyMode;
    if (latencyMode && !Given(latency)) {
        PrintMessage(CommonMsg::kText, "numOrderIOs is an Invalid option\n");
        return kDirect;
    }
    if (!latencyMode && !Given(second)) {
        PrintMessage(CommonMsg::kText, "maxPDLatency is an Invalid option\n");
        return kDirect;
    }
    const u8 flushLines = Given(maxFlushLines) ? static_cast<u8>(maxFlushLines) : 0xFF;
    if (latencyMode) {
        status = c.adapter->SetPerfModeValues(mode, flushLines, static_cast<u8>(latency / kLatencyUnit));
        if (status == 0)
            std::snprintf(text, size, "Perf Mode :  %d Max Flush Lines :  %d , Max PD I/O Latency(ms) : %d \n", mode,
                          flushLines, static_cast<int>(latency));
    } else {
        status = c.adapter->SetPerfModeValues(mode, flushLines, static_cast<u8>(second / kOrderedIoUnit));
        if (status == 0)
            std::snprintf(text, size, "Perf Mode :  %d Max Flush Lines :  %d , Number of Order IOs : %d \n", mode,
                          flushLines, static_cast<int>(second));
    }
    return status;
}
