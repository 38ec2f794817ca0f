// Summary: the System section (operating system, driver, tool), the controller with its health
// and the battery.
#include <cstdio>
#include <string>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/BatteryTypes.h"
#include "CpMgmt/CmdPro/ShowSumCp.h"
#include "CpMgmt/ReportStatus.h"
#include "help/VersionString.h"
#include "runtime/CtMessage.h"
#include "runtime/HostFiles.h"

namespace {

// The room of the operating-system and driver lines, and of the driver's version text.
constexpr std::size_t kOsLineSize = 200;
constexpr std::size_t kDriverLineSize = 100;
constexpr std::size_t kDriverVersionLength = 19;

// The battery types by their code; 0 is no battery.
constexpr const auto& kBatteryTypes = battery::kTypeNames;
constexpr u8 kNamedTypes = battery::kLastNamedType;

// The state of the battery: "Healthy" without a condition, else the first condition's text;
// conditions beyond the named ones have none (null).
const char* BatteryStateText(u32 state)
{
    static constexpr const char* kConditions[bbustatus::kNamedStateBits] = {
        "Pack Missing",       "Voltage Low",         "Temperature High",          "Charge Active",
        "Discharge Active",   "Learn Cycle Requested", "Learn Cycle Active",      "Learn Cycle Failed",
        "Learn Cycle Timeout", "i2c Errors Detected", "Replace Battery pack",     "Remaining Capacity is Low",
        "Periodic Learn Required",
    };
    if (state == 0)
        return "Healthy";
    for (unsigned bit = 0; bit < bbustatus::kNamedStateBits; ++bit) {
        if ((state >> bit) & 1u)
            return kConditions[bit];
    }
    return nullptr;
}

// The controller's product line without the bus and device that the driver did not tell, and
// the line that says so.
void PrintSummaryProductUnlocated(const SummaryOut& out, u8 adapter, const std::string& product)
{
    out.Line("                 ProductName       : ", product);
    PrintReadFailure(adapter, "the PCI location of the controller");
}

}  // namespace

void ShowSummaryCp::PrintSystem(const SummaryOut& out) const
{
    // The operating system's version up to its first parenthesis; the label padded to 20.
    char osLine[kOsLineSize] = {};
    std::string os;
    if (hostfiles::OsVersionText(os))
        std::snprintf(osLine, sizeof osLine, "%-20s%s\n", "\tOperating System:", os.c_str());
    out.Text("System\n");
    out.Text(osLine);

    // The driver's version, when its file is there.
    std::string driver;
    if (hostfiles::DriverVersionLine(driver, kDriverVersionLength)) {
        char driverLine[kDriverLineSize] = {};
        std::snprintf(driverLine, sizeof driverLine, "%s%s\n", "\tDriver Version: ", driver.c_str());
        out.Text(driverLine);
    }

    // The tool's version number: its version text up to the first blank.
    char version[30] = {};
    GetVersionString(version);
    std::string number = version;
    number = number.substr(0, number.find(' '));
    if (out.ToFile()) {
        out.Printf("\tCLI Version: %s\n\n", number.c_str());
    } else {
        out.Text("\tCLI Version: ");
        out.Text(number);
        out.LineEnd();
    }
}

bool ShowSummaryCp::BatteryTypeByDeviceName(u8 type, u8 qualifier, bool toFile)
{
    if (type < kNamedTypes || (type == kNamedTypes && qualifier == 0))
        return false;
    // The console leaves the value out for a type beyond the named ones without a variant.
    return !(type > kNamedTypes && qualifier == 0 && !toFile);
}

void ShowSummaryCp::PrintController(const SummaryOut& out, u8 adapter) const
{
    const ByteView info(info_);
    const ByteView pci(pciInfo_);
    const std::string product = info.Text(ctrlinfo::kProductName);
    const int bus = static_cast<int>(pci.U32(pciinfo::kOffBus));
    const int device = pci.U8(pciinfo::kOffDevice);
    const auto sasAddress = static_cast<unsigned long long>(ByteView(defaults_).U64(ctrldefaults::kOffSasAddress));
    const std::string package = info.Text(ctrlinfo::kPackageBuild);
    const bool optimal = info.U16(ctrlinfo::kOffMemUncorrectableErrors) == 0 &&
                         ByteView(batteryStatus_).U32(bbustatus::kOffState) == 0 && drivesHealthy_ &&
                         enclosuresHealthy_ && vdsOptimal_;
    const char* status = optimal ? "                 Status            : Optimal"
                                 : "                 Status            : Need Attention";
    if (out.ToFile()) {
        out.Text("Hardware\n");
        out.Text("        Controller\n");
        if (pciRead_)
            out.Printf("                 ProductName       : %s(Bus %d, Dev %d)\n", product.c_str(), bus, device);
        else
            PrintSummaryProductUnlocated(out, adapter, product);
        out.Printf("                 SAS Address       : %llx\n", sasAddress);
        out.Printf("                 FW Package Version: %.96s\n", package.c_str());
        out.Text(status);
        out.Text("\n");
        return;
    }
    // On the console the status line is left open: the next piece begins with its line end.
    out.Text("\n");
    out.Text("Hardware\n");
    out.Text("        Controller\n");
    if (pciRead_)
        PrintMessage(AdpMsg::kSummaryProduct, product.c_str(), bus, device);
    else
        PrintSummaryProductUnlocated(out, adapter, product);
    PrintMessage(AdpMsg::kSummarySasAddress, sasAddress);
    PrintMessage(AdpMsg::kSummaryPackage, package.c_str());
    out.Text(status);
}

void ShowSummaryCp::PrintBattery(const SummaryOut& out, u8 adapter) const
{
    const ByteView battery(batteryStatus_);
    const u8 type = battery.U8(bbustatus::kOffType);
    const u8 qualifier = battery.U8(bbustatus::kOffQualifier);
    // The named types; a variant of the last named type, or a type beyond them, by its device
    // name (which the console leaves out for such a type without a variant).
    const bool byDeviceName = BatteryTypeByDeviceName(type, qualifier, out.ToFile());
    std::string typeText;
    bool typeShown = true;
    if (byDeviceName)
        typeText = ByteView(batteryDesign_).Text(bbudesign::kDeviceName);
    else if (type <= kNamedTypes)
        typeText = kBatteryTypes[type];
    else
        typeShown = false;
    // A device name that could not be read leaves the type line out.
    const bool typeKnown = !byDeviceName || batteryDesignRead_;
    const char* state = BatteryStateText(battery.U32(bbustatus::kOffState));

    if (out.ToFile()) {
        out.Text("        BBU\n");
        if (typeKnown)
            out.Printf("                 BBU Type          : %s\n", typeText.c_str());
        else
            PrintReadFailure(adapter, "the battery design information");
        if (state != nullptr)
            out.Printf("                 Status            : %s\n", state);
        return;
    }
    out.Text("\n");
    out.Text("        BBU");
    out.Text("\n");
    if (typeKnown) {
        out.Text("                 BBU Type          : ");
        if (typeShown)
            out.Text(typeText);
        out.Text("\n");
    } else {
        PrintReadFailure(adapter, "the battery design information");
    }
    out.Text("                 Status            : ");
    if (state != nullptr)
        out.Text(state);
}
