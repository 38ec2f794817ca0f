// DCMD, private DCMD and driver requests: fault injection, the route, the transfer check, the
// handler, patches, the reply cut to the caller's length, and the save of a changed state.
#include "Dcmd.h"
#include "FwStatus.h"
#include "Patches.h"
#include "Requests.h"
#include "Session.h"

namespace sim {
namespace {

using namespace libpacket;

bool DcmdTransferFits(const DcmdRoute& route, Packet& packet)
{
    const u8 direction = packet.Direction();
    switch (route.flow) {
    case DataFlow::FromController:
        return packet.DataLength() == 0 || direction == kDirFromController || direction == kDirBoth;
    case DataFlow::ToController:
        return (direction == kDirToController || direction == kDirBoth) && packet.DataLength() >= route.minWriteLength;
    case DataFlow::Both:
        return direction == kDirBoth && packet.DataLength() >= route.minWriteLength;
    case DataFlow::None:
        return true;
    }
    return false;
}

}  // namespace

Outcome RunFirmwareRequest(Packet& packet, RequestKind kind)
{
    Session& session = Session::Get();
    if (!session.IsOpen())
        return {kLibNotInitialised, 0, 0};
    Controller* controller = session.FindController(packet.ControllerId());
    if (controller == nullptr)
        return {kLibUnknownController, 0, 0};

    const RequestKey key{kind, packet.ControllerId(), packet.Opcode(), packet.GetMailbox(), 0, {}};
    if (const auto fault = session.CheckFault(key))
        return {fault->libError, fault->status, 0};
    const DcmdRoute* route = FindRoute(kind, packet.Opcode());
    if (route == nullptr)
        return {kLibOk, kFwInvalidOpcode, 0};
    if (!DcmdTransferFits(*route, packet))
        return {kLibOk, kFwInvalidParameter, 0};

    Mailbox mailbox = key.mailbox;
    const ByteSpan data = packet.Data();
    DcmdCall call(session.Model(), *controller, packet.Opcode(), mailbox, data);
    route->handler(call);
    packet.SetMailbox(mailbox);

    Outcome outcome{kLibOk, call.status, 0};
    if (call.status == kFwOk && route->flow == DataFlow::FromController) {
        ApplyPatches(session.Model().patches, key, call.reply);
        outcome.count = packet.PutData(call.reply);
    } else if (route->flow == DataFlow::Both && call.reply.Size() != 0) {
        if (call.status == kFwOk)
            ApplyPatches(session.Model().patches, key, call.reply);
        outcome.count = packet.PutData(call.reply);
    }
    if (call.changed && session.Save() != kLibOk) {
        // What the controller holds now is not on disk: stop rather than go on from it.
        session.Close();
        return {kLibStateError, 0, outcome.count};
    }
    return outcome;
}

}  // namespace sim
