// The PHY error log frame (kDcmdPhyGetErrorCounters): 59 bytes sent naming one PHY and read back
// with its link error counters, seven u32 words from byte 31 (not aligned).
#pragma once
#include "ZepUtil/ByteView.h"

namespace phyerrlog {
constexpr u32 kSize = 59;
constexpr Field<u8> kOffRequest{0};     // kRequestErrorLog
constexpr u8 kRequestErrorLog = 1;
constexpr Field<u8> kOffDirect{1};      // 1: the PHY number counts every PHY of the controller
constexpr Field<u16> kOffReplyLength{4};     // kReplyLength
constexpr u16 kReplyLength = 28;
constexpr Field<u8> kOffFunction{6};    // kFunction
constexpr u8 kFunction = 19;
constexpr Field<u8> kOffFlags{22};      // kFlags
constexpr u8 kFlags = 1;
constexpr Field<u8> kOffAllocation{23}; // kAllocation
constexpr u8 kAllocation = 15;
constexpr Field<u32> kOffPhy{24};            // the PHY number (within its group of eight unless direct)
constexpr Field<u8> kOffGroup{28};      // 1 for PHYs 8-15 in the grouped form
constexpr u32 kPhysPerGroup = 8;
constexpr Field<u32> kOffCounters{31};  // kCounterWords u32 words
constexpr u32 kCounterWords = 7;
// The words the error counters report prints.
constexpr u32 kWordInvalidDwords = 3;
constexpr u32 kWordDisparityErrors = 4;
constexpr u32 kWordDwordSyncLosses = 5;
constexpr u32 kWordResetProblems = 6;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffRequest, kOffDirect, kOffReplyLength, kOffFunction, kOffFlags, kOffAllocation,
                     kOffPhy, kOffGroup, kOffCounters));
}  // namespace phyerrlog
