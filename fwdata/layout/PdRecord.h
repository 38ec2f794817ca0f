// The drive information record (512 bytes, kDcmdPdGetInfo), with the drive's SCSI inquiry data
// inside it. The drive reference, by which most drive requests name the drive, is the u32 of
// the device id and the sequence number at kOffRef.
#pragma once
#include "ZepUtil/ByteView.h"
#include "fwdata/layout/ProgressField.h"

namespace pdrec {
constexpr u32 kSize = 512;
constexpr Field<u32> kOffRef{0};              // device id low, sequence number high
constexpr Field<u16> kOffDeviceId{0};
constexpr Field<u16> kOffSeqNum{2};
constexpr u32 kOffInquiry = 4;           // SCSI INQUIRY data
constexpr u32 kInquirySize = 96;
// Within the inquiry data.
constexpr TextField kInqVendor{8, 8};
constexpr TextField kInqProduct{16, 16};
constexpr TextField kInqRevision{32, 4};
constexpr TextField kInqSerial{36, 20};

constexpr Field<u8> kOffConnectedPorts{164}; // bit n: the device answers on port n
constexpr u32 kConnectedPortBits = 8;
constexpr Field<u8> kOffScsiType{165};
constexpr Field<u8> kOffDeviceSpeed{166}; // the speeds below
constexpr Field<u8> kOffLinkSpeed{167};
constexpr u8 kSpeed1_5G = 1;
constexpr u8 kSpeed3G = 2;
constexpr u8 kSpeed6G = 3;
constexpr u8 kSpeed12G = 4;
constexpr Field<u32> kOffMediaErrors{168};
constexpr Field<u32> kOffOtherErrors{172};
constexpr Field<u32> kOffPredFailures{176};
constexpr Field<u32> kOffLastPredFailSeq{180};
constexpr Field<u16> kOffFwState{184};        // the firmware states below
constexpr u16 kStateUnconfiguredGood = 0x00;
constexpr u16 kStateUnconfiguredBad = 0x01;
constexpr u16 kStateHotSpare = 0x02;
constexpr u16 kStateOffline = 0x10;
constexpr u16 kStateFailed = 0x11;
constexpr u16 kStateRebuild = 0x14;
constexpr u16 kStateOnline = 0x18;
constexpr u16 kStateCopyback = 0x20;
constexpr u16 kStateSystem = 0x40;       // a drive exposed to the host as it is (JBOD)
constexpr u16 kStateShielded = 0x80;
constexpr u16 kStateShieldedUnconfigured = 0x82;
constexpr u16 kStateShieldedHotSpare = 0x90;
constexpr Field<u8> kOffTemperature{187}; // degrees Celsius, 0 unknown
constexpr BitField kDedicatedSpare{188, 0};
constexpr BitField kGlobalSpare{188, 2};
constexpr BitField kForeign{188, 4};
constexpr BitField kSmartAlert{188, 5};
constexpr Field<u8> kOffInterface{189};  // bits 4-7: the interface types below
constexpr unsigned kInterfaceShift = 4;
constexpr u8 kInterfaceParallelScsi = 1;
constexpr u8 kInterfaceSas = 2;
constexpr u8 kInterfaceSata = 3;
constexpr u8 kInterfaceFc = 4;
constexpr BitField kPiEligible{190, 0};
constexpr BitField kPiFormatted{190, 1};
constexpr Field<u8> kOffPathCount{192};
constexpr u32 kMaxPaths = 4;
constexpr Field<u8> kOffConnector{194};  // 255 none
constexpr Field<u64> kOffSasAddresses{200}; // u64 per path
constexpr Field<u64> kOffRawBlocks{232};
constexpr Field<u64> kOffNonCoercedBlocks{240};
constexpr Field<u64> kOffCoercedBlocks{248};
constexpr Field<u16> kOffEnclDeviceId{256};
constexpr Field<u8> kOffEnclIndex{258};
constexpr Field<u8> kOffSlot{259};
constexpr Field<u8> kOffRunning{260};    // running operations, bits below
constexpr u8 kRunningRebuild = 0x01;
constexpr u8 kRunningPatrolRead = 0x02;
constexpr u8 kRunningClear = 0x04;
constexpr Field<u16> kOffRebuildProgress{264}; // u16 progress, then u16 elapsed seconds
constexpr Field<u16> kOffPatrolReadProgress{268};
constexpr Field<u16> kOffClearProgress{272};
constexpr Field<u16> kProgressOffSeconds = progressfield::kOffSeconds;
constexpr unsigned kProgressFull = progressfield::kFull;
constexpr Field<u8> kOffPowerState{358}; // 0 active
constexpr BitField kReprovisionAllowed{362, 1};
constexpr BitField kRbldSuspendAllowed{362, 4};
constexpr BitField kRbldResumeAllowed{362, 5};
constexpr BitField kCopyBackSuspendAllowed{362, 6};
constexpr BitField kCopyBackResumeAllowed{362, 7};
constexpr BitField kFdeCapable{368, 0};
constexpr BitField kFdeEnabled{368, 1};
constexpr BitField kSecured{368, 2};
constexpr BitField kLocked{368, 3};
constexpr BitField kForeignKey{368, 4};
constexpr Field<u8> kOffMediaType{370};  // 0 hard disk, 1 solid state
constexpr u8 kMediaSsd = 1;
constexpr Field<u16> kOffSectorSize{372};     // 0 means 512
constexpr Field<u8> kOffBridge{400};     // non-zero: behind a SAS-SATA bridge

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffRef, kOffDeviceId, kOffSeqNum, kOffConnectedPorts, kOffScsiType, kOffDeviceSpeed,
                     kOffLinkSpeed, kOffMediaErrors, kOffOtherErrors, kOffPredFailures, kOffLastPredFailSeq,
                     kOffFwState, kOffTemperature, kOffInterface, kOffPathCount, kOffConnector, kOffSasAddresses,
                     kOffRawBlocks, kOffNonCoercedBlocks, kOffCoercedBlocks, kOffEnclDeviceId, kOffEnclIndex,
                     kOffSlot, kOffRunning, kOffRebuildProgress, kOffPatrolReadProgress, kOffClearProgress,
                     kOffPowerState, kOffMediaType, kOffSectorSize,
                     kOffBridge));
}  // namespace pdrec
