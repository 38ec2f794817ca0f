// Requests about what a virtual drive holds besides its data: the preserved-cache bitmap and its
// discard, the bad-block table (one virtual drive, all of them, and its clear) and the mirror
// (its configuration image and the join). The rules are in VdRules.h.
#include "FwStatus.h"
#include "VdEncoders.h"
#include "VdRequests.h"
#include "VdRules.h"

namespace sim {
namespace {

constexpr u32 kBitmapSize = 8;  // u64, bit n: target id n

// Bad-block counts of one virtual drive (32 bytes), and of all of them (2056 bytes: u32 count at
// 0, the entry of target id t at 8 + 32 t for t = 0-63).
constexpr u32 kCountsSize = 32;
constexpr u32 kCountsCorrected = 0;    // u64
constexpr u32 kCountsUncorrected = 8;  // u64
constexpr u32 kAllCountsSize = 2056;
constexpr u32 kAllCountsNumber = 0;  // u32
constexpr u32 kAllCountsEntries = 8;
constexpr u8 kAllCountsTargets = 64;

void PutBadBlockCounts(ByteSpan entry, const VirtualDrive& vd)
{
    entry.PutU64(kCountsCorrected, vd.badBlocksCorrected);
    entry.PutU64(kCountsUncorrected, vd.badBlocksUncorrected);
}

}  // namespace

VdRef MailboxVdRef(const DcmdCall& call) { return VdRefFrom(MailboxWord(call.mailbox, 0)); }

void GetPreservedCacheRequest(DcmdCall& call)
{
    call.reply = Block(kBitmapSize);
    call.reply.PutU64(0, PreservedCacheBitmap(call.controller));
}

void DiscardPreservedCacheRequest(DcmdCall& call)
{
    call.Done(DiscardPreservedCache(call.controller, call.Now(), call.mailbox[0], call.mailbox[1]));
}

void ClearBadBlocksRequest(DcmdCall& call) { call.Done(ClearBadBlockTable(call.controller, call.Now(), MailboxVdRef(call))); }

void GetBadBlocksRequest(DcmdCall& call)
{
    if (!BadBlockManagementOn(call.controller)) {
        call.status = kFwFeatureOff;
        return;
    }
    const VdRef ref = MailboxVdRef(call);
    if (const VirtualDrive* vd = NamedVd(call.controller, ref.targetId, call.status, ref.seq)) {
        call.reply = Block(kCountsSize);
        PutBadBlockCounts(call.reply, *vd);
    }
}

void GetAllBadBlocksRequest(DcmdCall& call)
{
    if (!BadBlockManagementOn(call.controller)) {
        call.status = kFwFeatureOff;
        return;
    }
    call.reply = Block(kAllCountsSize);
    u32 reported = 0;
    for (const VirtualDrive& vd : call.controller.config.virtualDrives) {
        if (vd.targetId >= kAllCountsTargets)
            continue;
        PutBadBlockCounts(call.reply.Slice(kAllCountsEntries + kCountsSize * vd.targetId, kCountsSize), vd);
        ++reported;
    }
    call.reply.PutU32(kAllCountsNumber, reported);
}

// The mirror's configuration, encoded as the controller's own configuration is.
void GetMirrorRequest(DcmdCall& call)
{
    Configuration mirror;
    call.status = MirrorConfiguration(call.controller, MailboxVdRef(call), mirror);
    if (call.status != kFwOk)
        return;
    Controller view = call.controller;
    view.config = std::move(mirror);
    call.reply = EncodeConfiguration(view, call.Now());
}

void JoinMirrorRequest(DcmdCall& call)
{
    call.Done(JoinMirror(call.controller, call.Now(), MailboxVdRef(call), call.mailbox[kMailboxOptionByte]));
}

}  // namespace sim
