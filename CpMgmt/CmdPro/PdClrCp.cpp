#include "CpMgmt/CmdPro/PdClrCp.h"

#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "fwdata/OpProgress.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdClrParsedObject.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PdClrCp> kRegisterPdClrCp{TOKEN_PDCLEAR};
}  // namespace

int PdClrCp::ProcessParsed(CpController* cpController, PdClrParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();

    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    const u8 action = object->GetAction();
    if (action == PdClrParsedObject::kProgressDisplay)
        return 0;

    const ArrayList<EnclSlotId*>* drives = object->GetPdList();
    for (unsigned i = 0; drives != nullptr && i < drives->GetCount(); ++i) {
        const EnclSlotId* named = drives->GetAt(static_cast<u8>(i));
        // "?" is resolved for this adapter only: the list is shared with the other adapters.
        u16 enclosureId = named->GetEnclId();
        const u8 slot = named->GetSlot();
        int status = ResolveEnclosureId(cpController, &enclosureId);
        if (status != 0)
            return status;

        PhysicalDevice* pd = manager->GetPdByEnclSlot(EnclSlotId(enclosureId, slot));
        if (pd == nullptr) {
            // Named as the user wrote it.
            PrintMessage(CommonMsg::kPdNotFound, adapter, EnclosureIdText(named->GetEnclId()), slot);
            return -1;
        }

        switch (action) {
        case PdClrParsedObject::kStart:
            status = pd->StartClear();
            PrintMessage(status == 0 ? PdMsg::kClrStarted : PdMsg::kClrStartFailed, EnclosureIdText(enclosureId),
                         slot);
            break;
        case PdClrParsedObject::kStop:
            status = pd->StopClear();
            PrintMessage(status == 0 ? PdMsg::kClrStopped : PdMsg::kClrStopFailed, EnclosureIdText(enclosureId),
                         slot);
            break;
        case PdClrParsedObject::kShowProgress:
            status = ShowProgress(pd, adapter, enclosureId, slot);
            break;
        default:
            return -1;
        }
        if (status != 0)
            return status;
    }
    return 0;
}

int PdClrCp::ShowProgress(PhysicalDevice* pd, u8 adapter, u16 enclosureId, u8 slot)
{
    u8 block[pdprogress::kSize] = {};
    const int status = pd->GetProgress(block);
    const ByteView progress(block);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "to get progress on PD");
        return status;
    }
    if (!progress.Bit(pdprogress::kOffRunning, pdprogress::kOpClear))
        PrintMessage(PdMsg::kClrNotRunning, EnclosureIdText(enclosureId), slot);
    else
        PrintMessage(PdMsg::kClrProgress, EnclosureIdText(enclosureId), slot,
                     OpProgress::Percent(progress, pdprogress::kOffClearProgress),
                     OpProgress::Minutes(progress, pdprogress::kOffClearSeconds));
    return 0;
}
