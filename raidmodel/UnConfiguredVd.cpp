#include "raidmodel/UnConfiguredVd.h"

#include <cstring>

#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Adapter.h"

namespace {
// Until the controller's defaults are read: 64 KB strips, write through, no read ahead, direct I/O.
constexpr u8 kBuiltInStripCode = 7;
constexpr u8 kBuiltInCachePolicy = 0;

u8 WithBits(u8 value, u8 mask, u8 bits) { return static_cast<u8>((value & ~mask) | bits); }
}  // namespace

UnConfiguredVd::UnConfiguredVd(RaidManager* manager, Adapter* adapter)
    : manager_(manager), adapter_(adapter), stripCode_(kBuiltInStripCode), cachePolicy_(kBuiltInCachePolicy)
{
}

UnConfiguredVd::~UnConfiguredVd() = default;

int UnConfiguredVd::LoadControllerDefaults()
{
    u8 strip = 0;
    u8 cache = 0;
    if (adapter_ == nullptr)
        return -1;
    const int status = adapter_->GetVdDefaults(&strip, &cache);
    if (status != 0)
        return status;
    if (strip > kMaxStripCode)
        return -1;
    stripCode_ = strip;
    cachePolicy_ = cache;
    return 0;
}

int UnConfiguredVd::SetRaidLevel(u8 code)
{
    if (!raidlevel::IsKnown(code))
        return -1;
    level_ = code;
    return 0;
}

int UnConfiguredVd::SetStripSize(u8 code)
{
    if (code > kMaxStripCode)
        return -1;
    stripCode_ = code;
    return 0;
}

int UnConfiguredVd::SetReadPolicy(u8 policy)
{
    switch (policy) {
    case kReadAhead: cachePolicy_ = WithBits(cachePolicy_, vdrec::kCacheReadMask, vdrec::kCacheReadAhead); return 0;
    case kReadAdaptive: cachePolicy_ = WithBits(cachePolicy_, vdrec::kCacheReadMask, vdrec::kCacheReadAdaptive); return 0;
    case kNoReadAhead: cachePolicy_ = WithBits(cachePolicy_, vdrec::kCacheReadMask, 0); return 0;
    default: return -1;
    }
}

int UnConfiguredVd::SetWritePolicy(u8 policy)
{
    if (policy != kWriteBack && policy != kWriteThrough)
        return -1;
    cachePolicy_ = WithBits(cachePolicy_, vdrec::kCacheWriteBack, policy == kWriteBack ? vdrec::kCacheWriteBack : 0);
    return 0;
}

int UnConfiguredVd::SetIoPolicy(u8 policy)
{
    if (policy != kIoCached && policy != kIoDirect)
        return -1;
    cachePolicy_ = WithBits(cachePolicy_, vdrec::kCacheCachedIo, policy == kIoCached ? vdrec::kCacheCachedIo : 0);
    return 0;
}

int UnConfiguredVd::SetCachedBadBbu(u8 flag)
{
    if (flag > 1)
        return -1;
    cachePolicy_ = WithBits(cachePolicy_, vdrec::kCacheBadBbu, flag ? vdrec::kCacheBadBbu : 0);
    return 0;
}

int UnConfiguredVd::SetDiskCachePolicy(u8 policy)
{
    if (policy > 2)
        return -1;
    diskCachePolicy_ = policy;
    return 0;
}

int UnConfiguredVd::SetEncryptionType(u8 type)
{
    if (type > 2)
        return -1;
    encryption_ = type;
    return 0;
}

int UnConfiguredVd::SetSize(u64 blocks)
{
    size_ = blocks;
    return 0;
}

int UnConfiguredVd::SetPsPolicy(u8 policy)
{
    if (policy != 0 && policy != 1 && policy != 2 && policy != 6 && policy != 0xFE)
        return -1;
    psPolicy_ = policy;
    return 0;
}

int UnConfiguredVd::SetPiType(u8 type)
{
    if (type != 0 && type != kPiOn)
        return -1;
    piType_ = type;
    return 0;
}

int UnConfiguredVd::SetIsSscd(u8 flag)
{
    sscd_ = flag != 0;
    return 0;
}

int UnConfiguredVd::SetName(const char* name)
{
    if (name == nullptr)
        return -1;
    const std::size_t length = std::strlen(name);
    if (length < 1 || length > kNameMax)
        return -1;
    name_.assign(name, length);
    return 0;
}

int UnConfiguredVd::GetEncryptionType(u8* type)
{
    *type = encryption_;
    return 0;
}

int UnConfiguredVd::GetVdId(VdId** id)
{
    *id = vdId_ ? new VdIdFwi(static_cast<u8>(vdId_->GetFwTargetId()), vdId_->GetFwTargetId(), vdId_->GetSeqNum())
                : nullptr;
    return 0;
}

void UnConfiguredVd::SetVdId(u16 targetId, u16 seqNum)
{
    vdId_ = std::make_unique<VdIdFwi>(static_cast<u8>(targetId), targetId, seqNum);
}

int UnConfiguredVd::BlocksPerMember(u64* blocks)
{
    u64 capacity = 0;
    int status = ComputeCapacity(&capacity);
    if (status != 0)
        return status;
    const u32 dataDrives = DataDriveCount();
    if (dataDrives == 0)
        return -1;
    const u64 available = capacity / dataDrives;
    const u64 wanted = size_ == 0 ? capacity : size_;
    // Whole blocks on each member; a size that does not divide takes one block more on each,
    // but never more than the members have.
    const u64 perMember = wanted / dataDrives + (wanted % dataDrives != 0 ? 1 : 0);
    *blocks = perMember < available ? perMember : available;
    return 0;
}

int UnConfiguredVd::GetVdSize(u64* blocks)
{
    u64 perMember = 0;
    int status = BlocksPerMember(&perMember);
    if (status != 0)
        return status;
    *blocks = perMember * DataDriveCount();
    return 0;
}

void UnConfiguredVd::FillVdRecord(NewVdData* vd) const
{
    vd->name = name_;
    vd->cachePolicy = cachePolicy_;
    vd->accessPolicy = 0;
    vd->diskCachePolicy = diskCachePolicy_;
    vd->psPolicy = psPolicy_;
    vd->encryption = encryption_;
    vd->piType = piType_;
    vd->primaryLevel = raidlevel::PrimaryOf(level_);
    vd->stripExponent = stripCode_;
    vd->sscd = sscd_;
}
