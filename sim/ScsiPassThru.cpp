// SCSI pass-through to a device behind the controller: the device is found by the request's
// target (frame command 4, a physical device, whose device id is the target), the command by the
// CDB's operation code. A request to no device answers firmware status 12; a command the device
// does not answer, or a CDB it refuses, ends in CHECK CONDITION with fixed-format sense data and
// no data.
#include "FwStatus.h"
#include "Patches.h"
#include "Requests.h"
#include "Scsi.h"
#include "Session.h"
#include "Topology.h"

namespace sim {
namespace {

using namespace libpacket;

constexpr u8 kFramePhysicalDevice = 4;

// Fixed-format sense data.
namespace sense_data {

constexpr u32 kSize = 18;
constexpr u32 kResponseCode = 0;     // 0x70: current error, fixed format
constexpr u32 kSenseKey = 2;
constexpr u32 kAdditionalLength = 7;
constexpr u32 kAsc = 12;

}  // namespace sense_data

ScsiDevice FindDevice(const Controller& controller, u8 frame, u8 target)
{
    ScsiDevice device;
    if (frame != kFramePhysicalDevice)
        return device;
    device.drive = FindDrive(controller, target);
    if (device.drive == nullptr)
        device.enclosure = FindEnclosure(controller, target);
    return device;
}

const ScsiRoute* FindScsiRoute(u8 operationCode)
{
    for (const auto routes : {InquiryRoutes(), EnclosureServicesRoutes(), FirmwareDownloadRoutes(), DefectDataRoutes()}) {
        for (const ScsiRoute& route : routes) {
            if (route.operationCode == operationCode)
                return &route;
        }
    }
    return nullptr;
}

bool Answers(const ScsiRoute& route, const ScsiDevice& device)
{
    return (device.drive != nullptr && (route.devices & kScsiDrives) != 0) ||
           (device.enclosure != nullptr && (route.devices & kScsiEnclosures) != 0);
}

bool ScsiTransferFits(DataFlow flow, Packet& packet)
{
    const u8 direction = packet.Direction();
    switch (flow) {
    case DataFlow::FromController:
        return packet.DataLength() == 0 || direction == kDirFromController;
    case DataFlow::ToController:
        return packet.DataLength() == 0 || direction == kDirToController;
    default:
        return packet.DataLength() == 0;
    }
}

void PutSense(Packet& packet, u8 key, u8 asc)
{
    Block sense(sense_data::kSize);
    sense.PutU8(sense_data::kResponseCode, 0x70);
    sense.PutU8(sense_data::kSenseKey, key);
    sense.PutU8(sense_data::kAdditionalLength, sense_data::kSize - 8);
    sense.PutU8(sense_data::kAsc, asc);
    ByteSpan area = packet.Sense();
    for (std::size_t i = 0; i < area.Size() && i < sense.Size(); ++i)
        area.PutU8(i, sense.U8(i));
}

Outcome CheckCondition(Packet& packet, u8 key, u8 asc)
{
    PutSense(packet, key, asc);
    return {kLibOk, kScsiCheckCondition, 0};
}

}  // namespace

u32 AllocationLength(const ByteSpan& cdb, std::size_t offset)
{
    return static_cast<u32>(cdb.U8(offset) << 8 | cdb.U8(offset + 1));
}

Outcome RunScsiPassThru(Packet& packet)
{
    Session& session = Session::Get();
    if (!session.IsOpen())
        return {kLibNotInitialised, 0, 0};
    Controller* controller = session.FindController(packet.ControllerId());
    if (controller == nullptr)
        return {kLibUnknownController, 0, 0};
    const ByteSpan cdb = packet.Cdb();
    if (cdb.Size() == 0)
        return {kLibBadPacket, 0, 0};

    const RequestKey key{RequestKind::ScsiPassThru, packet.ControllerId(), cdb.U8(0), packet.GetMailbox(),
                         packet.Target(), std::vector<u8>(cdb.Data(), cdb.Data() + cdb.Size())};
    if (const auto fault = session.CheckFault(key))
        return {fault->libError, fault->status, 0};

    const ScsiDevice device = FindDevice(*controller, packet.FrameCmd(), packet.Target());
    if (device.drive == nullptr && device.enclosure == nullptr)
        return {kLibOk, kFwNotFound, 0};
    if (packet.Lun() != 0)
        return CheckCondition(packet, kSenseIllegalRequest, kAscLunNotSupported);
    const ScsiRoute* route = FindScsiRoute(cdb.U8(0));
    if (route == nullptr || !Answers(*route, device))
        return CheckCondition(packet, kSenseIllegalRequest, kAscInvalidOpcode);
    if (!ScsiTransferFits(route->flow, packet))
        return {kLibOk, kFwInvalidParameter, 0};
    if (cdb.Size() < route->minCdbLength)
        return CheckCondition(packet, kSenseIllegalRequest, kAscInvalidFieldInCdb);

    const ByteSpan data = packet.Data();
    ScsiCall call(session.Model(), *controller, device, cdb, data);
    route->handler(call);
    if (call.status == kScsiCheckCondition)
        return CheckCondition(packet, call.senseKey, call.senseCode);

    Outcome outcome{kLibOk, call.status, 0};
    if (call.status == kScsiGood && route->flow == DataFlow::FromController) {
        ApplyPatches(session.Model().patches, key, call.reply);
        const std::size_t size = std::min<std::size_t>(call.reply.Size(), call.allocationLength);
        outcome.count = packet.PutData(ByteSpan(call.reply.Data(), size));
    }
    if (call.changed && session.Save() != kLibOk) {
        session.Close();
        return {kLibStateError, 0, outcome.count};
    }
    return outcome;
}

}  // namespace sim
