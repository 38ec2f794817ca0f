#include "CpMgmt/CmdPro/SettingsFields.h"

#include <array>
#include <bit>

#include "CpMgmt/CmdPro/AdpOpsMessageIds.h"
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "fwdata/layout/MfcPciData.h"
#include "fwdata/layout/OemData.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"
#include "runtime/FileLogger.h"

namespace settingsfile {
namespace {

using R = ReadRule;
using V = VerifyRule;
namespace cd = ctrldefaults;

// A row whose width is its layout field's: a row is read and written at the field's own width.
template <class T>
constexpr Field WholeField(const char* key, const char* label, Block block, ::Field<T> field, ReadRule read, u32 min,
                           u32 max, VerifyRule verify)
{
    return {key, label, block, static_cast<u32>(field.offset), static_cast<u8>(sizeof(T)), 0, read, min, max, verify,
            false};
}
// A defaults byte that both files name.
constexpr Field Byte(const char* key, const char* label, ::Field<u8> field, ReadRule read, u32 max = 0)
{
    return WholeField(key, label, Block::kDefaults, field, read, 0, max, V::kDecimal);
}
constexpr Field Range(const char* key, const char* label, ::Field<u8> field, u32 max)
{
    return Byte(key, label, field, R::kRange, max);
}
constexpr Field Any(const char* key, const char* label, ::Field<u8> field)
{
    return Byte(key, label, field, R::kAnyNumber);
}
// A flag of a defaults byte, of one bit or of two neighbouring ones.
constexpr Field Flag(const char* key, const char* label, BitField low, ReadRule read, bool extended,
                     unsigned bits = 1)
{
    const u8 mask = static_cast<u8>(((1u << bits) - 1) << low.bit);
    return {key, label, Block::kDefaults, low.offset, 1, mask, read, 0, read == R::kRange ? 1u : 0u, V::kDecimal,
            extended};
}
constexpr Field Feature(const char* key, const char* label, ::Field<u8> field)
{
    return WholeField(key, label, Block::kFeatures, field, R::kUnknown, 0, 0, V::kDecimal);
}
constexpr Field Pci(const char* key, const char* label, ::Field<u16> field, ReadRule read)
{
    return WholeField(key, label, Block::kPciData, field, read, 0, 0, V::kHex);
}
// A key the verifier knows and passes over; `read` for the keys the programming reader takes.
constexpr Field Identity(const char* key, ReadRule read = R::kUnknown)
{
    return {key, nullptr, Block::kNone, 0, 0, 0, read, 0, 0, V::kSkip, false};
}

constexpr auto kFields = std::to_array<Field>({
    WholeField("SASADDRESS", nullptr, Block::kDefaults, cd::kOffSasAddress, R::kSasAddress, 0, 0, V::kSkip),
    Any("PHYPOLARITY", "phyPolarity", cd::kOffPhyPolarity),
    Range("BACKGROUNDRATE", "backGroundRate", cd::kOffBackgroundRate, 100),
    Byte("STRIPESIZE", "stripeSize", cd::kOffStripCode, R::kStripSize),
    Range("FLUSHTIME", "flushTime", cd::kOffFlushTime, 255),
    Range("WRITEBACK", "writeBack", cd::kOffWritePolicy, 2),
    Range("READAHEAD", "readAhead", cd::kOffReadPolicy, 2),
    Range("CACHEWHENBBUBAD", "cacheWhenBbuBad", cd::kOffCacheWhenBbuBad, 1),
    Any("CACHEDIO", "cachedIo", cd::kOffCachedIo),
    Range("SMARTMODE", "smartMode", cd::kOffSmartMode, 2),
    Range("ALARMDISABLE", "alarmDisable", cd::kOffAlarm, 1),
    Range("COERCION", "coercion", cd::kOffCoercionMode, 2),
    Byte("ZCRCONFIG", "zcrConfig", cd::kOffZcrConfig, R::kZcrConfig),
    Range("DIRTYLEDSHOWSDRIVEACTIVITY", "dirtyLedShowsDriveActivity", cd::kOffDirtyLedActivity, 1),
    Range("BIOSCONTINUEONERROR", "biosContinueOnError", cd::kOffBiosContinueOnError, 1),
    Range("SPINDOWNMODE", "spindownMode", cd::kOffSpinDownMode, 3),
    Any("ALLOWEDDEVICETYPES", "allowedDeviceTypes", cd::kOffAllowedDeviceType),
    Any("ALLOWMIXINENCLOSURE", "allowMixInEnclosure", cd::kOffAllowMixInEnclosure),
    Any("ALLOWMIXINLD", "allowMixInLD", cd::kOffAllowHddSasSataMix),
    Any("ALLOWSATAINCLUSTER", "allowSataInCluster", cd::kOffAllowSataInCluster),
    Any("MAXCHAINEDENCLOSURES", "maxChainedEnclosures", cd::kOffMaxChainedEnclosures),
    Range("DISABLECTRLR", "disableCtrlR", cd::kOffDisableCtrlR, 1),
    Range("ENABLEPANELUI", "enablePanelUI", cd::kOffEnablePanelUi, 1),
    Any("PHYPOLARITYSPLIT", "phyPolaritySplit", cd::kOffPhyPolaritySplit),
    Range("DIRECTPDMAPPING", "directPdMapping", cd::kOffDirectPdMapping, 1),
    Any("BIOSENUMERATELDS", "biosEnumerateLds", cd::kOffBiosEnumerateVds),
    Any("RESTOREHOTSPAREONINSERTION", "restoreHotSpareOnInsertion", cd::kOffRestoreHspOnInsert),
    Range("EXPOSEENCLOSUREDEVICES", "exposeEnclosureDevices", cd::kOffExposeEnclDevices, 1),
    Range("MAINTAINPDFAILHISTORY", "maintainPdFailHistory", cd::kOffMaintainPdFailHistory, 1),
    Range("DISABLEPUNCTURING", "disablePuncturing", cd::kOffDisablePuncturing, 1),
    Range("ZEROBASEDENCLENUMERATION", "zeroBasedEnclEnumeration", cd::kOffZeroBasedEnclosures, 1),
    Range("DISABLEBOOTCLI", "disableBootCLI", cd::kOffPrebootCliDisabled, 1),
    Range("QUADPORTCONNECTORMAP", "quadPortConnectorMap", cd::kOffQuadPortConnectorMap, 255),
    Range("DRIVEACTIVITYLED", "driveActivityLed", cd::kOffLedShowsActivity, 1),
    Range("DISABLEAUTODETECTBACKPLANE", "disableAutoDetectBackplane", cd::kOffBackplaneMode, 3),
    Range("USEFDEONLY", "useFdeOnly", cd::kOffUseFdeOnly, 3),
    Range("ENABLELEDHEADERS", "enableLedHeaders", cd::kOffEnableLedHeader, 1),
    Any("ALLOWSSDMIXINLD", "allowSSDMixInLD", cd::kOffAllowSsdSasSataMix),
    Any("ALLOWMIXSSDHDDINLD", "allowMixSSDHDDInLD", cd::kOffAllowHddSsdMix),
    Range("DELAYPOST", "delayPOST", cd::kOffPostDelay, 7),
    Range("ENABLECRASHDUMP", "enableCrashDump", cd::kOffEnableCrashDump, 1),
    Range("ENABLELDBBM", "enableLDBBM", cd::kOffEnableLdBbm, 1),
    Range("ALLOWUNCERTIFIEDHDDS", "allowUnCertifiedHDDs", cd::kOffUncertifiedDrives, 1),
    Range("TREATR1EASR10", "treatR1EAsR10", cd::kOffTreatR1eAsR10, 1),
    Range("MAXLDSPERARRAY", "maxLdsPerArray", cd::kOffMaxVdsPerArray, 1),
    Range("FAILPDONSMARTER", "failPdOnSMARTer", cd::kOffFailPdOnSmartEr, 1),
    Range("NONREVERTIBLESPARES", "nonRevertibleSpares", cd::kOffNonRevertibleSpares, 1),
    Byte("DISABLEONLINECTRLRESET", "disableOnlineCtrlReset", cd::kOffDisableOcr, R::kUnknown),
    Range("DISABLEPOWERSAVINGS", "disablePowerSavings", cd::kOffPowerSaveFlags, 1),
    WholeField("SPINDOWNTIME", "spinDownTime", Block::kDefaults, cd::kOffDefaultSpinDownMin, R::kSpinDown, 30, 65535,
               V::kDecimal),
    Any("SNAPVDSPACE", "snapVDSpace", cd::kOffSnapVdSpace),
    Any("AUTOSNAPVDSPACE", "autoSnapVDSpace", cd::kOffAutoSnapVdSpace),
    Any("VIEWSPACE", "viewSpace", cd::kOffViewSpace),
    Range("ENABLEJBOD", "EnableJBOD", cd::kOffEnableJbod, 1),
    Flag("TTYLOGINFLASH", "ttyLogInFlash", cd::kTtyLogInFlash, R::kRange, true),
    Flag("AUTOENHANCEDIMPORT", "autoEnhancedImport", cd::kAutoEnhancedImport, R::kRange, true),
    Flag("BREAKMIRRORRAIDSUPPORT", "breakMirrorRAIDSupport", cd::kBreakMirrorRaid0, R::kAnyNumber, true, 2),
    Flag("DISABLEJOINMIRROR", "disableJoinMirror", cd::kDisableJoinMirror, R::kRange, true),
    Flag("ENABLEPI", "enablePI", cd::kEnablePi, R::kRange, true),
    Flag("PREVENTPIIMPORT", "preventPIImport", cd::kPreventPiImport, R::kRange, true),
    Flag("ENABLESHIELDSTATE", "enableShieldState", cd::kEnableShieldState, R::kRange, true),
    Flag("ENABLEDRIVEWCEFORREBUILD", "enableDriveWCEforRebuild", cd::kDriveWceForRebuild, R::kUnknown, true),
    Flag("ENABLEEMERGENCYSPARE", "enableEmergencySpare", cd::kEmergencySpare, R::kUnknown, true),
    Flag("USEGLOBALSPARESFOREMERGENCY", "useGlobalSparesForEmergency", cd::kGlobalSparesForEmergency, R::kUnknown, true),
    Flag("USEUNCONFGOODFOREMERGENCY", "useUnconfGoodForEmergency", cd::kUnconfGoodForEmergency, R::kUnknown, true),
    Flag("BLOCKSSDWRITECACHECHANGE", "blockSSDWriteCacheChange", cd::kBlockSsdWriteCacheChange, R::kUnknown, true),
    Flag("DISABLEHII", "disableHII", cd::kDisableHii, R::kUnknown, true),
    Flag("SMARTERENABLED", "SMARTerEnabled", cd::kSmartErHandling, R::kRange, false),
    Flag("SSDSMARTERENABLED", "SSDSMARTerEnabled", cd::kSsdSmartErHandling, R::kRange, false),
    Any("DETECTCMETIMER", "detectCMETimer", cd::kOffCmeDetectTime),

    WholeField("OEM", "OEM", Block::kFeatures, oemdata::kOffMode, R::kShowValue, 0, 0, V::kOemId),
    Feature("CLUSTERDISABLE", "clusterDisable", oemdata::kOffClusterDisable),
    Feature("DISABLESAS", "disableSAS", oemdata::kOffSasDisable),
    Feature("MAXDISKS", "maxDisks", oemdata::kOffMaxDisks),
    Feature("ENABLERAID6", "enableRaid6", oemdata::kOffEnableRaid6),
    Feature("DISABLEWIDECACHE", "disableWideCache", oemdata::kOffDisableWideCache),
    Feature("DISABLERAID5", "disableRaid5", oemdata::kOffDisableRaid5),
    Feature("ENABLESECURITY", "EnableSecurity", oemdata::kOffEnableSecurity),
    Feature("ENABLECTIO", "EnableCTIO", oemdata::kOffEnableCtio),
    Feature("ENABLESNAPSHOT", "EnableSnapShot", oemdata::kOffEnableSnapShot),
    Feature("ENABLESSC", "EnableSSC", oemdata::kOffEnableSsc),
    Feature("ENABLEREDUCEDFEATURESET", "EnableReducedFeatureSet", oemdata::kOffEnableReducedFeatureSet),
    Feature("ENABLECACHEOFFLOAD", "EnableCacheOffload", oemdata::kOffEnableCacheOffload),
    Feature("ENABLESSCWB", "EnableSSCWB", oemdata::kOffEnableSscWb),

    Pci("SUBVENDORID", "subVendorId", mfcpci::kOffSubVendorId, R::kIgnoredHex),
    Pci("SUBDEVICEID", "subDeviceId", mfcpci::kOffSubDeviceId, R::kIgnoredHex),
    Pci("VENDORID", "VendorId", mfcpci::kOffVendorId, R::kUnknown),
    Pci("DEVICEID", "DeviceId", mfcpci::kOffDeviceId, R::kUnknown),

    Identity("SUBOEM", R::kIgnoredHex),
    Identity("CONTROLLERTYPE"),
    Identity("ISRAIDKEYSECONDARY"),
    Identity("SERIALNUMBER"),
    Identity("REVISIONNUMBER"),
    Identity("MFGDATE"),
    Identity("REWORKDATE"),
    Identity("BATTERYFRU"),
});

bool Extended(u8 extent) { return (extent == 0 ? cd::kBaseExtent : extent) > cd::kBaseExtent; }

const Field* Find(const std::string& key, u8 extent, bool forVerify)
{
    for (const Field& field : kFields) {
        if (key != field.key)
            continue;
        const bool known = forVerify ? field.verify != V::kUnknown : field.read != R::kUnknown;
        return known && (!field.extended || Extended(extent)) ? &field : nullptr;
    }
    return nullptr;
}

unsigned Shift(const Field& field) { return field.mask != 0 ? static_cast<unsigned>(std::countr_zero(field.mask)) : 0; }

}  // namespace

const Field* FindReadField(const std::string& key, u8 extent) { return Find(key, extent, false); }

const Field* FindVerifyField(const std::string& key, u8 extent) { return Find(key, extent, true); }

u32 FieldValue(const Field& field, const u8* block, u32 size)
{
    const ByteView view(block, size);
    if (field.mask != 0)
        return (view.U8(field.offset) & field.mask) >> Shift(field);
    switch (field.width) {
    case 1:
        return view.U8(field.offset);
    case 2:
        return view.U16(field.offset);
    default:
        return view.U32(field.offset);
    }
}

void SetFieldValue(const Field& field, u64 value, u8* block, u32 size)
{
    ByteWriter writer(block, size);
    if (field.mask != 0) {
        const u8 bits = static_cast<u8>((value << Shift(field)) & field.mask);
        writer.PutU8(field.offset, static_cast<u8>((writer.View().U8(field.offset) & ~field.mask) | bits));
        return;
    }
    switch (field.width) {
    case 1:
        writer.PutU8(field.offset, static_cast<u8>(value));
        break;
    case 2:
        writer.PutU16(field.offset, static_cast<u16>(value));
        break;
    default:
        writer.PutU64(field.offset, value);
        break;
    }
}

void ReportInvalidKey(const std::string& key)
{
    PrintMessage(AdpOpsMsg::kInvalidKey, key.c_str());
    const std::string text = "Invalid Key: " + key;
    CtError::ErrorLog().WriteLine(LogModuleName(kModuleCommandTool), LogLevelName(kLevelError), __FILE__, __LINE__,
                                  text.c_str());
}

}  // namespace settingsfile
