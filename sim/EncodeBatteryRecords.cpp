// The battery's capacity (0x05020000, 48 bytes), properties (0x05050100/0x05050200, 32 bytes),
// modes (0x05070100) and gas gauge data memory (private 0x010EE100, 9 bytes).
#include <algorithm>

#include "BatteryRules.h"
#include "Encoders.h"

namespace sim {
namespace {

constexpr u32 kCapacitySize = 48;
constexpr u32 kCapRelative = 0;
constexpr u32 kCapAbsolute = 2;
constexpr u32 kCapRemaining = 4;
constexpr u32 kCapFull = 6;
constexpr u32 kCapRunTimeToEmpty = 8;
constexpr u32 kCapAverageTimeToEmpty = 10;
constexpr u32 kCapTimeToFull = 12;
constexpr u32 kCapCycles = 14;
constexpr u32 kCapMaxError = 16;
constexpr u32 kCapCapacityAlarm = 18;
constexpr u32 kCapTimeAlarm = 20;

constexpr u32 kPropPeriod = 0;     // u32 seconds
constexpr u32 kPropNextLearn = 4;  // u32 clock seconds
constexpr u32 kPropDelay = 8;      // u8 hours
constexpr u32 kPropAutoMode = 9;   // u8
constexpr u32 kPropMode = 10;      // u8

constexpr u32 kModeEntries = 4;  // after the u32 count
constexpr u32 kModeEntrySize = 8;

constexpr u32 kGgSize = 9;
constexpr u32 kGgOffset = 1;  // u16, the memory offset read
constexpr u32 kGgCount = 3;   // u32, bytes read
constexpr u32 kGgData = 7;    // the bytes read, as many as fit

}  // namespace

Block EncodeBatteryCapacity(const Battery& b, u64 now)
{
    const BatteryReadings r = ReadingsAt(b, now);
    Block block(kCapacitySize);
    block.PutU16(kCapRelative, r.charge);
    block.PutU16(kCapAbsolute, b.designCapacityMah == 0 ? 0 : std::min<u64>(r.remainingMah * 100 / b.designCapacityMah, 0xFFFF));
    block.PutU16(kCapRemaining, std::min<u64>(r.remainingMah, 0xFFFF));
    block.PutU16(kCapFull, std::min<u64>(b.fullCapacityMah, 0xFFFF));
    block.PutU16(kCapRunTimeToEmpty, r.minutesToEmpty);
    block.PutU16(kCapAverageTimeToEmpty, r.minutesToEmpty);
    block.PutU16(kCapTimeToFull, r.minutesToFull);
    block.PutU16(kCapCycles, b.cycleCount);
    block.PutU16(kCapMaxError, b.maxError);
    block.PutU16(kCapCapacityAlarm, b.capacityAlarmMah);
    block.PutU16(kCapTimeAlarm, b.timeAlarmMinutes);
    return block;
}

Block EncodeBatteryProperties(const Battery& b)
{
    Block block(kBatteryPropertiesSize);
    block.PutU32(kPropPeriod, std::min<u64>(b.learn.periodSeconds, 0xFFFFFFFF));
    block.PutU32(kPropNextLearn, b.learn.autoMode == kAutoLearnOff ? 0 : b.learn.next);
    block.PutU8(kPropDelay, b.learn.delayHours);
    block.PutU8(kPropAutoMode, b.learn.autoMode);
    block.PutU8(kPropMode, b.mode);
    return block;
}

BatteryPropertiesWrite DecodeBatteryProperties(const ByteSpan& block)
{
    BatteryPropertiesWrite w;
    w.periodSeconds = block.U32(kPropPeriod);
    w.next = block.U32(kPropNextLearn);
    w.delayHours = block.U8(kPropDelay);
    w.autoMode = block.U8(kPropAutoMode);
    w.mode = block.U8(kPropMode);
    return w;
}

Block EncodeBatteryModes(const Battery& b)
{
    Block block(kModeEntries + kModeEntrySize * b.modes.size());
    block.PutU32(0, b.modes.size());
    u32 at = kModeEntries;
    for (const BatteryMode& m : b.modes) {
        block.PutU8(at, m.id);
        block.PutU8(at + 1, m.retentionHours);
        block.PutU8(at + 2, m.serviceLifeYears);
        block.PutU8(at + 3, m.temperature);
        block.PutU8(at + 4, m.transparentLearn ? 1 : 0);
        at += kModeEntrySize;
    }
    return block;
}

Block EncodeGasGaugeData(const Battery& b, u32 offset, u32 count)
{
    Block block(kGgSize);
    block.PutU8(0, 1);
    block.PutU16(kGgOffset, offset);
    block.PutU32(kGgCount, count);
    for (u32 i = 0; i < count && kGgData + i < kGgSize; ++i)
        block.PutU8(kGgData + i, b.gasGauge[offset + i]);
    return block;
}

}  // namespace sim
