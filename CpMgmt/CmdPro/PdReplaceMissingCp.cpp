#include "CpMgmt/CmdPro/PdReplaceMissingCp.h"

#include <algorithm>

#include "CpMgmt/CmdPro/PdCfgImage.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/FwOpcodes.h"
#include "fwdata/LeBytes.h"
#include "fwdata/PdRecordLayout.h"
#include "parsers/PdReplaceMissingParsedObject.h"
#include "raidmodel/CfgData.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<PdReplaceMissingCp> kRegisterPdReplaceMissingCp{TOKEN_PDREPLACEMISSING};

constexpr u32 kDcmdPdReplaceMissing = 0x02080200;

// The drive list: u32 size, u32 count, 24-byte entries.
constexpr u32 kListHeadSize = 32;
constexpr u32 kListOffCount = 4;
constexpr u32 kListEntries = 8;
constexpr u32 kEntrySize = 24;
constexpr u32 kEntryOffDeviceId = 0;
constexpr u32 kEntryOffEnclId = 2;
constexpr u32 kEntryOffSlot = 5;
// More entries than device ids exist means the reply is not a drive list.
constexpr u32 kMaxEntries = 0xFFFF;

int SendDcmdWords(Controller* controller, u32 opcode, u32 word0, u32 word1, void* data, u32 length)
{
    const u32 words[3] = {word0, word1, 0};
    DcmdFwiDpParams request(opcode, words, data, length);
    return controller->Execute(request);
}
}  // namespace

int PdReplaceMissingCp::ReadPdList(Controller* controller)
{
    pdList_.assign(kListHeadSize, 0);
    pdCount_ = 0;
    if (SendDcmdWords(controller, kDcmdPdGetList, 0, 0, pdList_.data(), kListHeadSize) != 0)
        return -1;
    const u32 count = LeU32(pdList_.data(), kListOffCount);
    if (count > kMaxEntries)
        return -1;
    const u32 size = count * kEntrySize + kListEntries;
    pdList_.assign(size, 0);
    if (SendDcmdWords(controller, kDcmdPdGetList, 0, 0, pdList_.data(), size) != 0)
        return -1;
    // The second reply may claim more entries than were asked for: only those received count.
    pdCount_ = std::min(LeU32(pdList_.data(), kListOffCount), count);
    return 0;
}

int PdReplaceMissingCp::FindDeviceId(u16 enclosureId, u8 slot) const
{
    for (u32 i = 0; i < pdCount_; ++i) {
        const u8* entry = pdList_.data() + kListEntries + i * kEntrySize;
        if (LeU16(entry, kEntryOffEnclId) == enclosureId && LeU8(entry, kEntryOffSlot) == slot)
            return LeU16(entry, kEntryOffDeviceId);
    }
    return -1;
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
    status = SendDcmdWords(controller, kDcmdPdGetInfo, static_cast<u32>(deviceId), 0, info, 0);
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

    const u32 ref = LeU32(info, pdrec::kOffDeviceId);
    const u32 place = cfg.GetArrayRef(array) | (static_cast<u32>(row) << 16);
    status = SendDcmdWords(controller, kDcmdPdReplaceMissing, ref, place, nullptr, 0);
    PrintMessage(status == 0 ? PdMsg::kMissingReplaced : PdMsg::kMissingReplaceFailed, adapter, array, row);
    return status;
}
