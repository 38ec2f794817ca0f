// Transfer length and direction per opcode.
//
// Fixed rows: the transfer length is min(caller's length, the row's length), or the row's length
// when the caller gives 0. "Caller's" rows: the caller's length, or the row's default when the
// caller gives 0. An opcode without a row moves no data.
#pragma once
#include "ZepUtil/Types.h"
#include "controller/DpParams.h"

struct OpcodeRow {
    u32 opcode;
    u32 length;        // fixed length, or the default of a caller's row
    bool callersLength;
    DpDirection direction;
};

// The row of an opcode, or null. `privateTable` selects the private-opcode table.
const OpcodeRow* FindOpcodeRow(u32 opcode, bool privateTable);

// The transfer length and direction for a request with the caller's length.
void ResolveTransfer(u32 opcode, bool privateTable, u32 callerLength, u32* length, DpDirection* direction);
