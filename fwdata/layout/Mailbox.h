// The 12-byte mailbox of a firmware command, byte by byte (byte 0 is the low byte of word 0),
// for the requests that place fields in it rather than whole u32 words.
#pragma once
#include "ZepUtil/ByteView.h"
#include "controller/LibPacket.h"

namespace mailbox {
constexpr u32 kSize = libpacket::kMailboxSize;
// The mailbox as three u32 words, the form most requests fill.
constexpr u32 kOffWord0 = 0;             // u32
constexpr u32 kOffWord2 = 8;             // u32

// A drive named by its device id (drive information, progress, allowed operations, locate).
constexpr u32 kOffDeviceId = 0;          // u16
constexpr u32 kOffLocateValue = 2;       // u16, locate start
// A drive named by its reference: the u32 of device id and sequence number (remove hot spare).
constexpr u32 kOffPdRef = 0;
constexpr u32 kPdRefSize = 4;

// A virtual drive named by its target id (information, properties, progress, allowed operations).
constexpr u32 kOffTargetId = 0;          // u8
constexpr u32 kOffVdSeqNum = 2;          // u16, property read
// Virtual-drive delete: the u32 reference (target id, sequence number) and the option byte.
constexpr u32 kOffVdRef = 0;
constexpr u32 kOffDeleteOption = 4;      // u8
// Virtual-drive requests by reference: the option byte after it (initialization kind, suspend
// or resume, join direction); the consistency flag in word 1.
constexpr u32 kOffVdOption = 4;          // u8
constexpr u32 kOffWord1 = 4;             // u32
// Configuration clear: 1 with force.
constexpr u32 kOffClearForce = 0;        // u8
// SSD-cache association: the target id read, or kAllTargets for the write.
constexpr u32 kOffSscTarget = 0;         // u8
constexpr u8 kAllTargets = 0xFF;
// PHY link speed: the PHY and the speed code.
constexpr u32 kOffPhy = 0;               // u8
constexpr u32 kOffLinkSpeed = 1;         // u8
// Cache flush (word 0): bit 0 the controller's cache, bit 1 the drives' caches.
constexpr u32 kFlushAllCaches = 3;
// Shutdown: the kind of shutdown.
constexpr u32 kOffShutdownKind = 0;      // u8
// Foreign configurations: the index of the configuration (0xFF: all of them).
constexpr u32 kOffCfgIndex = 0;          // u8
// The configuration add returns the new virtual drive here.
constexpr u32 kOffNewTargetId = 0;       // u8
constexpr u32 kOffNewSeqNum = 2;         // u16
// Performance monitor start: the interval in minutes (all zero stops the monitor).
constexpr u32 kOffMonitorInterval = 0;   // u16
// Secure erase start, after the drive's or the virtual drive's reference: the erase type (0
// simple, 1 normal, 2 thorough), the two pattern bytes (a pattern not given is sent as the
// default), and for a virtual drive the delete option.
constexpr u32 kOffEraseType = 4;         // u8
constexpr u8 kEraseSimple = 0;
constexpr u8 kEraseNormal = 1;
constexpr u8 kEraseThorough = 2;
constexpr u32 kOffErasePatternA = 5;     // u8
constexpr u32 kOffErasePatternB = 6;     // u8
constexpr u32 kOffEraseDeleteVd = 7;     // u8
constexpr u8 kDefaultErasePatternA = 0xAA;
constexpr u8 kDefaultErasePatternB = 0x55;
}  // namespace mailbox
