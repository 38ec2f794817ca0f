// Offsets of the configuration image (header, array records, virtual-drive records, spare
// records), of the virtual-drive information block (the record followed by sizes and running
// operations), of the virtual-drive property record and of the virtual-drive list.
#pragma once
#include "ZepUtil/Types.h"

namespace cfgimg {
constexpr u32 kHeaderSize = 32;
constexpr u32 kOffFullSize = 0;          // u32
constexpr u32 kOffArrayCount = 4;        // u16
constexpr u32 kOffArraySize = 6;         // u16, 288
constexpr u32 kOffVdCount = 8;           // u16
constexpr u32 kOffVdSize = 10;           // u16, 256
constexpr u32 kOffSpareCount = 12;       // u16
constexpr u32 kOffSpareSize = 14;        // u16, 40
constexpr u32 kArrayRecordSize = 288;
constexpr u32 kVdRecordSize = 256;
constexpr u32 kSpareRecordSize = 40;
constexpr u32 kDefaultReadSize = 616;    // the first read: the header and room for small images
}  // namespace cfgimg

namespace arrayrec {
constexpr u32 kOffBlocks = 0;            // u64
constexpr u32 kOffRowCount = 8;          // u8
constexpr u32 kOffRef = 10;              // u16
constexpr u32 kOffRows = 32;
constexpr u32 kRowSize = 8;
constexpr u32 kRowOffDeviceId = 0;       // u16, 0xFFFF missing
constexpr u32 kRowOffSeqNum = 2;         // u16
constexpr u32 kRowOffFwState = 4;        // u8
constexpr u32 kMaxRows = 32;
}  // namespace arrayrec

namespace vdrec {
constexpr u32 kOffTargetId = 0;          // u8
constexpr u32 kOffSeqNum = 2;            // u16
constexpr u32 kOffName = 4;
constexpr u32 kNameWidth = 16;
constexpr u32 kOffDefaultCache = 20;     // bit 0 write back, bits 2-3 read ahead / adaptive, bit 4 write back with bad battery, bits 5-6 cached I/O
constexpr u32 kOffDefaultAccess = 21;    // 0 read/write, 2 read only, 3 blocked
constexpr u32 kOffDiskCache = 22;        // 0 unchanged, 1 enabled, 2 disabled
constexpr u32 kOffCurrentCache = 23;
constexpr u32 kOffBgiDisabled = 24;
constexpr u32 kOffDefaultPs = 25;        // 0 default, 1 automatic, 2 maximum, 6 maximum without caching, 0xFE none
constexpr u32 kOffCurrentPs = 26;
constexpr u32 kOffEncryption = 27;
constexpr u32 kOffPiType = 28;
constexpr u32 kOffCurrentAccess = 29;
constexpr u32 kOffAccessReason = 30;
constexpr u32 kOffPrimaryLevel = 32;
constexpr u32 kOffLevelQualifier = 33;
constexpr u32 kOffSecondaryLevel = 34;
constexpr u32 kOffStripExponent = 35;    // strip = 2^n blocks of 512 bytes
constexpr u32 kOffDrivesPerSpan = 36;
constexpr u32 kOffSpanDepth = 37;
constexpr u32 kOffState = 38;
constexpr u32 kOffInitState = 39;
constexpr u32 kOffConsistent = 40;
constexpr u32 kOffBadBlocks = 41;
constexpr u32 kOffPreservedCache = 43;
constexpr u32 kOffSnapshot = 45;
constexpr u32 kOffSscd = 47;
constexpr u32 kOffSizeBlocks = 48;       // u64
constexpr u32 kOffSpans = 64;
constexpr u32 kSpanSize = 24;
constexpr u32 kSpanOffStart = 0;         // u64
constexpr u32 kSpanOffBlocks = 8;        // u64
constexpr u32 kSpanOffArrayRef = 16;     // u16
constexpr u32 kMaxSpans = 8;
}  // namespace vdrec

namespace sparerec {
constexpr u32 kOffDeviceId = 0;          // u16
constexpr u32 kOffSeqNum = 2;            // u16
constexpr u32 kOffFlags = 4;             // bit 0 dedicated, bit 1 revertible, bit 2 enclosure affinity
constexpr u32 kOffArrayCount = 7;        // u8, at most 16
constexpr u32 kOffArrayRefs = 8;         // u16 each
constexpr u8 kFlagDedicated = 0x01;
constexpr u8 kFlagRevertible = 0x02;
constexpr u8 kFlagEnclAffinity = 0x04;
}  // namespace sparerec

namespace vdinfo {
constexpr u32 kSize = 384;
constexpr u32 kOffRunning = 264;         // u32: bit 0 CC, 1 BGI, 2 init, 3 reconstruction
constexpr u32 kOffCcProgress = 268;      // u16 progress (0-65535), u16 elapsed seconds after it
constexpr u32 kOffBgiProgress = 272;
constexpr u32 kOffInitProgress = 276;
constexpr u32 kOffReconProgress = 280;
}  // namespace vdinfo

namespace vdprops {
constexpr u32 kSize = 32;
}  // namespace vdprops

namespace vdprogress {
constexpr u32 kSize = 36;
}  // namespace vdprogress

namespace vdallowed {
constexpr u32 kSize = 4;
}  // namespace vdallowed

namespace vdlist {
constexpr u32 kSize = 1032;
constexpr u32 kOffCount = 0;             // u32
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 16;
constexpr u32 kEntryOffTargetId = 0;
constexpr u32 kEntryOffSeqNum = 2;
constexpr u32 kEntryOffState = 4;
constexpr u32 kEntryOffBlocks = 8;
constexpr u32 kMaxEntries = 64;
}  // namespace vdlist

namespace pdlist {
constexpr u32 kHeadSize = 32;
constexpr u32 kOffCount = 4;             // u32
constexpr u32 kOffEntries = 8;
constexpr u32 kEntrySize = 24;
constexpr u32 kEntryOffDeviceId = 0;
constexpr u32 kEntryOffEnclDeviceId = 2;
constexpr u32 kEntryOffSlot = 5;
constexpr u32 kEntryOffScsiType = 6;
// More devices than this is not a reply any controller gives.
constexpr u32 kMaxEntries = 1024;
}  // namespace pdlist
