// Adapter report: the controller's current settings.
#include <cstdio>

#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "fwdata/LeBytes.h"
#include "runtime/CtMessage.h"

namespace {

// Controller time.
constexpr std::size_t kYearOffset = 0;
constexpr std::size_t kMonthOffset = 2;
constexpr std::size_t kDayOffset = 3;
constexpr std::size_t kHourOffset = 4;
constexpr std::size_t kMinuteOffset = 5;
constexpr std::size_t kSecondOffset = 6;

// Controller information.
constexpr std::size_t kPowerSaveFlagsOffset = 1509;
constexpr unsigned kMaxPowerSaveUncachedBit = 5;
constexpr std::size_t kSecurityOffset = 1528;
constexpr unsigned kKeyAssignedBit = 1;
constexpr unsigned kKeyFailedBit = 2;
constexpr unsigned kKeyNotBackedUpBit = 3;
constexpr unsigned kOfflineCachePreservedBit = 5;
constexpr std::size_t kPredictiveFailPollOffset = 1538;
constexpr std::size_t kThrottleCountOffset = 1540;
constexpr std::size_t kThrottleCompletionOffset = 1542;
constexpr std::size_t kRebuildRateOffset = 1544;
constexpr std::size_t kPatrolReadRateOffset = 1545;
constexpr std::size_t kBgiRateOffset = 1546;
constexpr std::size_t kCcRateOffset = 1547;
constexpr std::size_t kReconstructionRateOffset = 1548;
constexpr std::size_t kCacheFlushOffset = 1549;
constexpr std::size_t kSpinupDrivesOffset = 1550;
constexpr std::size_t kSpinupDelayOffset = 1551;
constexpr std::size_t kClusterModeOffset = 1552;
constexpr std::size_t kCoercionOffset = 1553;
constexpr std::size_t kAlarmOffset = 1554;
constexpr std::size_t kAutoRebuildDisabledOffset = 1555;
constexpr std::size_t kBatteryWarningDisabledOffset = 1556;
constexpr std::size_t kEccBucketSizeOffset = 1557;
constexpr std::size_t kEccLeakRateOffset = 1558;
constexpr std::size_t kRestoreHotSpareOffset = 1560;
constexpr std::size_t kExposeEnclosureOffset = 1561;
constexpr std::size_t kFailHistoryOffset = 1562;
constexpr std::size_t kReorderingDisabledOffset = 1563;
constexpr std::size_t kLoadBalanceDisabledOffset = 1565;
constexpr std::size_t kBackplaneOffset = 1566;
constexpr std::size_t kFdeOffset = 1568;
constexpr unsigned kFdeOnlyBit = 3;
constexpr std::size_t kImportFlagsOffset = 1569;
constexpr unsigned kAutoEnhancedImportBit = 0;
constexpr unsigned kDisableOnlineResetBit = 2;
constexpr unsigned kBootWithPreservedCacheBit = 3;
constexpr unsigned kDiskActivityLocateBit = 7;
constexpr std::size_t kPowerSavePolicyOffset = 1576;
constexpr std::size_t kSpinupPerMinuteOffset = 1992;

const char* CoercionText(u8 mode)
{
    switch (mode) {
    case 0:
        return "Disabled";
    case 2:
        return "1GB";
    default:
        return "128MB";
    }
}

const char* BackplaneText(u8 mode)
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
    auto u8At = [this](std::size_t offset) { return static_cast<int>(info_[offset]); };
    auto u16At = [this](std::size_t offset) { return static_cast<int>(LeU16(info_, offset)); };
    auto set = [this](std::size_t offset) { return info_[offset] != 0; };
    auto bit = [this](std::size_t offset, unsigned b) { return LeBit(info_, offset, b); };

    char time[64] = "Not Set";
    if (LeU32(time_, 0) != 0 || LeU32(time_, 4) != 0)
        std::snprintf(time, sizeof time, "%d:%d:%d %d/%d, %d", time_[kHourOffset], time_[kMinuteOffset],
                      time_[kSecondOffset], time_[kMonthOffset], time_[kDayOffset],
                      static_cast<int>(LeU16(time_, kYearOffset)));
    PrintMessage(AdpMsg::kCurrentTime, time);

    PrintMessage(AdpMsg::kRates, u16At(kPredictiveFailPollOffset), u16At(kThrottleCountOffset),
                 u16At(kThrottleCompletionOffset), u8At(kRebuildRateOffset), u8At(kPatrolReadRateOffset),
                 u8At(kBgiRateOffset), u8At(kCcRateOffset));
    PrintMessage(AdpMsg::kSpinupAndModes, u8At(kReconstructionRateOffset), u8At(kCacheFlushOffset),
                 u8At(kSpinupDrivesOffset), u8At(kSpinupDelayOffset), CoercionText(info_[kCoercionOffset]),
                 EnabledDisabled(set(kClusterModeOffset)), EnabledDisabled(set(kAlarmOffset)),
                 EnabledDisabled(!set(kAutoRebuildDisabledOffset)),
                 EnabledDisabled(!set(kBatteryWarningDisabledOffset)));
    PrintMessage(AdpMsg::kEccAndPolicies, u8At(kEccBucketSizeOffset), u16At(kEccLeakRateOffset),
                 EnabledDisabled(set(kRestoreHotSpareOffset)), EnabledDisabled(set(kExposeEnclosureOffset)),
                 EnabledDisabled(set(kFailHistoryOffset)), EnabledDisabled(!set(kReorderingDisabledOffset)));
    PrintMessage(AdpMsg::kBackplane, BackplaneText(info_[kBackplaneOffset]));
    PrintMessage(AdpMsg::kLoadBalance, set(kLoadBalanceDisabledOffset) ? "Disabled" : "Auto");
    PrintMessage(AdpMsg::kSecurity, YesNo(bit(kFdeOffset, kFdeOnlyBit)), YesNo(bit(kSecurityOffset, kKeyAssignedBit)),
                 YesNo(bit(kSecurityOffset, kKeyFailedBit)), YesNo(bit(kSecurityOffset, kKeyNotBackedUpBit)));

    AdpPrint::Text("Default LD PowerSave Policy      : ");
    AdpPrint::Text(PowerSavePolicyText(info_[kPowerSavePolicyOffset],
                                       bit(kPowerSaveFlagsOffset, kMaxPowerSaveUncachedBit)));
    AdpPrint::LineEnd();

    AdpPrint::Text("Maximum number of direct attached drives to spin up in 1 min : ");
    AdpPrint::Number(u8At(kSpinupPerMinuteOffset));
    AdpPrint::LineEnd();

    AdpPrint::Text("Auto Enhanced Import             : ");
    AdpPrint::Text(YesNo(bit(kImportFlagsOffset, kAutoEnhancedImportBit)));
    AdpPrint::LineEnd();

    PrintMessage(AdpMsg::kOfflineCachePreserved, YesNo(bit(kSecurityOffset, kOfflineCachePreservedBit)));
    PrintMessage(AdpMsg::kBootWithPreservedCache, YesNo(bit(kImportFlagsOffset, kBootWithPreservedCacheBit)));
    PrintMessage(AdpMsg::kDisableOnlineReset, YesNo(bit(kImportFlagsOffset, kDisableOnlineResetBit)));
    PrintMessage(AdpMsg::kDiskActivityLocate, YesNo(bit(kImportFlagsOffset, kDiskActivityLocateBit)));

    AdpPrint::Text("POST delay\t\t\t : ");
    AdpPrint::Number(postDelay_);
    AdpPrint::Text("seconds");
    AdpPrint::LineEnd();
    AdpPrint::LineEnd();
}
