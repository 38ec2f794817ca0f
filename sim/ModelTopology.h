// The topology part of the model: enclosures, drives, configuration and battery.
#pragma once
#include <string>
#include <vector>

#include "ModelBasics.h"

namespace sim {

struct Inquiry {
    std::string vendor;
    std::string product;
    std::string revision;
};

struct Enclosure {
    u16 deviceId = 0;
    u8 slots = 0;
    u8 powerSupplies = 0;
    u8 fans = 0;
    u8 temperatureSensors = 0;
    u8 alarms = 0;
    u8 sims = 0;
    u8 connector = 0;
    Inquiry inquiry;
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
};

enum class DriveInterface : u8 { Sas, Sata };
enum class DriveMedia : u8 { Hdd, Ssd };

struct Drive {
    u16 deviceId = 0;
    u16 seq = 0;
    u16 enclosure = kNoEnclosure;
    u8 slot = 0;
    DriveState state = DriveState::UnconfiguredGood;
    DriveInterface interface = DriveInterface::Sas;
    DriveMedia media = DriveMedia::Hdd;
    u64 blocks = 0;
    u64 sasAddress = 0;
    std::string serial;
    Inquiry inquiry;
    bool smartAlert = false;
};

struct DriveArray {
    u16 ref = 0;
    std::vector<u16> rows;  // device ids, kMissingRow for a missing drive
};

struct VirtualDrive {
    u8 targetId = 0;
    std::string name;
    u8 raidLevel = 0;  // 0, 1, 5, 6, 10, 50, 60
    std::vector<u16> arrays;  // the spans, by array reference
    u64 blocks = 0;
    u8 stripCode = 0;
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
};

struct Battery {
    bool present = false;
    u8 type = 0;
    u8 qualifier = 0;
    NameSet conditions;  // named state bits, see BatteryConditions.cpp
    std::string deviceName;
};

}  // namespace sim
