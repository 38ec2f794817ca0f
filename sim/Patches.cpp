#include "Patches.h"

#include <algorithm>

namespace sim {

void ApplyPatches(const std::vector<Patch>& patches, const RequestKey& key, Block& reply)
{
    const u16 deviceId = MailboxU16(key.mailbox, 0);
    for (const Patch& p : patches) {
        if (!FunctionMatches(p.function, key.kind) || (p.controller && p.controller != key.controller) ||
            p.opcode != key.opcode || (p.mailboxByte0 && *p.mailboxByte0 != key.mailbox[0]) ||
            (p.deviceId && *p.deviceId != deviceId) || !PassThruMatches(p.target, p.cdb, key))
            continue;
        if (!p.bytes.empty() && reply.Fits(p.offset, p.bytes.size()))
            std::copy(p.bytes.begin(), p.bytes.end(), reply.Data() + p.offset);
        if (p.cut && *p.cut < reply.Size())
            reply.Shrink(*p.cut);
    }
}

}  // namespace sim
