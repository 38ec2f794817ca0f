// One library packet (LibPacket.h): built from a request or for a bare library function, handed
// to the library, and read back. The packet's fields are written and read through the bounded
// byte reader; the reply is copied into the request without ever writing past what the
// request's transfer length allows.
#pragma once
#include <vector>

#include "ZepUtil/Types.h"
#include "controller/DpParams.h"

class FwiFrame {
public:
    // A zeroed packet for a library function with a data area of `dataLength` bytes and a sense
    // area of `senseLength` bytes. False when the packet's size does not fit its 32-bit length.
    bool Init(u16 function, u32 controllerId, u32 dataLength, DpDirection direction, u8 senseLength = 0);

    // Frames a request: its header fields, the CDB, and the data it sends to the controller.
    // False for a kind that has no frame or a request too large for one packet.
    bool Build(const DpParams& request);

    std::vector<u8>& Packet() { return packet_; }

    u32 LibStatus() const;
    u32 FwStatus() const;
    // Data bytes the library placed, bounded by the data area.
    u32 ReplyDataCount() const;
    // The data area (DataLength() bytes; null when there is none).
    const u8* Data() const;
    u32 DataLength() const { return dataLength_; }

    // Copies the reply into the request: the returned mailbox, the data the library placed (when
    // the request reads) and their count, the sense bytes and the SCSI status of a pass-through.
    void CopyReplyTo(DpParams& request) const;

private:
    std::vector<u8> packet_;
    u32 dataLength_ = 0;
    u8 senseLength_ = 0;
    DpDirection direction_ = kDpNone;
};
