// The virtual-drive record (256 bytes): the configuration image carries one per virtual drive
// and the virtual-drive information block begins with it. The property record (32 bytes, DCMD
// 0x03030000 read, 0x03040000 write) holds its changeable fields at the same offsets.
#pragma once
#include "EventArgs.h"
#include "Model.h"

// Byte offsets within the virtual-drive record.
namespace sim::vd_record {

constexpr u32 kTargetId = 0;
constexpr u32 kSeq = 2;   // u16
constexpr u32 kName = 4;  // char[16], NUL-terminated
constexpr u32 kNameSize = 16;
constexpr u32 kCachePolicy = 20;  // bit 0 write back, bit 2 read ahead, bits 2-3 adaptive, bit 4
                                  // write back with a bad battery, bits 5-6 cached I/O
constexpr u32 kAccessPolicy = 21;
constexpr u32 kDiskCachePolicy = 22;
constexpr u32 kCurrentCachePolicy = 23;
constexpr u32 kBgiDisabled = 24;
constexpr u32 kPowerSavePolicy = 25;
constexpr u32 kCurrentPowerSavePolicy = 26;
constexpr u32 kEncryption = 27;
constexpr u32 kPiType = 28;
constexpr u32 kCurrentAccessPolicy = 29;
constexpr u32 kAccessPolicyReason = 30;
constexpr u32 kPrimaryLevel = 32;
constexpr u32 kQualifier = 33;
constexpr u32 kSecondaryLevel = 34;
constexpr u32 kStripExponent = 35;  // 2^n blocks
constexpr u32 kDrivesPerSpan = 36;
constexpr u32 kSpanCount = 37;
constexpr u32 kState = 38;
constexpr u32 kInitState = 39;  // 1 fast init running, 2 full init running
constexpr u32 kConsistent = 40;
constexpr u32 kBadBlocks = 41;
constexpr u32 kPreservedCache = 43;
constexpr u32 kSnapshot = 45;
constexpr u32 kCacheServed = 46;  // the SSD cache serves the virtual drive
constexpr u32 kSsdCache = 47;
constexpr u32 kBlocks = 48;  // u64
constexpr u32 kSpans = 64;
constexpr u32 kSpanSize = 24;
constexpr u32 kSpanStart = 0;      // u64, within a span
constexpr u32 kSpanBlocks = 8;     // u64
constexpr u32 kSpanArrayRef = 16;  // u16


}  // namespace sim::vd_record

namespace sim {

constexpr u32 kVdRecordSize = 256;
constexpr u32 kVdPropertiesSize = 32;

// Writes the record into `record` (at least kVdRecordSize bytes).
void PutVdRecord(ByteSpan record, const Controller& controller, u64 now, const VirtualDrive& vd);

Block EncodeVdProperties(const Controller& controller, const VirtualDrive& vd);
// Takes the changeable fields of a property record: name, default cache, access, drive-cache
// and power-save policies, BGI flag. False when one holds a code the controller does not define
// or the name is not printable text of at most 15 characters; `vd` is then unchanged.
bool DecodeVdProperties(const ByteSpan& record, VirtualDrive& vd);

// The properties as the "properties changed" event carries them.
EventLdProperties VdEventProperties(const Controller& controller, const VirtualDrive& vd);

}  // namespace sim
