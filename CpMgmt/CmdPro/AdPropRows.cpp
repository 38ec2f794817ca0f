#include "CpMgmt/CmdPro/AdPropRows.h"

#include "CpMgmt/CmdPro/AdpSettingsMessageIds.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpPropertyPo.h"

namespace adprop {
namespace {

using P = AdpProperty;

constexpr u32 kAny = 0xFFFFFFFF;

constexpr Row Number(u16 property, P field, u32 get, const char* set, Width width)
{
    return {property, field, Check::None, get, Show::Number, nullptr, nullptr, set, nullptr, nullptr, width, kAny};
}

constexpr Row OnOff(u16 property, P field, u32 get, const char* on, const char* off, const char* set,
                    const char* setOn, const char* setOff, Width width = Width::Bit, Check check = Check::None,
                    u32 maxValue = kAny)
{
    return {property, field, check, get, Show::OnOff, on, off, set, setOn, setOff, width, maxValue};
}

constexpr const char* kEnabled = "Enabled";
constexpr const char* kDisabled = "Disabled";
constexpr const char* kEnable = "Enable";
constexpr const char* kDisable = "Disable";

constexpr Row kRows[] = {
    OnOff(TOKEN_ENABLEJBOD, P::EnableJbod, SetMsg::kJbod, kEnabled, kDisabled, "JBOD to %s", kEnable, kDisable),
    Number(TOKEN_REBUILDRATE, P::RebuildRate, SetMsg::kRebuildRate, "rebuild rate to %d%%", Width::Byte),
    Number(TOKEN_PATROLREADRATE, P::PatrolReadRate, SetMsg::kPatrolReadRate, "Patrol Read Rate to %d%%", Width::Byte),
    Number(TOKEN_BGIRATE, P::BgiRate, SetMsg::kBgiRate, "BGI Rate to %d%%", Width::Byte),
    Number(TOKEN_CCRATE, P::CcRate, SetMsg::kCcRate, "Check consistency rate to %d%%", Width::Byte),
    Number(TOKEN_RECONRATE, P::ReconRate, SetMsg::kReconRate, "Reconstruction Rate to %d%%", Width::Byte),
    Number(TOKEN_SPINUPDRIVECOUNT, P::SpinupDriveCount, SetMsg::kSpinupDriveCount, "Spin up Drive Count to %d",
           Width::Byte),
    Number(TOKEN_SPINUPDELAY, P::SpinupDelay, SetMsg::kSpinupDelay, "Spin up delay to %ld", Width::Byte),
    Number(TOKEN_COERCIONMODE, P::CoercionMode, 0, "Coercion Mode to %d", Width::Byte),
    Number(TOKEN_PREDFAILPOLLINTERVAL, P::PredFailPollInterval, SetMsg::kPredFailPollInterval,
           "Predictive Fail Poll Interval to %d Seconds", Width::Word),
    OnOff(TOKEN_CLUSTERENABLE, P::ClusterEnable, SetMsg::kCluster, kEnabled, kDisabled, "cluster to %s", kEnable,
          kDisable, Width::Byte),
    Number(TOKEN_CACHEFLUSHINTERVAL, P::CacheFlushInterval, SetMsg::kCacheFlushInterval, "Cache Flash Interval to %ld",
           Width::Byte),
    OnOff(TOKEN_BATWARNDSBL, P::BatWarnDsbl, SetMsg::kBatteryWarning, kDisabled, kEnabled, "Battery Warning to %s",
          kDisable, kEnable, Width::Byte),
    Number(TOKEN_ECCBUCKETSIZE, P::EccBucketSize, SetMsg::kEccBucketSize, "Ecc Bucket size to %d", Width::Byte),
    Number(TOKEN_ECCBUCKETLEAKRATE, P::EccBucketLeakRate, SetMsg::kEccBucketLeakRate,
           "Ecc Bucket leak rate to %dminutes", Width::Word),
    {TOKEN_ABORTCCONERROR, P::AbortCcOnError, Check::None, SetMsg::kAbortCcOnError, Show::Number, nullptr, nullptr,
     "Abort CC On Error to %s", kEnable, kDisable, Width::Byte, kAny},
    Number(TOKEN_AUTODETECTBACKPLANEDSBL, P::AutoDetectBackplaneDsbl, 0, "AutoDetect Backplane Disabled to : %d",
           Width::Byte),
    OnOff(TOKEN_DISABLEOCR, P::DisableOcr, SetMsg::kOnlineReset, kDisabled, kEnabled, "Online Controller Reset %s",
          kDisabled, kEnabled),
    OnOff(TOKEN_BOOTWITHPINNEDCACHE, P::BootWithPinnedCache, SetMsg::kBootWithPinnedCache, kEnabled, kDisabled,
          "Boot with Pinned Cache %s", kEnabled, kDisabled),
    OnOff(TOKEN_RSTRHOTSPAREONINSERT, P::RstrHotSpareOnInsert, SetMsg::kRestoreHotSpare, kEnabled, kDisabled,
          "Restore Hot Spare on Insertion is %s", kEnabled, kDisabled, Width::Byte),
    OnOff(TOKEN_SSDSMARTCPYBKENBL, P::SsdSmartCpybkEnbl, SetMsg::kSsdSmartCopyback, kEnabled, kDisabled,
          "Copyback on SMART error for SSD device is %s", kEnable, kDisable),
    OnOff(TOKEN_ENBLSPINDOWNUNCONFIGDRVS, P::EnblSpinDownUnconfigDrvs, SetMsg::kSpinDownUnconfigured, kEnabled,
          kDisabled, "%s Spin Down of Unconfigured Drives : ", kEnable, kDisable, Width::Bit, Check::SpinDown),
    OnOff(TOKEN_MAINTAINPDFAILHISTORYENBL, P::MaintainPdFailHistory, SetMsg::kMaintainPdFailHistory, kEnabled,
          kDisabled, "Maintain PD Fail History is %s", kEnable, kDisable, Width::Byte),
    OnOff(TOKEN_PRCORRECTUNCFGDAREAS, P::PrCorrectUncfgdAreas, SetMsg::kPrCorrectUnconfigured, kEnabled, kDisabled,
          "PR Correct Unconfigured Areas to %s", kEnable, kDisable),
    OnOff(TOKEN_DSBLSPINDOWNHSP, P::DsblSpinDownHsp, SetMsg::kSpinDownHotSpares, kDisabled, kEnabled, "%s",
          "Disable spin Down of Hot Spares : ", "Enable spin Down of Hot Spares : ", Width::Bit, Check::SpinDown),
    {TOKEN_SPINDOWNTIME, P::SpinDownTime, Check::SpinDown, SetMsg::kSpinDownTime, Show::Number, nullptr, nullptr,
     nullptr, nullptr, nullptr, Width::Word, kAny},
    OnOff(TOKEN_EXPOSEENCLDEVICESENBL, P::ExposeEnclDevices, SetMsg::kExposeEnclDevices, kEnabled, kDisabled,
          "Expose Enclosure Devices to %s", kEnable, kDisable, Width::Byte),
    Number(TOKEN_DEFAULTVIEWSPACE, P::DefaultViewSpace, SetMsg::kDefaultViewSpace, "Default View Space to %d Percent",
           Width::Byte),
    Number(TOKEN_AUTOSNAPSHOTSPACE, P::AutoSnapshotSpace, SetMsg::kAutoSnapshotSpace,
           "Auto Snapshot Space to %d Percent", Width::Byte),
    Number(TOKEN_DEFAULTSNAPSHOTSPACE, P::DefaultSnapshotSpace, SetMsg::kDefaultSnapshotSpace,
           "Default Snapshot Space to %d Percent", Width::Byte),
    OnOff(TOKEN_USEDISKACTIVITYFORLOCATE, P::UseDiskActivityForLocate, SetMsg::kDiskActivityForLocate, kEnabled,
          kDisabled, "Use Disk Activity For Locate to %s", kEnabled, kDisabled),
    OnOff(TOKEN_COPYBACKDSBL, P::CopyBackDsbl, SetMsg::kCopyback, kDisabled, kEnabled, "CopyBack to %s", kDisable,
          kEnable),
    OnOff(TOKEN_SMARTCPYBKENBL, P::SmartCpybkEnbl, SetMsg::kSmartCopyback, kEnabled, kDisabled,
          "Copyback on SMART error is %s", kEnable, kDisable),
    OnOff(TOKEN_LOADBALANCEMODE, P::LoadBalanceMode, SetMsg::kLoadBalance, kDisabled, "Auto", "Load Balance Mode to %s",
          kDisable, "Auto", Width::Byte),
    OnOff(TOKEN_USEFDEONLYENCRYPT, P::UseFdeOnlyEncrypt, SetMsg::kFdeOnly, kEnabled, kDisabled,
          "Use FDE Only Encryption to %s", kEnable, kDisable),
    Number(TOKEN_SPINUPENCDRVCNT, P::SpinUpEncDrvCnt, SetMsg::kSpinupEnclDriveCount,
           "Spin up enclosure drive count to %d", Width::Byte),
    Number(TOKEN_SPINUPENCDELAY, P::SpinUpEncDelay, SetMsg::kSpinupEnclDelay, "Spin up enclosure delay to %d",
           Width::Byte),
    Number(TOKEN_DISABLELDPSINTERVAL, P::DisableLdPsInterval, SetMsg::kPowerSaveInterval, nullptr, Width::Byte),
    {TOKEN_ENABLEEGHSP, P::EnableEGhsp, Check::None, 0, Show::OnOff, nullptr, nullptr, "Emergency GHSP : %s",
     kEnabled, kDisabled, Width::Bit, kAny},
    {TOKEN_ENABLEEUG, P::EnableEUg, Check::None, 0, Show::OnOff, nullptr, nullptr,
     "Emergency Unconfigured Good Spare : %s", kEnabled, kDisabled, Width::Bit, kAny},
    {TOKEN_ENABLEESMARTER, P::EnableESmarter, Check::None, 0, Show::OnOff, nullptr, nullptr,
     "Emergency Spare for SMARTER : %s", kEnabled, kDisabled, Width::Bit, kAny},
    OnOff(TOKEN_PREVENTPIIMPORT, P::PreventPiImport, SetMsg::kPreventPiImport, kEnabled, kDisabled,
          "Prevent PI Import to %s", kEnable, kDisable),
    OnOff(TOKEN_ENBLPI, P::EnblPi, SetMsg::kPi, kEnabled, kDisabled, "PI to %s", kEnable, kDisable, Width::Bit,
          Check::Pi),
    OnOff(TOKEN_SUPPORTSSDPATROLREAD, P::SupportSsdPatrolRead, SetMsg::kSsdPatrolRead, kEnabled, kDisabled,
          "Patrol Read on SSD Devices is %s", kEnable, kDisable, Width::Bit, Check::SsdPatrolRead),
    OnOff(TOKEN_FORCESGPIO, P::ForceSgpio, SetMsg::kForceSgpio, kEnabled, kDisabled, "ForceSGPIO to %s", kEnable,
          kDisable),
    OnOff(AdpPropertyPo::kNcq, P::NcqDsbl, SetMsg::kNcq, kDisabled, kEnabled, "NCQ to %s", kDisabled, kEnabled,
          Width::Bit, Check::None, 1),
    OnOff(AdpPropertyPo::kAutoEnhancedImport, P::AutoEnhancedImport, SetMsg::kAutoEnhancedImport, kEnabled, kDisabled,
          "Auto Enhanced Import to %s", kEnable, kDisable, Width::Bit, Check::None, 1),
};

}  // namespace

const Row* FindRow(u16 property)
{
    for (const Row& row : kRows) {
        if (row.property == property)
            return &row;
    }
    return nullptr;
}

}  // namespace adprop
