#include "controller/FwiFrame.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "controller/LibPacket.h"

using namespace libpacket;

bool FwiFrame::Init(u16 function, u32 controllerId, u32 dataLength, DpDirection direction, u8 senseLength)
{
    const u64 size = static_cast<u64>(kHeaderSize) + kCdbSize + dataLength + senseLength;
    if (size > std::numeric_limits<u32>::max())
        return false;
    packet_.assign(static_cast<std::size_t>(size), 0);
    dataLength_ = dataLength;
    senseLength_ = senseLength;
    direction_ = direction;

    u8* p = packet_.data();
    packet_le::Put32(p + kOffSignature, kSignature);
    packet_le::Put16(p + kOffVersion, kVersion);
    packet_le::Put16(p + kOffFunction, function);
    packet_le::Put32(p + kOffControllerId, controllerId);
    packet_le::Put32(p + kOffTotalLength, static_cast<u32>(size));
    packet_le::Put32(p + kOffDataLength, dataLength);
    p[kOffDirection] = direction;
    p[kOffSenseLength] = senseLength;
    return true;
}

bool FwiFrame::Build(const DpParams& request)
{
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

    u8* p = packet_.data();
    if (dcmd != nullptr) {
        packet_le::Put32(p + kOffOpcode, dcmd->GetOpcode());
        std::memcpy(p + kOffMailbox, dcmd->GetMailbox(), 12);
    } else {
        p[kOffFrameCmd] = static_cast<u8>(dcdb->GetFrameCommand());
        p[kOffTarget] = dcdb->GetTarget();
        p[kOffLun] = dcdb->GetLun();
        p[kOffCdbLength] = dcdb->GetCdbLength();
        packet_le::Put16(p + kOffTimeout, dcdb->GetTimeout());
        std::memcpy(p + PayloadCdbOffset(), dcdb->GetCdb(), dcdb->GetCdbLength());
    }

    if ((direction_ & kDpToController) && request.GetBuffer() != nullptr && dataLength_ > 0)
        std::memcpy(p + PayloadDataOffset(), request.GetBuffer(), dataLength_);
    return true;
}

u32 FwiFrame::LibStatus() const { return packet_.size() >= kHeaderSize ? packet_le::Get32(packet_.data() + kOffLibStatus) : 0; }

u32 FwiFrame::FwStatus() const { return packet_.size() >= kHeaderSize ? packet_le::Get32(packet_.data() + kOffFwStatus) : 0; }

u32 FwiFrame::ReplyDataCount() const
{
    if (packet_.size() < kHeaderSize)
        return 0;
    return std::min(packet_le::Get32(packet_.data() + kOffDataCount), dataLength_);
}

const u8* FwiFrame::Data() const
{
    return dataLength_ > 0 ? packet_.data() + PayloadDataOffset() : nullptr;
}

void FwiFrame::CopyReplyTo(DpParams& request) const
{
    if (packet_.size() < kHeaderSize)
        return;
    const u8* p = packet_.data();

    if (auto* dcmd = dynamic_cast<DcmdFwiDpParams*>(&request))
        std::memcpy(dcmd->MutableMailbox(), p + kOffMailbox, 12);

    // The data area is the request's transfer length, which never exceeds the caller's buffer;
    // bytes the library did not place leave the caller's buffer as it was.
    if ((direction_ & kDpFromController) && request.GetBuffer() != nullptr) {
        const u32 count = ReplyDataCount();
        if (count > 0)
            std::memcpy(request.GetBuffer(), p + PayloadDataOffset(), count);
    }

    if (auto* dcdb = dynamic_cast<DcdbFwiDpParams*>(&request)) {
        if (dcdb->GetSenseBuffer() != nullptr && senseLength_ > 0)
            std::memcpy(dcdb->GetSenseBuffer(), p + PayloadSenseOffset(dataLength_), senseLength_);
        dcdb->SetScsiStatus(static_cast<u8>(FwStatus()));
    }
}
