#include "SsdCache.h"

#include <algorithm>

#include "Clock.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Topology.h"

namespace sim {
namespace {

namespace association_list {

constexpr u32 kLength = 0;   // u32: 12 x entries, 12 when there is none
constexpr u32 kEntries = 4;  // u32
constexpr u32 kTargetIds = 11;
constexpr u32 kMaxEntries = 64;

}  // namespace association_list

void LogAssociation(Controller& controller, u64 now, u32 code, u8 targetId)
{
    AppendEvent(controller, ClockAt(now), code, EventArgs::Ld(EventLd{targetId}));
}

}  // namespace

bool HasSsdCache(const Controller& controller)
{
    return std::any_of(controller.config.virtualDrives.begin(), controller.config.virtualDrives.end(),
                       [](const VirtualDrive& vd) { return vd.ssdCache; });
}

bool IsCacheServed(const Controller& controller, u8 targetId)
{
    return Contains(controller.config.ssdCacheAssociations, targetId);
}

bool IsBlockedByCache(const Controller& controller, u8 targetId)
{
    if (!IsCacheServed(controller, targetId))
        return false;
    return std::any_of(controller.config.virtualDrives.begin(), controller.config.virtualDrives.end(),
                       [&](const VirtualDrive& vd) { return vd.ssdCache && StateOf(controller, vd) == VdState::Offline; });
}

Block EncodeAssociations(const Controller& controller)
{
    const std::vector<u8>& list = controller.config.ssdCacheAssociations;
    Block block(kAssociationEntrySize * std::max<std::size_t>(list.size(), 1));
    block.PutU32(association_list::kLength, block.Size());
    block.PutU32(association_list::kEntries, list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        block.PutU8(association_list::kTargetIds + i, list[i]);
    return block;
}

u32 ReplaceAssociations(Controller& controller, u64 now, const ByteSpan& block)
{
    if (controller.info.capabilities.count("ssc_vd_association") == 0)
        return kFwInvalidOpcode;
    const u32 entries = block.U32(association_list::kEntries);
    const u64 length = u64{kAssociationEntrySize} * std::max<u32>(entries, 1);
    if (entries > association_list::kMaxEntries || block.U32(association_list::kLength) != length ||
        length > block.Size())
        return kFwInvalidParameter;
    if (!HasSsdCache(controller))
        return kFwNotFound;
    std::vector<u8> list;
    for (u32 i = 0; i < entries; ++i) {
        const u8 targetId = block.U8(association_list::kTargetIds + i);
        const VirtualDrive* vd = FindVirtualDrive(controller, targetId);
        if (vd == nullptr)
            return kFwNotFound;
        if (vd->ssdCache || Contains(list, targetId))
            return kFwInvalidParameter;
        list.push_back(targetId);
    }
    const std::vector<u8> before = controller.config.ssdCacheAssociations;
    controller.config.ssdCacheAssociations = list;
    for (u8 targetId : before) {
        if (!Contains(list, targetId))
            LogAssociation(controller, now, kEvSsdCacheDissociated, targetId);
    }
    for (u8 targetId : list) {
        if (!Contains(before, targetId))
            LogAssociation(controller, now, kEvSsdCacheAssociated, targetId);
    }
    return kFwOk;
}

void DropAssociations(Controller& controller, u64 now)
{
    const bool cache = HasSsdCache(controller);
    std::vector<u8> leaving;
    std::erase_if(controller.config.ssdCacheAssociations, [&](u8 targetId) {
        const bool stays = cache && FindVirtualDrive(controller, targetId) != nullptr;
        if (!stays)
            leaving.push_back(targetId);
        return !stays;
    });
    for (u8 targetId : leaving) {
        // A deleted virtual drive has logged its own end; one the cache stops serving is logged here.
        if (FindVirtualDrive(controller, targetId) != nullptr)
            LogAssociation(controller, now, kEvSsdCacheDissociated, targetId);
    }
}

}  // namespace sim
