// The 12-byte mailbox of a firmware command, byte by byte (byte 0 is the low byte of word 0),
// for the requests that place fields in it rather than whole u32 words.
#pragma once
#include "ZepUtil/ByteView.h"
#include "controller/LibPacket.h"

namespace mailbox {
constexpr u32 kSize = libpacket::kMailboxSize;
// The mailbox as three u32 words, the form most requests fill.
constexpr Field<u32> kOffWord0{0};
constexpr Field<u32> kOffWord2{8};

// A drive named by its device id (drive information, progress, allowed operations, locate).
constexpr Field<u16> kOffDeviceId{0};
constexpr Field<u16> kOffLocateValue{2};      // locate start
// A drive named by its reference: the u32 of device id and sequence number (remove hot spare).
constexpr Field<u32> kOffPdRef{0};
constexpr u32 kPdRefSize = 4;

// A virtual drive named by its target id (information, properties, progress, allowed operations).
constexpr Field<u8> kOffTargetId{0};
constexpr Field<u16> kOffVdSeqNum{2};         // property read
// Virtual-drive delete: the u32 reference (target id, sequence number) and the option byte.
constexpr Field<u32> kOffVdRef{0};
constexpr Field<u8> kOffDeleteOption{4};
// Virtual-drive requests by reference: the option byte after it (initialization kind, suspend
// or resume, join direction); the consistency flag in word 1.
constexpr Field<u8> kOffVdOption{4};
constexpr Field<u32> kOffWord1{4};
// Configuration clear: 1 with force.
constexpr Field<u8> kOffClearForce{0};
// SSD-cache association: the target id read, or kAllTargets for the write.
constexpr Field<u8> kOffSscTarget{0};
constexpr u8 kAllTargets = 0xFF;
// PHY link speed: the PHY and the speed code.
constexpr Field<u8> kOffPhy{0};
constexpr Field<u8> kOffLinkSpeed{1};
// Cache flush (word 0): bit 0 the controller's cache, bit 1 the drives' caches.
constexpr u32 kFlushAllCaches = 3;
// Shutdown: the kind of shutdown.
constexpr Field<u8> kOffShutdownKind{0};
// Foreign configurations: the index of the configuration (0xFF: all of them).
constexpr Field<u8> kOffCfgIndex{0};
// The configuration add returns the new virtual drive here.
constexpr Field<u8> kOffNewTargetId{0};
constexpr Field<u16> kOffNewSeqNum{2};
// Performance monitor start: the interval in minutes (all zero stops the monitor).
constexpr Field<u16> kOffMonitorInterval{0};
// Secure erase start, after the drive's or the virtual drive's reference: the erase type (0
// simple, 1 normal, 2 thorough), the two pattern bytes (a pattern not given is sent as the
// default), and for a virtual drive the delete option.
constexpr Field<u8> kOffEraseType{4};
constexpr u8 kEraseSimple = 0;
constexpr u8 kEraseNormal = 1;
constexpr u8 kEraseThorough = 2;
constexpr Field<u8> kOffErasePatternA{5};
constexpr Field<u8> kOffErasePatternB{6};
constexpr Field<u8> kOffEraseDeleteVd{7};
constexpr u8 kDefaultErasePatternA = 0xAA;
constexpr u8 kDefaultErasePatternB = 0x55;

// Every field lies within its block.
static_assert(FitsIn(kSize, kOffWord0, kOffWord2, kOffDeviceId, kOffLocateValue, kOffPdRef, kOffTargetId,
                     kOffVdSeqNum, kOffVdRef, kOffDeleteOption, kOffVdOption, kOffWord1, kOffClearForce,
                     kOffSscTarget, kOffPhy, kOffLinkSpeed, kOffShutdownKind, kOffCfgIndex, kOffNewTargetId,
                     kOffNewSeqNum, kOffMonitorInterval, kOffEraseType, kOffErasePatternA, kOffErasePatternB,
                     kOffEraseDeleteVd));
}  // namespace mailbox
