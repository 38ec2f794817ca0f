// What a fault or a patch is matched against: the kind of request, its controller, its opcode
// (the CDB's operation code for a SCSI pass-through) and its mailbox; for a pass-through also
// its target and its CDB.
#pragma once
#include <array>
#include <optional>
#include <vector>

#include "Model.h"

namespace sim {

using Mailbox = std::array<u8, 12>;

// Little-endian fields of a mailbox: the u32 word `index` (0-2), the u16 at byte `offset`.
u32 MailboxWord(const Mailbox& mailbox, std::size_t index);
u16 MailboxU16(const Mailbox& mailbox, std::size_t offset);
// Sets the u32 word `index` (0-2) of a mailbox that goes back to the caller.
void PutMailboxWord(Mailbox& mailbox, std::size_t index, u32 value);

struct RequestKey {
    RequestKind kind = RequestKind::Dcmd;
    std::optional<u32> controller;
    std::optional<u32> opcode;
    Mailbox mailbox{};
    u8 target = 0;
    std::vector<u8> cdb;
};

// A rule without a function names DCMD, private DCMD and driver requests by opcode.
bool FunctionMatches(std::optional<RequestKind> function, RequestKind kind);
// A rule's pass-through conditions: the target when it names one, and a CDB that begins with the
// rule's bytes.
bool PassThruMatches(const std::optional<u8>& target, const std::vector<u8>& cdb, const RequestKey& key);

}  // namespace sim
