#include "RequestKey.h"

#include <algorithm>

namespace sim {

u32 MailboxWord(const Mailbox& mailbox, std::size_t index)
{
    u32 value = 0;
    for (std::size_t i = 4; i > 0; --i)
        value = (value << 8) | mailbox[4 * index + i - 1];
    return value;
}

void PutMailboxWord(Mailbox& mailbox, std::size_t index, u32 value)
{
    for (std::size_t i = 0; i < 4; ++i, value >>= 8)
        mailbox[4 * index + i] = static_cast<u8>(value & 0xFF);
}

u16 MailboxU16(const Mailbox& mailbox, std::size_t offset)
{
    return static_cast<u16>(mailbox[offset] | (mailbox[offset + 1] << 8));
}

bool FunctionMatches(std::optional<RequestKind> function, RequestKind kind)
{
    if (function)
        return *function == kind;
    return kind == RequestKind::Dcmd || kind == RequestKind::DcmdPrivate || kind == RequestKind::DriverRequest;
}

bool PassThruMatches(const std::optional<u8>& target, const std::vector<u8>& cdb, const RequestKey& key)
{
    if (target && *target != key.target)
        return false;
    return cdb.size() <= key.cdb.size() && std::equal(cdb.begin(), cdb.end(), key.cdb.begin());
}

}  // namespace sim
