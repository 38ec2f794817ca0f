// The top of the state file: format, clock, controllers, faults and patches.
#include "StateFormat.h"

#include "Clock.h"
#include "FieldTable.h"
#include "Sizes.h"

namespace sim {
namespace {

PciIdentity ReadPci(ObjectReader& r)
{
    PciIdentity pci;
    pci.vendor = static_cast<u16>(r.Hex("vendor", 0xFFFF, pci.vendor));
    pci.device = static_cast<u16>(r.Hex("device", 0xFFFF, pci.device));
    pci.subVendor = static_cast<u16>(r.Hex("sub_vendor", 0xFFFF, pci.subVendor));
    pci.subDevice = static_cast<u16>(r.Hex("sub_device", 0xFFFF, pci.subDevice));
    pci.bus = static_cast<u8>(r.Unsigned("bus", 0xFF, 0));
    pci.dev = static_cast<u8>(r.Unsigned("dev", 0x1F, 0));
    pci.fn = static_cast<u8>(r.Unsigned("fn", 0x7, 0));
    return pci;
}

Json WritePci(const PciIdentity& pci)
{
    return Json{{"vendor", HexText(pci.vendor, 4)},       {"device", HexText(pci.device, 4)},
                {"sub_vendor", HexText(pci.subVendor, 4)}, {"sub_device", HexText(pci.subDevice, 4)},
                {"bus", pci.bus},                          {"dev", pci.dev},
                {"fn", pci.fn}};
}

Controller ReadController(const JsonValue& value, const std::string& path)
{
    Controller controller;
    ObjectReader r(value, path);
    ReadObject(r, "pci", [&](ObjectReader& pci) { controller.pci = ReadPci(pci); });
    ReadControllerSettings(r, controller);
    ReadTopology(r, controller);
    r.Finish();
    CheckTopology(controller, path);
    ResolveSizes(controller);
    ResolveForeignSizes(controller);
    return controller;
}

}  // namespace

SimModel ReadState(const JsonValue& root)
{
    SimModel model;
    ObjectReader r(root, "");
    const auto format = r.Take("format");
    if (!format)
        Fail("format", "missing (this file is not a simulated controller state)");
    if (AsUnsigned(*format, "format", ~u64{0}) != kStateFormat)
        Fail("format", "unsupported format " + std::to_string(AsUnsigned(*format, "format", ~u64{0})) +
                           " (this library reads format 1)");

    ReadObject(r, "clock", [&](ObjectReader& clock) {
        model.clock.now = clock.Unsigned("now", kClockMax, 0);
        model.clock.advancePerRun = clock.Unsigned("advance_per_run", kClockMax, 0);
    });
    ReadList(r, "controllers", kMaxControllers, [&](const JsonValue& item, const std::string& path) {
        model.controllers.push_back(ReadController(item, path));
    });
    if (const auto faults = r.Take("faults"))
        model.faults = ReadFaults(*faults, "faults");
    if (const auto patches = r.Take("patches"))
        model.patches = ReadPatches(*patches, "patches");
    r.Finish();
    return model;
}

Json WriteState(const SimModel& model)
{
    Json root = Json::object();
    root["format"] = kStateFormat;
    root["clock"] = Json{{"now", model.clock.now}, {"advance_per_run", model.clock.advancePerRun}};
    Json controllers = Json::array();
    for (const Controller& c : model.controllers) {
        Json out = Json::object();
        out["pci"] = WritePci(c.pci);
        WriteControllerSettings(c, out);
        WriteTopology(c, out);
        controllers.push_back(std::move(out));
    }
    root["controllers"] = std::move(controllers);
    root["faults"] = WriteFaults(model.faults);
    root["patches"] = WritePatches(model.patches);
    return root;
}

}  // namespace sim
