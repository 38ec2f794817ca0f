// The PHY error log frame (kDcmdPhyGetErrorCounters): 59 bytes sent naming one PHY and read back
// with its link error counters, seven u32 words from byte 31 (not aligned).
#pragma once
#include "ZepUtil/ByteView.h"

namespace phyerrlog {
constexpr u32 kSize = 59;
constexpr u32 kOffRequest = 0;          // kRequestErrorLog
constexpr u8 kRequestErrorLog = 1;
constexpr u32 kOffDirect = 1;           // 1: the PHY number counts every PHY of the controller
constexpr u32 kOffReplyLength = 4;      // u16, kReplyLength
constexpr u16 kReplyLength = 28;
constexpr u32 kOffFunction = 6;         // kFunction
constexpr u8 kFunction = 19;
constexpr u32 kOffFlags = 22;           // kFlags
constexpr u8 kFlags = 1;
constexpr u32 kOffAllocation = 23;      // kAllocation
constexpr u8 kAllocation = 15;
constexpr u32 kOffPhy = 24;             // u32, the PHY number (within its group of eight unless direct)
constexpr u32 kOffGroup = 28;           // 1 for PHYs 8-15 in the grouped form
constexpr u32 kPhysPerGroup = 8;
constexpr u32 kOffCounters = 31;        // kCounterWords u32 words
constexpr u32 kCounterWords = 7;
// The words the error counters report prints.
constexpr u32 kWordInvalidDwords = 3;
constexpr u32 kWordDisparityErrors = 4;
constexpr u32 kWordDwordSyncLosses = 5;
constexpr u32 kWordResetProblems = 6;
}  // namespace phyerrlog
