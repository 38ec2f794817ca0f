// The library packet as the library sees it: the header checked once, then every field read and
// written through bounded little-endian access within the packet's total length.
#pragma once
#include "Bytes.h"
#include "RequestKey.h"
#include "controller/LibPacket.h"

namespace sim {

class Packet {
public:
    // Checks signature, version and lengths. On kLibOk `out` views the packet. A packet whose
    // header cannot be trusted (no signature, a total length below the header) is not written
    // at all; a bad version or bad lengths get the error in the header's library status.
    static u32 Open(void* raw, Packet& out);

    Packet() : bytes_(nullptr, 0) {}

    u16 Function() const { return bytes_.U16(libpacket::kOffFunction); }
    u32 ControllerId() const { return bytes_.U32(libpacket::kOffControllerId); }
    u32 Opcode() const { return bytes_.U32(libpacket::kOffOpcode); }
    u32 DataLength() const { return bytes_.U32(libpacket::kOffDataLength); }
    u8 Direction() const { return bytes_.U8(libpacket::kOffDirection); }
    u8 FrameCmd() const { return bytes_.U8(libpacket::kOffFrameCmd); }
    u8 Target() const { return bytes_.U8(libpacket::kOffTarget); }
    u8 Lun() const { return bytes_.U8(libpacket::kOffLun); }
    u8 CdbLength() const { return bytes_.U8(libpacket::kOffCdbLength); }
    u8 SenseLength() const { return bytes_.U8(libpacket::kOffSenseLength); }

    Mailbox GetMailbox() const;
    void SetMailbox(const Mailbox& mailbox);

    ByteSpan Cdb() { return Area(libpacket::PayloadCdbOffset(), CdbLength()); }
    ByteSpan Data() { return Area(libpacket::PayloadDataOffset(), DataLength()); }
    ByteSpan Sense() { return Area(libpacket::PayloadSenseOffset(DataLength()), SenseLength()); }

    // Copies as much of `reply` as the data area holds; the bytes placed.
    u32 PutData(const ByteSpan& reply);
    void SetResult(u32 libStatus, u32 fwStatus, u32 dataCount);

private:
    explicit Packet(u8* data, u32 totalLength) : bytes_(data, totalLength) {}
    ByteSpan Area(u32 offset, u32 length);

    ByteSpan bytes_;
};

}  // namespace sim
