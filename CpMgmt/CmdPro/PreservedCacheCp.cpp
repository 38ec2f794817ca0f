#include "CpMgmt/CmdPro/PreservedCacheCp.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdPropertyCp.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/PreservedCache.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PreservedCacheListCp> kRegisterListCp{TOKEN_GETPRESERVEDCACHELIST};
const CpRegistration<DiscardPreservedCacheCp> kRegisterDiscardCp{TOKEN_DISCARDPRESERVEDCACHE};

// The bitmap names target ids 0-63 only; a higher target id holds no preserved cache.
bool HasCache(const u8 (&bitmap)[pinnedcache::kSize], unsigned target)
{
    return target < pinnedcache::kTargets && ByteView(bitmap).Bit(pinnedcache::kOffBitmap + target / 8, target % 8);
}

bool IsEmpty(const u8 (&bitmap)[pinnedcache::kSize])
{
    return ByteView(bitmap).U64(pinnedcache::kOffBitmap) == 0;
}

// The RaidManager and its Adapter of the command, and the bitmap of the drives that hold
// preserved cache.
struct PreservedCacheBitmap {
    RaidManager* manager = nullptr;
    Adapter* adapterElement = nullptr;
    u8 bitmap[pinnedcache::kSize] = {};
};

// Opens the command's bitmap. False after the message of a failure (`*status` -1, or the status
// of a bitmap that could not be read: a failed read is not taken for an empty bitmap), or after
// the message that no drive holds preserved cache (`*status` 0).
bool OpenBitmap(CpController* cpController, u8 adapter, PreservedCacheBitmap* opened, int* status)
{
    *status = -1;
    opened->manager = RaidManagerOrReport(cpController, adapter);
    if (opened->manager == nullptr)
        return false;
    if (opened->manager->GetAdapter(&opened->adapterElement) != 0 || opened->adapterElement == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return false;
    }
    const int read = opened->adapterElement->GetPreservedCacheList(opened->bitmap);
    if (read != 0) {
        PrintMessage(CommonMsg::kGetDataFailed, adapter);
        *status = read;
        return false;
    }
    if (IsEmpty(opened->bitmap)) {
        PrintMessage(LdMsg::kNoPreservedCache, adapter);
        *status = 0;
        return false;
    }
    return true;
}

VirtualDisk* FindTarget(List<VirtualDisk*>* vds, unsigned target, unsigned* position)
{
    for (unsigned j = 0; vds != nullptr && j < vds->GetCount(); ++j) {
        VirtualDisk* vd = vds->GetAt(static_cast<u8>(j));
        if (vd != nullptr && vd->GetId()->GetTargetId() == target) {
            if (position != nullptr)
                *position = j;
            return vd;
        }
    }
    return nullptr;
}

bool IsBlockedBySscd(VirtualDisk* vd, u8* current, u8* reason)
{
    vd->GetCurrentAccessPolicy(current);
    vd->GetAccessPolicyReason(reason);
    return *current == vdrec::kAccessBlocked || *reason == vdrec::kAccessReasonSscdOffline;
}

// What the discard works on: the opened bitmap, the drive list and the targets to visit.
struct PreservedCacheDiscard {
    RaidManager* manager;
    Adapter* adapterElement;
    const u8 (&bitmap)[pinnedcache::kSize];
    List<VirtualDisk*>* vds;
    std::vector<unsigned> targets;
    u8 adapter;
    bool all;
};

// Before anything is discarded: the access of a drive blocked by an offline SSD cache is given
// back, and an offline drive refuses the command without -force. 0 to go on; the failing status
// or -1 after its message.
int CheckPreservedCacheDrives(const PreservedCacheDiscard& run, bool force)
{
    for (const unsigned t : run.targets) {
        VirtualDisk* vd = HasCache(run.bitmap, t) ? FindTarget(run.vds, t, nullptr) : nullptr;
        if (vd == nullptr)
            continue;
        u8 state = 0;
        u8 current = 0;
        u8 reason = 0;
        vd->GetState(&state);
        IsBlockedBySscd(vd, &current, &reason);
        if (current == vdrec::kAccessBlocked && reason == vdrec::kAccessReasonSscdOffline) {
            const int status = LdPropertyCp::RemoveBlockedAccess(vd, run.adapter, t, run.all);
            if (status != 0)
                return status;
        }
        // Nothing is discarded without -force: the command is refused.
        if (state == VirtualDisk::kStateOffline && !force && current != vdrec::kAccessBlocked &&
            reason != vdrec::kAccessReasonSscdOffline) {
            PrintMessage(CommonMsg::kText,
                         "\n One or more virtual drives are Offline. In order to discard preserved cache use -force "
                         "option. This will discard the preserved cache & delete the offline virtual drives.\n");
            return -1;
        }
    }
    return 0;
}

// Discards the preserved cache of each target that holds some, and deletes a drive left offline.
// 0, or the failing status after its message.
int DiscardPreservedCaches(const PreservedCacheDiscard& run)
{
    for (const unsigned t : run.targets) {
        if (!HasCache(run.bitmap, t)) {
            if (!run.all)
                PrintMessage(LdMsg::kNoCacheOnVd, t);
            continue;
        }
        VirtualDisk* vd = FindTarget(run.vds, t, nullptr);
        u8 current = 0;
        u8 reason = 0;
        if (vd != nullptr && IsBlockedBySscd(vd, &current, &reason))
            continue;
        const int discarded = run.adapterElement->DiscardPreservedCache(static_cast<u8>(t));
        if (discarded != 0) {
            PrintMessage(LdMsg::kCacheNotCleared, t);
            return discarded;
        }
        PrintMessage(LdMsg::kCacheCleared, t);
        u8 state = 0;
        if (vd == nullptr || vd->GetState(&state) != 0 || state != VirtualDisk::kStateOffline)
            continue;
        VdIdFwi id(0, vd->GetId()->GetTargetId(), vd->GetId()->GetSeqNum());
        const int deleted = run.manager->DeleteVd(&id, vd->IsSscd() ? 1 : 0, 0);
        if (deleted != 0) {
            PrintMessage(CommonMsg::kText, "Deletion of offline virtual drive failed. \n");
            return deleted;
        }
    }
    return 0;
}

}  // namespace

int PreservedCacheListCp::ProcessParsed(CpController* cpController, PdListParsedObject*)
{
    const u8 adapter = AdapterNumberOf(cpController);
    PreservedCacheBitmap opened;
    int status = 0;
    if (!OpenBitmap(cpController, adapter, &opened, &status))
        return status;
    PrintMessage(CommonMsg::kAdapterTitle, adapter);
    List<VirtualDisk*>* vds = nullptr;
    if (opened.manager->GetVdList(&vds) != 0 || vds == nullptr)
        return -1;
    u8 maxLds = 0;
    opened.adapterElement->GetMaxLdCount(&maxLds);
    for (unsigned t = 0; t < maxLds; ++t) {
        if (!HasCache(opened.bitmap, t))
            continue;
        unsigned position = 0;
        VirtualDisk* vd = FindTarget(vds, t, &position);
        if (vd == nullptr) {
            PrintMessage(LdMsg::kTargetLine, t, "Missing");
            continue;
        }
        string name;
        vd->GetName(&name);
        u64 blocks = 0;
        vd->GetSize(&blocks);
        char line[80] = {};
        std::snprintf(line, sizeof line, "%s%sSize:%lluMB, Offline ", name.GetCStr(), name.GetLength() != 0 ? ", " : "",
                      static_cast<unsigned long long>(blocks >> 11));
        PrintMessage(LdMsg::kVdLine, position, t, line);
    }
    return 0;
}

int DiscardPreservedCacheCp::ProcessParsed(CpController* cpController, LdInfoParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    PreservedCacheBitmap opened;
    int status = 0;
    if (!OpenBitmap(cpController, adapter, &opened, &status))
        return status;
    const bool all = object->GetLd(0) == LdParsedObject::kAllLds;
    u8 maxLds = 0;
    opened.adapterElement->GetMaxLdCount(&maxLds);
    std::vector<unsigned> targets;
    const unsigned count = all ? maxLds : object->GetLdCount();
    for (unsigned i = 0; i < count; ++i)
        targets.push_back(all ? i : object->GetLd(static_cast<u8>(i)));

    PrintMessage(CommonMsg::kAdapterTitle, adapter);
    // Without the list a drive holding preserved cache would look missing: its cache would be
    // discarded and the drive, offline, kept.
    List<VirtualDisk*>* vds = nullptr;
    const int listed = opened.manager->GetVdList(&vds);
    if (listed != 0 || vds == nullptr) {
        PrintMessage(CommonMsg::kGetDataFailed, adapter);
        return listed != 0 ? listed : -1;
    }
    const PreservedCacheDiscard run{opened.manager, opened.adapterElement, opened.bitmap, vds, std::move(targets), adapter, all};
    status = CheckPreservedCacheDrives(run, object->GetForce() == 1);
    if (status != 0)
        return status;
    return DiscardPreservedCaches(run);
}
