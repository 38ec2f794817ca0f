// Summary: the enclosures and the drives of the Hardware section.
#include <memory>
#include <string>

#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/PdListImage.h"
#include "CpMgmt/CmdPro/ShowSumCp.h"
#include "ZepUtil/TextHelpers.h"
#include "fwdata/PdValueText.h"
#include "fwdata/layout/ConnectorList.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdProgress.h"
#include "fwdata/layout/PdRecord.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const char* EnclosureTypeName(u8 type)
{
    static constexpr const char* kNames[] = {"Unknown", "SAFTE", "SES", "SGPIO"};
    return type < std::size(kNames) ? kNames[type] : "Unknown";
}

const char* LocationName(u8 location)
{
    static constexpr const char* kNames[] = {"Unknown", "", "Internal", "External"};
    return location < std::size(kNames) ? kNames[location] : "Unknown";
}

// The drive's state as the summary names it; a foreign drive is "Foreign" whatever its state.
const char* SummaryDriveStateText(const ByteView& record)
{
    if (record.Bit(pdrec::kForeign))
        return "Foreign";
    switch (record.U16(pdrec::kOffFwState)) {
    case pdrec::kStateUnconfiguredGood:
        return "Unconfigured Good";
    case pdrec::kStateUnconfiguredBad:
        return "Unconfigured Bad";
    case pdrec::kStateHotSpare:
        return record.Bit(pdrec::kGlobalSpare) ? "Global HotSpare" : "Dedicated HotSpare";
    case pdrec::kStateOffline:
        return "Offline";
    case pdrec::kStateFailed:
        return "Failed";
    case pdrec::kStateRebuild:
        return "Rebuild";
    case pdrec::kStateOnline:
        return "Online";
    case pdrec::kStateCopyback:
        return "Copyback";
    case pdrec::kStateSystem:
        return "System";
    default:
        return "Unknown";
    }
}

// The first running operation, in the order rebuild, clear, copyback, patrol read; null for none.
const char* OperationText(const ByteView& progress)
{
    if (progress.Bit(pdprogress::kOffRunning, pdprogress::kOpRebuild))
        return "Rebuild";
    if (progress.Bit(pdprogress::kOffRunning, pdprogress::kOpClear))
        return "Clear";
    if (progress.Bit(pdprogress::kOffRunning, pdprogress::kOpCopyBack))
        return "Copyback";
    if (progress.Bit(pdprogress::kOffRunning, pdprogress::kOpPatrolRead))
        return "Patrol Read";
    return nullptr;
}

// The connector the model names for the drive: what cannot be told shows as an empty name, an
// unknown location and position 0.
void PrintSummaryModelConnector(const SummaryOut& out, PhysicalDevice* drive)
{
    string* name = nullptr;
    u8 location = 0;
    u8 position = 0;
    drive->GetConnectorName(&name);
    const std::unique_ptr<string> ownedName(name);
    drive->GetConnectorType(&location);
    drive->GetEnclPosition(&position);
    out.Text(ownedName != nullptr ? std::string(ownedName->GetCStr()) : std::string());
    if (out.ToFile()) {
        out.Printf("<%s>", LocationName(location));
        out.Printf("<Encl Pos %d>", position);
    } else {
        out.Text("<");
        out.Text(LocationName(location));
        out.Text(">");
        out.Text("<");
        out.Text("Encl Pos ");
        out.Number(position);
        out.Text(">");
    }
}

// The connector of the controller's connector list that the record names: 0, or the status of
// the list's request.
int PrintSummaryListedConnector(const SummaryOut& out, CpController* cpController, const ByteView& record)
{
    u8 connectors[connlist::kSize] = {};
    const int status = SendDcmd(cpController, kDcmdConnectorGetList, connectors, sizeof connectors);
    if (status != 0)
        return status;
    // A connector index beyond the list's entries names none.
    const u8 index = record.U8(pdrec::kOffConnector);
    std::string name;
    u8 location = 0;
    if (index < connlist::kMaxEntries) {
        const ByteView entry =
            ByteView(connectors).Sub(connlist::kOffEntries + index * connlist::kEntrySize, connlist::kEntrySize);
        name = entry.Text(connlist::kEntryName);
        location = entry.U8(connlist::kEntryOffLocation);
    }
    out.Text(name);
    if (out.ToFile()) {
        out.Printf("<%s> ", LocationName(location));
    } else {
        out.Text("<");
        out.Text(LocationName(location));
        out.Text(">");
    }
    return 0;
}

void PrintSummaryDriveSlot(const SummaryOut& out, const ByteView& record)
{
    const int slot = record.U8(pdrec::kOffSlot);
    if (out.ToFile()) {
        out.Printf(": Slot %d\n", slot);
    } else {
        out.Text(":");
        out.Text(" Slot ");
        out.Number(slot);
        out.Text("\n");
    }
}

// Vendor, product and state.
void PrintSummaryDriveIdentity(const SummaryOut& out, const ByteView& record)
{
    const ByteView inquiry = record.Sub(pdrec::kOffInquiry, pdrec::kInquirySize);
    out.Line("                Vendor Id          : ", AdpPrint::PrintableText(inquiry, pdrec::kInqVendor));
    out.Text("                Product Id         : " + AdpPrint::PrintableText(inquiry, pdrec::kInqProduct));
    if (out.ToFile()) {
        out.Text("\n                State              : ");
    } else {
        out.Text("\n");
        out.Text("                State              : ");
    }
    out.Line("", SummaryDriveStateText(record));
}

// Disk type, capacity and power state.
void PrintSummaryDriveMedia(const SummaryOut& out, const ByteView& record)
{
    out.Text("                Disk Type          : ");
    out.Text(std::string(PdInterfaceText(record.U8(pdrec::kOffInterface) >> pdrec::kInterfaceShift)) + ",");
    if (record.Bit(pdrec::kFdeCapable))
        out.Text("FDE,");
    out.Text(record.U8(pdrec::kOffMediaType) != 0 ? "Solid State Device" : "Hard Disk Device");
    out.Text("\n");

    char size[32] = {};
    KBToSizeText(record.U64(pdrec::kOffCoercedBlocks) / 2, size);
    out.Line("                Capacity           : ", size);
    out.Line("                Power State        : ", record.U8(pdrec::kOffPowerState) != 0 ? "Spun down" : "Active");
}

// The running operation; a progress block that cannot be read shows none.
void PrintSummaryDriveOperation(const SummaryOut& out, PhysicalDevice* drive)
{
    u8 progress[pdprogress::kSize] = {};
    if (drive->GetProgress(progress) == 0) {
        if (const char* operation = OperationText(ByteView(progress)))
            out.Line("                Operation In Progress : ", operation);
    }
}

}  // namespace

int ShowSummaryCp::PrintEnclosures(const SummaryOut& out, CpController* cpController, u8 adapter,
                                   RaidManager* manager) const
{
    const ByteView list(enclosures_);
    if (list.U32(encllist::kOffCount) == 0)
        return 0;
    out.Text("\n        Enclosure\n");
    for (u32 i = 0; i < encllist::EntryCount(list); ++i) {
        const ByteView entry = encllist::Entry(list, i);
        const u16 deviceId = entry.U16(encllist::kEntryOffDeviceId);
        if (manager->GetPdByDeviceId(deviceId) == nullptr)
            continue;
        u8 record[pdrec::kSize] = {};
        const int status = ReadPdInfoRecord(cpController, deviceId, record);
        if (status != 0) {
            PrintMessage(CommonMsg::kAdapterText, adapter, "Failed to get Inquiry data of the Enclosure\n");
            return status;
        }
        const ByteView inquiry = ByteView(record).Sub(pdrec::kOffInquiry, pdrec::kInquirySize);
        out.Line("                 Product Id        : ", AdpPrint::PrintableText(inquiry, pdrec::kInqProduct));
        out.Line("                 Type              : ", EnclosureTypeName(entry.U8(encllist::kEntryOffType)));
        out.Line("                 Status            : ",
                 entry.U8(encllist::kEntryOffStatus) != 0 ? "Faulty" : "OK");
        out.Text("\n");
    }
    return 0;
}

int ShowSummaryCp::PrintDrives(const SummaryOut& out, CpController* cpController, RaidManager* manager,
                               bool enclosureHeading) const
{
    // Only the entries that the list read holds.
    const u32 count = driveList_.GetCount();
    if (out.ToFile()) {
        if (count != 0)
            out.Text("        PD \n");
    } else if (count != 0) {
        // The drive heading ends the controller's (or battery's) open status line.
        if (!enclosureHeading)
            out.LineEnd();
        out.Text("        PD ");
        out.Text("\n");
    } else {
        out.Text("\n");
    }
    for (u32 i = 0; i < count; ++i) {
        const int status = PrintDrive(out, cpController, manager, driveList_.GetDeviceId(i));
        if (status != 0)
            return status;
    }
    return 0;
}

int ShowSummaryCp::PrintDrive(const SummaryOut& out, CpController* cpController, RaidManager* manager,
                              u16 deviceId) const
{
    u8 buffer[pdrec::kSize] = {};
    int status = ReadPdInfoRecord(cpController, deviceId, buffer);
    if (status != 0)
        return status;
    PhysicalDevice* drive = manager->GetPdByDeviceId(deviceId);
    if (drive == nullptr)
        return -1;
    const ByteView record(buffer);
    // An enclosure is its own enclosure: it is no drive.
    if (record.U16(pdrec::kOffEnclDeviceId) == deviceId)
        return 0;

    out.Text("                Connector          : ");
    if (drive->HasConnector()) {
        PrintSummaryModelConnector(out, drive);
    } else {
        status = PrintSummaryListedConnector(out, cpController, record);
        if (status != 0)
            return status;
    }
    PrintSummaryDriveSlot(out, record);
    PrintSummaryDriveIdentity(out, record);
    PrintSummaryDriveMedia(out, record);
    PrintSummaryDriveOperation(out, drive);
    out.Text("\n");
    return 0;
}
