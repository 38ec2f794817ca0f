// The battery status (0x05010000, 64 bytes) and design information (0x05030000, 64 bytes).
// Without a battery the controller answers all-zero blocks: battery type 0.
#include <algorithm>

#include "BatteryRules.h"
#include "Encoders.h"
#include "TopologyBits.h"

namespace sim {
namespace {

constexpr u32 kStatusBlockSize = 64;
constexpr u32 kStatusType = 0;       // u8: 0 no battery
constexpr u32 kStatusQualifier = 1;  // u8
constexpr u32 kStatusVoltage = 2;    // u16 mV
constexpr u32 kStatusCurrent = 4;    // i16 mA
constexpr u32 kStatusTemperature = 6;  // u16 degrees Celsius
constexpr u32 kStatusState = 8;      // u32: the condition bits
constexpr u32 kStatusStateSize = 4;
constexpr u32 kChargeTime = 46;  // u8 hours

// The detail area from byte 32, by module type.
constexpr u32 kGasGauge = 32;  // u16, types 1-5
// Types 1, 3, 4 and 5.
constexpr u32 kRelativeCharge = 34;
constexpr u32 kChargerState = 36;
constexpr u32 kChargerControl = 38;
constexpr u32 kChargingCurrent = 40;
constexpr u32 kAbsoluteCharge = 42;
constexpr u32 kMaxError = 44;
// Type 2.
constexpr u32 kChargerStatus = 36;  // 0 off, 1 complete, 2 in progress
constexpr u32 kRemaining = 38;
constexpr u32 kFullCapacity = 40;
constexpr u32 kHealthGood = 42;
// Type 6: pack energy in joules (low byte, high byte), capacitance and reserve space.
constexpr u32 kEnergyLow = 32;
constexpr u32 kCapacitance = 33;
constexpr u32 kReserveSpace = 34;
constexpr u32 kEnergyHigh = 35;

// Gas gauge status bits.
constexpr unsigned kGgFullyDischarged = 4;
constexpr unsigned kGgFullyCharged = 5;
constexpr unsigned kGgDischarging = 6;
constexpr unsigned kGgInitialized = 7;
constexpr unsigned kGgCapacityAlarm = 9;
constexpr unsigned kGgOverTemperature = 12;
constexpr u64 kOverTemperature = 60;

constexpr u32 kDesignSize = 64;
constexpr u32 kManufactured = 0;  // u32: day bits 0-4, month bits 5-8, year bits 9-24
constexpr u32 kDesignCapacity = 4;
constexpr u32 kDesignVoltage = 6;
constexpr u32 kSpecificationInfo = 8;
constexpr u32 kSerial = 10;
constexpr u32 kPackStat = 12;
constexpr u32 kManufacturer = 14;  // char[12]
constexpr u32 kDeviceName = 26;    // char[8]
constexpr u32 kDeviceNameSize = 8;
constexpr u32 kChemistry = 34;  // char[5]
constexpr u32 kModesSupported = 47;
constexpr u32 kTransparentLearn = 48;
constexpr u32 kModuleVersion = 49;  // char[8]
constexpr u32 kAppData = 57;

u16 GasGaugeStatus(const Battery& battery, const BatteryReadings& r)
{
    u16 bits = 1u << kGgInitialized;
    const auto set = [&](bool on, unsigned bit) {
        if (on)
            bits = static_cast<u16>(bits | (1u << bit));
    };
    set(r.charge == 0, kGgFullyDischarged);
    set(r.charge >= 100, kGgFullyCharged);
    set(r.conditions.contains("discharge_active"), kGgDischarging);
    set(r.remainingMah < battery.capacityAlarmMah, kGgCapacityAlarm);
    set(r.temperature >= kOverTemperature, kGgOverTemperature);
    return bits;
}

u64 PercentOf(u64 part, u64 whole) { return whole == 0 ? 0 : std::min<u64>(part * 100 / whole, 0xFFFF); }

void EncodeDetail(Block& block, const Battery& b, const BatteryReadings& r)
{
    const bool charging = r.conditions.contains("charge_active");
    if (b.type == 6) {
        const u64 energy = std::min<u64>(b.fullCapacityMah * r.charge / 100, 0xFFFF);
        block.PutU8(kEnergyLow, energy & 0xFF);
        block.PutU8(kEnergyHigh, energy >> 8);
        block.PutU8(kCapacitance, std::min<u64>(PercentOf(b.fullCapacityMah, b.designCapacityMah), 100));
        block.PutU8(kReserveSpace, r.charge);
        return;
    }
    block.PutU16(kGasGauge, GasGaugeStatus(b, r));
    block.PutU16(kRelativeCharge, r.charge);
    if (b.type == 2) {
        block.PutU16(kChargerStatus, charging ? 2 : r.charge >= 100 ? 1 : 0);
        block.PutU16(kRemaining, std::min<u64>(r.remainingMah, 0xFFFF));
        block.PutU16(kFullCapacity, std::min<u64>(b.fullCapacityMah, 0xFFFF));
        block.PutU8(kHealthGood, b.conditions.contains("replace_pack") ? 0 : 1);
        return;
    }
    block.PutU16(kChargerState, charging ? 1 : 0);
    block.PutU16(kChargerControl, charging ? 1 : 0);
    block.PutU16(kChargingCurrent, charging ? std::min<u64>(static_cast<u64>(r.currentMa), 0xFFFF) : 0);
    block.PutU16(kAbsoluteCharge, PercentOf(r.remainingMah, b.designCapacityMah));
    block.PutU16(kMaxError, b.maxError);
}

}  // namespace

Block EncodeBatteryDesign(const Battery& b)
{
    Block block(kDesignSize);
    if (!b.present)
        return block;
    block.PutU32(kManufactured, b.manufactured);
    block.PutU16(kDesignCapacity, b.designCapacityMah);
    block.PutU16(kDesignVoltage, b.designVoltageMv);
    block.PutU16(kSpecificationInfo, b.specificationInfo);
    block.PutU16(kSerial, b.serial);
    block.PutU16(kPackStat, b.packStat);
    block.PutText(kManufacturer, 12, b.manufacturer);
    block.PutText(kDeviceName, kDeviceNameSize, b.deviceName.substr(0, kDeviceNameSize));
    block.PutText(kChemistry, 5, b.chemistry);
    block.PutU8(kModesSupported, b.modesSupported ? 1 : 0);
    block.PutU8(kTransparentLearn, b.transparentLearn ? 1 : 0);
    block.PutText(kModuleVersion, 8, b.moduleVersion);
    block.PutU8(kAppData, b.appData);
    return block;
}

Block EncodeBatteryStatus(const Battery& battery, u64 now)
{
    Block block(kStatusBlockSize);
    if (!battery.present)
        return block;
    const BatteryReadings r = ReadingsAt(battery, now);
    block.PutU8(kStatusType, battery.type);
    block.PutU8(kStatusQualifier, battery.qualifier);
    block.PutU16(kStatusVoltage, r.voltageMv);
    block.PutU16(kStatusCurrent, static_cast<u16>(static_cast<std::int16_t>(std::clamp<std::int64_t>(r.currentMa, -32768, 32767))));
    block.PutU16(kStatusTemperature, r.temperature);
    ByteSpan state = block.Slice(kStatusState, kStatusStateSize);
    EncodeNameSet(state, r.conditions, BatteryConditionBits());
    EncodeDetail(block, battery, r);
    block.PutU8(kChargeTime, battery.chargeTimeHours);
    return block;
}

}  // namespace sim
