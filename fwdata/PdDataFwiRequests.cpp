// The requests that change a drive: firmware state, locate, missing, removal, rebuild, clear,
// copyback, instant secure erase, reprovisioning, secure erase, hot spare and spin-up. Each reads
// the drive information record first, since most name the drive by its reference (device id and
// sequence number); the controller gives the drive a new sequence number with every change, so a
// request that succeeded drops the record and the next field read fetches the new one.
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/PdDataFwi.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdRecord.h"
#include "fwdata/layout/SpareRecord.h"
#include "fwdata/layout/SpinUpList.h"

namespace {

// Mailbox word 1 of the suspend / resume requests.
constexpr u32 kSuspend = 0;
constexpr u32 kResume = 1;

struct RefRequest {
    u32 opcode;
    u32 word1;  // mailbox word 1 (byte 4 for suspend / resume)
};

RefRequest RequestOf(PdRequest request)
{
    switch (request) {
    case PdRequest::MarkMissing: return {kDcmdPdMarkMissing, 0};
    case PdRequest::PrepareForRemoval: return {kDcmdPdRemovalPrepare, 0};
    case PdRequest::UndoPrepareForRemoval: return {kDcmdPdRemovalUndo, 0};
    case PdRequest::StartRbld: return {kDcmdPdRbldStart, 0};
    case PdRequest::StopRbld: return {kDcmdPdRbldStop, 0};
    case PdRequest::StartClear: return {kDcmdPdClearStart, 0};
    case PdRequest::StopClear: return {kDcmdPdClearStop, 0};
    case PdRequest::SuspendRbld: return {kDcmdPdRbldSuspendResume, kSuspend};
    case PdRequest::ResumeRbld: return {kDcmdPdRbldSuspendResume, kResume};
    case PdRequest::SuspendCopyBack: return {kDcmdPdCopyBackSuspendResume, kSuspend};
    case PdRequest::ResumeCopyBack: return {kDcmdPdCopyBackSuspendResume, kResume};
    case PdRequest::StopCopyBack: return {kDcmdPdCopyBackStop, 0};
    case PdRequest::InstantSecureErase: return {kDcmdPdInstantSecureErase, 0};
    case PdRequest::Reprovision: return {kDcmdPdReprovision, 0};
    case PdRequest::StopSecureErase: return {kDcmdPdSecureEraseStop, 0};
    }
    return {0, 0};
}

}  // namespace

u32 PdDataFwi::Ref() const { return Record().U32(pdrec::kOffRef); }

int PdDataFwi::SendChange(u32 opcode, const u32 mboxWords[3], void* data, u32 length)
{
    DcmdFwiDpParams request(opcode, mboxWords, data, length);
    int status = controller_->Execute(request);
    if (status == 0)
        DropRecord();
    return status;
}

int PdDataFwi::SetFwState(u8 state)
{
    int status = LoadRecord();
    if (status != 0)
        return status;
    // A drive already in that state is not asked again.
    if (Record().U16(pdrec::kOffFwState) == state)
        return -1;
    const u32 words[3] = {Ref(), state, 0};
    status = SendChange(kDcmdPdSetState, words);
    if (status == 0 || status == fwstatus::kJbodConversionLimit)
        return status;
    return -1;
}

int PdDataFwi::Request(PdRequest request)
{
    int status = LoadRecord();
    if (status != 0)
        return status;
    const RefRequest r = RequestOf(request);
    if (r.opcode == 0)
        return -1;
    const u32 words[3] = {Ref(), r.word1, 0};
    return SendChange(r.opcode, words);
}

int PdDataFwi::StartSecureErase(u8 eraseType, u8 patternA, u8 patternB)
{
    int status = LoadRecord();
    if (status != 0)
        return status;
    u8 mbox[mailbox::kSize] = {};
    ByteWriter fields(mbox);
    fields.PutU32(mailbox::kOffPdRef, Ref());
    fields.PutU8(mailbox::kOffEraseType, eraseType);
    fields.PutU8(mailbox::kOffErasePatternA, patternA);
    fields.PutU8(mailbox::kOffErasePatternB, patternB);
    DcmdFwiDpParams request(kDcmdPdSecureEraseStart, mbox, nullptr, 0);
    status = controller_->Execute(request);
    if (status == 0)
        DropRecord();
    return status;
}

int PdDataFwi::Locate(bool start, u16 value)
{
    int status = LoadRecord();
    if (status != 0)
        return status;
    // Locating changes nothing the record holds: it is kept.
    u8 mbox[mailbox::kSize] = {};
    ByteWriter fields(mbox);
    fields.PutU16(mailbox::kOffDeviceId, entry_.deviceId);
    fields.PutU16(mailbox::kOffLocateValue, start ? value : 0);
    DcmdFwiDpParams request(start ? kDcmdPdLocateStart : kDcmdPdLocateStop, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int PdDataFwi::StartCopyBack(u32 targetRef)
{
    int status = LoadRecord();
    if (status != 0)
        return status;
    const u32 words[3] = {targetRef, Ref(), 0};
    return SendChange(kDcmdPdCopyBackStart, words);
}

int PdDataFwi::MakeHsp(const u16* arrayRefs, u8 arrayCount, bool revertible, bool enclAffinity)
{
    if (arrayCount > kMaxSpareArrays || (arrayCount > 0 && arrayRefs == nullptr))
        return -1;
    int status = LoadRecord();
    if (status != 0)
        return status;
    u8 block[sparerec::kSize] = {};
    ByteWriter spare(block);
    spare.PutU16(sparerec::kOffDeviceId, Record().U16(pdrec::kOffDeviceId));
    spare.PutU16(sparerec::kOffSeqNum, Record().U16(pdrec::kOffSeqNum));
    u8 flags = 0;
    if (arrayCount > 0)
        flags |= sparerec::kFlagDedicated;
    if (revertible)
        flags |= sparerec::kFlagRevertible;
    if (enclAffinity)
        flags |= sparerec::kFlagEnclAffinity;
    spare.PutU8(sparerec::kOffFlags, flags);
    spare.PutU8(sparerec::kOffArrayCount, arrayCount);
    for (u8 i = 0; i < arrayCount; ++i)
        spare.PutU16(sparerec::kOffArrayRefs + sparerec::kArrayRefSize * i, arrayRefs[i]);
    const u32 words[3] = {0, 0, 0};
    return SendChange(kDcmdCfgMakeHsp, words, block, sizeof block);
}

int PdDataFwi::SpinUp()
{
    int status = LoadRecord();
    if (status != 0)
        return status;
    u8 block[spinup::ListSize(1)] = {};
    ByteWriter list(block);
    list.PutU32(spinup::kOffLength, sizeof block);
    list.PutU32(spinup::kOffCount, 1);
    list.PutU16(spinup::kOffIds, entry_.deviceId);
    const u32 words[3] = {0, 0, 0};
    return SendChange(kDcmdPdSpinUp, words, block, sizeof block);
}
