#include "CpMgmt/CmdPro/CliVerCp.h"

#include <cstring>
#include <string>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/ReportStatus.h"
#include "cmdtool/TokenIds.h"
#include "dataif/PdData.h"
#include "fwdata/layout/DriverVersion.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdRecord.h"
#include "help/Banner.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<CliVersionCp> kRegisterCliVersionCp{TOKEN_VERSION};


void PrintHeading(const char* title)
{
    AdpPrint::Text(title);
    AdpPrint::LineEnd();
    AdpPrint::Text("\t\t");
    PrintMessage(CommonMsg::kUnderline);
    AdpPrint::LineEnd();
}

}  // namespace

int CliVersionCp::ProcessParsed(CpController* cpController, CliVersionPo* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    const int status = SendDcmd(cpController, kDcmdCtrlGetInfo, info_, sizeof info_);
    if (status != 0) {
        std::memset(info_, 0, sizeof info_);
        PrintMessage(CommonMsg::kOperationFailed, adapter, AdpMsg::kAdpAllInfoOperation);
        return status;
    }
    switch (object->GetComponent()) {
    case CliVersionPo::kCtrl:
        return PrintCtrlVersion();
    case CliVersionPo::kCli:
        PrintBanner();
        return 0;
    case CliVersionPo::kDriver:
        return PrintDriverVersion();
    case CliVersionPo::kPd:
        return PrintPdVersions(cpController, object->GetAdapterNumber());
    default:
        // No component asked for, or the UEFI driver, of which nothing is reported.
        return -1;
    }
}

int CliVersionCp::PrintCtrlVersion() const
{
    const ByteView info(info_);
    PrintHeading("\t\tCTRL VERSION:");
    AdpPrint::Formatted("Product Name : %s", info.Text(ctrlinfo::kProductName).c_str());
    AdpPrint::LineEnd();
    AdpPrint::Formatted("Serial No : %s", info.Text(ctrlinfo::kSerial).c_str());
    AdpPrint::LineEnd();
    AdpPrint::Formatted("Fw Pakage Build : %s", info.Text(ctrlinfo::kPackageBuild).c_str());
    AdpPrint::LineEnd();
    return 0;
}

// Without the driver's node, or when the driver refuses the request, nothing is printed.
int CliVersionCp::PrintDriverVersion() const
{
    u8 record[drvversion::kSize] = {};
    if (GetSystem().ReadDriverVersionRecord(record) != 0)
        return 0;
    const ByteView view(record);
    PrintHeading("\t\tDRIVER VERSION:");
    AdpPrint::Text("Driver Version:        ");
    AdpPrint::Text(view.Text(drvversion::kVersion).c_str());
    AdpPrint::LineEnd();
    AdpPrint::Text("Release Date:     ");
    AdpPrint::Text(view.Text(drvversion::kReleaseDate).c_str());
    AdpPrint::LineEnd();
    return 0;
}

int CliVersionCp::PrintPdVersions(CpController* cpController, u8 adapterNumber) const
{
    RaidManager* manager = RaidManagerOrReport(cpController, adapterNumber);
    if (manager == nullptr)
        return -1;
    AdpPrint::Text("Location\tModel\t\t\tFw Version");
    AdpPrint::LineEnd();
    ReportStatus report;
    List<PhysicalDevice*>* drives = nullptr;
    const int listStatus = manager->GetPdList(&drives);
    if (listStatus != 0 || drives == nullptr) {
        report.Fail(listStatus);
        PrintReadFailure(adapterNumber, "the drive list");
        return report.Result();
    }
    // The connector list tells the drives' locations: read once, when a drive is on a connector.
    enum class Connectors { kUnread, kRead, kFailed } connectors = Connectors::kUnread;
    for (unsigned i = 0; i < drives->GetCount(); ++i) {
        PhysicalDevice* drive = drives->GetAt(static_cast<u8>(i));
        PdData* data = drive->GetData();
        // The product identification and revision level run together, as far as the inquiry
        // data hold text.
        const u8* inquiry = nullptr;
        const int readStatus = drive->GetInquiryData(&inquiry);
        if (readStatus != 0 || inquiry == nullptr) {
            report.Fail(readStatus);
            PrintDriveReadFailure(adapterNumber, data->GetEnclDeviceId(), data->GetSlotNumber());
            continue;
        }
        u8 connector = PdData::kNoConnector;
        data->GetConnectorIndex(&connector);  // from the record just read
        if (connector != PdData::kNoConnector && connectors == Connectors::kUnread) {
            Adapter* adapter = nullptr;
            u8 count = 0;
            int status = manager->GetAdapter(&adapter);
            if (status == 0)
                status = adapter->GetConnectorInfoCount(&count);
            connectors = report.Check(status) == 0 ? Connectors::kRead : Connectors::kFailed;
            if (connectors == Connectors::kFailed)
                PrintReadFailure(adapterNumber, "the connector list");
        }
        // A drive on no connector, or on one the list does not hold, is at an unknown location
        // (0); without the connector list the location is left out.
        if (connector == PdData::kNoConnector || connectors != Connectors::kFailed) {
            u8 location = 0;
            drive->GetConnectorType(&location);
            AdpPrint::Number(location);
        }
        AdpPrint::Text("\t\t");
        AdpPrint::Text(ByteView(inquiry, pdrec::kInquirySize)
                           .Text(pdrec::kInqProduct.offset, pdrec::kInquirySize - pdrec::kInqProduct.offset)
                           .c_str());
        AdpPrint::LineEnd();
    }
    return report.Result();
}
