#include "CpMgmt/CmdPro/PdReprovisionCp.h"

#include "CpMgmt/CmdPro/PdNamedDrive.h"
#include "CpMgmt/CmdPro/SecurityMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<PdReprovisionCp> kRegisterPdReprovisionCp{TOKEN_PDINSTANTSECUREERASE, TOKEN_PDREPROVISION};

// A drive secured by another controller's key and locked, on an adapter with encryption on, is
// what an instant secure erase may free. A query that fails counts as a clear flag.
bool IsErasableForeignDrive(PhysicalDevice* pd, Adapter* adapter)
{
    u8 foreign = 0;
    u8 encryption = 0;
    u8 locked = 0;
    pd->IsForeignSecured(&foreign);
    adapter->IsEncryptionEnabled(&encryption);
    pd->IsLocked(&locked);
    return foreign == 1 && encryption == 1 && locked == 1;
}
}  // namespace

int PdReprovisionCp::ProcessParsed(CpController* cpController, PdReprovisionParsedObject* object)
{
    const u8 adapterNumber = object->GetAdapterNumber();
    if (object->GetCommandId() == TOKEN_PDREPROVISION) {
        PrintMessage(SecMsg::kReprovisionDeprecated);
        return -1;
    }
    RaidManager* manager = nullptr;
    Adapter* adapter = AdapterOrReport(cpController, adapterNumber, false, &manager);
    if (adapter == nullptr)
        return -1;

    const u8 force = object->GetForce();
    // A drive reported as one that may not be erased is skipped, but the command then ends
    // with -1 so that a script does not take the refusal for success.
    bool refused = false;
    const int status = ChangeNamedDrives(cpController, manager, adapterNumber, object->GetPdList(), [&](NamedDrive& drive) {
        const char* enclosure = EnclosureIdText(drive.enclosureId);
        u8 reprovision = 0;
        drive.pd->IsReprovisionAllowed(&reprovision);
        if (reprovision == 0 && !IsErasableForeignDrive(drive.pd, adapter)) {
            PrintMessage(SecMsg::kEraseNotAllowed, adapterNumber, enclosure, drive.slot);
            refused = true;
            return 0;
        }
        if (force != 1) {
            PrintMessage(CommonMsg::kDataLossWarning);
            return -1;
        }
        if ((reprovision != 0 ? drive.pd->Reprovision() : drive.pd->InstantSecureErase()) != 0) {
            PrintMessage(SecMsg::kEraseFailed, adapterNumber, enclosure, drive.slot);
            return -1;
        }
        PrintMessage(SecMsg::kEraseDone, adapterNumber, enclosure, drive.slot);
        return 0;
    });
    return status != 0 ? status : refused ? -1 : 0;
}
