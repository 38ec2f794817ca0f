// The requests that change a drive: firmware state, locate, missing, removal, rebuild, clear,
// copyback, hot spare and spin-up. Each reads the drive information record first, since most
// name the drive by its reference (device id and sequence number); the controller gives the
// drive a new sequence number with every change, so a request that succeeded drops the record
// and the next field read fetches the new one.
#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/LeBytes.h"
#include "fwdata/PdDataFwi.h"
#include "fwdata/PdRecordLayout.h"

namespace {

constexpr u32 kDcmdPdSetState = 0x02030100;
constexpr u32 kDcmdPdRbldStart = 0x02040100;
constexpr u32 kDcmdPdRbldStop = 0x02040200;
constexpr u32 kDcmdPdClearStart = 0x02050100;
constexpr u32 kDcmdPdClearStop = 0x02050200;
constexpr u32 kDcmdPdLocateStart = 0x02070100;
constexpr u32 kDcmdPdLocateStop = 0x02070200;
constexpr u32 kDcmdPdMarkMissing = 0x02080100;
constexpr u32 kDcmdPdRemovalPrepare = 0x02090100;
constexpr u32 kDcmdPdRemovalUndo = 0x02090200;
constexpr u32 kDcmdPdCopyBackStart = 0x020B0100;
constexpr u32 kDcmdPdCopyBackStop = 0x020B0200;
constexpr u32 kDcmdPdSpinUp = 0x020D0200;
constexpr u32 kDcmdPdRbldSuspendResume = 0x020E0100;
constexpr u32 kDcmdPdCopyBackSuspendResume = 0x020E0200;
constexpr u32 kDcmdCfgMakeHsp = 0x04040000;

// The firmware's answer when its limit of system-drive conversions is reached.
constexpr int kFwConversionLimit = 95;

// Mailbox byte 4 of the suspend / resume requests.
constexpr u32 kSuspend = 0;
constexpr u32 kResume = 1;

// The hot-spare record (40 bytes, to the controller).
namespace hsp {
constexpr u32 kSize = 40;
constexpr u32 kOffDeviceId = 0;  // u16
constexpr u32 kOffSeqNum = 2;    // u16
constexpr u32 kOffFlags = 4;     // bit 0 dedicated, 1 revertible, 2 enclosure affinity
constexpr u8 kFlagDedicated = 0x01;
constexpr u8 kFlagRevertible = 0x02;
constexpr u8 kFlagEnclAffinity = 0x04;
constexpr u32 kOffArrayCount = 7;
constexpr u32 kOffArrayRefs = 8;  // u16 each
}  // namespace hsp

// The spin-up list: u32 total length (2 x count + 10), u32 count, 2 reserved bytes, u16 ids.
namespace spinup {
constexpr u32 kOffLength = 0;
constexpr u32 kOffCount = 4;
constexpr u32 kOffIds = 10;
constexpr u32 kSizeOne = kOffIds + 2;
}  // namespace spinup

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
    }
    return {0, 0};
}

}  // namespace

u32 PdDataFwi::Ref() const { return LeU32(record_.data(), pdrec::kOffDeviceId); }

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
    if (LeU16(record_.data(), pdrec::kOffFwState) == state)
        return -1;
    const u32 words[3] = {Ref(), state, 0};
    status = SendChange(kDcmdPdSetState, words);
    if (status == 0 || status == kFwConversionLimit)
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

int PdDataFwi::Locate(bool start, u16 value)
{
    int status = LoadRecord();
    if (status != 0)
        return status;
    // Locating changes nothing the record holds: it is kept.
    u8 mbox[12] = {};
    PutLeU16(mbox, 0, entry_.deviceId);
    PutLeU16(mbox, 2, start ? value : 0);
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
    u8 block[hsp::kSize] = {};
    PutLeU16(block, hsp::kOffDeviceId, LeU16(record_.data(), pdrec::kOffDeviceId));
    PutLeU16(block, hsp::kOffSeqNum, LeU16(record_.data(), pdrec::kOffSeqNum));
    u8 flags = 0;
    if (arrayCount > 0)
        flags |= hsp::kFlagDedicated;
    if (revertible)
        flags |= hsp::kFlagRevertible;
    if (enclAffinity)
        flags |= hsp::kFlagEnclAffinity;
    PutLeU8(block, hsp::kOffFlags, flags);
    PutLeU8(block, hsp::kOffArrayCount, arrayCount);
    for (u8 i = 0; i < arrayCount; ++i)
        PutLeU16(block, hsp::kOffArrayRefs + 2u * i, arrayRefs[i]);
    const u32 words[3] = {0, 0, 0};
    return SendChange(kDcmdCfgMakeHsp, words, block, sizeof block);
}

int PdDataFwi::SpinUp()
{
    int status = LoadRecord();
    if (status != 0)
        return status;
    u8 block[spinup::kSizeOne] = {};
    PutLeU32(block, spinup::kOffLength, spinup::kSizeOne);
    PutLeU32(block, spinup::kOffCount, 1);
    PutLeU16(block, spinup::kOffIds, entry_.deviceId);
    const u32 words[3] = {0, 0, 0};
    return SendChange(kDcmdPdSpinUp, words, block, sizeof block);
}
