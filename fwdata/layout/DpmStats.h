// A drive's performance statistics (kDcmdDpmGetStats; mailbox word 0 the drive reference, word 1
// the kind): the longest commands, the response-time histogram, and the running averages with
// the extended counters.
#pragma once
#include "ZepUtil/ByteView.h"

namespace dpmstats {
constexpr u32 kTypeLongest = 2;
constexpr u32 kTypeHistogram = 3;
constexpr u32 kTypeCounters = 4;

// The lengths the statistics are read with: the counter block, the data block (the longest
// commands for their kind, else a shorter block read for its status) and the histogram.
constexpr u32 kCountersSize = 56;
constexpr u32 kLongestSize = 400;
constexpr u32 kDataSize = 40;
constexpr u32 kHistogramSize = 152;

// Counter block (kTypeCounters).
constexpr Field<u32> kOffIops{0};
constexpr Field<u32> kOffTransferRate{4};    // KB/s
constexpr Field<u32> kOffResponseTicks{8};
constexpr Field<u32> kOffQueueDepth{12};
constexpr Field<u64> kOffSectorsRead{16};
constexpr Field<u64> kOffSectorsWritten{24};
constexpr Field<u64> kOffSectorsWrittenFua{32};
constexpr Field<u32> kOffReadCommands{40};   // kCountUnknown when not counted
constexpr Field<u32> kOffWriteCommands{44};
constexpr Field<u32> kOffWriteFuaCommands{48};
constexpr Field<u32> kOffFlushCommands{52};
constexpr u32 kCountUnknown = 0xFFFFFFFF;

// Longest commands (kTypeLongest): kLongestRecords records.
constexpr u32 kLongestRecords = 10;
constexpr u32 kRecordSize = 40;
constexpr Field<u32> kRecordOffStartTicks{12};
constexpr Field<u32> kRecordOffEndTicks{16};
constexpr Field<u32> kRecordOffTimeStamp{20};   // 0 for an empty record
constexpr Field<u8> kRecordOffCommand{24}; // kCommandSize bytes: CDB or ATA task file
constexpr u32 kCommandSize = 16;

// Histogram (kTypeHistogram): one u32 count per response-time bin.
constexpr u32 kHistogramBins = 38;

// Time stamps: a stamp whose top byte is kSinceStartMark counts seconds since the controller
// started in its low 24 bits; any other counts seconds since 2000-01-01 00:00:00.
constexpr u32 kSinceStartMark = 0xFF;
constexpr unsigned kMarkShift = 24;
constexpr u32 kSinceStartMask = 0x00FFFFFF;

// The control request (kDcmdDpmControl): mailbox word 0 the operation, word 1 for kControlClear
// the statistics to clear.
constexpr u32 kControlDisable = 0;
constexpr u32 kControlEnable = 1;
constexpr u32 kControlClear = 2;
constexpr u32 kClearLongest = 2;
constexpr u32 kClearHistogram = 4;
constexpr u32 kClearAverages = 8;
constexpr u32 kClearExtended = 16;
constexpr u32 kClearAll = kClearLongest | kClearHistogram | kClearAverages | kClearExtended;

// Every field lies within its block or entry.
static_assert(FitsIn(kCountersSize, kOffIops, kOffTransferRate, kOffResponseTicks, kOffQueueDepth, kOffSectorsRead,
                     kOffSectorsWritten, kOffSectorsWrittenFua, kOffReadCommands, kOffWriteCommands,
                     kOffWriteFuaCommands, kOffFlushCommands));
static_assert(FitsIn(kRecordSize, kRecordOffStartTicks, kRecordOffEndTicks, kRecordOffTimeStamp, kRecordOffCommand));
}  // namespace dpmstats
