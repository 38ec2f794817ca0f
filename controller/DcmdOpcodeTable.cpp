#include "controller/DcmdOpcodeTable.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

constexpr OpcodeRow Fixed(u32 opcode, u32 length, DpDirection direction) { return {opcode, length, false, direction}; }
constexpr OpcodeRow Callers(u32 opcode, u32 defaultLength, DpDirection direction)
{
    return {opcode, defaultLength, true, direction};
}
constexpr OpcodeRow NoData(u32 opcode) { return {opcode, 0, false, kDpNone}; }

constexpr DpDirection kIn = kDpFromController;
constexpr DpDirection kOut = kDpToController;
constexpr DpDirection kBoth = kDpBoth;

// Firmware commands (and the kernel driver's requests, which are framed the same way).
constexpr OpcodeRow kDcmdRows[] = {
    // Controller.
    Fixed(0x01010000, 2048, kIn),      // controller information
    Fixed(0x01020100, 64, kIn),        // controller properties
    Fixed(0x01020200, 64, kOut),
    Fixed(0x01030100, 4, kIn),         // alarm status
    NoData(0x01030200),                // alarm enable / disable / silence
    NoData(0x01030300),
    NoData(0x01030400),
    Fixed(0x01040100, 20, kIn),        // event log
    NoData(0x01040200),
    Callers(0x01040300, 0, kIn),
    Fixed(0x01040400, 4, kIn),
    NoData(0x01050000),                // shutdown
    Fixed(0x01070100, 16, kIn),        // patrol read status
    Fixed(0x01070200, 208, kIn),       // patrol read properties
    Fixed(0x01070300, 208, kOut),
    NoData(0x01070400),                // patrol read start / stop / suspend-resume
    NoData(0x01070500),
    NoData(0x01070600),
    Fixed(0x01080101, 8, kIn),         // controller time
    Fixed(0x01080102, 8, kOut),
    Fixed(0x01080201, 4, kIn),
    NoData(0x01090100),                // terminal log
    Callers(0x01090200, 1024, kIn),
    Fixed(0x010A0100, 1, kIn),
    NoData(0x010A0200),
    NoData(0x010A0300),
    NoData(0x010A0400),
    Callers(0x010B0100, 1024, kIn),
    Fixed(0x010C0100, 64, kIn),        // BIOS data
    Fixed(0x010C0200, 64, kOut),
    NoData(0x010D0000),                // factory defaults
    Fixed(0x010E0100, 8, kIn),         // manufacturing PCI data
    Fixed(0x010E0201, 72, kIn),
    Fixed(0x010E0202, 72, kOut),
    Fixed(0x010E0301, 32, kIn),
    Fixed(0x010E0302, 32, kIn),
    Fixed(0x010E8481, 24, kIn),        // OEM mode (also in the private table)
    NoData(0x010F0100),                // firmware flash: open (size in the mailbox)
    Callers(0x010F0200, 0, kOut),      // one chunk of the image
    NoData(0x010F0300),                // commit
    NoData(0x010F0400),                // abort
    NoData(0x01101000),                // flush cache
    Fixed(0x01120100, 204800, kIn),    // diagnostic
    Fixed(0x01130200, 40, kOut),       // drive firmware download prepare
    Fixed(0x01140100, 16, kIn),        // consistency-check status
    Fixed(0x01140200, 168, kIn),       // consistency-check schedule
    Fixed(0x01140300, 168, kOut),
    Fixed(0x01150100, 364, kOut),      // security key create / change
    Fixed(0x01150301, 256, kIn),       // key id
    Fixed(0x01150302, 256, kOut),
    Fixed(0x01150500, 104, kOut),      // verify / old / escrow key
    Fixed(0x01150700, 104, kOut),
    Fixed(0x01150800, 104, kOut),
    NoData(0x01150900),                // destroy key
    NoData(0x01170100),
    Callers(0x01170200, 0, kIn),
    NoData(0x01180100),                // event capture control
    Fixed(0x01180200, 32768, kIn),     // event capture segment
    Fixed(0x01180300, 40, kIn),        // event capture settings

    // Physical drives.
    Callers(0x02010000, 32, kIn),      // drive list
    Fixed(0x02020000, 512, kIn),       // drive information
    NoData(0x02030100),
    NoData(0x02040100),
    NoData(0x02040200),
    NoData(0x02050100),
    NoData(0x02050200),
    Fixed(0x02060000, 32, kIn),
    NoData(0x02070100),
    NoData(0x02070200),
    NoData(0x02080100),
    NoData(0x02080200),
    NoData(0x02090100),
    NoData(0x02090200),
    Fixed(0x020A0000, 4, kIn),         // allowed operations
    NoData(0x020B0100),
    NoData(0x020B0200),
    NoData(0x020C0100),                // instant secure erase / reprovision
    NoData(0x020C0300),
    Callers(0x020D0200, 0, kBoth),     // spin up drives
    NoData(0x020E0100),
    NoData(0x020E0200),
    NoData(0x020F0100),                // drive secure erase start / stop
    NoData(0x020F0200),

    // Virtual drives.
    Fixed(0x03010000, 1032, kIn),
    Fixed(0x03020000, 384, kIn),
    Fixed(0x03030000, 32, kIn),        // property read
    Callers(0x03040000, 0, kOut),      // property write
    NoData(0x03040010),                // remove blocked access
    NoData(0x03050100),                // consistency check, initialization
    NoData(0x03050200),
    NoData(0x0305E100),                // set consistent
    NoData(0x03060100),
    NoData(0x03060200),
    Fixed(0x03070100, 136, kOut),      // reconstruction / expansion
    Fixed(0x03080000, 36, kIn),        // progress
    NoData(0x03090000),                // delete
    Fixed(0x030B0000, 4, kIn),         // allowed operations
    NoData(0x030C0000),                // make secure
    Fixed(0x030D0000, 8, kIn),         // preserved-cache bitmap
    NoData(0x030D0100),
    NoData(0x030E0000),                // bad-block log
    Fixed(0x030E0100, 32, kIn),
    Fixed(0x030E0200, 2056, kIn),
    Callers(0x03100100, 0, kOut),      // SSD-cache association
    Callers(0x03100200, 0, kIn),
    Callers(0x03110200, 0, kIn),       // mirror information
    NoData(0x03110300),
    NoData(0x03120100),
    NoData(0x03120200),
    NoData(0x03130100),                // secure erase start / stop
    NoData(0x03130200),
    NoData(0x03140100),                // disable PI

    // Configuration.
    Callers(0x04010000, 616, kIn),     // configuration read
    Callers(0x04020000, 0, kOut),      // configuration add
    NoData(0x04030000),                // configuration clear
    Fixed(0x04040000, 40, kOut),
    NoData(0x04050000),
    Fixed(0x04060100, 196, kIn),       // foreign scan
    Callers(0x04060200, 0, kIn),       // foreign read / preview
    Callers(0x04060300, 0, kIn),
    NoData(0x04060400),                // foreign import / clear
    NoData(0x04060500),

    // Battery.
    Fixed(0x05010000, 64, kIn),
    Fixed(0x05020000, 48, kIn),
    Fixed(0x05030000, 64, kIn),
    NoData(0x05040000),
    Fixed(0x05050100, 32, kIn),
    Fixed(0x05050200, 32, kOut),
    NoData(0x05060100),
    NoData(0x05060200),
    Callers(0x05070100, 12, kIn),

    // PHYs and connectors.
    Fixed(0x07010000, 264, kIn),
    Fixed(0x07020100, 5, kIn),         // connector modes
    Fixed(0x07020200, 5, kOut),
    Fixed(0x07030000, 168, kIn),
    Callers(0x07040000, 32, kBoth),
    NoData(0x07050000),                // PHY link speed

    // Enclosures.
    Fixed(0x09010000, 4616, kIn),

    // Drive performance statistics.
    Fixed(0x0A010000, 16, kIn),
    Callers(0x0A020000, 96, kIn),
    NoData(0x0A030000),

    // Kernel driver: PCI information.
    Fixed(0xF0010200, 112, kIn),
    // Kernel driver: virtual drives added or going away (the "tell the OS" request).
    NoData(0xF0010300),
};

constexpr OpcodeRow kPrivateRows[] = {
    Fixed(0x010E8481, 24, kIn),
    Callers(0x010EE100, 0, kIn),       // the byte count travels in the mailbox
};

// A second row for one opcode would silently shadow the first.
template <std::size_t N>
constexpr bool HasDuplicates(const OpcodeRow (&rows)[N])
{
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = i + 1; j < N; ++j)
            if (rows[i].opcode == rows[j].opcode)
                return true;
    return false;
}
static_assert(!HasDuplicates(kDcmdRows), "an opcode has two rows in the DCMD table");
static_assert(!HasDuplicates(kPrivateRows), "an opcode has two rows in the private table");

}  // namespace

const OpcodeRow* FindOpcodeRow(u32 opcode, bool privateTable)
{
    const OpcodeRow* begin = privateTable ? std::begin(kPrivateRows) : std::begin(kDcmdRows);
    const OpcodeRow* end = privateTable ? std::end(kPrivateRows) : std::end(kDcmdRows);
    const OpcodeRow* row = std::find_if(begin, end, [opcode](const OpcodeRow& r) { return r.opcode == opcode; });
    return row == end ? nullptr : row;
}

void ResolveTransfer(u32 opcode, bool privateTable, u32 callerLength, u32* length, DpDirection* direction)
{
    u32 resolvedLength = 0;
    DpDirection resolvedDirection = kDpNone;
    if (const OpcodeRow* row = FindOpcodeRow(opcode, privateTable)) {
        resolvedDirection = row->direction;
        if (callerLength == 0)
            resolvedLength = row->length;
        else if (row->callersLength)
            resolvedLength = callerLength;
        else
            resolvedLength = std::min(callerLength, row->length);
        if (resolvedDirection == kDpNone)
            resolvedLength = 0;
    }
    if (length != nullptr)
        *length = resolvedLength;
    if (direction != nullptr)
        *direction = resolvedDirection;
}
