#include "VdRecord.h"

#include "Operations.h"
#include "Sizes.h"
#include "SsdCache.h"
#include "Topology.h"

namespace sim {
namespace {

constexpr u8 kWriteBack = 0x01;
constexpr u8 kReadAhead = 0x04;
constexpr u8 kAdaptiveReadAhead = 0x0C;
constexpr u8 kReadMask = 0x0C;
constexpr u8 kWriteBackBadBbu = 0x10;
constexpr u8 kCachedIo = 0x60;
constexpr u8 kReservedCacheBits = 0x82;

constexpr u8 kAccessCodes[] = {0, 2, 3};
constexpr u8 kAccessBlocked = 3;
constexpr u8 kReasonCacheOffline = 1;
constexpr u8 kDiskCacheCodes[] = {0, 1, 2};
constexpr u8 kPowerSaveCodes[] = {0, 1, 2, 6, 0xFE};

// The battery cannot protect cached writes.
constexpr const char* kBatteryUnfit[] = {"pack_missing", "replace_pack", "capacity_low", "learn_cycle_active"};

template <std::size_t N>
bool OneOf(u8 value, const u8 (&codes)[N])
{
    for (u8 code : codes) {
        if (code == value)
            return true;
    }
    return false;
}

u8 CachePolicy(const VirtualDrive& vd)
{
    u8 policy = 0;
    if (vd.writePolicy == 1)
        policy |= kWriteBack;
    if (vd.readPolicy == 1)
        policy |= kReadAhead;
    else if (vd.readPolicy == 2)
        policy |= kAdaptiveReadAhead;
    if (vd.writeBackWithBadBbu)
        policy |= kWriteBackBadBbu;
    if (vd.ioPolicy == 1)
        policy |= kCachedIo;
    return policy;
}

bool BatteryProtectsWrites(const Battery& battery)
{
    if (!battery.present)
        return false;
    for (const char* condition : kBatteryUnfit) {
        if (battery.conditions.count(condition) != 0)
            return false;
    }
    return true;
}

// Write back falls back to write through while the battery cannot protect the cache, unless
// the virtual drive asks for write back regardless.
u8 CurrentCachePolicy(const Controller& c, const VirtualDrive& vd)
{
    u8 policy = CachePolicy(vd);
    if ((policy & kWriteBack) != 0 && !vd.writeBackWithBadBbu && !BatteryProtectsWrites(c.battery))
        policy = static_cast<u8>(policy & ~kWriteBack);
    return policy;
}

// "Default" follows the controller's default power-save policy.
u8 CurrentPowerSavePolicy(const Controller& c, const VirtualDrive& vd)
{
    return vd.powerSavePolicy == 0 ? static_cast<u8>(c.properties.defaultLdPowerSavePolicy) : vd.powerSavePolicy;
}

u8 PrimaryLevel(u8 raidLevel)
{
    switch (raidLevel) {
    case 10:
        return 1;
    case 50:
        return 5;
    case 60:
        return 6;
    default:
        return raidLevel;
    }
}

// Parity levels rotate their parity (qualifier 3); the others have none.
u8 Qualifier(u8 primaryLevel) { return primaryLevel == 5 || primaryLevel == 6 ? 3 : 0; }

u8 InitState(const Controller& c, u64 now, const VirtualDrive& vd)
{
    if (VdOperation(c, now, vd.targetId, OperationKind::FastInit))
        return 1;
    if (VdOperation(c, now, vd.targetId, OperationKind::FullInit))
        return 2;
    return 0;
}

void PutProperties(ByteSpan& record, const Controller& c, const VirtualDrive& vd)
{
    record.PutU8(vd_record::kTargetId, vd.targetId);
    record.PutU16(vd_record::kSeq, vd.seq);
    record.PutText(vd_record::kName, vd_record::kNameSize, vd.name);
    record.PutU8(vd_record::kCachePolicy, CachePolicy(vd));
    record.PutU8(vd_record::kAccessPolicy, vd.accessPolicy);
    record.PutU8(vd_record::kDiskCachePolicy, vd.diskCachePolicy);
    record.PutU8(vd_record::kCurrentCachePolicy, CurrentCachePolicy(c, vd));
    record.PutU8(vd_record::kBgiDisabled, vd.bgiDisabled);
    record.PutU8(vd_record::kPowerSavePolicy, vd.powerSavePolicy);
    record.PutU8(vd_record::kCurrentPowerSavePolicy, CurrentPowerSavePolicy(c, vd));
}

void PutSpans(ByteSpan& record, const Controller& c, const VirtualDrive& vd)
{
    const u64 perDrive = BlocksPerDrive(c, vd);
    // Every span has as many drives as the first one present (a foreign configuration may lack
    // the record of a span).
    const DriveArray* first = nullptr;
    for (std::size_t s = 0; s < vd.arrays.size() && first == nullptr; ++s)
        first = FindArray(c, vd.arrays[s]);
    record.PutU8(vd_record::kDrivesPerSpan, first != nullptr ? first->rows.size() : 0);
    record.PutU8(vd_record::kSpanCount, vd.arrays.size());
    for (std::size_t s = 0; s < vd.arrays.size() && s < kMaxSpans; ++s) {
        ByteSpan span = record.Slice(vd_record::kSpans + vd_record::kSpanSize * s, vd_record::kSpanSize);
        span.PutU64(vd_record::kSpanStart, vd.startBlock);
        span.PutU64(vd_record::kSpanBlocks, perDrive);
        span.PutU16(vd_record::kSpanArrayRef, vd.arrays[s]);
    }
}

}  // namespace

void PutVdRecord(ByteSpan record, const Controller& c, u64 now, const VirtualDrive& vd)
{
    PutProperties(record, c, vd);
    record.PutU8(vd_record::kEncryption, vd.encryption);
    record.PutU8(vd_record::kPiType, vd.piType);
    // A virtual drive whose SSD cache is offline, or went offline (until the block is removed), is
    // blocked whatever its own policy says (reason 1).
    const bool blocked = vd.blockedByOfflineCache || IsBlockedByCache(c, vd.targetId);
    record.PutU8(vd_record::kCurrentAccessPolicy, blocked ? kAccessBlocked : vd.accessPolicy);
    record.PutU8(vd_record::kAccessPolicyReason,
                 blocked && vd.accessPolicy != kAccessBlocked ? kReasonCacheOffline : 0);
    const u8 primary = PrimaryLevel(vd.raidLevel);
    record.PutU8(vd_record::kPrimaryLevel, primary);
    record.PutU8(vd_record::kQualifier, Qualifier(primary));
    record.PutU8(vd_record::kSecondaryLevel, 0);
    record.PutU8(vd_record::kStripExponent, vd.stripCode);
    PutSpans(record, c, vd);
    record.PutU8(vd_record::kState, static_cast<u8>(StateOf(c, vd)));
    record.PutU8(vd_record::kInitState, InitState(c, now, vd));
    record.PutU8(vd_record::kConsistent, vd.consistent);
    record.PutU8(vd_record::kBadBlocks, vd.badBlocks);
    record.PutU8(vd_record::kPreservedCache, vd.preservedCache);
    record.PutU8(vd_record::kSnapshot, vd.snapshot);
    record.PutU8(vd_record::kCacheServed, IsCacheServed(c, vd.targetId));
    record.PutU8(vd_record::kSsdCache, vd.ssdCache);
    record.PutU64(vd_record::kBlocks, vd.blocks);
}

Block EncodeVdProperties(const Controller& c, const VirtualDrive& vd)
{
    Block block(kVdPropertiesSize);
    PutProperties(block, c, vd);
    return block;
}

bool DecodeVdProperties(const ByteSpan& record, VirtualDrive& vd)
{
    if (record.Size() < kVdPropertiesSize)
        return false;
    // A name the state file could not hold back (control or non-ASCII bytes, no terminator)
    // is refused.
    if (record.U8(vd_record::kName + vd_record::kNameSize - 1) != 0)
        return false;
    const std::string name = record.Text(vd_record::kName, vd_record::kNameSize);
    for (char ch : name) {
        if (ch < 0x20 || ch > 0x7E)
            return false;
    }
    const u8 cache = record.U8(vd_record::kCachePolicy);
    const u8 read = cache & kReadMask;
    const u8 io = cache & kCachedIo;
    if ((cache & kReservedCacheBits) != 0 || (read != 0 && read != kReadAhead && read != kAdaptiveReadAhead) ||
        (io != 0 && io != kCachedIo))
        return false;
    const u8 access = record.U8(vd_record::kAccessPolicy);
    const u8 diskCache = record.U8(vd_record::kDiskCachePolicy);
    const u8 powerSave = record.U8(vd_record::kPowerSavePolicy);
    if (!OneOf(access, kAccessCodes) || !OneOf(diskCache, kDiskCacheCodes) || !OneOf(powerSave, kPowerSaveCodes))
        return false;

    vd.name = name;
    vd.writePolicy = (cache & kWriteBack) != 0;
    vd.writeBackWithBadBbu = (cache & kWriteBackBadBbu) != 0;
    vd.readPolicy = read == kReadAhead ? 1 : read == kAdaptiveReadAhead ? 2 : 0;
    vd.ioPolicy = io == kCachedIo;
    vd.accessPolicy = access;
    vd.diskCachePolicy = diskCache;
    vd.bgiDisabled = record.U8(vd_record::kBgiDisabled) != 0;
    vd.powerSavePolicy = powerSave;
    return true;
}

EventLdProperties VdEventProperties(const Controller& c, const VirtualDrive& vd)
{
    EventLdProperties p;
    p.name = vd.name;
    p.defaultCachePolicy = CachePolicy(vd);
    p.accessPolicy = vd.accessPolicy;
    p.diskCachePolicy = vd.diskCachePolicy;
    p.currentCachePolicy = CurrentCachePolicy(c, vd);
    p.noBgi = vd.bgiDisabled;
    return p;
}

}  // namespace sim
