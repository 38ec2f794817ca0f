#include "CpMgmt/CmdPro/PdReplaceMissingCp.h"

#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/PdCfgImage.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "controller/Controller.h"
#include "dataif/CfgData.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdRecord.h"
#include "parsers/PdReplaceMissingParsedObject.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<PdReplaceMissingCp> kRegisterPdReplaceMissingCp{TOKEN_PDREPLACEMISSING};

// More entries than device ids exist means the reply is not a drive list.
constexpr u32 kMaxEntries = 0xFFFF;
}  // namespace

int PdReplaceMissingCp::ReadPdList(Controller* controller)
{
    return pdList_.Read(controller, kMaxEntries) == 0 ? 0 : -1;
}

int PdReplaceMissingCp::FindDeviceId(u16 enclosureId, u8 slot) const
{
    const int index = pdList_.Find(enclosureId, slot, false);
    return index < 0 ? -1 : pdList_.GetDeviceId(static_cast<u32>(index));
}

int PdReplaceMissingCp::Process(CpController* cpController, ParsedObject* parsedObject)
{
    auto* object = ParsedObjectAs<PdReplaceMissingParsedObject>(cpController, parsedObject, "PdReplaceMissingParsedObject *");
    if (object == nullptr)
        return -1;
    const u8 adapter = AdapterNumberOf(cpController);
    Controller* controller = cpController ? cpController->GetController() : nullptr;
    if (controller == nullptr || ReadPdList(controller) != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "read PD list");
        return -1;
    }

    // Only the first drive named is used.
    const EnclSlotId* named = object->GetPdList() ? object->GetPdList()->GetAt(0) : nullptr;
    if (named == nullptr)
        return -1;
    u16 enclosureId = named->GetEnclId();
    const u8 slot = named->GetSlot();
    int status = ResolveEnclosureId(cpController, &enclosureId);
    if (status != 0)
        return status;
    const int deviceId = FindDeviceId(enclosureId, slot);
    if (deviceId < 0) {
        PrintMessage(CommonMsg::kPdNotFound, adapter, EnclosureIdText(enclosureId), slot);
        return -1;
    }

    u8 info[pdrec::kSize] = {};
    status = SendDcmd(controller, kDcmdPdGetInfo, info, 0, RequestMailbox(static_cast<u32>(deviceId)));
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "get PD info");
        return status;
    }

    PdCfgImage cfg;
    status = cfg.ReadHead(controller);
    if (status == 0 && cfg.GetArrayCount() > 1)
        status = cfg.ReadWhole(controller);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "read configuration");
        return status;
    }

    const u8 array = object->GetArray();
    const u8 row = object->GetRow();
    if (array >= cfg.GetArrayCount() || row >= cfg.GetRowCount(array)) {
        PrintMessage(PdMsg::kRowOutOfRange, adapter);
        return -1;
    }
    if (cfg.GetRowDeviceId(array, row) != ArrayRowData::kMissingDevice) {
        PrintMessage(PdMsg::kRowNotMissing, adapter, array, row);
        return -1;
    }

    const u32 ref = ByteView(info).U32(pdrec::kOffRef);
    const u32 place = cfg.GetArrayRef(array) | (static_cast<u32>(row) << 16);
    status = SendDcmd(controller, kDcmdPdReplaceMissing, nullptr, 0, RequestMailbox(ref, place));
    PrintMessage(status == 0 ? PdMsg::kMissingReplaced : PdMsg::kMissingReplaceFailed, adapter, array, row);
    return status;
}
