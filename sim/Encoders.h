// Encoders of the firmware blocks, one per block, each written from that block's byte table.
#pragma once
#include <cstddef>

#include "Model.h"

namespace sim {

constexpr u32 kPropertiesSize = 64;  // the controller properties block
constexpr u32 kPatrolReadPropertiesSize = 208;
constexpr u32 kCcScheduleSize = 168;
constexpr u32 kMaxCcExcluded = 74;  // target ids the schedule block holds
constexpr u32 kBiosSize = 64;
constexpr u32 kTimeBlockSize = 8;    // the controller time block
constexpr u32 kBatteryPropertiesSize = 32;

Block EncodeControllerInfo(const Controller& controller);         // 0x01010000, 2048 bytes
Block EncodeDefaults(const ControllerDefaults& defaults);          // 0x010E0201, 72 bytes
Block EncodeControllerProperties(const ControllerProperties& properties);  // 0x01020100, 64 bytes
Block EncodeControllerTime(const SimClock& clock);                 // 0x01080101, 8 bytes
Block EncodeManufacturingData(const ManufacturingData& mfg);       // 0x010E0301, 32 bytes
Block EncodeBatteryFru(const std::string& fru, const std::string& moduleFru);  // 0x010E0302, 32 bytes
Block EncodeKeyValues(const Controller& controller, std::size_t length);  // 0x010B0100
Block EncodeOemFlags(const OemFlags& oem);                         // 0x010E8481, 24 bytes
Block EncodeDriverPciInfo(const PciIdentity& pci);                 // driver 0xF0010200, 112 bytes
Block EncodePatrolReadProperties(const PatrolRead& pr);            // 0x01070200, 208 bytes
Block EncodePatrolReadStatus(const Controller& controller);        // 0x01070100, 16 bytes
Block EncodeCcSchedule(const CcSchedule& schedule);                // 0x01140200, 168 bytes
Block EncodeCcStatus(const CcSchedule& schedule);                  // 0x01140100, 16 bytes
Block EncodeBios(const BiosSettings& bios);                        // 0x010C0100, 64 bytes
Block EncodeBatteryStatus(const Battery& battery, u64 now);        // 0x05010000, 64 bytes
Block EncodeBatteryDesign(const Battery& battery);                 // 0x05030000, 64 bytes
Block EncodeBatteryCapacity(const Battery& battery, u64 now);      // 0x05020000, 48 bytes
Block EncodeBatteryProperties(const Battery& battery);             // 0x05050100, 32 bytes
Block EncodeBatteryModes(const Battery& battery);                  // 0x05070100, 4 + 8 per mode
// Private 0x010EE100, 9 bytes: `count` bytes of the gas gauge's memory from `offset` (which the
// caller has checked against the memory's size).
Block EncodeGasGaugeData(const Battery& battery, u32 offset, u32 count);
// The terminal log's piece from `offset` (0x01090200, 1024 bytes).
Block EncodeTermLogPiece(const TermLog& log, u32 offset);
Block EncodeDpmState(const PerformanceMonitor& dpm);               // 0x0A010000, 16 bytes
Block EncodePerfResults(const Controller& controller, u64 now);    // 0x01170200, as long as its entries

// Decoders of the blocks the controller accepts. False when a field holds a value the
// controller does not define; `out` is then unchanged.
bool DecodeDefaults(const ByteSpan& block, ControllerDefaults& out);  // 0x010E0202

// The fields a battery properties write (0x05050200) carries.
struct BatteryPropertiesWrite {
    u64 periodSeconds = 0;
    u64 next = 0;
    u8 delayHours = 0;
    u8 autoMode = 0;
    u8 mode = 0;
};
BatteryPropertiesWrite DecodeBatteryProperties(const ByteSpan& block);
bool DecodeControllerProperties(const ByteSpan& block, ControllerProperties& out);  // 0x01020200
bool DecodePatrolReadProperties(const ByteSpan& block, PatrolRead& out);           // 0x01070300
bool DecodeCcSchedule(const ByteSpan& block, CcSchedule& out);                      // 0x01140300
bool DecodeBios(const ByteSpan& block, BiosSettings& out);                          // 0x010C0200
// A date and time that exists and lies in the clock's range, as clock seconds.
bool DecodeControllerTime(const ByteSpan& block, u64& now);  // 0x01080102

}  // namespace sim
