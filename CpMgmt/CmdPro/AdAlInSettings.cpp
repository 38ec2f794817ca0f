// Adapter report: the controller's current settings.
#include <cstdio>

#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "fwdata/layout/CtrlProps.h"
#include "runtime/CtMessage.h"

namespace {

// The backplane auto-detect mode as the report names it.
const char* AutoDetectBackplaneText(u8 mode)
{
    switch (mode) {
    case 1:
        return "i2c SEP";
    case 2:
        return "SGPIO";
    case 3:
        return "None";
    default:
        return "SGPIO/i2c SEP";
    }
}

const char* PowerSavePolicyText(u8 code, bool maximumUncached)
{
    switch (code) {
    case 1:
    case 5:
        return "Automatic";
    case 2:
        return "Maximum with caching";
    case 6:
        return maximumUncached ? "Maximum without caching" : "Maximum";
    case 255:
        return "None";
    default:
        return "Controller Defined";
    }
}

}  // namespace

void AdpAllInfoCp::PrintSettings() const
{
    using AdpPrint::EnabledDisabled;
    using AdpPrint::YesNo;
    const ByteView info(info_);
    // The current settings: the controller's properties as the information block carries them.
    const ByteView props = info.Sub(ctrlinfo::kOffSettings, ctrlprops::kSize);
    auto u8At = [&props](Field<u8> field) { return static_cast<int>(props.U8(field)); };
    auto u16At = [&props](Field<u16> field) { return static_cast<int>(props.U16(field)); };
    auto set = [&props](Field<u8> field) { return props.U8(field) != 0; };

    // "Not Set" is the controller's answer for a clock never set, not for a time never read.
    const ByteView clock(time_);
    char time[64] = "Not Set";
    if (clock.U32(ctrltime::kOffLowWord) != 0 || clock.U32(ctrltime::kOffHighWord) != 0)
        std::snprintf(time, sizeof time, "%d:%d:%d %d/%d, %d", clock.U8(ctrltime::kOffHour),
                      clock.U8(ctrltime::kOffMinute), clock.U8(ctrltime::kOffSecond), clock.U8(ctrltime::kOffMonth),
                      clock.U8(ctrltime::kOffDay), static_cast<int>(clock.U16(ctrltime::kOffYear)));
    if (timeRead_)
        PrintMessage(AdpMsg::kCurrentTime, time);
    else
        PrintReadFailureLine("the controller time");

    PrintMessage(AdpMsg::kRates, u16At(ctrlprops::kOffPredFailPollInterval), u16At(ctrlprops::kOffThrottleCount),
                 u16At(ctrlprops::kOffThrottleCompletion), u8At(ctrlprops::kOffRebuildRate),
                 u8At(ctrlprops::kOffPatrolReadRate), u8At(ctrlprops::kOffBgiRate), u8At(ctrlprops::kOffCcRate));
    PrintMessage(AdpMsg::kSpinupAndModes, u8At(ctrlprops::kOffReconRate), u8At(ctrlprops::kOffCacheFlushInterval),
                 u8At(ctrlprops::kOffSpinupDriveCount), u8At(ctrlprops::kOffSpinupDelay),
                 AdpPrint::CoercionText(props.U8(ctrlprops::kOffCoercionMode)),
                 EnabledDisabled(set(ctrlprops::kOffClusterEnable)), EnabledDisabled(set(ctrlprops::kOffAlarm)),
                 EnabledDisabled(!set(ctrlprops::kOffAutoRbldDisabled)),
                 EnabledDisabled(!set(ctrlprops::kOffBatWarnDisabled)));
    PrintMessage(AdpMsg::kEccAndPolicies, u8At(ctrlprops::kOffEccBucketSize), u16At(ctrlprops::kOffEccBucketLeakRate),
                 EnabledDisabled(set(ctrlprops::kOffRestoreHspOnInsert)),
                 EnabledDisabled(set(ctrlprops::kOffExposeEnclDevices)),
                 EnabledDisabled(set(ctrlprops::kOffMaintainPdFailHistory)),
                 EnabledDisabled(!set(ctrlprops::kOffReorderingDisabled)));
    PrintMessage(AdpMsg::kBackplane, AutoDetectBackplaneText(props.U8(ctrlprops::kOffBackplaneMode)));
    PrintMessage(AdpMsg::kLoadBalance, set(ctrlprops::kOffLoadBalanceMode) ? "Disabled" : "Auto");
    PrintMessage(AdpMsg::kSecurity, YesNo(props.Bit(ctrlprops::kUseFdeOnlyEncrypt)),
                 YesNo(info.Bit(ctrlinfo::kKeyAssigned)), YesNo(info.Bit(ctrlinfo::kKeyFailedAtBoot)),
                 YesNo(info.Bit(ctrlinfo::kKeyNotBackedUp)));

    AdpPrint::Text("Default LD PowerSave Policy      : ");
    AdpPrint::Text(PowerSavePolicyText(props.U8(ctrlprops::kOffDefaultLdPsPolicy),
                                       info.Bit(ctrlinfo::kMaxPowerSavingUncached)));
    AdpPrint::LineEnd();

    AdpPrint::Text("Maximum number of direct attached drives to spin up in 1 min : ");
    AdpPrint::Number(info.U8(ctrlinfo::kOffMaxSpinupPerMinute));
    AdpPrint::LineEnd();

    AdpPrint::Text("Auto Enhanced Import             : ");
    AdpPrint::Text(YesNo(props.Bit(ctrlprops::kAutoEnhancedImport)));
    AdpPrint::LineEnd();

    PrintMessage(AdpMsg::kOfflineCachePreserved, YesNo(info.Bit(ctrlinfo::kOfflineCachePreserved)));
    PrintMessage(AdpMsg::kBootWithPreservedCache, YesNo(props.Bit(ctrlprops::kBootWithPinnedCache)));
    PrintMessage(AdpMsg::kDisableOnlineReset, YesNo(props.Bit(ctrlprops::kDisableOcr)));
    PrintMessage(AdpMsg::kDiskActivityLocate, YesNo(props.Bit(ctrlprops::kDiskActivityForLocate)));

    if (keyValuesRead_) {
        AdpPrint::Text("POST delay\t\t\t : ");
        AdpPrint::Number(postDelay_);
        AdpPrint::Text("seconds");
        AdpPrint::LineEnd();
    } else {
        PrintReadFailureLine("the POST delay");
    }
    AdpPrint::LineEnd();
}
