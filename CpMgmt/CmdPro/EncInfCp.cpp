#include "CpMgmt/CmdPro/EncInfCp.h"

#include <memory>
#include <string>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/EnclSes.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/ReportStatus.h"
#include "cmdtool/TokenIds.h"
#include "controller/FwiDpErrors.h"
#include "fwdata/layout/EnclList.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/Memory.h"

namespace {

const CpRegistration<EncInfoCp> kRegisterEncInfoCp{TOKEN_ENCINFO, TOKEN_ENCSTATUS};

constexpr const char* kUnavailable = "Unavailable";
// The SCSI status of an enclosure that does not answer the command (CHECK CONDITION): for the
// vital product data pages, an enclosure without field-replaceable-unit data.
constexpr int kEnclDeviceRefused = 2;

const char* EnclosureTypeText(u8 type)
{
    switch (type) {
    case 1:
        return "SAFTE";
    case 2:
        return "SES";
    case 3:
        return "SGPIO";
    default:
        return "Unknown";
    }
}

// A label line of a fixed field: every byte, unprintable ones as blanks.
void FieldLine(const char* label, const char* bytes, std::size_t width, const char* end = "\n")
{
    AdpPrint::Text(label);
    AdpPrint::Text(AdpPrint::PrintableText(reinterpret_cast<const u8*>(bytes), width).c_str());
    AdpPrint::Text(end);
}

}  // namespace

int EncInfoCp::ProcessParsed(CpController* cpController, EncInfoParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    const bool info = object->GetCommandId() == TOKEN_ENCINFO;
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    Adapter* adapterElement = nullptr;
    u8 connectorInfo = 0;
    u8 connectors = 0;
    if (manager->GetAdapter(&adapterElement) != 0 || adapterElement->IsConnectorInfoSupported(&connectorInfo) != 0 ||
        (connectorInfo == 1 && adapterElement->GetConnectorInfoCount(&connectors) != 0)) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return -1;
    }

    std::unique_ptr<u8[]> list(ZepNewArray<u8>(encllist::kSize));
    if (list == nullptr) {
        PrintMessage(CommonMsg::kNoMemory, "Enclosure list");
        return -1;
    }
    if (SendDcmd(cpController, kDcmdEnclGetList, list.get(), encllist::kSize) != 0) {
        PrintMessage(AdpMsg::kEnclListFailed);
        return -1;
    }
    const ByteView enclosures(list.get(), encllist::kSize);
    const u32 count = enclosures.U32(encllist::kOffCount);
    if (info)
        PrintMessage(AdpMsg::kEnclCount, adapter, static_cast<int>(count));
    const u32 entries = encllist::EntryCount(enclosures);

    ReportStatus report;
    // An enclosure is reported when the drive list holds its device: without the list none is.
    u16 devices = 0;
    if (entries > 0 && report.Check(manager->GetPdCount(&devices)) != 0) {
        PrintReadFailure(adapter, "the drive list");
        return report.Result();
    }
    int reported = 0;
    for (u32 i = 0; i < entries; ++i) {
        const ByteView entry = encllist::Entry(enclosures, i);
        PhysicalDevice* device = manager->GetPdByDeviceId(entry.U16(encllist::kEntryOffDeviceId));
        if (device == nullptr)
            continue;
        if (info)
            PrintEnclosure(cpController, adapter, i, entry, device, adapterElement, connectorInfo, &report);
        // Without a connector the enclosure's services are not asked.
        if (entry.U8(encllist::kEntryOffConnector) == encllist::kNoConnector)
            continue;
        // An enclosure whose pages cannot be read is named by the page read's lines; the next
        // enclosure follows.
        const u16 deviceId = entry.U16(encllist::kEntryOffDeviceId);
        if (info) {
            EnclStatusEx record;
            if (report.Check(GetEnclStatusExFunc(adapter, deviceId, &record, cpController)) == 0)
                PrintEnclStatusEx(record);
        } else {
            // The number is the enclosure's place among those asked, read or not.
            const int number = reported++;
            EnclStatus record;
            if (report.Check(GetEnclStatusFunc(adapter, deviceId, &record, cpController)) == 0) {
                AdpPrint::Text("Enclosure ");
                AdpPrint::Number(number);
                PrintEnclStatus(record);
            }
        }
    }
    return report.Result();
}

void EncInfoCp::PrintEnclosure(CpController* cpController, u8 adapter, u32 index, const ByteView& entry,
                               PhysicalDevice* device, Adapter* adapterElement, u8 connectorInfo,
                               ReportStatus* report)
{
    using namespace encllist;
    std::string position = kUnavailable;
    std::string connector = kUnavailable;
    if (connectorInfo != 0) {
        position = std::to_string(entry.U8(kEntryOffPosition));
        string* answered = nullptr;
        const int named = adapterElement->GetConnectorName(entry.U8(kEntryOffConnector), &answered);
        const std::unique_ptr<string> name(answered);  // the name is the caller's
        if (named == 0 && name != nullptr)
            connector = name->GetCStr();
    }
    const auto count = [&entry](Field<u8> field) { return static_cast<int>(entry.U8(field)); };
    PrintMessage(AdpMsg::kEnclEntry, static_cast<int>(index), static_cast<int>(entry.U16(kEntryOffDeviceId)),
                 count(kEntryOffSlots), count(kEntryOffPowerSupplies), count(kEntryOffFans),
                 count(kEntryOffTempSensors), count(kEntryOffAlarms), count(kEntryOffSims), count(kEntryOffDrives),
                 entry.U8(kEntryOffStatus) != 0 ? "Fault" : "Normal", position.c_str(), connector.c_str());
    AdpPrint::Text("    Enclosure type                : ");
    AdpPrint::Text(EnclosureTypeText(entry.U8(kEntryOffType)));
    AdpPrint::LineEnd();

    // Data the enclosure does not keep (or whose pages it refuses) are "N/A"; data that could not
    // be read are named as such, never passed off as absent.
    EnclFruInfo fru;
    const int fruStatus = device->GetEnclFruInfo(&fru);
    const bool refused = fruStatus == kEnclDeviceRefused;
    if (refused)
        FwiDpErrors::TakeAsAnswer(fruStatus);
    if (fruStatus != 0 && !refused) {
        PrintReadFailure(adapter, ("the FRU data of enclosure " + std::to_string(index)).c_str());
        report->Fail(fruStatus);
    } else if (refused || fru.valid != 1) {
        AdpPrint::Text("    FRU Part Number               : N/A\n");
        AdpPrint::Text("    Enclosure Serial Number       : N/A \n");
        AdpPrint::Text("    ESM Serial Number             : N/A \n");
        AdpPrint::Text("    Enclosure Zoning Mode         : N/A \n");
    } else {
        FieldLine("    FRU Part Number               : ", fru.partNumber, sizeof fru.partNumber);
        FieldLine("    Enclosure Serial Number       : ", fru.serial, sizeof fru.serial);
        FieldLine("    ESM Serial Number             : ", fru.esmSerial, sizeof fru.esmSerial);
        FieldLine("    Enclosure Zoning Mode         : ", fru.zoningMode, sizeof fru.zoningMode);
    }
    const u16 partner = entry.U16(kEntryOffPartner);
    if (partner != kNoPartner)
        PrintMessage(AdpMsg::kPartnerId, static_cast<int>(partner));
    else
        PrintMessage(AdpMsg::kPartnerText, kUnavailable);

    u8 record[pdrec::kSize] = {};
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU16(mailbox::kOffDeviceId, entry.U16(kEntryOffDeviceId));
    if (report->Check(SendDcmd(cpController, kDcmdPdGetInfo, record, sizeof record, mbox)) != 0) {
        PrintMessage(CommonMsg::kAdapterText, adapter, "Failed to get Inquiry data of the Enclosure\n");
        return;
    }
    const ByteView inquiry = ByteView(record).Sub(pdrec::kOffInquiry, pdrec::kInquirySize);
    AdpPrint::Text("    Inquiry data                  :\n");
    const auto line = [&inquiry](const char* label, TextField field, const char* end) {
        AdpPrint::Text(label);
        AdpPrint::Text(AdpPrint::PrintableText(inquiry, field).c_str());
        AdpPrint::Text(end);
    };
    line("        Vendor Identification     : ", pdrec::kInqVendor, "\n");
    line("        Product Identification    : ", pdrec::kInqProduct, "\n");
    line("        Product Revision Level    : ", pdrec::kInqRevision, "\n");
    line("        Vendor Specific           : ", pdrec::kInqSerial, "\n\n");
}
