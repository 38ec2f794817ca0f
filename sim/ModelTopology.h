// The topology part of the model: enclosures, drives, configuration, the controller's ports,
// background operations and the battery.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ModelBasics.h"
#include "ModelBattery.h"

namespace sim {

// A block count not given in the state file; resolved from the topology when it is read.
constexpr u64 kDerivedBlocks = ~u64{0};
constexpr u8 kNoConnector = 0xFF;
constexpr u8 kEnclosureTypeSes = 2;  // an enclosure with an enclosure services device

struct Inquiry {
    std::string vendor;
    std::string product;
    std::string revision;
};

// One command of a firmware download as the device received it (DeviceFirmware.h).
struct FirmwareReceipt {
    bool operator==(const FirmwareReceipt&) const = default;

    std::vector<u8> cdb;
    u32 offset = 0;  // the buffer offset a WRITE BUFFER names
    u32 length = 0;  // data bytes sent
    u8 result = 0;   // FirmwareResult
};

// A device's side of firmware downloads: how many prepare requests it still answers busy, and
// the commands it received (newest last).
struct DeviceFirmware {
    bool operator==(const DeviceFirmware&) const = default;
    bool Empty() const { return *this == DeviceFirmware{}; }

    u32 busyAnswers = 0;
    std::vector<FirmwareReceipt> received;
};

// Field-replaceable-unit data of an enclosure.
struct EnclosureFru {
    std::string serial;      // enclosure serial number [8]
    std::string partNumber;  // FRU part number [8]
    std::string esmSerial;   // serial number of its services module [6]
    std::string zoningMode;  // [4]
};

// One element of an enclosure as its enclosure services report it (SES status element): the
// status code and the element's own readings. Which readings apply follows the element's kind.
struct EnclosureElement {
    bool operator==(const EnclosureElement&) const = default;

    u8 status = 1;       // SES element status: 0 unsupported, 1 OK, 2 critical, 3 non-critical,
                         // 4 unrecoverable, 5 not installed, 6 unknown, 7 not available
    NameSet conditions;  // named condition bits of the kind (EnclosureElementBits.h)
    u8 speed = 0;        // fans: the actual speed code, 0 stopped ... 7 highest
    int celsius = 0;     // temperature sensors, -20 to 235
    int millivolts = 0;  // voltage sensors, in steps of 10 mV
};

struct Enclosure {
    u16 deviceId = 0;
    u8 slots = 0;
    // The elements the enclosure services report beside the slots (whose state follows the
    // drives in them), in element order.
    std::vector<EnclosureElement> powerSupplies;
    std::vector<EnclosureElement> fans;
    std::vector<EnclosureElement> temperatureSensors;
    std::vector<EnclosureElement> alarms;
    std::vector<EnclosureElement> sims;  // enclosure services controller electronics
    std::vector<EnclosureElement> voltageSensors;
    bool arrayDeviceSlots = true;  // slots reported as array device slots (else as device slots)
    u8 connector = 0;  // index in the controller's connector list; kNoConnector for none
    bool fault = false;
    u8 type = 0;  // 1 SAFTE, 2 SES, 3 SGPIO, 0 unknown
    u8 position = 0;
    u16 partner = kNoEnclosure;  // device id of the partner enclosure (the same shelf by its other path)
    u64 sasAddress = 0;
    Inquiry inquiry;
    std::optional<EnclosureFru> fru;  // answered in a vital product data page when present
    DeviceFirmware firmware;
};

// Firmware drive states, by their firmware codes.
enum class DriveState : u8 {
    UnconfiguredGood = 0x00,
    UnconfiguredBad = 0x01,
    HotSpare = 0x02,
    Offline = 0x10,
    Failed = 0x11,
    Rebuild = 0x14,
    Online = 0x18,
    Copyback = 0x20,
    Jbod = 0x40,
    // Kept out of use while the controller examines the drive: no request changes its state,
    // it joins no array and a shielded spare takes no row.
    Shielded = 0x80,
    UnconfiguredShielded = 0x82,
    HotSpareShielded = 0x90,
};

enum class DriveInterface : u8 { Sas, Sata };
enum class DriveMedia : u8 { Hdd, Ssd };

constexpr std::size_t kMaxDrivePaths = 4;

// The hot-spare entry a revertible spare gave up when it took an array row; a copyback off the
// drive returns it to that entry.
struct FormerSpare {
    std::vector<u16> arrays;  // dedicated to these arrays; empty for a global spare
    bool enclosureAffinity = false;
};

// One of the slowest commands the drive performance monitor kept for a drive.
struct LongestCommand {
    bool operator==(const LongestCommand&) const = default;

    u32 startTicks = 0;
    u32 endTicks = 0;
    u32 time = 0;  // event-log time stamp: seconds since 2000, or 0xFF and seconds since boot
    std::array<u8, 16> command{};  // the CDB or ATA task file
};

constexpr std::size_t kMaxLongestCommands = 10;
constexpr std::size_t kHistogramBins = 38;

// What the drive performance monitor keeps for a drive: running averages, extended counters,
// the response-time histogram and the slowest commands.
struct DriveStatistics {
    bool operator==(const DriveStatistics&) const = default;
    bool Empty() const { return *this == DriveStatistics{}; }

    u32 iops = 0;
    u32 transferRate = 0;   // divided by 1024 the tool shows MB/s
    u32 responseTicks = 0;  // in the monitor's timer ticks
    u32 queueDepth = 0;
    u64 sectorsRead = 0;
    u64 sectorsWritten = 0;
    u64 sectorsWrittenFua = 0;
    u32 readCommands = 0;
    u32 writeCommands = 0;
    u32 writeFuaCommands = 0;
    u32 flushCommands = 0;
    std::array<u32, kHistogramBins> histogram{};
    std::vector<LongestCommand> longestCommands;  // at most kMaxLongestCommands
};

struct Drive {
    u16 deviceId = 0;
    u16 seq = 0;
    u16 enclosure = kNoEnclosure;
    u8 slot = 0;
    DriveState state = DriveState::UnconfiguredGood;
    DriveInterface interface = DriveInterface::Sas;
    DriveMedia media = DriveMedia::Hdd;
    u64 blocks = 0;  // raw size, 512-byte blocks
    std::vector<u64> sasAddresses;  // one per path
    u8 ports = 0;  // bit n: the drive answers on controller port n
    u8 deviceSpeed = 0;  // 1 1.5 Gb/s, 2 3 Gb/s, 3 6 Gb/s, 4 12 Gb/s, 0 unknown
    u8 linkSpeed = 0;
    std::string serial;
    Inquiry inquiry;
    bool smartAlert = false;
    u8 temperature = 0;  // degrees Celsius, 0 unknown
    u32 mediaErrors = 0;
    u32 otherErrors = 0;
    u32 predictiveFailures = 0;
    u32 lastPredictiveFailureSeq = 0;
    bool foreign = false;
    bool piCapable = false;
    bool piFormatted = false;
    bool spunDown = false;
    bool reprovisionAllowed = false;
    NameSet security;  // see DriveSecurityBits()
    u16 sectorSize = 0;  // 0 means 512
    bool bridge = false;  // behind a SAS-SATA bridge
    u32 primaryDefects = 0;  // entries of the manufacturer's defect list
    u32 grownDefects = 0;    // entries of the grown defect list
    std::optional<FormerSpare> formerSpare;  // while a revertible spare holds an array row
    DriveStatistics statistics;
    DeviceFirmware firmware;
};

constexpr std::size_t kMaxRows = 32;          // drives of an array
constexpr std::size_t kMaxSpans = 8;          // arrays of a virtual drive
constexpr std::size_t kMaxSpareArrays = 16;   // arrays a dedicated spare serves

struct DriveArray {
    u16 ref = 0;
    std::vector<u16> rows;  // device ids, kMissingRow for a missing drive
    u64 blocks = 0;  // used on each member drive
};

// Policy codes are the firmware's (see the virtual-drive record).
struct VirtualDrive {
    u8 targetId = 0;
    u16 seq = 0;
    std::string name;
    u8 raidLevel = 0;  // 0, 1, 5, 6, 10, 50, 60
    std::vector<u16> arrays;  // the spans, by array reference
    u64 blocks = 0;  // size
    u64 startBlock = 0;  // first block on each member drive
    u8 stripCode = 0;  // 2^n blocks of 512 bytes
    u8 writePolicy = 0;  // 0 write through, 1 write back
    bool writeBackWithBadBbu = false;
    u8 readPolicy = 0;  // 0 none, 1 read ahead, 2 adaptive
    u8 ioPolicy = 0;  // 0 direct, 1 cached
    u8 accessPolicy = 0;  // 0 read/write, 2 read only, 3 blocked
    u8 diskCachePolicy = 0;  // 0 unchanged, 1 enabled, 2 disabled
    bool bgiDisabled = false;
    u8 powerSavePolicy = 0;  // 0 default, 1 automatic, 2 maximum, 6 maximum without caching, 0xFE none
    u8 encryption = 0;  // 0 none, 1 full-disk encryption, 2 controller based
    u8 piType = 0;
    bool consistent = false;
    bool badBlocks = false;  // bad blocks exist on the virtual drive
    // The bad-block table: entries the controller corrected and could not correct.
    u64 badBlocksCorrected = 0;
    u64 badBlocksUncorrected = 0;
    bool preservedCache = false;
    // Access blocked because the SSD-cache virtual drive that serves it went offline: the
    // current access policy is blocked (reason 1) until the block is removed.
    bool blockedByOfflineCache = false;
    bool snapshot = false;
    bool ssdCache = false;
};

struct Spare {
    u16 deviceId = 0;
    std::vector<u16> arrays;  // dedicated to these arrays; empty for a global spare
    bool revertible = false;
    bool enclosureAffinity = false;
};

struct Configuration {
    std::vector<DriveArray> arrays;
    std::vector<VirtualDrive> virtualDrives;
    std::vector<Spare> spares;
    // The virtual drives the SSD cache (every SSD-cache virtual drive together) serves, by
    // target id, in the order they were given.
    std::vector<u8> ssdCacheAssociations;
};

// A configuration that drives of the controller carry from another controller. Its arrays name
// the drives here by device id (kMissingRow for a member that is not here); a span whose array
// has no record here is a missing span. References and target ids are the other controller's.
struct ForeignConfig {
    Configuration config;
    std::string lockKey;  // the key its secured drives are locked with; empty for none
};

struct Connector {
    u8 location = 0;  // 0 unknown, 2 internal, 3 external
    std::string name;
    u8 mode = 0;  // the mode set for the next boot: 1 internal, 2 external, 3 automatic; 0 fixed
};

// The link error counters the controller keeps for one PHY.
struct PhyErrorCounters {
    u32 invalidDwords = 0;
    u32 disparityErrors = 0;   // running disparity errors
    u32 dwordSyncLosses = 0;   // losses of dword synchronisation
    u32 resetProblems = 0;     // PHY reset problems
};

struct Phy {
    u64 attachedSasAddress = 0;
    u8 phyId = 0;  // the PHY identifier of the attached device
    bool disabled = false;
    u8 deviceType = 0;  // 0 none, 1 end device, 2 edge expander, 3 fanout expander
    NameSet protocols;  // see PhyProtocolBits()
    u8 linkSpeed = 0;  // 0 no limit, 1 1.5 Gb/s, 2 3 Gb/s, 4 6 Gb/s, 8 12 Gb/s
    PhyErrorCounters errors;
};

// Background work on a drive or a virtual drive. Its progress follows the clock: it has run
// for the time since it started, less the time it spent suspended.
enum class OperationKind : u8 {
    Rebuild,
    PatrolRead,
    Clear,
    Copyback,
    SecureErase,
    ConsistencyCheck,
    BackgroundInit,
    FastInit,
    FullInit,
    Reconstruction,
    VdSecureErase,
};

// What a reconstruction changes when it completes.
enum class ReconstructionChange : u8 { None = 0, AddDrives = 1, RemoveDrives = 2 };

struct Operation {
    OperationKind kind = OperationKind::Rebuild;
    u16 deviceId = 0;  // drive operations (a copyback's target)
    u16 sourceId = 0;  // a copyback's source drive
    u8 targetId = 0;   // virtual-drive operations
    u64 started = 0;   // clock seconds
    u64 seconds = 0;   // how long it runs
    u64 pausedSeconds = 0;  // time spent suspended before the present suspension
    std::optional<u64> suspendedAt;  // set while suspended
    // A reconstruction: the RAID level it leads to, the drives it adds or removes (added drives
    // are reserved for it while it runs), and for an expansion the percentage of the free room
    // after the virtual drive that it takes.
    u8 raidLevel = 0;
    ReconstructionChange change = ReconstructionChange::None;
    std::vector<u16> drives;
    u8 expandPercent = 0;
    // A secure erase of a drive or a virtual drive: its erase type (0 simple, 1 normal, 2
    // thorough), the two pattern bytes it writes, and for a virtual drive whether the drive is
    // deleted when the erase completes.
    u8 eraseType = 0;
    u8 patternA = 0;
    u8 patternB = 0;
    bool deleteVd = false;
};

}  // namespace sim
