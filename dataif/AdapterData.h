// The data behind the Adapter element: the controller's information block, its properties and
// the other controller-wide blocks, each read once and kept for the rest of the run.
#pragma once
#include <vector>
#include <string>

#include "ZepUtil/ByteView.h"
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/PreservedCache.h"

// Capability and status flags of the controller information.
enum class AdpInfoFlag {
    SscRaid5,
    ConnectorInfo,
    AllowedOps,
    EncryptionEnabled,
    MoreThan8Phys,
    LdExpansion,
    Ekm,
    Snapshot,
    LdDiskCachePolicy,
    LdBbm,
    LdPowerSaving,
    MaxPowerSavingUncached,
    LdMirror,
    SscWriteBack,
    SscVdAssociation,
    ForeignImportAll,         // every foreign configuration imported at once
    SpinDown,
    HasSecurityKey,
    SecurityKeyFailedAtBoot,
    RebootRequired,
    Pi,
    BlockSsdWriteCacheChange,
    BgOpSuspendResume,
    EmergencySpare,
    PerfTuning,
    SsdPatrolRead,
    RealTimeScheduling,
    SpinUpBeforeCfg,          // spun-down drives must be spun up before a configuration
    HddSasSataMixInVd,        // hard disks of both interfaces in one virtual drive
    SsdSasSataMixInVd,        // solid state drives of both interfaces in one virtual drive
    SsdHddMixInVd,            // solid state drives and hard disks in one virtual drive
};

// Numbers of the controller information.
enum class AdpInfoValue {
    MaxLdCount,        // u8
    EccBucketCount,    // u16
    SecurityKeyMode,   // u8
    MaxSscCount,       // u16
    SscCount,          // u16
    MaxVdsPerArray,    // u8
    RaidLevelBits,     // u8: bit 0 RAID 0, 1 RAID 1, 2 RAID 5, 4 RAID 6, 5 RAID 10, 6 RAID 50, 7 RAID 60
    CurrentPerfMode,   // u8: the performance mode in use (0 best IOPS, 1 least latency)
};

// The patrol-read properties: mode (0 automatic, 1 manual, 2 disabled), the most drives read at
// once, whether solid state drives are read, the next start (seconds since 2000-01-01 00:00:00
// local time) and the delay between runs (seconds; kNoDelay for none).
struct PatrolReadSettings {
    u8 mode = 0;
    u8 maxConcurrent = 0;
    u8 onSsd = 0;
    u32 nextStart = 0;
    u32 execDelay = 0;
};

// The consistency-check schedule: mode (0 disabled, 1 sequential, 2 concurrent), the target ids
// left out, the next start and the delay between runs as for patrol read.
struct CcScheduleSettings {
    u8 mode = 0;
    std::vector<u16> excluded;
    u32 nextStart = 0;
    u32 execDelay = 0;
};

constexpr u32 kNoDelay = 0xFFFFFFFF;
constexpr u32 kMaxCcExcluded = 74;  // target ids the schedule holds

// The state of patrol read or of the scheduled check: runs completed, the state (0 stopped, 1
// ready, 2 active, 255 aborted) and the drives or virtual drives done in the run.
struct ScheduleStatus {
    u32 iterations = 0;
    u8 state = 0;
    u8 completed = 0;
};

enum class PatrolReadAction { Start, Stop, Suspend, Resume };

// Fields of the 64-byte controller properties.
enum class AdpProperty {
    PredFailPollInterval, RebuildRate, PatrolReadRate, BgiRate, CcRate, ReconRate, CacheFlushInterval,
    SpinupDriveCount, SpinupDelay, ClusterEnable, CoercionMode, Alarm, AutoRbldDsbl, BatWarnDsbl,
    EccBucketSize, EccBucketLeakRate, RstrHotSpareOnInsert, ExposeEnclDevices, MaintainPdFailHistory,
    AbortCcOnError, LoadBalanceMode, AutoDetectBackplaneDsbl, DefaultSnapshotSpace,
    CopyBackDsbl, SmartCpybkEnbl, PrCorrectUncfgdAreas, UseFdeOnlyEncrypt, NcqDsbl, SsdSmartCpybkEnbl,
    SupportSsdPatrolRead, EnblSpinDownUnconfigDrvs,
    AutoEnhancedImport, DisableOcr, BootWithPinnedCache, DsblSpinDownHsp, EnableJbod, UseDiskActivityForLocate,
    EnblPi, PreventPiImport, EnableEGhsp, EnableEUg, EnableESmarter, ForceSgpio,
    AutoSnapshotSpace, DefaultViewSpace, SpinDownTime, DefaultLdPsPolicy, DisableLdPsInterval, DisableLdPsTime,
    SpinUpEncDrvCnt, SpinUpEncDelay, PerfMode,
};

class AdapterData {
public:
    virtual ~AdapterData() = default;
    // Reads the controller information block once and keeps it; with `refresh` the kept copy is
    // dropped and read again. 0, or the request's status (nothing kept then).
    virtual int ReadControllerInfo(bool refresh) = 0;
    // The kept block, or an empty view when it has not been read.
    virtual ByteView GetControllerInfo() const = 0;

    // A flag (0/1) or a number of the controller information (read once). 0, or the read status.
    virtual int GetInfoFlag(AdpInfoFlag flag, u8* value) = 0;
    virtual int GetInfoValue(AdpInfoValue field, u32* value) = 0;
    // The fewest and the most drives an array (a span) of the RAID level code may hold (0, 0
    // when the controller does not offer the level). -1 for an unknown code.
    virtual int GetArrayDriveLimits(u8 levelCode, u8* minimum, u8* maximum) = 0;
    // The controller's default virtual-drive policies (its defaults block, read once): the
    // strip size code and the default cache policy byte of a configuration record.
    virtual int GetVdDefaults(u8* stripCode, u8* cachePolicy) = 0;
    // Performance mode n: the maximum flush lines and the number of ordered I/Os. -1 for a mode
    // outside the block.
    virtual int GetPerfModeValues(u8 mode, u8* maxFlushLines, u8* orderIos) = 0;

    // Makes sure the 64-byte controller properties are read and kept. 0, or the read status.
    virtual int ReadProperties() = 0;
    // A property's value (bits as 0/1). 0, or the status of reading the properties.
    virtual int GetProperty(AdpProperty field, u32* value) = 0;

    // Changes a property in the kept copy (read first when needed) and marks it changed. 0, or
    // the status of reading the properties.
    virtual int SetProperty(AdpProperty field, u32 value) = 0;
    // The maximum flush lines and the second value (ordered I/Os or latency) of performance mode
    // 0 or 1, the same way; -1 for another mode.
    virtual int SetPerfModeValues(u8 mode, u8 maxFlushLines, u8 second) = 0;
    // Writes the kept properties when they were changed: 0 when nothing changed, -1 when none
    // are kept, else the write's status.
    virtual int WriteProperties() = 0;

    // The alarm: 1 enabled, 0 disabled, 3 when the controller has none (its status 34, taken
    // as an answer). Setting it: 0 disable, 1 enable, 2 silence (-1 for another value); on
    // success the kept properties carry the new state, without being marked changed.
    virtual int GetAlarmStatus(u8* state) = 0;
    virtual int SetAlarm(u8 value) = 0;

    // Drive performance monitoring: 0 stop, 1 start, 2 clear the statistics of the mask; other
    // operations send nothing and answer 0.
    virtual int ControlDpm(u8 operation, u8 mask) = 0;

    // Patrol read: the properties are read once and kept; a write sends them whole (and keeps
    // them). The status is read on every call.
    virtual int GetPatrolReadSettings(PatrolReadSettings* settings) = 0;
    virtual int WritePatrolReadSettings(const PatrolReadSettings& settings) = 0;
    virtual int GetPatrolReadStatus(ScheduleStatus* status) = 0;
    virtual int ControlPatrolRead(PatrolReadAction action) = 0;

    // The consistency-check schedule: read once (again with `refresh`) and kept; a write sends
    // it whole. -1 for more excluded ids than the schedule holds. The status is read on every
    // call.
    virtual int ReadCcSchedule(bool refresh) = 0;
    virtual int GetCcSchedule(CcScheduleSettings* schedule) = 0;
    virtual int WriteCcSchedule(const CcScheduleSettings& schedule) = 0;
    virtual int GetCcStatus(ScheduleStatus* status) = 0;

    // The BIOS data, read once and kept: the boot device (a virtual drive's target id or a
    // drive's device id, with the flag of a drive); setting it marks the copy changed (-1 when
    // none is kept); the write sends it (with its checksum) only when changed: 0 when unchanged,
    // -1 when none is kept.
    virtual int ReadBiosData() = 0;
    virtual int GetBootDevice(u16* device, u8* isDrive) = 0;
    virtual int SetBootDevice(u16 device, u8 isDrive) = 0;
    virtual int WriteBiosData() = 0;

    // The connector modes, read once and kept: the number of connectors, the mode of connector
    // n (1 internal, 2 external, 3 automatic, 0 fixed; -1 for a connector the block does not
    // hold), a new mode for it (marks the copy changed; -1 when nothing is kept, for a connector
    // the block does not hold, a mode of 0 or a fixed connector), and the write of a changed
    // copy (0 when unchanged, -1 when nothing is kept).
    virtual int ReadConnectorModes() = 0;
    virtual int GetConnectorModeCount(u8* count) = 0;
    virtual int GetConnectorMode(u8 n, u8* mode) = 0;
    virtual int SetConnectorMode(u8 n, u8 mode) = 0;
    virtual int WriteConnectorModes() = 0;

    // Byte 0 of the OEM data. 0, or the request's status (value untouched).
    virtual int GetOemMode(u32* mode) = 0;
    // Hands the controller the key of foreign secured drives (at most 103 characters; a longer
    // key is refused with -1 before anything is sent). 0, or the request's status.
    virtual int SetEscrowKey(const char* key) = 0;

    // Connector list (read once; a failed read is not kept). Count, a connector's name and its
    // location code (0 unknown, 2 internal, 3 external). -1 for an index not below the count.
    virtual int GetConnectorCount(u8* count) = 0;
    virtual int GetConnectorName(u8 index, string* name) = 0;
    virtual int GetConnectorLocation(u8 index, u8* location) = 0;

    // Enclosure list (read once; a failed read is not kept): an enclosure's position on its
    // connector and the device id of its partner enclosure (0xFFFF: none). -1 for an enclosure
    // the list does not hold.
    virtual int GetEnclPosition(u16 enclDeviceId, u8* position) = 0;
    virtual int GetEnclPartner(u16 enclDeviceId, u16* partner) = 0;

    // PHY list (read once): the number of PHYs and whether one is disabled. -1 for a PHY not
    // below the count.
    virtual int GetPhyCount(u32* count) = 0;
    virtual int IsPhyDisabled(u32 phy, u8* disabled) = 0;
    // The PHY error log of one PHY below the count: its seven counter words (see
    // fwdata/layout/PhyErrorLog.h). `direct` numbers the PHY among all of the controller's
    // rather than within its group of eight. -1 without a PHY of that number or without the
    // data provider; else the request's status.
    virtual int GetPhyErrorCounters(u32 phy, bool direct, u32 words[7]) = 0;

    // Drive performance monitoring state: byte 0 and, when `block` is given, the whole block
    // (dpmstate::kSize bytes).
    virtual int GetDpmState(u8* state, u8* block) = 0;
    // Drive performance monitoring control: operation 0 off, 1 on, 2 clear the statistics
    // `mask` names; another operation sends nothing and answers 0.
    virtual int ControlDpm(u32 operation, u32 mask) = 0;

    // Event log. The log information (newest, oldest, clear, shutdown and boot sequence
    // numbers) is kept until the next such read; a failed read releases it and returns the
    // status. The event list and count requests select from a start sequence number with a
    // class/locale word (u16 locale bits, signed class in the top byte).
    virtual int GetEventLogInfo(const u32** numbers) = 0;
    virtual int GetEvents(u32 startSeq, u8* buffer, u32 length, u32 classLocale) = 0;
    virtual int GetEventCount(u32* count, u32 startSeq, u32 classLocale) = 0;
    virtual int ClearEventLog() = 0;

    // Maintenance requests, each answering the firmware status: the self diagnostic (answers
    // when it has run for `seconds`), the flush of every cache and the shutdown of the given kind.
    virtual int PerformDiagnostic(u32 seconds) = 0;
    virtual int FlushCache() = 0;
    virtual int ShutDown(u8 kind) = 0;

    // Advanced event capture (AdapterDataFwiAec.cpp). A control operation with its arguments
    // (mailbox words 1 and 2; the word 2 the controller returns goes to `returnedWord2`); one
    // segment of the capture buffer into `buffer` (aec::kSegmentSize bytes; `length` the bytes it
    // holds, left alone when the status is 3); the settings block into `block` (aec::kSize bytes,
    // zeroed first).
    virtual int ControlAec(u32 operation, u32 word1, u32 word2, u32* returnedWord2) = 0;
    virtual int ReadAecSegment(u32 index, u8* buffer, u32* length) = 0;
    virtual int GetAecSettings(u8* block) = 0;

    // Preserved cache: the bitmap of the target ids holding it (8 bytes, bit n for target id n;
    // copied only on success) and the discard of one target id's.
    virtual int GetPreservedCacheList(u8 bitmap[pinnedcache::kSize]) = 0;
    virtual int DiscardPreservedCache(u8 targetId) = 0;
    // Drive security (AdapterDataFwiSecurity.cpp), each answering the firmware status. The OEM
    // mode as the whole first word of the OEM data; the agents byte of the BIOS data; the key
    // block with the given flags (texts cut at their fields); a key text (at most 103 bytes) to
    // verify or to authorize a change, empty for a zeroed block; the key id of the controller
    // (target 0xFFFF) or of a drive, bounded by its 256-byte block.
    virtual int GetOemModeWord(u32* mode) = 0;
    virtual int GetEkmAgents(u8* agents) = 0;
    virtual int SetSecurityKey(const std::string& key, const std::string& passphrase, const std::string& keyId,
                               u8 flags) = 0;
    virtual int VerifySecurityKey(const std::string& key, u8 flag) = 0;
    virtual int SendOldSecurityKey(const std::string& key) = 0;
    virtual int DestroySecurityKey() = 0;
    virtual int GetKeyId(u16 target, std::string* keyId) = 0;
    virtual int SetKeyId(const std::string& keyId) = 0;
};
