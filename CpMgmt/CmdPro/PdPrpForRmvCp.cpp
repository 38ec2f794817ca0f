#include "CpMgmt/CmdPro/PdPrpForRmvCp.h"

#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CmdPro/PdNamedDrive.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdPrpRmvParsedObject.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<PdPrpForRmvCp> kRegisterPdPrpForRmvCp{TOKEN_PDPRPRMV};
}  // namespace

int PdPrpForRmvCp::ProcessParsed(CpController* cpController, PdPrpRmvParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;

    const bool undo = object->GetUndo() != 0;
    const char* undoText = undo ? "Undo " : "";
    const ArrayList<EnclSlotId*>* drives = object->GetPdList();
    for (unsigned i = 0; drives != nullptr && i < drives->GetCount(); ++i) {
        const EnclSlotId* named = drives->GetAt(static_cast<u8>(i));
        NamedDrive drive;
        int status = FindNamedDrive(cpController, manager, named->GetEnclId(), named->GetSlot(), &drive);
        if (status != 0)
            return status;
        if (drive.pd == nullptr) {
            PrintMessage(CommonMsg::kOperationFailed, adapter, "prepare for removal");
            return -1;
        }
        status = undo ? drive.pd->UndoPrepareForRemoval() : drive.pd->PrepareForRemoval();
        if (status != 0) {
            PrintMessage(PdMsg::kRemovalFailed, adapter, undoText);
            return status;
        }
        PrintMessage(PdMsg::kRemovalDone, undoText);
    }
    return 0;
}
