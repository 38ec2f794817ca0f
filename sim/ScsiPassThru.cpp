// SCSI pass-through to a device behind the controller. No device answers a CDB yet: every one
// ends in CHECK CONDITION with fixed-format sense data ILLEGAL REQUEST, INVALID COMMAND
// OPERATION CODE, and no data.
#include "FwStatus.h"
#include "Requests.h"
#include "Session.h"

namespace sim {

using namespace libpacket;

Outcome RunScsiPassThru(Packet& packet)
{
    Session& session = Session::Get();
    if (!session.IsOpen())
        return {kLibNotInitialised, 0, 0};
    if (session.FindController(packet.ControllerId()) == nullptr)
        return {kLibUnknownController, 0, 0};
    ByteSpan cdb = packet.Cdb();
    if (cdb.Size() == 0)
        return {kLibBadPacket, 0, 0};

    const RequestKey key{RequestKind::ScsiPassThru, packet.ControllerId(), cdb.U8(0), packet.GetMailbox()};
    if (const auto fault = session.CheckFault(key))
        return {fault->libError, fault->status, 0};

    constexpr u32 kResponseCode = 0;     // 0x70: current error, fixed format
    constexpr u32 kSenseKey = 2;         // 0x05: ILLEGAL REQUEST
    constexpr u32 kAdditionalLength = 7;
    constexpr u32 kAsc = 12;             // 0x20: INVALID COMMAND OPERATION CODE
    Block sense(18);
    sense.PutU8(kResponseCode, 0x70);
    sense.PutU8(kSenseKey, 0x05);
    sense.PutU8(kAdditionalLength, 10);
    sense.PutU8(kAsc, 0x20);
    ByteSpan area = packet.Sense();
    for (std::size_t i = 0; i < area.Size() && i < sense.Size(); ++i)
        area.PutU8(i, sense.U8(i));
    return {kLibOk, kScsiCheckCondition, 0};
}

}  // namespace sim
