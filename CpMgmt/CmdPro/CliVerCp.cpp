#include "CpMgmt/CmdPro/CliVerCp.h"

#include <cstring>
#include <string>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/DriverVersion.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdRecord.h"
#include "help/Banner.h"
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
    List<PhysicalDevice*>* drives = nullptr;
    if (manager->GetPdList(&drives) != 0 || drives == nullptr)
        return 0;
    for (unsigned i = 0; i < drives->GetCount(); ++i) {
        PhysicalDevice* drive = drives->GetAt(static_cast<u8>(i));
        // A location that cannot be told shows as unknown (0).
        u8 location = 0;
        drive->GetConnectorType(&location);
        AdpPrint::Number(location);
        AdpPrint::Text("\t\t");
        // The product identification and revision level run together, as far as the inquiry
        // data hold text.
        const u8* inquiry = nullptr;
        if (drive->GetInquiryData(&inquiry) == 0 && inquiry != nullptr)
            AdpPrint::Text(ByteView(inquiry, pdrec::kInquirySize).Text(pdrec::kInqProduct.offset,
                                                                          pdrec::kInquirySize - pdrec::kInqProduct.offset)
                               .c_str());
        AdpPrint::LineEnd();
    }
    return 0;
}
