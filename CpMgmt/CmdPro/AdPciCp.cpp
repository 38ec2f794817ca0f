#include "CpMgmt/CmdPro/AdPciCp.h"

#include <cstring>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "controller/Controller.h"
#include "parsers/AdpGetPciInfoParsedObject.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpGetPciInfoCp> kRegisterAdpGetPciInfoCp{TOKEN_ADPGETPCIINFO};

constexpr int kNoPciInfo = 255;

}  // namespace

AdpGetPciInfoCp::AdpGetPciInfoCp() { std::memset(pciInfo_, 0, sizeof pciInfo_); }

int AdpGetPciInfoCp::ProcessParsed(CpController* cpController, AdpGetPciInfoParsedObject* object)
{
    Controller* controller = cpController ? cpController->GetController() : nullptr;

    std::memset(pciInfo_, 0, sizeof pciInfo_);
    const int status = controller ? (controller->GetPciInfo(pciInfo_) & 0xFF) : kNoPciInfo;
    if (status != 0) {
        AdpPrint::Text("Unable to get PCI Information : ");
        return status;
    }

    AdpPrint::Formatted("PCI information for Controller %d", object->GetAdapterNumber());
    AdpPrint::LineEnd();
    AdpPrint::Text("--------------------------------");
    AdpPrint::LineEnd();
    const ByteView pci(pciInfo_);
    AdpPrint::Formatted("Bus Number      : %x", pci.U32(pciinfo::kOffBus));
    AdpPrint::LineEnd();
    AdpPrint::Formatted("Device Number   : %x", static_cast<unsigned>(pci.U8(pciinfo::kOffDevice)));
    AdpPrint::LineEnd();
    AdpPrint::Formatted("Function Number : %x", static_cast<unsigned>(pci.U8(pciinfo::kOffFunction)));
    AdpPrint::LineEnd();
    AdpPrint::LineEnd();
    return 0;
}
