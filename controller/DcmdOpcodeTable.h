// Transfer length and direction per opcode.
//
// Fixed rows: the transfer length is min(caller's length, the row's length), or the row's length
// when the caller gives 0. "Caller's" rows: the caller's length, or the row's default when the
// caller gives 0. An opcode without a row moves no data.
//
// The rows are the data layer's: it knows the blocks and their sizes (fwdata/OpcodeTable.cpp),
// and hands them to the controller access with an OpcodeTableRegistration. Controller access
// knows no block of its own.
#pragma once
#include <cstddef>
#include <span>

#include "ZepUtil/Types.h"
#include "controller/DpParams.h"

struct OpcodeRow {
    u32 opcode;
    u32 length;        // fixed length, or the default of a caller's row
    bool callersLength;
    DpDirection direction;
};

// The forms of a row, for the table that registers them.
namespace opcoderow {
constexpr DpDirection kIn = kDpFromController;
constexpr DpDirection kOut = kDpToController;
constexpr DpDirection kBoth = kDpBoth;

constexpr OpcodeRow Fixed(u32 opcode, u32 length, DpDirection direction) { return {opcode, length, false, direction}; }
constexpr OpcodeRow Callers(u32 opcode, u32 defaultLength, DpDirection direction)
{
    return {opcode, defaultLength, true, direction};
}
// A caller's row without a default: nothing moves when the caller gives no length.
constexpr OpcodeRow Callers(u32 opcode, DpDirection direction) { return {opcode, 0, true, direction}; }
constexpr OpcodeRow NoData(u32 opcode) { return {opcode, 0, false, kDpNone}; }

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
}  // namespace opcoderow

// Hands the firmware commands' rows (the kernel driver's requests among them) and the private
// opcodes' rows to the controller access, for the whole run. One table registers.
class OpcodeTableRegistration {
public:
    OpcodeTableRegistration(std::span<const OpcodeRow> dcmdRows, std::span<const OpcodeRow> privateRows);
};

// The row of an opcode, or null. `privateTable` selects the private-opcode table.
const OpcodeRow* FindOpcodeRow(u32 opcode, bool privateTable);

// The transfer length and direction for a request with the caller's length.
void ResolveTransfer(u32 opcode, bool privateTable, u32 callerLength, u32* length, DpDirection* direction);
