// The error log of one PHY (0x07040000, data both ways): the caller sends a 59-byte request frame
// naming the PHY and gets the same frame back with the PHY's link error counters in its reply
// part. The frame, all other bytes zero:
//   0  u8   1: a PHY error log request
//   1  u8   1: the PHY number at 24 counts every PHY of the controller (only on a controller with
//           more than eight PHYs); 0: it counts within the group of eight named by byte 28
//   4  u16  28, the length of the reply part
//   6  u8   19
//   22 u8   1
//   23 u8   15
//   24 u32  the PHY number
//   28 u8   the group of eight PHYs (0: PHYs 0-7, 1: PHYs 8-15) when byte 1 is 0
//   31      the reply part, seven u32: words 0 and 1 zero, word 2 the PHY number, words 3-6 the
//           invalid dword, running disparity error, loss of dword synchronisation and PHY reset
//           problem counts
// A frame that is not such a request, or that names no PHY of the controller, answers 3.
#include "Dcmd.h"
#include "FwStatus.h"

namespace sim {
namespace {

constexpr std::size_t kFrameSize = 59;
constexpr u32 kKind = 0;
constexpr u32 kDirect = 1;
constexpr u32 kReplyLength = 4;  // u16
constexpr u32 kMarker6 = 6;
constexpr u32 kMarker22 = 22;
constexpr u32 kMarker23 = 23;
constexpr u32 kPhyNumber = 24;   // u32
constexpr u32 kGroup = 28;
constexpr u32 kReply = 31;       // seven u32 words
constexpr u32 kReplyPhy = kReply + 8;
constexpr u32 kReplyCounters = kReply + 12;
constexpr unsigned kGroupSize = 8;

bool IsErrorLogRequest(const ByteSpan& frame)
{
    return frame.Size() >= kFrameSize && frame.U8(kKind) == 1 && frame.U8(kDirect) <= 1 &&
           frame.U16(kReplyLength) == 28 && frame.U8(kMarker6) == 19 && frame.U8(kMarker22) == 1 &&
           frame.U8(kMarker23) == 15;
}

// The PHY the frame names, or -1.
long NamedPhy(const Controller& controller, const ByteSpan& frame)
{
    const u64 number = frame.U32(kPhyNumber);
    u64 phy = number;
    if (frame.U8(kDirect) == 1) {
        if (controller.info.capabilities.count("more_than_8_phys") == 0)
            return -1;
    } else {
        const u8 group = frame.U8(kGroup);
        if (number >= kGroupSize || group > 1)
            return -1;
        phy = group * kGroupSize + number;
    }
    return phy < controller.phys.size() ? static_cast<long>(phy) : -1;
}

}  // namespace

void ReadPhyErrorLog(DcmdCall& call)
{
    const long phy = IsErrorLogRequest(call.data) ? NamedPhy(call.controller, call.data) : -1;
    if (phy < 0) {
        call.status = kFwInvalidParameter;
        return;
    }
    const PhyErrorCounters& errors = call.controller.phys[static_cast<std::size_t>(phy)].errors;
    call.reply = Block(call.data.Size());
    for (std::size_t i = 0; i < call.data.Size(); ++i)
        call.reply.PutU8(i, call.data.U8(i));
    for (u32 offset = kReply; offset < kFrameSize; ++offset)
        call.reply.PutU8(offset, 0);
    call.reply.PutU32(kReplyPhy, static_cast<u32>(phy));
    call.reply.PutU32(kReplyCounters, errors.invalidDwords);
    call.reply.PutU32(kReplyCounters + 4, errors.disparityErrors);
    call.reply.PutU32(kReplyCounters + 8, errors.dwordSyncLosses);
    call.reply.PutU32(kReplyCounters + 12, errors.resetProblems);
}

}  // namespace sim
