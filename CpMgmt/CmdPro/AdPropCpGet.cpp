// -AdpGetProp: each property is read and printed; a row prints only when its read succeeded,
// and the read's status becomes the command's.
#include <cstdio>

#include "CpMgmt/CmdPro/AdPropCp.h"
#include "CpMgmt/CmdPro/AdPropRows.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
#include "CpMgmt/CmdPro/WriteBackCheck.h"
#include "CpMgmt/CommandProcessor.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const char* OnOff(bool on, const char* onText, const char* offText) { return on ? onText : offText; }

// The auto-detect backplane property: which detection is disabled.
const char* BackplaneDsblText(u32 mode)
{
    constexpr const char* kTexts[] = {"None", "SGPIO", "i2c SEP", "SGPIO/i2c SEP"};
    return mode < 4 ? kTexts[mode] : "Unknown";
}

const char* AlarmText(u8 state)
{
    switch (state) {
    case 0:
        return "Disabled";
    case 1:
        return "Enabled";
    case 3:
        return "Missing";
    default:
        return "Unknown";
    }
}

// The coercion mode or the backplane detection that is disabled.
int AdPropGetModeText(Adapter* adapter, u8 number, bool coercion)
{
    using namespace AdpPropMsg;
    u32 value = 0;
    const int status =
        adapter->GetProperty(coercion ? AdpProperty::CoercionMode : AdpProperty::AutoDetectBackplaneDsbl, &value);
    if (status == 0)
        PrintMessage(coercion ? kCoercionMode : kBackplaneDetect, number,
                     coercion ? AdpPrint::CoercionText(value) : BackplaneDsblText(value));
    return status;
}

int AdPropGetAlarm(Adapter* adapter, u8 number)
{
    u8 state = 0;
    const int status = adapter->GetAlarmStatus(&state);
    if (status == 0)
        PrintMessage(AdpPropMsg::kAlarmStatus, number, AlarmText(state));
    return status;
}

int AdPropGetEccBucketCount(Adapter* adapter, u8 number)
{
    u16 count = 0;
    const int status = adapter->GetEccBucketCount(&count);
    if (status == 0)
        PrintMessage(AdpPropMsg::kEccBucketCount, number, static_cast<int>(count));
    return status;
}

// "Not possible" is an answer; a request that failed on the way is not.
int AdPropGetWriteBackSupport(CpController* cpController, u8 number)
{
    const int check = CheckWriteBackNow(RaidManagerOrReport(cpController, number), cpController);
    PrintMessage(check == 0 ? AdpPropMsg::kWriteBackPossible : AdpPropMsg::kWriteBackNotPossible, number);
    return check == kWriteBackUnknown ? -1 : 0;
}

int AdPropGetDefaultPowerSave(Adapter* adapter, u8 number)
{
    u32 value = 0;
    const int status = adapter->GetProperty(AdpProperty::DefaultLdPsPolicy, &value);
    u8 uncached = 0;
    if (status == 0) {
        adapter->IsMaxPowerSavingUncached(&uncached);
        PrintMessage(AdpPropMsg::kDefaultPowerSavePolicy, number, adprop::PowerSavePolicyName(value, uncached != 0));
    }
    return status;
}

int AdPropGetPowerSaveTime(Adapter* adapter, u8 number)
{
    u32 value = 0;
    const int status = adapter->GetProperty(AdpProperty::DisableLdPsTime, &value);
    if (status == 0)
        PrintMessage(AdpPropMsg::kPowerSaveTime, number, static_cast<int>(value / 60), static_cast<int>(value % 60));
    return status;
}

int AdPropGetDpm(Adapter* adapter, u8 number)
{
    u8 state = 0;
    const int status = adapter->GetDpmState(&state, nullptr);
    if (status == 0)
        PrintMessage(AdpPropMsg::kDpm, OnOff(state != 0, "Enabled", "Disabled"), number);
    return status;
}

// Both emergency-spare properties are read; the line shows when either read succeeded.
int AdPropGetEmergencySpare(Adapter* adapter)
{
    u32 ghsp = 0;
    u32 ug = 0;
    const int ghspStatus = adapter->GetProperty(AdpProperty::EnableEGhsp, &ghsp);
    const int ugStatus = adapter->GetProperty(AdpProperty::EnableEUg, &ug);
    if (ghspStatus != 0 && ugStatus != 0)
        return ugStatus;
    const char* text = ghsp != 0 && ug != 0 ? "Emergency Spare : Unconfigured Good & Global HotSpare"
                       : ghsp != 0          ? "Emergency Spare : Global HotSpare"
                       : ug != 0            ? "Emergency Spare : Unconfigured Good"
                                            : "Emergency Spare : None";
    PrintMessage(CommonMsg::kText, text);
    return ghspStatus != 0 ? ghspStatus : ugStatus;
}

int AdPropGetEmergencySmarter(Adapter* adapter)
{
    u32 value = 0;
    const int status = adapter->GetProperty(AdpProperty::EnableESmarter, &value);
    if (status != 0)
        return status;
    char text[64];
    std::snprintf(text, sizeof text, "%s %s", "Emergency Spare For SMARTer:", OnOff(value != 0, "Enabled", "Disabled"));
    PrintMessage(CommonMsg::kText, text);
    PrintMessage(CommonMsg::kLineEnd);
    return 0;
}

int AdPropGetPerfMode(Adapter* adapter)
{
    u8 mode = 0;
    const int status = adapter->GetCurrentPerfMode(&mode);
    if (status == 0)
        PrintMessage(CommonMsg::kText, mode == 0   ? "Perf Tuned Mode : Best IOPS\n"
                                       : mode == 1 ? "Perf Tuned Mode : Least Latency\n"
                                                   : "");
    return status;
}

// The values of both modes; a mode whose read fails is left out, and the last read's status is
// the answer. With `latency` (OEM mode 2) the second value is the latency in units of 25 ms,
// else the number of ordered I/Os in units of 10.
int AdPropGetPerfModeValues(Adapter* adapter, bool latency)
{
    int status = 0;
    for (u8 mode = 0; mode <= 1; ++mode) {
        u8 maxFlushLines = 0xFF;
        u8 second = 0xFF;
        status = adapter->GetPerfModeValues(mode, &maxFlushLines, &second);
        if (status != 0)
            continue;
        char text[160];
        std::snprintf(text, sizeof text, "Perf Tuned Mode : %d, %s = %d, %s = %d\n", mode, " Max Flush lines",
                      maxFlushLines, latency ? " Max PD I/O Latency(ms)" : " Number Order IOs ",
                      second * (latency ? 25 : 10));
        PrintMessage(CommonMsg::kText, text);
    }
    return status;
}

}  // namespace

const char* adprop::PowerSavePolicyName(u32 policy, bool maximumWithoutCaching)
{
    switch (policy) {
    case 1:
    case 5:
        return "Automatic";
    case 2:
        return "Maximum";
    case 6:
        return maximumWithoutCaching ? "Maximum without caching" : "Maximum";
    case 254:
        return "None";
    case 0:
        return "Controller defined";
    default:
        return "";
    }
}

int AdpPropertyCp::Get(Context& c, const AdpPropertyPo* object)
{
    using namespace AdpPropMsg;
    bool handled = false;
    const int special = GetSpecial(c, object, &handled);
    if (handled)
        return special;

    const adprop::Row* row = adprop::FindRow(object->GetPropertyId());
    if (row == nullptr || row->getMessage == 0) {
        PrintMessage(CommonMsg::kInvalidOption);
        return -1;
    }
    u8 supported = 1;
    if (row->check == adprop::Check::SpinDown || row->check == adprop::Check::Pi) {
        const int status = row->check == adprop::Check::SpinDown ? c.adapter->IsSpinDownSupported(&supported)
                                                                 : c.adapter->IsPiSupported(&supported);
        if (status != 0)
            return status;
        // A property the controller does not support has no value to show: a refusal.
        if (supported == 0) {
            PrintMessage(row->check == adprop::Check::SpinDown ? kSpinDownNotSupported : kPiNotSupported, c.number);
            return kDirect;
        }
    }
    u32 value = 0;
    const int status = c.adapter->GetProperty(row->field, &value);
    if (status != 0)
        return status;
    if (row->show == adprop::Show::Number)
        PrintMessage(row->getMessage, c.number, static_cast<int>(value));
    else
        PrintMessage(row->getMessage, c.number, OnOff(value != 0, row->getOn, row->getOff));
    return 0;
}

int AdpPropertyCp::GetSpecial(Context& c, const AdpPropertyPo* object, bool* handled)
{
    *handled = true;
    const auto property = object->GetPropertyId();
    switch (property) {
    case TOKEN_DSBLCACHEBYPASS:
        PrintMessage(CommonMsg::kText, "Not Supported\n");
        return kDirect;
    case TOKEN_COERCIONMODE:
    case TOKEN_AUTODETECTBACKPLANEDSBL:
        return AdPropGetModeText(c.adapter, c.number, property == TOKEN_COERCIONMODE);
    case AdpPropertyPo::kAlarm:
        return AdPropGetAlarm(c.adapter, c.number);
    case TOKEN_ECCBUCKETCOUNT:
        return AdPropGetEccBucketCount(c.adapter, c.number);
    case TOKEN_WBSUPPORT:
        return AdPropGetWriteBackSupport(c.cpController, c.number);
    case TOKEN_DEFAULTLDPSPOLICY:
        return AdPropGetDefaultPowerSave(c.adapter, c.number);
    case TOKEN_DISABLELDPSTIME:
        return AdPropGetPowerSaveTime(c.adapter, c.number);
    case TOKEN_DPMENABLE:
        return AdPropGetDpm(c.adapter, c.number);
    case TOKEN_ENABLEEGHSP:
    case TOKEN_ENABLEEUG:
        return AdPropGetEmergencySpare(c.adapter);
    case TOKEN_ENABLEESMARTER:
        return AdPropGetEmergencySmarter(c.adapter);
    case TOKEN_PERFMODE:
    case TOKEN_PERFMODEVALUES: {
        u8 tuning = 0;
        if (c.adapter->IsPerfTuningSupported(&tuning) != 0 || tuning == 0) {
            PrintMessage(CommonMsg::kText, "Fw Not Support Perf Tuning\n");
            return kDirect;
        }
        return property == TOKEN_PERFMODE ? AdPropGetPerfMode(c.adapter) : AdPropGetPerfModeValues(c.adapter, c.oemMode == 2);
    }
    default:
        *handled = false;
        return 0;
    }
}
