// Requests that start, stop, suspend and resume background work on a virtual drive, reconstruct
// it, and change its consistency flag, blocked access or protection information. The virtual
// drive is named by its reference in mailbox word 0 (target id in byte 0, sequence number in
// bytes 2-3) or by its target id alone; the rules are in VdRules.h.
#include "FwStatus.h"
#include "SecureErase.h"
#include "VdRequests.h"
#include "VdRules.h"

namespace sim {
namespace {

// The reconstruction block (136 bytes).
constexpr u32 kReconSize = 136;
constexpr u32 kReconVdRef = 0;  // u32, as in the mailbox
constexpr u32 kReconChange = 4;
constexpr u32 kReconLevel = 5;
constexpr u32 kReconDriveCount = 6;
constexpr u32 kReconPercent = 7;
constexpr u32 kReconDrives = 8;  // u16 device id, u16 sequence number each
constexpr u32 kReconDriveSize = 4;
constexpr std::size_t kReconMaxDrives = 32;

}  // namespace

void StartCheckRequest(DcmdCall& call) { call.Done(StartConsistencyCheck(call.controller, call.Now(), MailboxVdRef(call))); }
void AbortCheckRequest(DcmdCall& call) { call.Done(AbortConsistencyCheck(call.controller, call.Now(), MailboxVdRef(call))); }

void StartInitRequest(DcmdCall& call)
{
    call.Done(StartInitialization(call.controller, call.Now(), MailboxVdRef(call), call.mailbox[kMailboxOptionByte]));
}

void AbortInitRequest(DcmdCall& call) { call.Done(AbortInitialization(call.controller, call.Now(), MailboxVdRef(call))); }

void SuspendResumeCheckRequest(DcmdCall& call)
{
    call.Done(SuspendResumeCheck(call.controller, call.Now(), MailboxVdRef(call), call.mailbox[kMailboxOptionByte]));
}

void SuspendResumeReconRequest(DcmdCall& call)
{
    call.Done(SuspendResumeReconstruction(call.controller, call.Now(), MailboxVdRef(call), call.mailbox[kMailboxOptionByte]));
}

void ReconstructRequest(DcmdCall& call)
{
    const ByteSpan& block = call.data;
    ReconstructionRequest request;
    request.vdReference = block.U32(kReconVdRef);
    request.change = block.U8(kReconChange);
    request.raidLevel = block.U8(kReconLevel);
    request.percent = block.U8(kReconPercent);
    const std::size_t count = block.U8(kReconDriveCount);
    if (block.Size() < kReconSize || count > kReconMaxDrives) {
        call.status = kFwInvalidParameter;
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const u32 at = kReconDrives + kReconDriveSize * static_cast<u32>(i);
        request.drives.emplace_back(block.U16(at), block.U16(at + 2));
    }
    call.Done(StartReconstruction(call.controller, call.Now(), MailboxVdRef(call), request));
}

// Byte 4 the erase type, bytes 5 and 6 the patterns, byte 7 1 to delete the drive afterwards.
void StartSecureEraseRequest(DcmdCall& call)
{
    const EraseRequest request{call.mailbox[kMailboxOptionByte], call.mailbox[5], call.mailbox[6], call.mailbox[7]};
    call.Done(StartVdErase(call.controller, call.Now(), MailboxVdRef(call), request));
}

void StopSecureEraseRequest(DcmdCall& call) { call.Done(StopVdErase(call.controller, call.Now(), MailboxVdRef(call))); }

void RemoveBlockedAccessRequest(DcmdCall& call)
{
    call.Done(RemoveBlockedAccess(call.controller, call.Now(), call.mailbox[0]));
}

void DisablePiRequest(DcmdCall& call) { call.Done(DisableProtection(call.controller, call.Now(), call.mailbox[0])); }

void SetConsistentRequest(DcmdCall& call)
{
    const u32 targetId = MailboxWord(call.mailbox, 0);
    if (targetId > 0xFF) {
        call.status = kFwNotFound;
        return;
    }
    call.Done(SetConsistentFlag(call.controller, call.Now(), static_cast<u8>(targetId), MailboxWord(call.mailbox, 1)));
}

}  // namespace sim
