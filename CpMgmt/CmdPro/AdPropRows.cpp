#include "CpMgmt/CmdPro/AdPropRows.h"

#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
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
    OnOff(TOKEN_ENABLEJBOD, P::EnableJbod, AdpPropMsg::kJbod, kEnabled, kDisabled, "JBOD to %s", kEnable, kDisable),
    Number(TOKEN_REBUILDRATE, P::RebuildRate, AdpPropMsg::kRebuildRate, "rebuild rate to %d%%", Width::Byte),
    Number(TOKEN_PATROLREADRATE, P::PatrolReadRate, AdpPropMsg::kPatrolReadRate, "Patrol Read Rate to %d%%", Width::Byte),
    Number(TOKEN_BGIRATE, P::BgiRate, AdpPropMsg::kBgiRate, "BGI Rate to %d%%", Width::Byte),
    Number(TOKEN_CCRATE, P::CcRate, AdpPropMsg::kCcRate, "Check consistency rate to %d%%", Width::Byte),
    Number(TOKEN_RECONRATE, P::ReconRate, AdpPropMsg::kReconRate, "Reconstruction Rate to %d%%", Width::Byte),
    Number(TOKEN_SPINUPDRIVECOUNT, P::SpinupDriveCount, AdpPropMsg::kSpinupDriveCount, "Spin up Drive Count to %d",
           Width::Byte),
    Number(TOKEN_SPINUPDELAY, P::SpinupDelay, AdpPropMsg::kSpinupDelay, "Spin up delay to %ld", Width::Byte),
    Number(TOKEN_COERCIONMODE, P::CoercionMode, 0, "Coercion Mode to %d", Width::Byte),
    Number(TOKEN_PREDFAILPOLLINTERVAL, P::PredFailPollInterval, AdpPropMsg::kPredFailPollInterval,
           "Predictive Fail Poll Interval to %d Seconds", Width::Word),
    OnOff(TOKEN_CLUSTERENABLE, P::ClusterEnable, AdpPropMsg::kCluster, kEnabled, kDisabled, "cluster to %s", kEnable,
          kDisable, Width::Byte),
    Number(TOKEN_CACHEFLUSHINTERVAL, P::CacheFlushInterval, AdpPropMsg::kCacheFlushInterval, "Cache Flash Interval to %ld",
           Width::Byte),
    OnOff(TOKEN_BATWARNDSBL, P::BatWarnDsbl, AdpPropMsg::kBatteryWarning, kDisabled, kEnabled, "Battery Warning to %s",
          kDisable, kEnable, Width::Byte),
    Number(TOKEN_ECCBUCKETSIZE, P::EccBucketSize, AdpPropMsg::kEccBucketSize, "Ecc Bucket size to %d", Width::Byte),
    Number(TOKEN_ECCBUCKETLEAKRATE, P::EccBucketLeakRate, AdpPropMsg::kEccBucketLeakRate,
           "Ecc Bucket leak rate to %dminutes", Width::Word),
    {TOKEN_ABORTCCONERROR, P::AbortCcOnError, Check::None, AdpPropMsg::kAbortCcOnError, Show::Number, nullptr, nullptr,
     "Abort CC On Error to %s", kEnable, kDisable, Width::Byte, kAny},
    Number(TOKEN_AUTODETECTBACKPLANEDSBL, P::AutoDetectBackplaneDsbl, 0, "AutoDetect Backplane Disabled to : %d",
           Width::Byte),
    OnOff(TOKEN_DISABLEOCR, P::DisableOcr, AdpPropMsg::kOnlineReset, kDisabled, kEnabled, "Online Controller Reset %s",
          kDisabled, kEnabled),
    OnOff(TOKEN_BOOTWITHPINNEDCACHE, P::BootWithPinnedCache, AdpPropMsg::kBootWithPinnedCache, kEnabled, kDisabled,
          "Boot with Pinned Cache %s", kEnabled, kDisabled),
    OnOff(TOKEN_RSTRHOTSPAREONINSERT, P::RstrHotSpareOnInsert, AdpPropMsg::kRestoreHotSpare, kEnabled, kDisabled,
          "Restore Hot Spare on Insertion is %s", kEnabled, kDisabled, Width::Byte),
    OnOff(TOKEN_SSDSMARTCPYBKENBL, P::SsdSmartCpybkEnbl, AdpPropMsg::kSsdSmartCopyback, kEnabled, kDisabled,
          "Copyback on SMART error for SSD device is %s", kEnable, kDisable),
    OnOff(TOKEN_ENBLSPINDOWNUNCONFIGDRVS, P::EnblSpinDownUnconfigDrvs, AdpPropMsg::kSpinDownUnconfigured, kEnabled,
          kDisabled, "%s Spin Down of Unconfigured Drives : ", kEnable, kDisable, Width::Bit, Check::SpinDown),
    OnOff(TOKEN_MAINTAINPDFAILHISTORYENBL, P::MaintainPdFailHistory, AdpPropMsg::kMaintainPdFailHistory, kEnabled,
          kDisabled, "Maintain PD Fail History is %s", kEnable, kDisable, Width::Byte),
    OnOff(TOKEN_PRCORRECTUNCFGDAREAS, P::PrCorrectUncfgdAreas, AdpPropMsg::kPrCorrectUnconfigured, kEnabled, kDisabled,
          "PR Correct Unconfigured Areas to %s", kEnable, kDisable),
    OnOff(TOKEN_DSBLSPINDOWNHSP, P::DsblSpinDownHsp, AdpPropMsg::kSpinDownHotSpares, kDisabled, kEnabled, "%s",
          "Disable spin Down of Hot Spares : ", "Enable spin Down of Hot Spares : ", Width::Bit, Check::SpinDown),
    {TOKEN_SPINDOWNTIME, P::SpinDownTime, Check::SpinDown, AdpPropMsg::kSpinDownTime, Show::Number, nullptr, nullptr,
     nullptr, nullptr, nullptr, Width::Word, kAny},
    OnOff(TOKEN_EXPOSEENCLDEVICESENBL, P::ExposeEnclDevices, AdpPropMsg::kExposeEnclDevices, kEnabled, kDisabled,
          "Expose Enclosure Devices to %s", kEnable, kDisable, Width::Byte),
    Number(TOKEN_DEFAULTVIEWSPACE, P::DefaultViewSpace, AdpPropMsg::kDefaultViewSpace, "Default View Space to %d Percent",
           Width::Byte),
    Number(TOKEN_AUTOSNAPSHOTSPACE, P::AutoSnapshotSpace, AdpPropMsg::kAutoSnapshotSpace,
           "Auto Snapshot Space to %d Percent", Width::Byte),
    Number(TOKEN_DEFAULTSNAPSHOTSPACE, P::DefaultSnapshotSpace, AdpPropMsg::kDefaultSnapshotSpace,
           "Default Snapshot Space to %d Percent", Width::Byte),
    OnOff(TOKEN_USEDISKACTIVITYFORLOCATE, P::UseDiskActivityForLocate, AdpPropMsg::kDiskActivityForLocate, kEnabled,
          kDisabled, "Use Disk Activity For Locate to %s", kEnabled, kDisabled),
    OnOff(TOKEN_COPYBACKDSBL, P::CopyBackDsbl, AdpPropMsg::kCopyback, kDisabled, kEnabled, "CopyBack to %s", kDisable,
          kEnable),
    OnOff(TOKEN_SMARTCPYBKENBL, P::SmartCpybkEnbl, AdpPropMsg::kSmartCopyback, kEnabled, kDisabled,
          "Copyback on SMART error is %s", kEnable, kDisable),
    OnOff(TOKEN_LOADBALANCEMODE, P::LoadBalanceMode, AdpPropMsg::kLoadBalance, kDisabled, "Auto", "Load Balance Mode to %s",
          kDisable, "Auto", Width::Byte),
    OnOff(TOKEN_USEFDEONLYENCRYPT, P::UseFdeOnlyEncrypt, AdpPropMsg::kFdeOnly, kEnabled, kDisabled,
          "Use FDE Only Encryption to %s", kEnable, kDisable),
    Number(TOKEN_SPINUPENCDRVCNT, P::SpinUpEncDrvCnt, AdpPropMsg::kSpinupEnclDriveCount,
           "Spin up enclosure drive count to %d", Width::Byte),
    Number(TOKEN_SPINUPENCDELAY, P::SpinUpEncDelay, AdpPropMsg::kSpinupEnclDelay, "Spin up enclosure delay to %d",
           Width::Byte),
    Number(TOKEN_DISABLELDPSINTERVAL, P::DisableLdPsInterval, AdpPropMsg::kPowerSaveInterval, nullptr, Width::Byte),
    {TOKEN_ENABLEEGHSP, P::EnableEGhsp, Check::None, 0, Show::OnOff, nullptr, nullptr, "Emergency GHSP : %s",
     kEnabled, kDisabled, Width::Bit, kAny},
    {TOKEN_ENABLEEUG, P::EnableEUg, Check::None, 0, Show::OnOff, nullptr, nullptr,
     "Emergency Unconfigured Good Spare : %s", kEnabled, kDisabled, Width::Bit, kAny},
    {TOKEN_ENABLEESMARTER, P::EnableESmarter, Check::None, 0, Show::OnOff, nullptr, nullptr,
     "Emergency Spare for SMARTER : %s", kEnabled, kDisabled, Width::Bit, kAny},
    OnOff(TOKEN_PREVENTPIIMPORT, P::PreventPiImport, AdpPropMsg::kPreventPiImport, kEnabled, kDisabled,
          "Prevent PI Import to %s", kEnable, kDisable),
    OnOff(TOKEN_ENBLPI, P::EnblPi, AdpPropMsg::kPi, kEnabled, kDisabled, "PI to %s", kEnable, kDisable, Width::Bit,
          Check::Pi),
    OnOff(TOKEN_SUPPORTSSDPATROLREAD, P::SupportSsdPatrolRead, AdpPropMsg::kSsdPatrolRead, kEnabled, kDisabled,
          "Patrol Read on SSD Devices is %s", kEnable, kDisable, Width::Bit, Check::SsdPatrolRead),
    OnOff(TOKEN_FORCESGPIO, P::ForceSgpio, AdpPropMsg::kForceSgpio, kEnabled, kDisabled, "ForceSGPIO to %s", kEnable,
          kDisable),
    OnOff(AdpPropertyPo::kNcq, P::NcqDsbl, AdpPropMsg::kNcq, kDisabled, kEnabled, "NCQ to %s", kDisabled, kEnabled,
          Width::Bit, Check::None, 1),
    OnOff(AdpPropertyPo::kAutoEnhancedImport, P::AutoEnhancedImport, AdpPropMsg::kAutoEnhancedImport, kEnabled, kDisabled,
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
