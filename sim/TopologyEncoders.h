// Encoders of the blocks that describe the controller's devices and ports, each written from
// its byte table: drive list, drive information record (drives and enclosures), drive progress
// and allowed operations, enclosure list, PHY list and connector list.
#pragma once
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

// Standard SCSI INQUIRY data (96 bytes) of a device: its peripheral device type, identification
// and serial number; `enclosureServices` marks a device with enclosure services (ENCSERV).
constexpr u32 kInquiryDataSize = 96;
constexpr u8 kTypeDisk = 0;
constexpr u8 kTypeEnclosure = 13;
Block EncodeInquiryData(u8 deviceType, const Inquiry& inquiry, const std::string& serial, bool enclosureServices);

}  // namespace sim
