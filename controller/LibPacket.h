// The request packet of the controller-access library, the one definition that the tool and
// the library share. Every field is fixed-width little-endian at the offset given here and is
// read and written explicitly, byte by byte; nothing is overlaid on the buffer.
//
//   extern "C" int ProcessLibCommand(void* packet);
//
// The library returns 0 when it processed the packet (the firmware's status is then in
// kFwStatus) or a non-zero library error, which it also stores in kLibStatus.
//
// Layout: a 64-byte header, then the payload: 16 CDB bytes, then dataLength data bytes, then
// senseLength sense bytes. kTotalLength is the header plus the payload.
#pragma once
#include <cstdint>

namespace libpacket {

constexpr std::uint32_t kSignature = 0x4B504B44;  // "DKPK"
constexpr std::uint16_t kVersion = 1;

// Header field offsets.
constexpr std::uint32_t kOffSignature = 0;     // u32
constexpr std::uint32_t kOffVersion = 4;       // u16
constexpr std::uint32_t kOffFunction = 6;      // u16, Function
constexpr std::uint32_t kOffControllerId = 8;  // u32, the library's controller id
constexpr std::uint32_t kOffTotalLength = 12;  // u32
constexpr std::uint32_t kOffLibStatus = 16;    // u32, out: LibError
constexpr std::uint32_t kOffFwStatus = 20;     // u32, out: firmware command status / SCSI status
constexpr std::uint32_t kOffOpcode = 24;       // u32, DCMD or driver opcode
constexpr std::uint32_t kOffMailbox = 28;      // kMailboxSize bytes, in and out
constexpr std::uint32_t kMailboxSize = 12;
constexpr std::uint32_t kOffDataLength = 40;   // u32
constexpr std::uint32_t kOffDirection = 44;    // u8, Direction
constexpr std::uint32_t kOffFrameCmd = 45;     // u8, pass-through frame: 3 logical drive, 4 physical device
constexpr std::uint32_t kOffTarget = 46;       // u8, pass-through target id
constexpr std::uint32_t kOffLun = 47;          // u8
constexpr std::uint32_t kOffCdbLength = 48;    // u8, at most 16
constexpr std::uint32_t kOffSenseLength = 49;  // u8
constexpr std::uint32_t kOffTimeout = 50;      // u16, seconds
constexpr std::uint32_t kOffDataCount = 52;    // u32, out: bytes the library placed in the data area
constexpr std::uint32_t kHeaderSize = 64;      // bytes 56-63 reserved, zero
constexpr std::uint32_t kCdbSize = 16;

constexpr std::uint32_t PayloadCdbOffset() { return kHeaderSize; }
constexpr std::uint32_t PayloadDataOffset() { return kHeaderSize + kCdbSize; }
constexpr std::uint32_t PayloadSenseOffset(std::uint32_t dataLength) { return kHeaderSize + kCdbSize + dataLength; }
constexpr std::uint32_t PacketSize(std::uint32_t dataLength, std::uint32_t senseLength)
{
    return kHeaderSize + kCdbSize + dataLength + senseLength;
}

enum Function : std::uint16_t {
    kFnInit = 1,             // load the controller state
    kFnListControllers = 2,  // data area: ControllerList below
    kFnDcmd = 3,             // opcode, mailbox, data
    kFnDcmdPrivate = 4,      // private opcodes
    kFnScsiPassThru = 5,     // frame command, target, LUN, CDB, data, sense
    kFnSataPassThru = 6,     // reserved
    kFnDriverRequest = 7,    // requests to the kernel driver (opcode 0xF0xxxxxx)
    kFnClose = 8,
};

enum Direction : std::uint8_t {
    kDirNone = 0,
    kDirToController = 1,
    kDirFromController = 2,
    kDirBoth = 3,
};

enum LibError : std::uint32_t {
    kLibOk = 0,
    kLibBadPacket = 1,          // signature, version, lengths
    kLibNotInitialised = 2,     // no INIT, or INIT failed
    kLibUnknownController = 3,
    kLibStateError = 4,         // the controller state cannot be read or saved
    kLibInjected = 5,           // a failure injected by a test
    kLibUnsupported = 6,        // function not supported
};

// kFnListControllers: the data area holds a u32 count followed by count entries.
constexpr std::uint32_t kListOffCount = 0;
constexpr std::uint32_t kListEntriesOffset = 4;
constexpr std::uint32_t kListEntrySize = 16;
constexpr std::uint32_t kListEntryOffControllerId = 0;  // u32
constexpr std::uint32_t kListEntryOffVendor = 4;        // u16 PCI vendor id
constexpr std::uint32_t kListEntryOffDevice = 6;        // u16 PCI device id
constexpr std::uint32_t kListEntryOffSubVendor = 8;     // u16
constexpr std::uint32_t kListEntryOffSubDevice = 10;    // u16
constexpr std::uint32_t kListEntryOffBus = 12;          // u8
constexpr std::uint32_t kListEntryOffDev = 13;          // u8
constexpr std::uint32_t kListEntryOffFn = 14;           // u8
constexpr std::uint32_t kMaxListedControllers = 64;

}  // namespace libpacket

extern "C" int ProcessLibCommand(void* packet);
