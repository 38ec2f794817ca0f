// One controller with one 12-slot enclosure: eight SAS disks and two SATA SSDs in slots 0-9,
// slots 10 and 11 empty; a RAID 5 virtual drive on slots 0-3 and a RAID 1 on slots 4-5, a
// global hot spare in slot 6, unconfigured drives in slots 7-9, a battery backup unit; patrol read
// and the consistency check on weekly schedules; an event capture with the events of a few days
// before. The controller expands virtual drives without added drives and keeps the mirrors of
// RAID 1 drives. It keeps the event log of its boot and its terminal log.
#include "Clock.h"
#include "DefaultTopology.h"
#include "EventCodes.h"
#include "Sizes.h"

namespace sim {
namespace {

constexpr u16 kEnclosureId = 252;
constexpr u16 kFirstDriveId = 8;  // slot n holds device id 8 + n
constexpr u64 kDiskBlocks = 2344225968;  // 1.2 TB SAS disk, 512-byte blocks
constexpr u64 kSsdBlocks = 1875385008;   // 960 GB SATA SSD
constexpr u64 kControllerSasAddress = 0x500A4B0000C0A000;
constexpr u64 kExpanderSasAddress = 0x500A4B0000C0A0FF;  // the backplane's expander
constexpr u64 kSesSasAddress = 0x500A4B0000C0A0FD;       // its enclosure services device
constexpr u8 kStrip64Kb = 7;

// An event of the code table's row, as the log keeps it.
EventRecord RecordOf(u32 seq, u32 time, u32 code, const EventArgs& args)
{
    const EventCode* row = FindEventCode(code);
    EventRecord record;
    record.seq = seq;
    record.time = time;
    record.code = code;
    record.locale = row->locale;
    record.eventClass = row->eventClass;
    record.args = args;
    record.description = row->description;
    return record;
}

ControllerInfo DefaultInfo()
{
    ControllerInfo info;
    info.productName = "QRV SAS RAID Controller 4000";
    info.serial = "QV40A2311004";
    info.packageBuild = "24.12.0-0047";
    info.chipRevision = "C1";
    info.hostInterface = {"pcie"};
    info.deviceInterface = {"sas_12g"};
    for (u64 port = 0; port < 8; ++port)
        info.devicePorts.push_back(kControllerSasAddress + 0x10 + port);
    info.images = {{"APP", "4.720.00-0047"},  {"BIOS", "7.20.01.0"},    {"CTLR", "6.12.04"},
                   {"BTBL", "2.07.00.00-0003"}, {"NVDT", "4.1720.00-0031"}, {"BOOT", "09.250.01.219"}};
    info.hardwarePresent = {"alarm", "nvram", "memory", "flash", "roc_temperature_sensor"};
    info.memoryMb = 4096;
    info.nvramKb = 32;
    info.flashMb = 16;
    info.fwCacheMb = 3969;
    info.rocTemperature = 61;
    info.raidLevels = {"0", "1", "5", "6", "10", "50", "60", "00"};
    info.driveSupport = {"sas", "sata", "mix_in_enclosure"};
    info.capabilities = {
        "rebuild_rate", "cc_rate", "bgi_rate", "reconstruct_rate", "patrol_read_rate", "alarm_control", "bbu",
        "spanning", "dedicated_hot_spare", "revertible_hot_spares", "foreign_config_import", "self_diagnostic",
        "global_hot_spares", "connector_info", "allowed_operations", "vd_read_policy", "vd_write_policy", "vd_io_policy",
        "vd_access_policy", "vd_disk_cache_policy", "vd_reconstruction", "vd_bbm", "perf_monitor",
        "vd_power_savings", "max_power_saving_without_caching", "ssc_write_back", "ssc_vd_association",
        "foreign_import_all", "pd_force_online", "pd_force_offline", "pd_force_rebuild", "spin_down",
        "pd_temperature", "pi", "bg_op_suspend_resume", "emergency_spares", "ssd_patrol_read_support",
        "oce_without_adding_drives", "vd_break_mirror", "real_time_scheduling", "security"};
    ControllerLimits& l = info.limits;
    l.maxArmsPerVd = 32;
    l.maxSpansPerVd = 8;
    l.maxArrays = 128;
    l.maxVds = 64;
    l.maxParallelCommands = 928;
    l.maxSgeCount = 60;
    l.maxTransferSectors = 2048;
    l.maxStripsPerIo = 42;
    l.maxVdsPerArray = 16;
    l.minStripCode = 4;   // 8 KB
    l.maxStripCode = 11;  // 1 MB
    l.maxFlashTierGb = 512;
    return info;
}

ControllerProperties DefaultProperties()
{
    ControllerProperties p;
    p.predictiveFailPollSeconds = 300;
    p.interruptThrottleCount = 16;
    p.interruptThrottleMicroseconds = 50;
    p.rebuildRate = 30;
    p.patrolReadRate = 30;
    p.bgiRate = 30;
    p.ccRate = 30;
    p.reconstructionRate = 30;
    p.cacheFlushIntervalSeconds = 4;
    p.spinupDriveCount = 4;
    p.spinupDelaySeconds = 2;
    p.coercionMode = 2;  // 1 GB
    p.alarmEnable = 1;
    p.autoRebuild = 1;
    p.batteryWarning = 1;
    p.eccBucketSize = 15;
    p.eccBucketLeakRateMinutes = 1440;
    p.restoreHotSpareOnInsertion = 0;
    p.exposeEnclosureDevices = 1;
    p.maintainPdFailHistory = 1;
    p.hostRequestReordering = 1;
    p.loadBalance = 1;
    p.backplaneDetect = 0;
    p.autoEnhancedImport = 1;
    p.spinDownTime = 30;
    p.maxSpinupPerMinute = 2;
    return p;
}

ControllerDefaults DefaultDefaults()
{
    ControllerDefaults d;
    d.sasAddress = kControllerSasAddress;
    d.backgroundRate = 30;
    d.stripSizeCode = 9;  // 256 KB
    d.cacheFlushTime = 4;
    d.writePolicy = 1;  // write-back
    d.readPolicy = 0;   // no read-ahead
    d.smartMode = 0;
    d.alarm = 1;
    d.coercionMode = 2;
    d.spinDownMode = 0;
    d.allowedDeviceType = 0;  // SAS/SATA mix
    d.allowMixInEnclosure = 1;
    d.maxChainedEnclosures = 16;
    d.biosEnumerateVds = 1;
    d.exposeEnclosureDevices = 1;
    d.maintainPdFailHistory = 1;
    d.postDelay = 90;
    d.enableLdBbm = 1;
    d.uncertifiedDrives = 1;  // allow
    d.maxVdsPerArray = 0;     // sixteen
    d.powerSavingOption = 0;
    d.defaultSpinDownMinutes = 30;
    d.defaultsExtent = 72;
    d.autoEnhancedImport = 1;
    d.cmeDetectSeconds = 60;
    return d;
}

Drive MakeDrive(u8 slot, DriveState state)
{
    Drive d;
    d.deviceId = static_cast<u16>(kFirstDriveId + slot);
    d.seq = 1;
    d.enclosure = kEnclosureId;
    d.slot = slot;
    d.state = state;
    const u64 address = kControllerSasAddress + 0x1000 + 4u * slot;
    const bool ssd = slot >= 8;
    d.interface = ssd ? DriveInterface::Sata : DriveInterface::Sas;
    d.media = ssd ? DriveMedia::Ssd : DriveMedia::Hdd;
    d.blocks = ssd ? kSsdBlocks : kDiskBlocks;
    d.inquiry = ssd ? Inquiry{"ATA", "QRV SSD 960", "D210"} : Inquiry{"QRV", "HS1200SAS12", "A3C0"};
    d.serial = (ssd ? "QS96D" : "QH12K") + std::to_string(10070 + slot);
    if (ssd) {
        // A SATA drive has one path, through the expander's bridge to it.
        d.sasAddresses = {address};
        d.ports = 0x01;
        d.deviceSpeed = d.linkSpeed = 3;  // 6 Gb/s
        d.temperature = static_cast<u8>(27 + slot % 3);
    } else {
        // Dual-ported SAS disks answer on both of their ports.
        d.sasAddresses = {address + 1, address + 2};
        d.ports = 0x03;
        d.deviceSpeed = d.linkSpeed = 4;  // 12 Gb/s
        d.temperature = static_cast<u8>(33 + slot % 4);
        d.piCapable = true;
        d.security = {"fde_capable"};  // self-encrypting, secured by no key yet
    }
    return d;
}

VirtualDrive MakeVirtualDrive(u8 targetId, const char* name, u8 raidLevel, u16 array)
{
    VirtualDrive vd;
    vd.targetId = targetId;
    vd.seq = 1;
    vd.name = name;
    vd.raidLevel = raidLevel;
    vd.arrays = {array};
    vd.blocks = kDerivedBlocks;  // the whole array
    vd.startBlock = kDerivedBlocks;
    vd.stripCode = kStrip64Kb;
    vd.writePolicy = 1;  // write back
    vd.readPolicy = 1;   // read ahead
    vd.consistent = true;
    return vd;
}

DriveArray MakeArray(u16 ref, std::vector<u16> rows)
{
    DriveArray array;
    array.ref = ref;
    array.rows = std::move(rows);
    array.blocks = kDerivedBlocks;  // the smallest member
    return array;
}

void AddPorts(Controller& c)
{
    c.connectors = {{2, "Port 0 - 3", 1}, {2, "Port 4 - 7", 3}};  // internal, automatic
    // PHYs 0-3 form the wide port to the backplane's expander; 4-7 are free.
    for (u8 phy = 0; phy < 8; ++phy) {
        Phy p;
        if (phy < 4) {
            p.attachedSasAddress = kExpanderSasAddress;
            p.phyId = phy;
            p.deviceType = 2;  // edge expander
            p.protocols = {"smp_target"};
            p.linkSpeed = 4;  // 6 Gb/s
        }
        if (phy == 2)
            p.errors = {14, 9, 2, 1};  // a marginal lane of the wide port
        c.phys.push_back(p);
    }
}

void AddTopology(Controller& c)
{
    Enclosure e;
    e.deviceId = kEnclosureId;
    e.slots = 12;
    // Two power supplies, three fans turning at medium speed, a sensor at the front and one at the
    // back, an alarm and one services module.
    e.powerSupplies.resize(2);
    EnclosureElement fan;
    fan.speed = 4;
    e.fans.assign(3, fan);
    EnclosureElement front, back;
    front.celsius = 27;
    back.celsius = 34;
    e.temperatureSensors = {front, back};
    e.alarms.resize(1);
    e.sims.resize(1);
    e.connector = 0;
    e.type = kEnclosureTypeSes;
    e.position = 1;
    e.sasAddress = kSesSasAddress;
    e.inquiry = {"QRV", "SAS12 BP 12-Bay", "0210"};
    e.fru = EnclosureFru{"QB12K041", "QRV-BP12", "ES0417", "NONE"};
    c.enclosures.push_back(e);

    for (u8 slot = 0; slot <= 5; ++slot)
        c.drives.push_back(MakeDrive(slot, DriveState::Online));
    c.drives.push_back(MakeDrive(6, DriveState::HotSpare));
    for (u8 slot = 7; slot <= 9; ++slot)
        c.drives.push_back(MakeDrive(slot, DriveState::UnconfiguredGood));

    c.config.arrays = {MakeArray(0, {8, 9, 10, 11}), MakeArray(1, {12, 13})};
    c.config.virtualDrives = {MakeVirtualDrive(0, "data", 5, 0), MakeVirtualDrive(1, "system", 1, 1)};
    c.config.spares = {{14, {}, false, false}};
    AddPorts(c);

    c.drives[2].grownDefects = 3;  // a disk that has remapped a few sectors
}

// A charged type 3 pack, its automatic learn cycle due in a week; the terminal log of the boot.
void AddBattery(Controller& c, u64 now)
{
    Battery& b = c.battery;
    b.present = true;
    b.type = 3;
    b.deviceName = "QBU-300";
    b.voltageMv = 4058;
    b.temperature = 29;
    b.charge = 100;
    b.chargeTimeHours = 48;
    b.fullCapacityMah = 1188;
    b.designCapacityMah = 1215;
    b.designVoltageMv = 3700;
    b.cycleCount = 14;
    b.maxError = 2;
    b.capacityAlarmMah = 120;
    b.timeAlarmMinutes = 10;
    b.manufactured = (2023u << 9) | (9u << 5) | 18u;
    b.serial = 4127;
    b.specificationInfo = 0x31;
    b.packStat = 0x0A1C;
    b.manufacturer = "QRV Power";
    b.chemistry = "LION";
    b.moduleVersion = "2.4.1";
    b.moduleFru = "QBM300B";
    b.gasGauge = {0x02, 0x31, 0x0F, 0xA0, 0xBF, 0x04, 0x9E, 0x0E, 0x00, 0x00, 0x64, 0x1D};
    b.learn.next = now + 7 * 86400;

    c.termLog.lines = {"T0: Firmware 4.720.00-0047 starting",
                       "T0: ROC temperature 58 C, memory 4096 MB, ECC enabled",
                       "T1: Battery present, type 3, charge 100%",
                       "T2: Port 0-3: expander 0x500a4b0000c0a0ff found, 12 slots",
                       "T5: 10 drives found, 2 virtual drives, 1 hot spare",
                       "T6: VD 0 optimal, VD 1 optimal",
                       "T7: Controller ready"};
}

// What the controller logged as it booted two days before: its start (before it knew the time,
// so counted from the boot), the drives found, the battery, and the virtual drives optimal.
void AddBootHistory(Controller& c, u64 now)
{
    const u64 boot = now - 2 * 86400;
    u32 seq = 0;
    const auto log = [&](u32 time, u32 code, const EventArgs& args) {
        c.events.records.push_back(RecordOf(++seq, time, code, args));
    };
    log(kTimeSinceReboot | 0, kEvFirmwareStarted, EventArgs::None());
    u32 second = 2;
    for (const Drive& d : c.drives)
        log(kTimeSinceReboot | second++, kEvPdFound, EventArgs::Pd(EventPd{d.deviceId, 0, d.slot}));
    log(static_cast<u32>(boot + second), kEvBbuPresent, EventArgs::None());
    for (const VirtualDrive& vd : c.config.virtualDrives)
        log(static_cast<u32>(boot + second + 1), kEvLdStateChange, EventArgs::LdState(EventLd{vd.targetId}, 0, 3));
    c.events.bootSeq = 1;
}

// Patrol read runs weekly on its own and has done so for a while; the consistency check is
// scheduled weekly, in turn, at night; the BIOS boots the "system" virtual drive.
void AddSchedules(Controller& c)
{
    constexpr u64 kWeek = 7 * 24 * 3600;
    c.patrolRead.mode = 0;  // automatic
    c.patrolRead.maxConcurrent = 8;
    c.patrolRead.delaySeconds = kWeek;
    c.patrolRead.iterations = 36;
    c.ccSchedule.mode = 1;  // sequential
    c.ccSchedule.nextStart = FromCivil({2024, 3, 16, 2, 0, 0});
    c.ccSchedule.delaySeconds = kWeek;
    c.ccSchedule.iterations = 36;
    c.bios.bootDevice = 1;
    c.bios.autoSelectBootLd = true;
    c.dpm.averagedCommands = 1024;
    c.dpm.longestCommands = 16;
    c.dpm.ticksPerSecond = 1000000;
}

// A capture of the days before, stopped, with its events in the buffer: the hot spare made and
// a consistency check of the RAID 5.
void AddEventCapture(Controller& c, u64 now)
{
    constexpr u64 kDay = 86400;
    const auto captured = [](u32 seq, u64 time, u32 code, const EventArgs& args) {
        return RecordOf(seq, static_cast<u32>(time), code, args);
    };
    c.capture.enabled = true;
    c.capture.events = {
        captured(1, now - 3 * kDay, kEvHotSpareCreated, EventArgs::PdSpare(EventPd{14, 0, 6}, EventSpare{})),
        captured(2, now - 2 * kDay, kEvCcStarted, EventArgs::Ld(EventLd{0})),
        captured(3, now - 2 * kDay + 5400, kEvCcComplete, EventArgs::Ld(EventLd{0})),
    };
}

// What the drive performance monitor gathered on the first disk of the RAID 5 (its timer counts
// microseconds): a steady mixed load with a few slow commands during the morning.
DriveStatistics DefaultDriveStatistics(u64 now)
{
    DriveStatistics s;
    s.iops = 182;
    s.transferRate = 23552;
    s.responseTicks = 4200;
    s.queueDepth = 3;
    s.sectorsRead = 912384512;
    s.sectorsWritten = 301967360;
    s.sectorsWrittenFua = 1204224;
    s.readCommands = 3564012;
    s.writeCommands = 1179560;
    s.writeFuaCommands = 4704;
    s.flushCommands = 2210;
    s.histogram = {2104, 18830, 41200, 30115, 12040, 5210, 2301, 1106, 512, 240, 380, 96, 41, 22, 9,
                   5, 3, 2, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const u32 t = static_cast<u32>(now);
    s.longestCommands = {
        {812000000, 812187400, t - 5400, {0x28, 0, 0x1A, 0x2B, 0x3C, 0x00, 0, 0, 0x80, 0}},
        {955000000, 955142100, t - 3120, {0x2A, 0, 0x04, 0x11, 0x20, 0x00, 0, 0, 0x40, 0}},
        {1201000000, 1201098800, t - 610, {0x35, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    return s;
}

// A collection started an hour before the clock, five minutes a sample, over a busy RAID 5 and
// a quieter RAID 1.
PerfMonitor DefaultPerfMonitor(u64 now)
{
    PerfMonitor m;
    m.intervalMinutes = 5;
    m.started = now - 3600;
    m.cache = {23, 61, 512, 0, 88, 0, 4};
    PerfVdSample data;
    data.targetId = 0;
    data.idleSeconds = 12;
    data.readMb = 1830;
    data.writeMb = 742;
    data.reads = {310, 5210, 2480, 3120, 1460, 96};
    data.writes = {122, 2630, 1370, 980, 412, 31};
    data.readRandomness = {5120, 2210, 1640, 2980, 410, 220, 96};
    data.writeRandomness = {2460, 1120, 880, 690, 250, 120, 25};
    data.cacheReads = {92, 1640, 710, 820, 240, 12};
    data.cacheWrites = {122, 2630, 1370, 980, 412, 31};
    PerfVdSample system;
    system.targetId = 1;
    system.idleSeconds = 171;
    system.readMb = 96;
    system.writeMb = 58;
    system.reads = {40, 920, 210, 64, 8, 0};
    system.writes = {66, 1140, 130, 22, 3, 0};
    system.readRandomness = {310, 540, 220, 130, 30, 12, 0};
    system.writeRandomness = {420, 610, 190, 110, 22, 19, 0};
    system.cacheReads = {12, 380, 51, 9, 1, 0};
    system.cacheWrites = {66, 1140, 130, 22, 3, 0};
    m.vdSamples = {data, system};
    return m;
}

}  // namespace

SimModel DefaultModel()
{
    SimModel model;
    model.clock.now = FromCivil({2024, 3, 15, 9, 30, 0});

    Controller c;
    c.pci = {kSimPciVendor, kSimPciDevice, kSimPciVendor, 0x4000, 3, 0, 0};
    c.info = DefaultInfo();
    c.properties = DefaultProperties();
    c.defaults = DefaultDefaults();
    c.mfg.date = static_cast<u16>((23 << 9) | (11 << 5) | 6);         // 2023-11-06
    c.mfg.serial = "QV40A2311004";
    c.mfg.reworkDate = static_cast<u16>((24 << 9) | (1 << 5) | 22);   // 2024-01-22
    c.mfg.revision = "03B";
    c.batteryFru = "QBU300A";
    c.keyValues = {{"delaySOD", "90"}};
    AddSchedules(c);
    c.oem.clusterDisable = 1;
    c.oem.maxDisks = 240;
    c.oem.enableRaid6 = 1;
    c.oem.enableSecurity = 1;
    c.oem.enableSsc = 1;
    c.flash.boardSignature = "QV40";
    AddTopology(c);
    AddBattery(c, model.clock.now);
    AddBootHistory(c, model.clock.now);
    AddEventCapture(c, model.clock.now);
    c.perfMonitor = DefaultPerfMonitor(model.clock.now);
    c.drives.front().statistics = DefaultDriveStatistics(model.clock.now);
    ResolveSizes(c);
    model.controllers.push_back(std::move(c));
    return model;
}

}  // namespace sim
