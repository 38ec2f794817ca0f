#include "controller/FwiFrame.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "ZepUtil/ByteView.h"
#include "controller/LibPacket.h"

bool FwiFrame::Init(u16 function, u32 controllerId, u32 dataLength, DpDirection direction, u8 senseLength)
{
    using namespace libpacket;
    const u64 size = static_cast<u64>(kHeaderSize) + kCdbSize + dataLength + senseLength;
    if (size > std::numeric_limits<u32>::max())
        return false;
    packet_.assign(static_cast<std::size_t>(size), 0);
    dataLength_ = dataLength;
    senseLength_ = senseLength;
    direction_ = direction;

    ByteWriter p(packet_);
    p.PutU32(kOffSignature, kSignature);
    p.PutU16(kOffVersion, kVersion);
    p.PutU16(kOffFunction, function);
    p.PutU32(kOffControllerId, controllerId);
    p.PutU32(kOffTotalLength, static_cast<u32>(size));
    p.PutU32(kOffDataLength, dataLength);
    p.PutU8(kOffDirection, direction);
    p.PutU8(kOffSenseLength, senseLength);
    return true;
}

bool FwiFrame::Build(const DpParams& request)
{
    using namespace libpacket;
    u16 function = 0;
    switch (request.GetKind()) {
    case DpKind::Dcmd:
        function = kFnDcmd;
        break;
    case DpKind::DcmdPrivate:
        function = kFnDcmdPrivate;
        break;
    case DpKind::Driver:
        function = kFnDriverRequest;
        break;
    case DpKind::ScsiPassThru:
        function = kFnScsiPassThru;
        break;
    case DpKind::SataPassThru:
        return false;
    }

    const auto* dcmd = dynamic_cast<const DcmdFwiDpParams*>(&request);
    const auto* dcdb = dynamic_cast<const DcdbFwiDpParams*>(&request);
    if ((function == kFnScsiPassThru) ? dcdb == nullptr : dcmd == nullptr)
        return false;

    const u8 senseLength = dcdb != nullptr ? dcdb->GetSenseLength() : 0;
    if (!Init(function, request.GetControllerId(), request.GetTransferLength(), request.GetDirection(), senseLength))
        return false;

    ByteWriter p(packet_);
    if (dcmd != nullptr) {
        p.PutU32(kOffOpcode, dcmd->GetOpcode());
        p.PutBytes(kOffMailbox, dcmd->GetMailbox(), kMailboxSize);
    } else {
        p.PutU8(kOffFrameCmd, static_cast<u8>(dcdb->GetFrameCommand()));
        p.PutU8(kOffTarget, dcdb->GetTarget());
        p.PutU8(kOffLun, dcdb->GetLun());
        p.PutU8(kOffCdbLength, dcdb->GetCdbLength());
        p.PutU16(kOffTimeout, dcdb->GetTimeout());
        p.PutBytes(PayloadCdbOffset(), dcdb->GetCdb(), dcdb->GetCdbLength());
    }

    if ((direction_ & kDpToController) && request.GetBuffer() != nullptr && dataLength_ > 0)
        p.PutBytes(PayloadDataOffset(), static_cast<const u8*>(request.GetBuffer()), dataLength_);
    return p.Ok();
}

u32 FwiFrame::LibStatus() const
{
    return packet_.size() >= libpacket::kHeaderSize ? ByteView(packet_).U32(libpacket::kOffLibStatus) : 0;
}

u32 FwiFrame::FwStatus() const
{
    return packet_.size() >= libpacket::kHeaderSize ? ByteView(packet_).U32(libpacket::kOffFwStatus) : 0;
}

u32 FwiFrame::ReplyDataCount() const
{
    using namespace libpacket;
    if (packet_.size() < kHeaderSize)
        return 0;
    return std::min(ByteView(packet_).U32(kOffDataCount), dataLength_);
}

const u8* FwiFrame::Data() const
{
    using namespace libpacket;
    return dataLength_ > 0 ? packet_.data() + PayloadDataOffset() : nullptr;
}

void FwiFrame::CopyReplyTo(DpParams& request) const
{
    using namespace libpacket;
    if (packet_.size() < kHeaderSize)
        return;
    const u8* p = packet_.data();

    if (auto* dcmd = dynamic_cast<DcmdFwiDpParams*>(&request))
        std::memcpy(dcmd->MutableMailbox(), p + kOffMailbox, kMailboxSize);

    // The data area is the request's transfer length, which never exceeds the caller's buffer;
    // bytes the library did not place leave the caller's buffer as it was.
    if ((direction_ & kDpFromController) && request.GetBuffer() != nullptr) {
        const u32 count = ReplyDataCount();
        if (count > 0)
            std::memcpy(request.GetBuffer(), p + PayloadDataOffset(), count);
        request.SetReplyLength(count);
    } else {
        request.SetReplyLength(0);
    }

    if (auto* dcdb = dynamic_cast<DcdbFwiDpParams*>(&request)) {
        if (dcdb->GetSenseBuffer() != nullptr && senseLength_ > 0)
            std::memcpy(dcdb->GetSenseBuffer(), p + PayloadSenseOffset(dataLength_), senseLength_);
        dcdb->SetScsiStatus(static_cast<u8>(FwStatus()));
    }
}
