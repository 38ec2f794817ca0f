// Offsets of the drive information record (512 bytes) and the drive progress block (32 bytes).
#pragma once
#include "ZepUtil/Types.h"

namespace pdrec {
constexpr u32 kSize = 512;
constexpr u32 kOffDeviceId = 0;          // u16
constexpr u32 kOffSeqNum = 2;            // u16
constexpr u32 kOffInquiry = 4;           // 96 bytes of SCSI INQUIRY data
constexpr u32 kInquirySize = 96;
constexpr u32 kInqOffVendor = 8;         // within the inquiry data
constexpr u32 kInqVendorWidth = 8;
constexpr u32 kInqOffProduct = 16;
constexpr u32 kInqProductWidth = 16;
constexpr u32 kInqOffRevision = 32;
constexpr u32 kInqRevisionWidth = 4;
constexpr u32 kInqOffSerial = 36;
constexpr u32 kInqSerialWidth = 20;
constexpr u32 kOffConnectedPorts = 164;  // bit n: the device answers on port n
constexpr u32 kOffScsiType = 165;
constexpr u32 kOffDeviceSpeed = 166;     // 1 1.5Gb/s, 2 3.0Gb/s, 3 6.0Gb/s, 4 12.0Gb/s
constexpr u32 kOffLinkSpeed = 167;
constexpr u32 kOffMediaErrors = 168;     // u32
constexpr u32 kOffOtherErrors = 172;     // u32
constexpr u32 kOffPredFailures = 176;    // u32
constexpr u32 kOffLastPredFailSeq = 180; // u32
constexpr u32 kOffFwState = 184;         // u16
constexpr u32 kOffTemperature = 187;     // degrees Celsius, 0 unknown
constexpr u32 kOffFlags = 188;           // bits below
constexpr unsigned kFlagDedicatedSpare = 0;
constexpr unsigned kFlagGlobalSpare = 2;
constexpr unsigned kFlagForeign = 4;
constexpr unsigned kFlagSmartAlert = 5;
constexpr u32 kOffInterface = 189;       // bits 4-7
constexpr u32 kOffPi = 190;              // bit 0 eligible, bit 1 formatted with PI
constexpr u32 kOffPathCount = 192;
constexpr u32 kMaxPaths = 4;
constexpr u32 kOffConnector = 194;       // 255 none
constexpr u32 kOffSasAddresses = 200;    // u64 per path
constexpr u32 kOffRawBlocks = 232;       // u64
constexpr u32 kOffNonCoercedBlocks = 240;
constexpr u32 kOffCoercedBlocks = 248;
constexpr u32 kOffEnclDeviceId = 256;    // u16
constexpr u32 kOffEnclIndex = 258;
constexpr u32 kOffSlot = 259;
constexpr u32 kOffPowerState = 358;      // 0 active
constexpr u32 kOffAllowed = 362;         // bit 1 reprovision, 4/5 rebuild suspend/resume, 6/7 copyback suspend/resume
constexpr u32 kOffSecurity = 368;        // bit 0 FDE capable, 1 encryption enabled, 2 secured, 3 locked, 4 foreign key
constexpr u32 kOffMediaType = 370;       // 0 hard disk, 1 solid state
constexpr u32 kOffSectorSize = 372;      // u16, 0 means 512
constexpr u32 kOffBridge = 400;          // non-zero: behind a SAS-SATA bridge
}  // namespace pdrec

namespace pdprogress {
constexpr u32 kSize = 32;
}  // namespace pdprogress

namespace pdallowed {
constexpr u32 kSize = 4;
}  // namespace pdallowed
