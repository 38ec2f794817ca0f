#include "CpMgmt/CmdPro/PdHspCp.h"

#include <algorithm>
#include <cstring>

#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/LeBytes.h"
#include "parsers/PdHspParsedObject.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PdHspCp> kRegisterPdHspCp{TOKEN_PDHSP};

constexpr const char* kOperation = "PD hotspare";

constexpr u32 kOpCtrlInfo = 0x01010000;
constexpr u32 kOpPdList = 0x02010000;
constexpr u32 kOpPdInfo = 0x02020000;
constexpr u32 kOpConfig = 0x04010000;
constexpr u32 kOpMakeHotSpare = 0x04040000;
constexpr u32 kOpRemoveHotSpare = 0x04050000;

constexpr int kStatusNoArray = 9;
constexpr int kStatusInArray = 11;
constexpr int kStatusNotFound = 12;

// Drive list: u32 count @4, 24-byte entries from byte 8.
constexpr u32 kPdListHead = 32;
constexpr std::size_t kPdListCount = 4;
constexpr std::size_t kPdListEntries = 8;
constexpr std::size_t kPdEntrySize = 24;
constexpr std::size_t kPdEntryDeviceId = 0;
constexpr std::size_t kPdEntryEnclosure = 2;
constexpr std::size_t kPdEntrySlot = 5;
constexpr std::size_t kPdEntryScsiType = 6;
constexpr u8 kScsiTypeDisk = 0;
// Device ids are 16-bit: a longer list than that is a controller fault.
constexpr u32 kMaxPdEntries = 0x10000;

// Configuration: a 32-byte head with the counts, then the arrays, virtual drives and spares.
constexpr u32 kConfigHead = 616;
constexpr std::size_t kCfgArrayCount = 4;
constexpr std::size_t kCfgVdCount = 8;
constexpr std::size_t kCfgSpareCount = 12;
constexpr std::size_t kCfgHeaderSize = 32;
constexpr std::size_t kArraySize = 288;
constexpr std::size_t kVdSize = 256;
constexpr std::size_t kSpareSize = 40;
constexpr std::size_t kArrayMemberCount = 8;
constexpr std::size_t kArrayRef = 10;
constexpr std::size_t kArrayMembers = 32;
constexpr std::size_t kMemberSize = 8;
constexpr unsigned kMaxMembers = (kArraySize - kArrayMembers) / kMemberSize;

// Controller information: byte 0x5E1 value 4 = revertible hot spares supported.
constexpr u32 kCtrlInfoSize = 2048;
constexpr std::size_t kCtrlRevertibleByte = 0x5E1;
constexpr u8 kCtrlRevertibleBit = 0x04;

// Drive information: the drive reference (u16 device id, u16 sequence number) at byte 0.
constexpr std::size_t kInfoDeviceId = 0;
constexpr std::size_t kInfoSeqNum = 2;

// Hot-spare record.
constexpr std::size_t kHspDeviceId = 0;
constexpr std::size_t kHspSeqNum = 2;
constexpr std::size_t kHspFlags = 4;
constexpr std::size_t kHspArrayCount = 7;
constexpr std::size_t kHspArrayRefs = 8;
constexpr unsigned kMaxArrayRefs = 16;
constexpr u8 kFlagDedicated = 0x01;
constexpr u8 kFlagRevertible = 0x02;
constexpr u8 kFlagEnclAffinity = 0x04;

int ExecuteDcmd(Controller* controller, u32 opcode, const u8 mbox[12], void* buffer, u32 length)
{
    if (controller == nullptr)
        return -1;
    DcmdFwiDpParams request(opcode, mbox, buffer, length);
    return controller->Execute(request);
}

// Reads a list whose full size follows from its head: the head of `headLength` bytes first,
// then the whole. 0, the request's status, or -1 for a size beyond `maxLength`.
template <typename SizeOf>
int ReadWhole(Controller* controller, u32 opcode, u32 headLength, u64 maxLength, SizeOf sizeOf, std::vector<u8>* out)
{
    const u8 mbox[12] = {};
    out->assign(headLength, 0);
    int status = ExecuteDcmd(controller, opcode, mbox, out->data(), headLength);
    if (status != 0)
        return status;
    const u64 size = sizeOf(out->data());
    if (size == 0 || size > maxLength)
        return -1;
    out->assign(static_cast<std::size_t>(size), 0);
    return ExecuteDcmd(controller, opcode, mbox, out->data(), static_cast<u32>(size));
}

}  // namespace

int PdHspCp::ReadPdList(Controller* controller)
{
    return ReadWhole(
        controller, kOpPdList, kPdListHead, kPdListEntries + u64{kMaxPdEntries} * kPdEntrySize,
        [](const u8* head) { return kPdListEntries + u64{LeU32(head, kPdListCount)} * kPdEntrySize; }, &pdList_);
}

int PdHspCp::ReadConfig(Controller* controller)
{
    // The counts are 16-bit, so the size always fits a request.
    return ReadWhole(
        controller, kOpConfig, kConfigHead, u64{0xFFFFFFFF},
        [](const u8* head) {
            return kCfgHeaderSize + u64{LeU16(head, kCfgArrayCount)} * kArraySize +
                   u64{LeU16(head, kCfgVdCount)} * kVdSize + u64{LeU16(head, kCfgSpareCount)} * kSpareSize;
        },
        &config_);
}

void PdHspCp::FreeBuffers()
{
    std::vector<u8>().swap(pdList_);
    std::vector<u8>().swap(config_);
}

// The entries the reply reports, never more than the buffer holds.
unsigned PdHspCp::EntryCount() const
{
    if (pdList_.size() < kPdListEntries)
        return 0;
    const u64 fits = (pdList_.size() - kPdListEntries) / kPdEntrySize;
    return static_cast<unsigned>(std::min<u64>(LeU32(pdList_.data(), kPdListCount), fits));
}

const u8* PdHspCp::EntryAt(unsigned index) const { return pdList_.data() + kPdListEntries + index * kPdEntrySize; }

unsigned PdHspCp::ArrayCount() const
{
    if (config_.size() < kCfgHeaderSize)
        return 0;
    const std::size_t fits = (config_.size() - kCfgHeaderSize) / kArraySize;
    return static_cast<unsigned>(std::min<std::size_t>(LeU16(config_.data(), kCfgArrayCount), fits));
}

bool PdHspCp::IsPdPresent(u16 enclosureId, u8 slot) const
{
    for (unsigned i = 0; i < EntryCount(); ++i) {
        const u8* entry = EntryAt(i);
        if (LeU16(entry, kPdEntryEnclosure) == enclosureId && LeU8(entry, kPdEntrySlot) == slot)
            return true;
    }
    return false;
}

bool PdHspCp::IsDiskPresent(u16 enclosureId, u8 slot) const { return GetDeviceId(enclosureId, slot) >= 0; }

int PdHspCp::GetDeviceId(u16 enclosureId, u8 slot) const
{
    for (unsigned i = 0; i < EntryCount(); ++i) {
        const u8* entry = EntryAt(i);
        if (LeU16(entry, kPdEntryEnclosure) == enclosureId && LeU8(entry, kPdEntrySlot) == slot &&
            LeU8(entry, kPdEntryScsiType) == kScsiTypeDisk)
            return LeU16(entry, kPdEntryDeviceId);
    }
    return -1;
}

bool PdHspCp::IsPdInArray(u16 enclosureId, u8 slot) const
{
    const int deviceId = GetDeviceId(enclosureId, slot);
    if (deviceId < 0)
        return false;
    for (unsigned a = 0; a < ArrayCount(); ++a) {
        const u8* array = config_.data() + kCfgHeaderSize + a * kArraySize;
        const unsigned members = std::min<unsigned>(LeU8(array, kArrayMemberCount), kMaxMembers);
        for (unsigned m = 0; m < members; ++m)
            if (LeU16(array, kArrayMembers + m * kMemberSize) == deviceId)
                return true;
    }
    return false;
}

int PdHspCp::GetArrayRef(u8 arrayNumber, u16* arrayRef) const
{
    if (arrayNumber >= ArrayCount())
        return -1;
    *arrayRef = LeU16(config_.data(), kCfgHeaderSize + arrayNumber * kArraySize + kArrayRef);
    return 0;
}

int PdHspCp::ProcessParsed(CpController* cpController, PdHspParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    Controller* controller = cpController ? cpController->GetController() : nullptr;

    // The record holds 16 array references: a longer list is refused before anything is sent.
    if (object->GetSet() != 0 && object->GetDedicated() != 0 && object->GetArrayList().GetCount() > kMaxArrayRefs) {
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
        return kStatusNotFound;
    }
    if (!IsDiskPresent(enclosureId, slot)) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        return kStatusNotFound;
    }
    if (IsPdInArray(enclosureId, slot)) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        return kStatusInArray;
    }
    const int deviceId = GetDeviceId(enclosureId, slot);
    if (deviceId < 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        return kStatusNotFound;
    }

    std::memset(pdInfo_, 0, sizeof pdInfo_);
    u8 mbox[12] = {};
    PutLeU16(mbox, 0, static_cast<u16>(deviceId));
    const int status = ExecuteDcmd(controller, kOpPdInfo, mbox, pdInfo_, sizeof pdInfo_);
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
    PutLeU16(hotSpareRecord_, kHspDeviceId, LeU16(pdInfo_, kInfoDeviceId));
    PutLeU16(hotSpareRecord_, kHspSeqNum, LeU16(pdInfo_, kInfoSeqNum));

    std::vector<u8> ctrlInfo(kCtrlInfoSize, 0);
    const u8 noMbox[12] = {};
    int status = ExecuteDcmd(controller, kOpCtrlInfo, noMbox, ctrlInfo.data(), kCtrlInfoSize);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
        return status;
    }

    u8 flags = 0;
    if (object.GetDedicated() != 0)
        flags |= kFlagDedicated;
    if ((LeU8(ctrlInfo.data(), kCtrlRevertibleByte) & kCtrlRevertibleBit) != 0 && (object.GetRevertible() & 1) != 0)
        flags |= kFlagRevertible;
    if (object.GetEnclAffinity() != 0)
        flags |= kFlagEnclAffinity;
    PutLeU8(hotSpareRecord_, kHspFlags, flags);

    if (object.GetDedicated() != 0) {
        const ArrayList<u8>& arrays = object.GetArrayList();
        PutLeU8(hotSpareRecord_, kHspArrayCount, arrays.GetCount());
        for (unsigned i = 0; i < arrays.GetCount() && i < kMaxArrayRefs; ++i) {
            u16 arrayRef = 0;
            if (GetArrayRef(arrays.GetAt(static_cast<u8>(i)), &arrayRef) != 0) {
                PrintMessage(CommonMsg::kOperationFailed, adapter, kOperation);
                return kStatusNoArray;
            }
            PutLeU16(hotSpareRecord_, kHspArrayRefs + 2 * i, arrayRef);
        }
    }

    status = ExecuteDcmd(controller, kOpMakeHotSpare, noMbox, hotSpareRecord_, sizeof hotSpareRecord_);
    PrintMessage(PdMsg::kHotSpareResult, adapter, "Set", EnclosureIdText(enclosureId), slot,
                 status == 0 ? "Success" : "Failed");
    return status;
}

int PdHspCp::RemoveHotSpare(Controller* controller, u8 adapter, u16 enclosureId, u8 slot)
{
    u8 mbox[12] = {};
    std::memcpy(mbox, pdInfo_, 4);
    const int status = ExecuteDcmd(controller, kOpRemoveHotSpare, mbox, nullptr, 0);
    PrintMessage(PdMsg::kHotSpareResult, adapter, "Remove", EnclosureIdText(enclosureId), slot,
                 status == 0 ? "Success" : "Failed");
    return status;
}
