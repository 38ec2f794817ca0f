#include "CpMgmt/CmdPro/PdHspCp.h"

#include <cstring>

#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "controller/Controller.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "parsers/PdHspParsedObject.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PdHspCp> kRegisterPdHspCp{TOKEN_PDHSP};

constexpr const char* kOperation = "PD hotspare";

constexpr int kStatusArrayNotFound = 9;
constexpr int kStatusInArray = 11;

// Device ids are 16-bit: a longer drive list than that is a controller fault.
constexpr u32 kMaxPdEntries = 0x10000;

}  // namespace

int PdHspCp::ReadPdList(Controller* controller) { return pdList_.Read(controller, kMaxPdEntries); }

int PdHspCp::ReadConfig(Controller* controller)
{
    if (controller == nullptr)
        return -1;
    int status = config_.ReadHead(controller);
    return status != 0 ? status : config_.ReadWhole(controller);
}

void PdHspCp::FreeBuffers()
{
    pdList_ = PdListImage();
    config_ = PdCfgImage();
}

bool PdHspCp::IsPdPresent(u16 enclosureId, u8 slot) const { return pdList_.Find(enclosureId, slot, false) >= 0; }

bool PdHspCp::IsDiskPresent(u16 enclosureId, u8 slot) const { return GetDeviceId(enclosureId, slot) >= 0; }

int PdHspCp::GetDeviceId(u16 enclosureId, u8 slot) const
{
    const int index = pdList_.Find(enclosureId, slot, true);
    return index < 0 ? -1 : pdList_.GetDeviceId(static_cast<u32>(index));
}

bool PdHspCp::IsPdInArray(u16 enclosureId, u8 slot) const
{
    const int deviceId = GetDeviceId(enclosureId, slot);
    if (deviceId < 0)
        return false;
    for (u16 a = 0; a < config_.GetArrayCount(); ++a)
        for (u8 row = 0; row < config_.GetRowCount(a); ++row)
            if (config_.GetRowDeviceId(a, row) == deviceId)
                return true;
    return false;
}

int PdHspCp::GetArrayRef(u8 arrayNumber, u16* arrayRef) const
{
    if (arrayNumber >= config_.GetArrayCount())
        return -1;
    *arrayRef = config_.GetArrayRef(arrayNumber);
    return 0;
}

int PdHspCp::ProcessParsed(CpController* cpController, PdHspParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    Controller* controller = cpController ? cpController->GetController() : nullptr;

    // The record holds sparerec::kMaxArrays array references: a longer list is refused before
    // anything is sent.
    if (object->GetSet() != 0 && object->GetDedicated() != 0 &&
        object->GetArrayList().GetCount() > sparerec::kMaxArrays) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        return -1;
    }

    int status = ReadPdList(controller);
    if (status == 0)
        status = ReadConfig(controller);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        FreeBuffers();
        return status;
    }

    const PdIdList& drives = object->GetPdList();
    for (unsigned i = 0; i < drives.GetCount() && status == 0; ++i) {
        const PdIdListObject* drive = drives.GetAt(static_cast<u8>(i));
        u16 enclosureId = drive->GetEnclId();
        const u8 slot = drive->GetSlot();
        status = ResolveEnclosureId(cpController, &enclosureId);
        if (status == 0)
            status = HandleDrive(controller, *object, adapter, enclosureId, slot);
    }
    FreeBuffers();
    return status;
}

int PdHspCp::HandleDrive(Controller* controller, const PdHspParsedObject& object, u8 adapter, u16 enclosureId, u8 slot)
{
    if (!IsPdPresent(enclosureId, slot)) {
        PrintMessage(CommonMsg::kPdNotFound, adapter, EnclosureIdText(enclosureId), slot);
        return fwstatus::kDeviceNotFound;
    }
    if (!IsDiskPresent(enclosureId, slot)) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        return fwstatus::kDeviceNotFound;
    }
    if (IsPdInArray(enclosureId, slot)) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        return kStatusInArray;
    }
    const int deviceId = GetDeviceId(enclosureId, slot);
    if (deviceId < 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        return fwstatus::kDeviceNotFound;
    }

    std::memset(pdInfo_, 0, sizeof pdInfo_);
    const int status = ReadPdInfoRecord(controller, static_cast<u16>(deviceId), pdInfo_);
    if (status != 0) {
        PrintMessage(PdMsg::kPdInfoFailed, adapter, EnclosureIdText(enclosureId), slot);
        return status;
    }
    return object.GetSet() != 0 ? SetHotSpare(controller, object, adapter, enclosureId, slot)
                                : RemoveHotSpare(controller, adapter, enclosureId, slot);
}

int PdHspCp::SetHotSpare(Controller* controller, const PdHspParsedObject& object, u8 adapter, u16 enclosureId,
                         u8 slot)
{
    std::memset(hotSpareRecord_, 0, sizeof hotSpareRecord_);
    ByteWriter record(hotSpareRecord_);
    const ByteView info(pdInfo_);
    record.PutU16(sparerec::kOffDeviceId, info.U16(pdrec::kOffDeviceId));
    record.PutU16(sparerec::kOffSeqNum, info.U16(pdrec::kOffSeqNum));

    std::vector<u8> ctrlInfo(ctrlinfo::kSize, 0);
    int status = SendDcmd(controller, kDcmdCtrlGetInfo, ctrlInfo.data(), ctrlinfo::kSize);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        return status;
    }

    u8 flags = 0;
    if (object.GetDedicated() != 0)
        flags |= sparerec::kFlagDedicated;
    if (ByteView(ctrlInfo).Bit(ctrlinfo::kRevertibleSpares) && (object.GetRevertible() & 1) != 0)
        flags |= sparerec::kFlagRevertible;
    if (object.GetEnclAffinity() != 0)
        flags |= sparerec::kFlagEnclAffinity;
    record.PutU8(sparerec::kOffFlags, flags);

    if (object.GetDedicated() != 0) {
        const ArrayList<u8>& arrays = object.GetArrayList();
        record.PutU8(sparerec::kOffArrayCount, arrays.GetCount());
        for (unsigned i = 0; i < arrays.GetCount() && i < sparerec::kMaxArrays; ++i) {
            u16 arrayRef = 0;
            if (GetArrayRef(arrays.GetAt(static_cast<u8>(i)), &arrayRef) != 0) {
                PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
                return kStatusArrayNotFound;
            }
            record.PutU16(sparerec::kOffArrayRefs + sparerec::kArrayRefSize * i, arrayRef);
        }
    }

    status = SendDcmd(controller, kDcmdCfgMakeHsp, hotSpareRecord_, sizeof hotSpareRecord_);
    PrintMessage(PdMsg::kHotSpareResult, adapter, "Set", EnclosureIdText(enclosureId), slot,
                 status == 0 ? "Success" : "Failed");
    return status;
}

int PdHspCp::RemoveHotSpare(Controller* controller, u8 adapter, u16 enclosureId, u8 slot)
{
    RequestMailbox mbox;
    mbox.Writer().PutU32(mailbox::kOffPdRef, ByteView(pdInfo_).U32(pdrec::kOffRef));
    const int status = SendDcmd(controller, kDcmdCfgRemoveHsp, nullptr, 0, mbox);
    PrintMessage(PdMsg::kHotSpareResult, adapter, "Remove", EnclosureIdText(enclosureId), slot,
                 status == 0 ? "Success" : "Failed");
    return status;
}
