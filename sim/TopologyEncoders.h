// Encoders of the blocks that describe the controller's devices and ports, each written from
// its byte table: drive list, drive information record (drives and enclosures), drive progress
// and allowed operations, enclosure list, PHY list, connector list and connector modes.
#pragma once
#include <vector>

#include "Model.h"

namespace sim {

Block EncodeDriveList(const Controller& controller);  // 0x02010000, 8 + 24 per device
Block EncodeDriveRecord(const Controller& controller, u64 now, const Drive& drive);  // 0x02020000, 512
Block EncodeEnclosureRecord(const Controller& controller, const Enclosure& enclosure);  // 0x02020000, 512
Block EncodeDriveProgress(const Controller& controller, u64 now, u16 deviceId);  // 0x02060000, 32
Block EncodeDriveAllowedOps(const Controller& controller, u64 now, u16 deviceId);  // 0x020A0000, 4
Block EncodeEnclosureList(const Controller& controller);  // 0x09010000, 4616
Block EncodePhyList(const Controller& controller);        // 0x07010000, 264
Block EncodeConnectorList(const Controller& controller);  // 0x07030000, 168
constexpr u32 kConnectorModesSize = 5;
constexpr u32 kMaxModeConnectors = 4;  // connectors whose mode the block holds
Block EncodeConnectorModes(const Controller& controller);  // 0x07020100, 5
// The modes of a written block (0x07020200), connector by connector; false when the count is
// not the controller's, a fixed connector is given a mode or another one none.
bool DecodeConnectorModes(const ByteSpan& block, const Controller& controller, std::vector<u8>& modes);

// Standard SCSI INQUIRY data (96 bytes) of a device: its peripheral device type, identification
// and serial number; `enclosureServices` marks a device with enclosure services (ENCSERV).
constexpr u32 kInquiryDataSize = 96;
constexpr u8 kTypeDisk = 0;
constexpr u8 kTypeEnclosure = 13;
Block EncodeInquiryData(u8 deviceType, const Inquiry& inquiry, const std::string& serial, bool enclosureServices);

}  // namespace sim
