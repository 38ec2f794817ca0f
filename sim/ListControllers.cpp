// LIST_CONTROLLERS: a u32 count of the controllers, then one 16-byte entry per controller in
// state order (as many whole entries as the data area holds). The library's controller id of
// a controller is its index in the state's list.
#include "Requests.h"
#include "Session.h"

namespace sim {

using namespace libpacket;

Outcome RunListControllers(Packet& packet)
{
    Session& session = Session::Get();
    if (!session.IsOpen())
        return {kLibNotInitialised, 0, 0};
    RequestKey key;
    key.kind = RequestKind::ListControllers;
    if (const auto fault = session.CheckFault(key))
        return {fault->libError, 0, 0};

    const std::vector<Controller>& controllers = session.Model().controllers;
    const u32 room = packet.DataLength();
    if (room < kListEntriesOffset)
        return {kLibOk, 0, 0};
    const std::size_t fitting = std::min<std::size_t>(controllers.size(), (room - kListEntriesOffset) / kListEntrySize);

    Block list(kListEntriesOffset + fitting * kListEntrySize);
    list.PutU32(kListOffCount, controllers.size());
    for (std::size_t i = 0; i < fitting; ++i) {
        const PciIdentity& pci = controllers[i].pci;
        const std::size_t entry = kListEntriesOffset + i * kListEntrySize;
        list.PutU32(entry + kListEntryOffControllerId, i);
        list.PutU16(entry + kListEntryOffVendor, pci.vendor);
        list.PutU16(entry + kListEntryOffDevice, pci.device);
        list.PutU16(entry + kListEntryOffSubVendor, pci.subVendor);
        list.PutU16(entry + kListEntryOffSubDevice, pci.subDevice);
        list.PutU8(entry + kListEntryOffBus, pci.bus);
        list.PutU8(entry + kListEntryOffDev, pci.dev);
        list.PutU8(entry + kListEntryOffFn, pci.fn);
    }
    return {kLibOk, 0, packet.PutData(list)};
}

}  // namespace sim
