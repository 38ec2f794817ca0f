// The semantic model of the simulated controllers, as the state file holds it. Encoders turn it
// into the firmware blocks; firmware rules change it. Field meanings are documented with the
// state file format in docs/firmware-interface.md.
#pragma once
#include <optional>
#include <utility>
#include <vector>

#include "EventCapture.h"
#include "EventLog.h"
#include "FlashRegion.h"
#include "ModelController.h"
#include "DeviceFirmware.h"
#include "ModelTopology.h"
#include "PerfMonitor.h"

namespace sim {

struct Controller {
    PciIdentity pci;
    ControllerInfo info;
    ControllerProperties properties;
    ControllerDefaults defaults;
    PatrolRead patrolRead;
    CcSchedule ccSchedule;
    BiosSettings bios;
    PerformanceMonitor dpm;
    // The defaults block as it left the factory, which a factory reset restores; absent until
    // the defaults block is first written (the defaults are then still the factory's).
    std::optional<ControllerDefaults> factoryDefaults;
    ManufacturingData mfg;
    std::string batteryFru;
    std::vector<std::pair<std::string, std::string>> keyValues;  // in file order
    OemFlags oem;
    SecurityKeyState security;
    JbodConversions jbodConversions;
    std::vector<Enclosure> enclosures;
    std::vector<Drive> drives;
    Configuration config;
    std::vector<ForeignConfig> foreign;
    std::vector<Connector> connectors;
    std::vector<Phy> phys;
    std::vector<Operation> operations;
    // Target ids of virtual drives that are gone while the controller still holds their
    // preserved cache (the cache of a present virtual drive is marked on the drive).
    std::vector<u8> preservedCacheMissingVds;
    Battery battery;
    TermLog termLog;
    EventLog events;
    EventCapture capture;
    FlashRegion flash;
    PerfMonitor perfMonitor;
    std::optional<PreparedDownload> deviceDownload;  // not saved
};

struct SimClock {
    u64 now = 0;  // seconds since 2000-01-01 00:00:00, controller local time
    u64 advancePerRun = 0;
};

// The kinds of request a fault or patch can name.
enum class RequestKind : u8 { Init, ListControllers, Dcmd, DcmdPrivate, ScsiPassThru, DriverRequest };

struct Fault {
    std::optional<RequestKind> function;  // absent: DCMD, private DCMD or driver request by opcode
    std::optional<u32> controller;        // absent: every controller
    std::optional<u32> opcode;            // for SCSI: the CDB's operation code
    u32 status = 0;                       // firmware (or SCSI) status, or
    u32 libError = 0;                     // a library error
    u32 nth = 0;                          // 0: every call; n: only the n-th matching call of a run
    std::optional<u8> target;             // SCSI: the pass-through's target
    std::vector<u8> cdb;                  // SCSI: the CDB's first bytes
};

struct Patch {
    std::optional<RequestKind> function;
    std::optional<u32> controller;
    u32 opcode = 0;
    u32 offset = 0;
    std::vector<u8> bytes;
    std::optional<u32> cut;  // the reply's length after the patch, when it was longer
    std::optional<u8> mailboxByte0;
    std::optional<u16> deviceId;  // mailbox bytes 0-1
    std::optional<u8> target;     // SCSI: the pass-through's target
    std::vector<u8> cdb;          // SCSI: the CDB's first bytes
};

struct SimModel {
    SimClock clock;
    std::vector<Controller> controllers;
    std::vector<Fault> faults;
    std::vector<Patch> patches;
};

}  // namespace sim
