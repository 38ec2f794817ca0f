// The Adapter element: controller-wide queries. Capability flags and limits come from the
// controller information (read once), settings from the controller properties (read once and
// kept), and the connector list, PHY list and drive-performance state from their own blocks.
// Each operation returns 0 or the status of the read behind it; an out value is written only on
// success.
#pragma once
#include <ctime>
#include <memory>
#include <string>

#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "dataif/AdapterData.h"
#include "raidmodel/RaidElement.h"
#include "runtime/ArrayList.h"

class Adapter : public RaidElement {
public:
    explicit Adapter(std::unique_ptr<AdapterData> data) : data_(std::move(data)) {}

    // Drops the kept controller information and reads it again.
    int Refresh() { return data_->ReadControllerInfo(true); }
    // 0 and the controller information block (read once), or the read status.
    int GetControllerInfo(ByteView* block);

    AdapterData* GetData() const { return data_.get(); }

    // Limits and capabilities of the controller information.
    int GetMaxLdCount(u8* count);
    int GetEccBucketCount(u16* count);
    int GetSecurityKeyMode(u8* mode);
    int GetMaxSscCount(u16* count);
    int GetSscCount(u16* count);
    int IsSscSupported(u8* flag);                  // the maximum SSD-cache count is not 0
    int GetPerfModeValues(u8 mode, u8* maxFlushLines, u8* orderIos);
    int IsSscRaid5Supported(u8* flag) { return Flag(AdpInfoFlag::SscRaid5, flag); }
    int IsConnectorInfoSupported(u8* flag) { return Flag(AdpInfoFlag::ConnectorInfo, flag); }
    // When clear, every allowed-operations query of drives and virtual drives answers "allowed".
    int IsAllowedOpsSupported(u8* flag) { return Flag(AdpInfoFlag::AllowedOps, flag); }
    int IsEncryptionEnabled(u8* flag) { return Flag(AdpInfoFlag::EncryptionEnabled, flag); }
    int IsMoreThan8PhysSupported(u8* flag) { return Flag(AdpInfoFlag::MoreThan8Phys, flag); }
    int IsLdExpansionSupported(u8* flag) { return Flag(AdpInfoFlag::LdExpansion, flag); }
    int IsEkmSupported(u8* flag) { return Flag(AdpInfoFlag::Ekm, flag); }
    int IsSnapshotSupported(u8* flag) { return Flag(AdpInfoFlag::Snapshot, flag); }
    int IsLdDiskCachePolicySupported(u8* flag) { return Flag(AdpInfoFlag::LdDiskCachePolicy, flag); }
    int IsLdBbmSupported(u8* flag) { return Flag(AdpInfoFlag::LdBbm, flag); }
    int IsLdPowerSavingSupported(u8* flag) { return Flag(AdpInfoFlag::LdPowerSaving, flag); }
    int IsMaxPowerSavingUncached(u8* flag) { return Flag(AdpInfoFlag::MaxPowerSavingUncached, flag); }
    int IsLdMirrorSupported(u8* flag) { return Flag(AdpInfoFlag::LdMirror, flag); }
    int IsSscWriteBackSupported(u8* flag) { return Flag(AdpInfoFlag::SscWriteBack, flag); }
    int IsSscVdAssociationSupported(u8* flag) { return Flag(AdpInfoFlag::SscVdAssociation, flag); }
    int IsForeignCfgImportAllSupported(u8* flag) { return Flag(AdpInfoFlag::ForeignImportAll, flag); }
    int IsSpinDownSupported(u8* flag) { return Flag(AdpInfoFlag::SpinDown, flag); }
    int HasSecurityKey(u8* flag) { return Flag(AdpInfoFlag::HasSecurityKey, flag); }
    int IsSecurityKeyFailedAtBoot(u8* flag) { return Flag(AdpInfoFlag::SecurityKeyFailedAtBoot, flag); }
    // Drops the kept controller information and reads it again first.
    int IsRebootRequired(u8* flag);
    int IsPiSupported(u8* flag) { return Flag(AdpInfoFlag::Pi, flag); }
    int GetBlockSsdWriteCacheChange(u8* flag) { return Flag(AdpInfoFlag::BlockSsdWriteCacheChange, flag); }
    int IsBgOpSuspendResumeSupported(u8* flag) { return Flag(AdpInfoFlag::BgOpSuspendResume, flag); }
    int IsEmergencySpareSupported(u8* flag) { return Flag(AdpInfoFlag::EmergencySpare, flag); }
    int IsPerfTuningSupported(u8* flag) { return Flag(AdpInfoFlag::PerfTuning, flag); }
    int IsSsdPatrolReadSupported(u8* flag) { return Flag(AdpInfoFlag::SsdPatrolRead, flag); }
    // False when the controller information cannot be read.
    bool IsRealTimeSchedulingSupported();
    int IsSpannedArraySlicingSupported(u8* flag);  // always 1

    // Limits the configuration commands plan with.
    // The fewest / most drives of an array (a span) for a RAID level code (0, 1, 5, 6, 32, 33,
    // 34); -1 for another code.
    int GetMinPdsPerArray(u8* count, u8 level);
    int GetMaxPdsPerArray(u8* count, u8 level);
    // 0 and a new list (the caller deletes it) of the RAID level codes the controller supports,
    // in the order 0, 1, 5, 6, 32, 33, 34.
    int GetSupportedRaidLevels(ArrayList<u8>** levels);
    int IsSpinUpBeforeCfgRequired(u8* flag) { return Flag(AdpInfoFlag::SpinUpBeforeCfg, flag); }
    int GetMaxVdsPerArray(u8* count);
    // Whether drives of both interfaces (SAS, SATA) may share a virtual drive: of hard disks,
    // of solid state drives; and whether solid state drives and hard disks may.
    int IsHddSasSataMixAllowed(u8* flag) { return Flag(AdpInfoFlag::HddSasSataMixInVd, flag); }
    int IsSsdSasSataMixAllowed(u8* flag) { return Flag(AdpInfoFlag::SsdSasSataMixInVd, flag); }
    int IsSsdHddMixAllowed(u8* flag) { return Flag(AdpInfoFlag::SsdHddMixInVd, flag); }
    // The controller's default strip size code and default cache policy byte for new virtual
    // drives (read once from its defaults block).
    int GetVdDefaults(u8* stripCode, u8* cachePolicy) { return data_->GetVdDefaults(stripCode, cachePolicy); }

    // Controller properties (64 bytes, read once and kept).
    int ReadAdpProperties() { return data_->ReadProperties(); }
    int GetPredFailPollInterval(u16* v) { return Prop(AdpProperty::PredFailPollInterval, v); }
    int GetRebuildRate(u8* v) { return Prop(AdpProperty::RebuildRate, v); }
    int GetPatrolReadRate(u8* v) { return Prop(AdpProperty::PatrolReadRate, v); }
    int GetBgiRate(u8* v) { return Prop(AdpProperty::BgiRate, v); }
    int GetCcRate(u8* v) { return Prop(AdpProperty::CcRate, v); }
    int GetReconRate(u8* v) { return Prop(AdpProperty::ReconRate, v); }
    int GetCacheFlushInterval(u8* v) { return Prop(AdpProperty::CacheFlushInterval, v); }
    int GetSpinupDriveCount(u8* v) { return Prop(AdpProperty::SpinupDriveCount, v); }
    int GetSpinupDelay(u8* v) { return Prop(AdpProperty::SpinupDelay, v); }
    int GetClusterEnable(u8* v) { return Prop(AdpProperty::ClusterEnable, v); }   // non-zero -> 1
    int GetCoercionMode(u8* v) { return Prop(AdpProperty::CoercionMode, v); }
    int GetAlarm(u8* v) { return Prop(AdpProperty::Alarm, v); }
    int GetAutoRbldDsbl(u8* v) { return Prop(AdpProperty::AutoRbldDsbl, v); }
    int GetBatWarnDsbl(u8* v) { return Prop(AdpProperty::BatWarnDsbl, v); }
    int GetEccBucketSize(u8* v) { return Prop(AdpProperty::EccBucketSize, v); }
    int GetEccBucketLeakRate(u16* v) { return Prop(AdpProperty::EccBucketLeakRate, v); }
    int GetRstrHotSpareOnInsert(u8* v) { return Prop(AdpProperty::RstrHotSpareOnInsert, v); }
    int GetExposeEnclDevices(u8* v) { return Prop(AdpProperty::ExposeEnclDevices, v); }
    int GetMaintainPdFailHistory(u8* v) { return Prop(AdpProperty::MaintainPdFailHistory, v); }
    int GetAbortCcOnError(u8* v) { return Prop(AdpProperty::AbortCcOnError, v); }
    int GetLoadBalanceMode(u32* v) { return Prop(AdpProperty::LoadBalanceMode, v); }
    int GetAutoDetectBackplaneDsbl(u8* v) { return Prop(AdpProperty::AutoDetectBackplaneDsbl, v); }
    int GetDefaultSnapshotSpace(u8* v) { return Prop(AdpProperty::DefaultSnapshotSpace, v); }
    int GetCopyBackDsbl(u32* v) { return Prop(AdpProperty::CopyBackDsbl, v); }
    int GetSmartCpybkEnbl(u32* v) { return Prop(AdpProperty::SmartCpybkEnbl, v); }
    int GetPrCorrectUncfgdAreas(u32* v) { return Prop(AdpProperty::PrCorrectUncfgdAreas, v); }
    int GetUseFdeOnlyEncrypt(u32* v) { return Prop(AdpProperty::UseFdeOnlyEncrypt, v); }
    int GetNcqDsbl(u32* v) { return Prop(AdpProperty::NcqDsbl, v); }
    int GetSsdSmartCpybkEnbl(u32* v) { return Prop(AdpProperty::SsdSmartCpybkEnbl, v); }
    int GetSupportSsdPatrolRead(u8* v) { return Prop(AdpProperty::SupportSsdPatrolRead, v); }
    int GetEnblSpinDownUnconfigDrvs(u32* v) { return Prop(AdpProperty::EnblSpinDownUnconfigDrvs, v); }
    int GetAutoEnhancedImport(u32* v) { return Prop(AdpProperty::AutoEnhancedImport, v); }
    int GetDisableOcr(u8* v) { return Prop(AdpProperty::DisableOcr, v); }
    int GetBootWithPinnedCache(u8* v) { return Prop(AdpProperty::BootWithPinnedCache, v); }
    int GetDsblSpinDownHsp(u32* v) { return Prop(AdpProperty::DsblSpinDownHsp, v); }
    int GetEnableJbod(u32* v) { return Prop(AdpProperty::EnableJbod, v); }
    int GetUseDiskActivityForLocate(u8* v) { return Prop(AdpProperty::UseDiskActivityForLocate, v); }
    int GetEnblPi(u8* v) { return Prop(AdpProperty::EnblPi, v); }
    int GetPreventPiImport(u8* v) { return Prop(AdpProperty::PreventPiImport, v); }
    int GetEnableEGhsp(u8* v) { return Prop(AdpProperty::EnableEGhsp, v); }
    int GetEnableEUg(u8* v) { return Prop(AdpProperty::EnableEUg, v); }
    int GetEnableESmarter(u8* v) { return Prop(AdpProperty::EnableESmarter, v); }
    int GetForceSgpio(u8* v) { return Prop(AdpProperty::ForceSgpio, v); }
    int GetAutoSnapshotSpace(u8* v) { return Prop(AdpProperty::AutoSnapshotSpace, v); }
    int GetDefaultViewSpace(u8* v) { return Prop(AdpProperty::DefaultViewSpace, v); }
    int GetSpinDownTime(u16* v) { return Prop(AdpProperty::SpinDownTime, v); }
    int GetDefaultLdPsPolicy(u8* v) { return Prop(AdpProperty::DefaultLdPsPolicy, v); }
    int GetDisableLdPsInterval(u8* v) { return Prop(AdpProperty::DisableLdPsInterval, v); }
    int GetDisableLdPsTime(u16* v) { return Prop(AdpProperty::DisableLdPsTime, v); }
    int GetSpinUpEncDrvCnt(u8* v) { return Prop(AdpProperty::SpinUpEncDrvCnt, v); }
    int GetSpinUpEncDelay(u8* v) { return Prop(AdpProperty::SpinUpEncDelay, v); }
    int GetPerfMode(u8* v) { return Prop(AdpProperty::PerfMode, v); }
    // Any property as a number (bits as 0/1).
    int GetProperty(AdpProperty field, u32* v) { return Prop(field, v); }
    // The performance mode in use, from the controller information.
    int GetCurrentPerfMode(u8* mode);

    // Changes to the kept properties (read first when needed; the read status): a field, or the
    // values of performance mode 0 or 1. Nothing reaches the controller before
    // WriteAdpProperties, which writes the whole block when something changed (0 when nothing
    // did, -1 when nothing is kept).
    int SetProperty(AdpProperty field, u32 value) { return data_->SetProperty(field, value); }
    int SetPerfModeValues(u8 mode, u8 maxFlushLines, u8 second)
    {
        return data_->SetPerfModeValues(mode, maxFlushLines, second);
    }
    int WriteAdpProperties() { return data_->WriteProperties(); }

    // Alarm: 1 enabled, 0 disabled, 3 missing; set 0 disable, 1 enable, 2 silence.
    int GetAlarmStatus(u8* state) { return data_->GetAlarmStatus(state); }
    int SetAlarm(u8 value) { return data_->SetAlarm(value); }
    // Drive performance monitoring: 0 stop, 1 start, 2 clear the statistics of the mask.
    int ControlDpm(u8 operation, u8 mask) { return data_->ControlDpm(operation, mask); }

    // Patrol read (AdapterSchedules.cpp). The value getters answer 0 (the state 3) when the
    // block cannot be read, and then put the read's status in `failed` when it is given and
    // still 0. Each setter reads the properties when needed and writes them whole; -1 when
    // they cannot be read, else the write's status.
    u8 GetPatrolReadMode(int* failed = nullptr);
    u32 GetPatrolReadExecDelay(int* failed = nullptr);
    u8 GetPatrolReadState(int* failed = nullptr);
    u32 GetPatrolReadIterations(int* failed = nullptr);
    u8 GetPatrolReadPdsCompleted(int* failed = nullptr);  // while a run is active, else 0
    int SetPatrolReadMode(u8 mode);
    int SetPatrolReadMaxConcurrentPd(u8 count);
    int SetPatrolReadExecDelay(u32 seconds);
    // -1 as well for a start time that cannot be converted (nothing is written then).
    int SetPatrolReadStartTime(const std::tm* start);
    // -1 unless the controller properties let solid state drives be read.
    int SetPatrolReadOnSsd(u8 on);
    int GetPatrolReadOnSsd(u8* on);
    int StartPatrolRead() { return data_->ControlPatrolRead(PatrolReadAction::Start); }
    int StopPatrolRead() { return data_->ControlPatrolRead(PatrolReadAction::Stop); }
    int SuspendPatrolRead() { return data_->ControlPatrolRead(PatrolReadAction::Suspend); }
    int ResumePatrolRead() { return data_->ControlPatrolRead(PatrolReadAction::Resume); }

    // Consistency-check schedule (AdapterSchedules.cpp). IsCcScheduleSupported reads the
    // schedule again and is false only when the controller answers status 2.
    bool IsCcScheduleSupported();
    // The mode, the excluded target ids when given (more than the schedule holds: -1), the start
    // time when its day or year is set (one that cannot be converted: -1), the delay in seconds
    // unless it is kNoDelay (0 is kept as kNoDelay); then one write. Nothing is written when a
    // part is refused.
    int SetCcSchedule(u8 mode, const ArrayList<u16>* excluded, const std::tm* start, u32 delay);
    int SetCcStartTime(const std::tm* start);
    int SetCcDelay(u32 seconds);
    int GetCcMode(u8* mode);
    int GetCcDelay(u32* seconds);  // kNoDelay is answered as 0
    int GetCcStartTime(std::tm* start);
    int GetCcExcludedLds(ArrayList<u16>* ids);
    int GetCcState(u8* state);
    int GetCcIterationCount(u32* count);
    int GetCcCompletedLdCount(u8* count);

    // The BIOS data's boot device (kept after the first read; written when changed).
    int ReadBiosData() { return data_->ReadBiosData(); }
    int WriteBiosData() { return data_->WriteBiosData(); }
    int GetBootDevice(u16* device, u8* isDrive) { return data_->GetBootDevice(device, isDrive); }
    int SetBootDevice(u16 device, u8 isDrive) { return data_->SetBootDevice(device, isDrive); }

    // Connector modes (kept after the first read; written when changed).
    int ReadConnectorModes() { return data_->ReadConnectorModes(); }
    int WriteConnectorModes() { return data_->WriteConnectorModes(); }
    int GetConnectorModeCount(u8* count) { return data_->GetConnectorModeCount(count); }
    int GetConnectorMode(u8* mode, u8 n) { return data_->GetConnectorMode(n, mode); }
    int SetConnectorMode(u8 mode, u8 n) { return data_->SetConnectorMode(n, mode); }

    // Byte 0 of the OEM data (private request), zero-extended; on failure the status, mode untouched.
    int GetOemMode(u32* mode) { return data_->GetOemMode(mode); }
    int SetEscrowKey(const char* key) { return data_->SetEscrowKey(key); }

    // Connector list (read once; a failed read is not kept).
    int GetConnectorInfoCount(u8* count) { return data_->GetConnectorCount(count); }
    // 0 and a new string (the caller deletes it); -1 and null when the index is not below the
    // count; the read status when the list cannot be read.
    int GetConnectorName(u8 index, string** name);
    // 0 and the location code (0 unknown, 2 internal, 3 external); -1 for an index not below
    // the count; the read status.
    int GetConnectorType(u8 index, u8* type) { return data_->GetConnectorLocation(index, type); }

    // Enclosure list (read once): an enclosure's position on its connector and its partner
    // enclosure (0xFFFF: none); -1 for an enclosure the list does not hold.
    int GetEnclPosition(u16 enclDeviceId, u8* position) { return data_->GetEnclPosition(enclDeviceId, position); }
    int GetEnclPartner(u16 enclDeviceId, u16* partner) { return data_->GetEnclPartner(enclDeviceId, partner); }

    // PHY list (read once).
    int GetPhyCount(u32* count) { return data_->GetPhyCount(count); }
    int IsPhyDisabled(u32 phy, u8* disabled) { return data_->IsPhyDisabled(phy, disabled); }
    // The seven error counter words of a PHY: numbered within its group of eight (PHYs above 7
    // as the second group), or among all the controller's PHYs (Direct).
    int GetPhyErrorCounters(u32 phy, u32 words[7]) { return data_->GetPhyErrorCounters(phy, false, words); }
    int GetPhyErrorCountersDirect(u32 phy, u32 words[7]) { return data_->GetPhyErrorCounters(phy, true, words); }

    // Drive performance monitoring: byte 0 to the state and, when `block` is given, the whole
    // configuration block (dpmstate::kSize bytes).
    int GetDpmState(u8* state, u8* block) { return data_->GetDpmState(state, block); }
    // Operation 0 disable, 1 enable, 2 clear the statistics of `mask` (2 longest commands, 4
    // histogram, 8 running averages, 16 extended counters); another operation sends nothing.
    int ControlDpm(u32 operation, u32 mask) { return data_->ControlDpm(operation, mask); }

    // Event log. GetEventLogInfo: 0 and a pointer on the five sequence numbers (newest, oldest,
    // last clear, last shutdown, current boot), valid until the next call; on failure the
    // status. GetEvents fills the caller's buffer with an event list reply. GetEventCount leaves
    // the count untouched on failure (status 35: no event from that number on).
    int GetEventLogInfo(const u32** numbers) { return data_->GetEventLogInfo(numbers); }
    int GetEvents(u32 startSeq, u8* buffer, u32 length, u32 classLocale)
    {
        return data_->GetEvents(startSeq, buffer, length, classLocale);
    }
    int GetEventCount(u32* count, u32 startSeq, u32 classLocale) { return data_->GetEventCount(count, startSeq, classLocale); }
    int ClearEventLog() { return data_->ClearEventLog(); }

    // Maintenance: the self diagnostic (returns when it has run), the cache flush and the
    // shutdown of the given kind; each answers the firmware status.
    int PerformDiagnostic(u32 seconds) { return data_->PerformDiagnostic(seconds); }
    int FlushCache() { return data_->FlushCache(); }
    int ShutDown(u8 kind) { return data_->ShutDown(kind); }

    // Advanced event capture; each answers 0 or the failing status. A filter request whose
    // returned mask differs from the one sent fails with -1. ReadAecEvents reads segment
    // `index` into a buffer of a whole segment; GetAecSettings fills the settings block.
    int StartAec(u32 events);
    int StopAec();
    int DisableAec();
    int SetAecMode(u8 mode);
    int SetAecFilterMask(u32 mask, u8 group);
    int ClearAecFilterMask(u32 mask, u8 group);
    int ReadAecEvents(u8* buffer, u32 index, u32* length) { return data_->ReadAecSegment(index, buffer, length); }
    int GetAecSettings(u8* block) { return data_->GetAecSettings(block); }

    // Preserved cache: the bitmap of the target ids holding it, and the discard of one's.
    int GetPreservedCacheList(u8 bitmap[pinnedcache::kSize]) { return data_->GetPreservedCacheList(bitmap); }
    int DiscardPreservedCache(u8 targetId) { return data_->DiscardPreservedCache(targetId); }

    // Drive security; each answers 0 or the firmware status, out values written on success.
    // The OEM mode of the security commands is the whole first word of the OEM data.
    int GetSecurityOemMode(u32* mode) { return data_->GetOemModeWord(mode); }
    // Bit 0: the key-management client is available; bit 4: the boot agent is.
    int GetEkmAgentFlags(u8* flags) { return data_->GetEkmAgents(flags); }
    int SetSecurityKey(const std::string& key, const std::string& passphrase, const std::string& keyId, u8 flags)
    {
        return data_->SetSecurityKey(key, passphrase, keyId, flags);
    }
    int SetSecurityKeyByEkm(u8 flags) { return data_->SetSecurityKey({}, {}, {}, flags); }
    int VerifySecurityKey(const std::string& key, u8 flag) { return data_->VerifySecurityKey(key, flag); }
    int SendOldSecurityKey(const std::string& key) { return data_->SendOldSecurityKey(key); }
    int SendEmptyOldSecurityKey() { return data_->SendOldSecurityKey({}); }
    int DestroySecurityKey() { return data_->DestroySecurityKey(); }
    int GetKeyId(std::string* keyId);
    // The id of the key that locks the drive with this device id.
    int GetDriveKeyId(u16 deviceId, std::string* keyId) { return data_->GetKeyId(deviceId, keyId); }
    int SetKeyId(const std::string& keyId) { return data_->SetKeyId(keyId); }

private:
    // A change of one field of the patrol-read properties, written whole.
    template <typename Change>
    int ChangePatrolRead(Change change);
    // Whether the adapter allows patrol read on SSDs, and the patrol-read properties: 0, or the
    // status of the read that failed.
    int ReadPatrolReadOnSsd(u32* allowed, PatrolReadSettings* settings);
    // A value of a block the data layer reads (the kept schedule, the schedule's status), given
    // to `take`; -1 when it cannot be read.
    template <typename Block, typename Take>
    int FromRead(int (AdapterData::*read)(Block*), Take take);

    int Flag(AdpInfoFlag flag, u8* out);
    int Prop(AdpProperty field, u8* out);
    int Prop(AdpProperty field, u16* out);
    int Prop(AdpProperty field, u32* out);

    std::unique_ptr<AdapterData> data_;
};
