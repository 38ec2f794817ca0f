#include "Packet.h"

#include <algorithm>
#include <cstring>

namespace sim {

using namespace libpacket;

u32 Packet::Open(void* raw, Packet& out)
{
    if (raw == nullptr)
        return kLibBadPacket;
    u8* data = static_cast<u8*>(raw);
    // The signature and the total length come first; nothing else is read before they hold.
    const ByteSpan head(data, kOffTotalLength + 4);
    if (head.U32(kOffSignature) != kSignature)
        return kLibBadPacket;
    const u32 total = head.U32(kOffTotalLength);
    if (total < kHeaderSize)
        return kLibBadPacket;

    Packet packet(data, total);
    const u64 needed = u64{kHeaderSize} + kCdbSize + packet.DataLength() + packet.SenseLength();
    if (packet.bytes_.U16(kOffVersion) != kVersion || packet.CdbLength() > kCdbSize || needed > total) {
        packet.SetResult(kLibBadPacket, 0, 0);
        return kLibBadPacket;
    }
    out = packet;
    return kLibOk;
}

Mailbox Packet::GetMailbox() const
{
    Mailbox mailbox{};
    for (std::size_t i = 0; i < mailbox.size(); ++i)
        mailbox[i] = bytes_.U8(kOffMailbox + i);
    return mailbox;
}

void Packet::SetMailbox(const Mailbox& mailbox)
{
    for (std::size_t i = 0; i < mailbox.size(); ++i)
        bytes_.PutU8(kOffMailbox + i, mailbox[i]);
}

ByteSpan Packet::Area(u32 offset, u32 length)
{
    if (!bytes_.Fits(offset, length))
        return ByteSpan(nullptr, 0);
    return ByteSpan(bytes_.Data() + offset, length);
}

u32 Packet::PutData(const ByteSpan& reply)
{
    return static_cast<u32>(Data().PutBytes(0, reply));
}

void Packet::SetResult(u32 libStatus, u32 fwStatus, u32 dataCount)
{
    bytes_.PutU32(kOffLibStatus, libStatus);
    bytes_.PutU32(kOffFwStatus, fwStatus);
    bytes_.PutU32(kOffDataCount, dataCount);
}

}  // namespace sim
