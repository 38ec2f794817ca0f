// What a fault or a patch is matched against: the kind of request, its controller, its opcode
// (the CDB's operation code for a SCSI pass-through) and its mailbox.
#pragma once
#include <array>
#include <optional>

#include "Model.h"

namespace sim {

using Mailbox = std::array<u8, 12>;

struct RequestKey {
    RequestKind kind = RequestKind::Dcmd;
    std::optional<u32> controller;
    std::optional<u32> opcode;
    Mailbox mailbox{};
};

// A rule without a function names DCMD, private DCMD and driver requests by opcode.
bool FunctionMatches(std::optional<RequestKind> function, RequestKind kind);

}  // namespace sim
