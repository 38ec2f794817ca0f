#include "controller/DcmdOpcodeTable.h"

#include <algorithm>

namespace {

// Constant-initialised, so a registration made while the run's objects are built finds them
// ready whatever the order.
constinit std::span<const OpcodeRow> gRegisteredDcmdRows{};
constinit std::span<const OpcodeRow> gRegisteredPrivateRows{};

}  // namespace

OpcodeTableRegistration::OpcodeTableRegistration(std::span<const OpcodeRow> dcmdRows,
                                                 std::span<const OpcodeRow> privateRows)
{
    gRegisteredDcmdRows = dcmdRows;
    gRegisteredPrivateRows = privateRows;
}

const OpcodeRow* FindOpcodeRow(u32 opcode, bool privateTable)
{
    const std::span<const OpcodeRow> rows = privateTable ? gRegisteredPrivateRows : gRegisteredDcmdRows;
    const auto row = std::find_if(rows.begin(), rows.end(), [opcode](const OpcodeRow& r) { return r.opcode == opcode; });
    return row == rows.end() ? nullptr : &*row;
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
