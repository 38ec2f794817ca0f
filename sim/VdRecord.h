// The virtual-drive record (256 bytes): the configuration image carries one per virtual drive
// and the virtual-drive information block begins with it. The property record (32 bytes, DCMD
// 0x03030000 read, 0x03040000 write) holds its changeable fields at the same offsets.
#pragma once
#include "EventArgs.h"
#include "Model.h"

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
