// Summary: the enclosures and the drives of the Hardware section.
#include <algorithm>
#include <memory>
#include <string>

#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/PdListImage.h"
#include "CpMgmt/CmdPro/ShowSumCp.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/TextHelpers.h"
#include "fwdata/PdValueText.h"
#include "fwdata/layout/ConnectorList.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdList.h"
#include "fwdata/layout/PdProgress.h"
#include "fwdata/layout/PdRecord.h"
#include "raidmodel/Adapter.h"
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

// What the connector line of a drive shows: the connector's name and location and, for the
// connector the model names for the drive, the position of its enclosure on it.
struct SummaryConnector {
    bool fromModel = false;
    std::string name;
    u8 location = 0;
    u8 position = 0;
};

// The position on its connector of the enclosure, as the enclosure list the report read gives it;
// 0 for an enclosure the list does not hold.
u8 SummaryEnclosurePosition(const ByteView& enclosures, u16 enclDeviceId)
{
    // The block holds kMaxEntries entries; a larger count is not believed past them.
    const u32 count = std::min(enclosures.U32(encllist::kOffCount), encllist::kMaxEntries);
    for (u32 i = 0; i < count; ++i) {
        const ByteView entry = encllist::Entry(enclosures, i);
        if (entry.U16(encllist::kEntryOffDeviceId) == enclDeviceId)
            return entry.U8(encllist::kEntryOffPosition);
    }
    return 0;
}

// The drive's connector: the one the model names for it or, for a drive it names none for, the
// entry of the controller's connector list that the record names (a connector index beyond the
// list's entries names none). 0, or the status of the read that failed.
int ReadSummaryConnector(CpController* cpController, RaidManager* manager, PhysicalDevice* drive,
                         const ByteView& record, const ByteView& enclosures, SummaryConnector* connector)
{
    Adapter* adapter = nullptr;
    int status = manager->GetAdapter(&adapter);
    if (status != 0)
        return status;
    // The model tells whether the drive has a connector from its record and the controller's
    // connector count: both read first, so that a failed read is not taken for "none".
    u8 connectorCount = 0;
    status = drive->ReadRecord();
    if (status == 0)
        status = adapter->GetConnectorInfoCount(&connectorCount);
    if (status != 0)
        return status;
    if (drive->HasConnector()) {
        string* name = nullptr;
        status = drive->GetConnectorName(&name);
        const std::unique_ptr<string> ownedName(name);
        if (status == 0)
            status = drive->GetConnectorType(&connector->location);
        if (status != 0)
            return status;
        u16 enclDeviceId = 0;
        drive->GetEnclDeviceId(&enclDeviceId);
        connector->fromModel = true;
        connector->name = ownedName != nullptr ? std::string(ownedName->GetCStr()) : std::string();
        connector->position = SummaryEnclosurePosition(enclosures, enclDeviceId);
        return 0;
    }

    u8 connectors[connlist::kSize] = {};
    status = SendDcmd(cpController, kDcmdConnectorGetList, connectors, sizeof connectors);
    if (status != 0)
        return status;
    const u8 index = record.U8(pdrec::kOffConnector);
    if (index < connlist::kMaxEntries) {
        const ByteView entry =
            ByteView(connectors).Sub(connlist::kOffEntries + index * connlist::kEntrySize, connlist::kEntrySize);
        connector->name = entry.Text(connlist::kEntryName);
        connector->location = entry.U8(connlist::kEntryOffLocation);
    }
    return 0;
}

void PrintSummaryConnector(const SummaryOut& out, const SummaryConnector& connector)
{
    out.Text(connector.name);
    if (out.ToFile()) {
        if (connector.fromModel) {
            out.Printf("<%s>", LocationName(connector.location));
            out.Printf("<Encl Pos %d>", connector.position);
        } else {
            out.Printf("<%s> ", LocationName(connector.location));
        }
        return;
    }
    out.Text("<");
    out.Text(LocationName(connector.location));
    out.Text(">");
    if (connector.fromModel) {
        out.Text("<");
        out.Text("Encl Pos ");
        out.Number(connector.position);
        out.Text(">");
    }
}

// "the <what> of the device at Enclosure - 252, Slot - 1": a piece of a drive that could not be
// read, named as the drive read failure names the drive.
std::string SummaryDrivePiece(const char* what, u16 enclDeviceId, u8 slot)
{
    return std::string(what) + " of the device at Enclosure - " + EnclosureIdText(enclDeviceId) +
           ", Slot - " + std::to_string(slot);
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
    out.Line("", PdSummaryStateText(record.U16(pdrec::kOffFwState), record.Bit(pdrec::kForeign),
                                    record.Bit(pdrec::kGlobalSpare)));
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

// The running operation: 0, or the status of the progress block's read (nothing printed).
int PrintSummaryDriveOperation(const SummaryOut& out, PhysicalDevice* drive)
{
    u8 progress[pdprogress::kSize] = {};
    const int status = drive->GetProgress(progress);
    if (status != 0)
        return status;
    if (const char* operation = OperationText(ByteView(progress)))
        out.Line("                Operation In Progress : ", operation);
    return 0;
}

}  // namespace

void ShowSummaryCp::PrintEnclosures(const SummaryOut& out, CpController* cpController, u8 adapter,
                                    RaidManager* manager)
{
    const ByteView list(enclosures_);
    if (list.U32(encllist::kOffCount) == 0)
        return;
    out.Text("\n        Enclosure\n");
    // An enclosure is shown when the model's drive list holds it.
    u16 devices = 0;
    int status = manager->GetPdCount(&devices);
    if (status != 0) {
        status_.Fail(status);
        PrintReadFailure(adapter, "the drive list");
        return;
    }
    for (u32 i = 0; i < encllist::EntryCount(list); ++i) {
        const ByteView entry = encllist::Entry(list, i);
        const u16 deviceId = entry.U16(encllist::kEntryOffDeviceId);
        if (manager->GetPdByDeviceId(deviceId) == nullptr)
            continue;
        u8 record[pdrec::kSize] = {};
        status = ReadPdInfoRecord(cpController, deviceId, record);
        if (status != 0) {
            status_.Fail(status);
            PrintMessage(CommonMsg::kAdapterText, adapter, "Failed to get Inquiry data of the Enclosure\n");
            continue;
        }
        const ByteView inquiry = ByteView(record).Sub(pdrec::kOffInquiry, pdrec::kInquirySize);
        out.Line("                 Product Id        : ", AdpPrint::PrintableText(inquiry, pdrec::kInqProduct));
        out.Line("                 Type              : ", EnclosureTypeName(entry.U8(encllist::kEntryOffType)));
        out.Line("                 Status            : ",
                 entry.U8(encllist::kEntryOffStatus) != 0 ? "Faulty" : "OK");
        out.Text("\n");
    }
}

int ShowSummaryCp::PrintDrives(const SummaryOut& out, CpController* cpController, u8 adapter, RaidManager* manager,
                               bool enclosureHeading)
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
    if (count == 0)
        return 0;
    // The drives are shown through the model's drive list.
    u16 devices = 0;
    const int status = manager->GetPdCount(&devices);
    if (status != 0) {
        status_.Fail(status);
        PrintReadFailure(adapter, "the drive list");
        return 0;
    }
    for (u32 i = 0; i < count; ++i) {
        const int driveStatus = PrintDrive(out, cpController, adapter, manager, i);
        if (driveStatus != 0)
            return driveStatus;
    }
    return 0;
}

int ShowSummaryCp::PrintDrive(const SummaryOut& out, CpController* cpController, u8 adapter, RaidManager* manager,
                              u32 index)
{
    const u16 deviceId = driveList_.GetDeviceId(index);
    const u16 enclDeviceId = driveList_.GetEnclDeviceId(index);
    const u8 slot = driveList_.GetSlot(index);
    u8 buffer[pdrec::kSize] = {};
    int status = ReadPdInfoRecord(cpController, deviceId, buffer);
    // An entry that the list names an enclosure shows nothing here: without its record nothing
    // is missing.
    if (status != 0 && driveList_.GetScsiType(index) != pdlist::kScsiTypeEnclosure) {
        status_.Fail(status);
        PrintDeviceReadFailure(adapter, index);
    }
    if (status != 0)
        return 0;
    PhysicalDevice* drive = manager->GetPdByDeviceId(deviceId);
    if (drive == nullptr)
        return -1;
    const ByteView record(buffer);
    // An enclosure is its own enclosure: it is no drive.
    if (record.U16(pdrec::kOffEnclDeviceId) == deviceId)
        return 0;

    SummaryConnector connector;
    status = ReadSummaryConnector(cpController, manager, drive, record, ByteView(enclosures_), &connector);
    if (status != 0) {
        // The connector line is left out, the slot with it.
        status_.Fail(status);
        PrintReadFailure(adapter, SummaryDrivePiece("the connector", enclDeviceId, slot).c_str());
    } else {
        out.Text("                Connector          : ");
        PrintSummaryConnector(out, connector);
        PrintSummaryDriveSlot(out, record);
    }
    PrintSummaryDriveIdentity(out, record);
    PrintSummaryDriveMedia(out, record);
    status = PrintSummaryDriveOperation(out, drive);
    if (status != 0) {
        status_.Fail(status);
        PrintReadFailure(adapter, SummaryDrivePiece("the progress", enclDeviceId, slot).c_str());
    }
    out.Text("\n");
    return 0;
}
