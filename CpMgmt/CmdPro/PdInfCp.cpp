#include "CpMgmt/CmdPro/PdInfCp.h"

#include "CpMgmt/CmdPro/ReportPrint.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdInfoParsedObject.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PdInfoCp> kRegisterPdInfoCp{TOKEN_PDINFO};

// The answers of ResolveEnclosureId that are not read failures.
constexpr int kSeveralEnclosures = 1;
constexpr int kDirectlyAttached = 2;

}  // namespace

int PdInfoCp::ProcessParsed(CpController* cpController, PdInfoParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();

    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;

    // A drive can only be called not found when the device list could be read.
    u16 deviceCount = 0;
    int status = manager->GetPdCount(&deviceCount);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "get PD list");
        return status;
    }

    // A drive that is not found or cannot be read is reported and the others are shown; the
    // command then fails with the first failure (-1 for a drive not found).
    ReportStatus report;
    const ArrayList<EnclSlotId*>* drives = object->GetPdList();
    for (unsigned i = 0; drives != nullptr && i < drives->GetCount(); ++i) {
        const EnclSlotId* named = drives->GetAt(static_cast<u8>(i));
        if (named == nullptr)
            continue;
        // "?" is resolved for this adapter only: the list is shared with the other adapters.
        u16 enclosureId = named->GetEnclId();
        const u8 slot = named->GetSlot();
        status = ResolveEnclosureId(cpController, &enclosureId);
        if (status != 0) {
            // The resolver names several enclosures (1) and a directly attached drive (2) itself;
            // with the manager had, anything else is an enclosure list that could not be read.
            if (status != kSeveralEnclosures && status != kDirectlyAttached)
                PrintReadFailure(adapter, "the enclosure list");
            return status;
        }

        PhysicalDevice* pd = manager->GetPdByEnclSlot(EnclSlotId(enclosureId, slot));
        if (pd == nullptr) {
            PrintMessage(CommonMsg::kPdNotFound, adapter, EnclosureIdText(enclosureId), slot);
            report.Fail(-1);
            continue;
        }
        report.Check(ReportPrint::DriveBlocks(adapter, pd));
    }
    return report.Result();
}
