// The controller's own part of the model: identity, capabilities, settings and defaults.
#pragma once
#include <string>
#include <vector>

#include "ModelBasics.h"

namespace sim {

struct PciIdentity {
    u16 vendor = kSimPciVendor;
    u16 device = kSimPciDevice;
    u16 subVendor = 0;
    u16 subDevice = 0;
    u8 bus = 0;
    u8 dev = 0;
    u8 fn = 0;
};

struct ImageComponent {
    std::string name;
    std::string version;
};

struct ControllerLimits {
    u64 maxArmsPerVd = 0;
    u64 maxSpansPerVd = 0;
    u64 maxArrays = 0;
    u64 maxVds = 0;
    u64 maxParallelCommands = 0;
    u64 maxSgeCount = 0;
    u64 maxTransferSectors = 0;
    u64 maxStripsPerIo = 0;
    u64 maxVdsPerArray = 0;
    u64 minStripCode = 0;  // strip size code: 0 = 512 bytes, n = 2^(n-1) KB
    u64 maxStripCode = 0;
    u64 maxFlashTierGb = 0;
};

// What the controller is: identity, images, interfaces, hardware and capabilities.
struct ControllerInfo {
    std::string productName;
    std::string serial;
    std::string packageBuild;
    u64 controllerId = 0;
    std::string chipRevision;
    NameSet hostInterface;
    std::vector<u64> hostPorts;  // SAS addresses
    NameSet deviceInterface;
    std::vector<u64> devicePorts;
    std::vector<ImageComponent> images;
    std::vector<ImageComponent> pendingImages;
    NameSet hardwarePresent;  // the battery's presence comes from the battery
    u64 memoryMb = 0;
    u64 nvramKb = 0;
    u64 flashMb = 0;
    u64 fwCacheMb = 0;
    u64 memoryCorrectableErrors = 0;
    u64 memoryUncorrectableErrors = 0;
    bool clusterPermitted = false;
    bool clusterActive = false;
    u64 rocTemperature = 0;
    u64 controllerTemperature = 0;
    std::string expanderFirmware;
    u64 eccBucketCount = 0;
    NameSet raidLevels;
    NameSet driveSupport;
    NameSet capabilities;
    NameSet statusFlags;
    ControllerLimits limits;
};

// The controller's current settings (rates, intervals, policies): the 64-byte properties block,
// which the controller information block also carries.
struct ControllerProperties {
    bool operator==(const ControllerProperties&) const = default;

    u64 predictiveFailPollSeconds = 0;
    u64 interruptThrottleCount = 0;
    u64 interruptThrottleMicroseconds = 0;
    u64 rebuildRate = 0;
    u64 patrolReadRate = 0;
    u64 bgiRate = 0;
    u64 ccRate = 0;
    u64 reconstructionRate = 0;
    u64 cacheFlushIntervalSeconds = 0;
    u64 spinupDriveCount = 0;
    u64 spinupDelaySeconds = 0;
    u64 clusterEnable = 0;
    u64 coercionMode = 0;  // 0 none, 1 128 MB, 2 1 GB
    u64 alarmEnable = 0;
    u64 autoRebuild = 0;
    u64 batteryWarning = 0;
    u64 eccBucketSize = 0;
    u64 eccBucketLeakRateMinutes = 0;
    u64 restoreHotSpareOnInsertion = 0;
    u64 exposeEnclosureDevices = 0;
    u64 maintainPdFailHistory = 0;
    u64 hostRequestReordering = 0;
    u64 loadBalance = 0;
    u64 backplaneDetect = 0;  // 0 SGPIO and i2c SEP, 1 i2c SEP, 2 SGPIO, 3 none
    u64 useFdeOnly = 0;
    u64 disableCopyback = 0;
    u64 copybackOnSmart = 0;
    u64 prCorrectUnconfiguredAreas = 0;
    u64 copybackToSsdOnSmartError = 0;
    u64 ssdPatrolRead = 0;
    u64 spinDownUnconfigured = 0;
    u64 autoEnhancedImport = 0;
    u64 disableOnlineControllerReset = 0;
    u64 allowBootWithPreservedCache = 0;
    u64 disableSpinDownHotSpares = 0;
    u64 jbodEnabled = 0;
    u64 locateByDiskActivity = 0;
    u64 spinDownTime = 0;
    u64 defaultLdPowerSavePolicy = 0;
    u64 maxSpinupPerMinute = 0;  // in the controller information only
    u64 abortCcOnError = 0;
    u64 defaultSnapshotSpace = 0;  // percent
    u64 disableNcq = 0;
    u64 enablePi = 0;
    u64 preventPiImport = 0;
    u64 emergencySpareGhsp = 0;
    u64 emergencySpareUg = 0;
    u64 emergencySpareSmarter = 0;
    u64 forceSgpio = 0;
    u64 autoSnapshotSpace = 0;  // percent
    u64 defaultViewSpace = 0;   // percent
    u64 disableLdPsIntervalHours = 0;
    u64 disableLdPsTimeMinutes = 0;
    u64 spinupEnclosureDriveCount = 0;
    u64 spinupEnclosureDelaySeconds = 0;
    u64 perfMode = 0;
    u64 perfMode0MaxFlushLines = 0;
    u64 perfMode0OrderIos = 0;
    u64 perfMode1MaxFlushLines = 0;
    u64 perfMode1OrderIos = 0;
};

// The 72-byte defaults block, field by field (members in block order; see DefaultsFields.cpp).
struct ControllerDefaults {
    bool operator==(const ControllerDefaults&) const = default;

    u64 sasAddress = 0;
    u64 phyPolarity = 0;
    u64 backgroundRate = 0;
    u64 stripSizeCode = 0;
    u64 cacheFlushTime = 0;
    u64 writePolicy = 0;
    u64 readPolicy = 0;
    u64 cacheWhenBbuBad = 0;
    u64 cachedIo = 0;
    u64 smartMode = 0;
    u64 alarm = 0;
    u64 coercionMode = 0;
    u64 zcrConfig = 0;
    u64 dirtyLedShowsActivity = 0;
    u64 biosContinueOnError = 0;
    u64 spinDownMode = 0;
    u64 allowedDeviceType = 0;
    u64 allowMixInEnclosure = 0;
    u64 allowHddSasSataMixInVd = 0;
    u64 allowSataInCluster = 0;
    u64 maxChainedEnclosures = 0;
    u64 disableCtrlR = 0;
    u64 enablePanelUi = 0;
    u64 phyPolaritySplit = 0;
    u64 directPdMapping = 0;
    u64 biosEnumerateVds = 0;
    u64 restoreHotSpareOnInsertion = 0;
    u64 exposeEnclosureDevices = 0;
    u64 maintainPdFailHistory = 0;
    u64 disablePuncturing = 0;
    u64 zeroBasedEnclosureEnumeration = 0;
    u64 prebootCliDisabled = 0;
    u64 quadPortConnectorMap = 0;
    u64 ledShowsDriveActivity = 0;
    u64 backplaneDetect = 0;
    u64 useFdeOnly = 0;
    u64 enableLedHeader = 0;
    u64 allowSsdSasSataMixInVd = 0;
    u64 allowHddSsdMixInVd = 0;
    u64 postDelay = 0;
    u64 enableCrashDump = 0;
    u64 enableLdBbm = 0;
    u64 uncertifiedDrives = 0;
    u64 treatR1eAsR10 = 0;
    u64 maxVdsPerArray = 0;
    u64 failPdOnSmartError = 0;
    u64 nonRevertibleSpares = 0;
    u64 disableOnlineControllerReset = 0;
    u64 powerSavingOption = 0;
    u64 defaultSpinDownMinutes = 0;
    u64 snapshotSpace = 0;
    u64 autoSnapshotSpace = 0;
    u64 viewSpace = 0;
    u64 defaultsExtent = 0;
    u64 enableJbod = 0;
    u64 ttyLogInFlash = 0;
    u64 autoEnhancedImport = 0;
    u64 breakMirrorRaidSupport = 0;
    u64 disableJoinMirror = 0;
    u64 enablePi = 0;
    u64 preventPiImport = 0;
    u64 enableShieldState = 0;
    u64 driveWriteCacheForRebuild = 0;
    u64 emergencySpare = 0;
    u64 globalSparesForEmergency = 0;
    u64 unconfiguredGoodForEmergency = 0;
    u64 blockSsdWriteCacheChange = 0;
    u64 disableHii = 0;
    u64 smartErrorHandling = 0;
    u64 ssdSmartErrorHandling = 0;
    u64 cmeDetectSeconds = 0;
};

// Patrol read: the settings of the 208-byte patrol-read properties and the controller's runs. A
// run reads every drive that was eligible when it started (online, idle, its virtual drives
// idle; solid state drives only with `ssd`), at most `maxConcurrent` at a time (0: all at once);
// the drives not started yet wait in `waiting`, in order. Each drive's read is a `patrol_read`
// operation; the run ends when the last one does.
struct PatrolRead {
    bool operator==(const PatrolRead&) const = default;

    u64 mode = 0;           // 0 automatic, 1 manual, 2 disabled
    u64 maxConcurrent = 0;  // drives read at once; 0 no limit
    u64 ssd = 0;            // solid state drives are read too
    u64 nextStart = 0;      // clock time of the next automatic run; 0 none
    u64 delaySeconds = 0;   // from the end of a run to the next automatic one; 0xFFFFFFFF no delay
    u64 iterations = 0;     // runs completed
    u64 drivesDone = 0;     // drives read by the run in progress, or by the last run
    bool aborted = false;   // the last run was stopped before it completed
    std::vector<u16> waiting;
};

constexpr u64 kNoDelay = 0xFFFFFFFF;  // a delay field: none (the next run follows at once)

// The consistency-check schedule (the 168-byte block) and its status.
struct CcSchedule {
    bool operator==(const CcSchedule&) const = default;

    bool unsupported = false;    // the controller has no schedule: its requests answer status 2
    u64 mode = 0;                // 0 disabled, 1 sequential, 2 concurrent
    std::vector<u16> excluded;   // target ids of the virtual drives left out, at most 74
    u64 nextStart = 0;           // clock time of the next run
    u64 delaySeconds = 0;        // between runs; 0xFFFFFFFF none
    u64 iterations = 0;          // runs completed
};

constexpr u64 kNoBootDevice = 0xFFFF;

// The BIOS settings the 64-byte BIOS data carries.
struct BiosSettings {
    bool operator==(const BiosSettings&) const = default;

    u64 bootDevice = kNoBootDevice;  // a virtual drive's target id or a drive's device id
    bool bootIsDrive = false; // the boot device is a (system) drive, not a virtual drive
    bool disabled = false;
    bool bypassErrors = false;   // the BIOS goes on past errors instead of stopping
    bool autoSelectBootLd = false;
};

// Drive performance monitoring: whether it runs and how the statistics are taken.
struct PerformanceMonitor {
    bool operator==(const PerformanceMonitor&) const = default;

    bool enabled = false;
    u64 averagedCommands = 0;  // commands a running average covers
    u64 longestCommands = 0;   // slowest commands kept per drive
    u64 ticksPerSecond = 0;    // of the statistics' time counts
};

struct ManufacturingData {
    u16 date = 0;  // packed: day bits 0-4, month bits 5-8, years since 2000 bits 9-15
    std::string serial;
    u16 reworkDate = 0;
    std::string revision;
};

// Conversions of system (JBOD) drives back to unconfigured good: how many were made, and the
// most the controller allows (0: no limit).
struct JbodConversions {
    u64 done = 0;
    u64 limit = 0;
};

// The drive-security key the controller holds (its presence is the `security_key_assigned`
// status flag), the pass phrase and id given with it, the key mode the controller reports, and a
// new key that waits for the old key to authorize the change.
struct SecurityKeyState {
    bool operator==(const SecurityKeyState&) const = default;

    std::string key;
    std::string passphrase;
    std::string keyId;
    u64 keyMode = 0;
    bool changePending = false;
    std::string pendingKey;
    std::string pendingPassphrase;
    std::string pendingKeyId;
    bool pendingByEkm = false;
};

// The OEM feature block: the OEM mode and the features the maker enabled (OemFields.cpp).
struct OemFlags {
    bool operator==(const OemFlags&) const = default;

    u64 mode = 0;
    u64 clusterDisable = 0;
    u64 sasDisable = 0;
    u64 maxDisks = 0;
    u64 enableRaid6 = 0;
    u64 disableWideCache = 0;
    u64 disableRaid5 = 0;
    u64 enableSecurity = 0;
    u64 enableCtio = 0;
    u64 enableSnapshot = 0;
    u64 enableSsc = 0;
    u64 enableReducedFeatureSet = 0;
    u64 enableCacheOffload = 0;
    u64 enableSscWriteBack = 0;
};

}  // namespace sim
