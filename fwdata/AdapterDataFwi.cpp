#include "fwdata/AdapterDataFwi.h"

#include <algorithm>
#include <iterator>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/CtrlInfoLayout.h"
#include "fwdata/FwOpcodes.h"
#include "fwdata/LeBytes.h"

namespace {

struct InfoBit {
    AdpInfoFlag flag;
    u32 offset;
    unsigned bit;
};

constexpr InfoBit kInfoBits[] = {
    {AdpInfoFlag::SscRaid5, ctrlinfo::kOffSscRaid5, 6},
    {AdpInfoFlag::ConnectorInfo, ctrlinfo::kOffCaps1506, 5},
    {AdpInfoFlag::AllowedOps, ctrlinfo::kOffCaps1506, 6},
    {AdpInfoFlag::EncryptionEnabled, ctrlinfo::kOffCaps1507, 2},
    {AdpInfoFlag::MoreThan8Phys, ctrlinfo::kOffCaps1507, 3},
    {AdpInfoFlag::LdExpansion, ctrlinfo::kOffCaps1507, 4},
    {AdpInfoFlag::Ekm, ctrlinfo::kOffCaps1507, 5},
    {AdpInfoFlag::Snapshot, ctrlinfo::kOffCaps1507, 6},
    {AdpInfoFlag::LdDiskCachePolicy, ctrlinfo::kOffCaps1508, 4},
    {AdpInfoFlag::LdBbm, ctrlinfo::kOffCaps1509, 1},
    {AdpInfoFlag::LdPowerSaving, ctrlinfo::kOffCaps1509, 4},
    {AdpInfoFlag::MaxPowerSavingUncached, ctrlinfo::kOffCaps1509, 5},
    {AdpInfoFlag::LdMirror, ctrlinfo::kOffCaps1509, 6},
    {AdpInfoFlag::SscWriteBack, ctrlinfo::kOffCaps1509, 7},
    {AdpInfoFlag::SscVdAssociation, ctrlinfo::kOffCaps1510, 0},
    {AdpInfoFlag::SpinDown, ctrlinfo::kOffCaps1517, 0},
    {AdpInfoFlag::HasSecurityKey, ctrlinfo::kOffStatus1528, 1},
    {AdpInfoFlag::SecurityKeyFailedAtBoot, ctrlinfo::kOffStatus1528, 2},
    {AdpInfoFlag::RebootRequired, ctrlinfo::kOffStatus1528, 6},
    {AdpInfoFlag::Pi, ctrlinfo::kOffCaps1956, 0},
    {AdpInfoFlag::BlockSsdWriteCacheChange, ctrlinfo::kOffCaps1956, 6},
    {AdpInfoFlag::BgOpSuspendResume, ctrlinfo::kOffCaps1956, 7},
    {AdpInfoFlag::EmergencySpare, ctrlinfo::kOffCaps1957, 0},
    {AdpInfoFlag::PerfTuning, ctrlinfo::kOffCaps1957, 5},
    {AdpInfoFlag::SsdPatrolRead, ctrlinfo::kOffCaps1957, 6},
    {AdpInfoFlag::RealTimeScheduling, ctrlinfo::kOffCaps1957, 7},
    {AdpInfoFlag::SpinUpBeforeCfg, ctrlinfo::kOffCaps1517, 1},
    {AdpInfoFlag::HddSasSataMixInVd, ctrlinfo::kOffDriveSupport, 3},
    {AdpInfoFlag::SsdSasSataMixInVd, ctrlinfo::kOffDriveSupport, 5},
    {AdpInfoFlag::SsdHddMixInVd, ctrlinfo::kOffDriveSupport, 6},
};

// The position of a RAID level code in the table of drive limits per array.
int ArrayLimitIndex(u8 levelCode)
{
    constexpr u8 kCodes[ctrlinfo::kArrayDriveLimitLevels] = {0, 1, 5, 6, 32, 33, 34};
    for (u32 i = 0; i < ctrlinfo::kArrayDriveLimitLevels; ++i)
        if (kCodes[i] == levelCode)
            return static_cast<int>(i);
    return -1;
}

// Bits of the default cache policy byte of a configuration record.
constexpr u8 kCacheWriteBack = 0x01;
constexpr u8 kCacheReadAhead = 0x04;
constexpr u8 kCacheReadAdaptive = 0x0C;
constexpr u8 kCacheBadBbu = 0x10;
constexpr u8 kCacheCachedIo = 0x60;

// How a property is stored in the 64-byte block.
enum class PropKind { Byte, Word, Bit, NonZero, LowTwoBits };

struct PropField {
    AdpProperty field;
    u32 offset;
    PropKind kind;
    unsigned bit;
};

constexpr PropField Byte(AdpProperty f, u32 off) { return {f, off, PropKind::Byte, 0}; }
constexpr PropField Word(AdpProperty f, u32 off) { return {f, off, PropKind::Word, 0}; }
constexpr PropField Bit(AdpProperty f, u32 off, unsigned bit) { return {f, off, PropKind::Bit, bit}; }

constexpr PropField kPropFields[] = {
    Word(AdpProperty::PredFailPollInterval, 2),
    Byte(AdpProperty::RebuildRate, 8),
    Byte(AdpProperty::PatrolReadRate, 9),
    Byte(AdpProperty::BgiRate, 10),
    Byte(AdpProperty::CcRate, 11),
    Byte(AdpProperty::ReconRate, 12),
    Byte(AdpProperty::CacheFlushInterval, 13),
    Byte(AdpProperty::SpinupDriveCount, 14),
    Byte(AdpProperty::SpinupDelay, 15),
    {AdpProperty::ClusterEnable, 16, PropKind::NonZero, 0},
    Byte(AdpProperty::CoercionMode, 17),
    Byte(AdpProperty::Alarm, 18),
    Byte(AdpProperty::AutoRbldDsbl, 19),
    Byte(AdpProperty::BatWarnDsbl, 20),
    Byte(AdpProperty::EccBucketSize, 21),
    Word(AdpProperty::EccBucketLeakRate, 22),
    Byte(AdpProperty::RstrHotSpareOnInsert, 24),
    Byte(AdpProperty::ExposeEnclDevices, 25),
    Byte(AdpProperty::MaintainPdFailHistory, 26),
    Byte(AdpProperty::AbortCcOnError, 28),
    Byte(AdpProperty::LoadBalanceMode, 29),
    Byte(AdpProperty::AutoDetectBackplaneDsbl, 30),
    Byte(AdpProperty::DefaultSnapshotSpace, 31),
    Bit(AdpProperty::CopyBackDsbl, 32, 0),
    Bit(AdpProperty::SmartCpybkEnbl, 32, 1),
    Bit(AdpProperty::PrCorrectUncfgdAreas, 32, 2),
    Bit(AdpProperty::UseFdeOnlyEncrypt, 32, 3),
    Bit(AdpProperty::NcqDsbl, 32, 4),
    Bit(AdpProperty::SsdSmartCpybkEnbl, 32, 5),
    Bit(AdpProperty::SupportSsdPatrolRead, 32, 6),
    Bit(AdpProperty::EnblSpinDownUnconfigDrvs, 32, 7),
    Bit(AdpProperty::AutoEnhancedImport, 33, 0),
    Bit(AdpProperty::DisableOcr, 33, 2),
    Bit(AdpProperty::BootWithPinnedCache, 33, 3),
    Bit(AdpProperty::DsblSpinDownHsp, 33, 4),
    Bit(AdpProperty::EnableJbod, 33, 5),
    Bit(AdpProperty::UseDiskActivityForLocate, 33, 7),
    Bit(AdpProperty::EnblPi, 34, 0),
    Bit(AdpProperty::PreventPiImport, 34, 1),
    Bit(AdpProperty::EnableEGhsp, 34, 2),
    Bit(AdpProperty::EnableEUg, 34, 3),
    Bit(AdpProperty::EnableESmarter, 34, 4),
    Bit(AdpProperty::ForceSgpio, 34, 5),
    Byte(AdpProperty::AutoSnapshotSpace, 36),
    Byte(AdpProperty::DefaultViewSpace, 37),
    Word(AdpProperty::SpinDownTime, 38),
    Byte(AdpProperty::DefaultLdPsPolicy, 40),
    Byte(AdpProperty::DisableLdPsInterval, 41),
    Word(AdpProperty::DisableLdPsTime, 42),
    Byte(AdpProperty::SpinUpEncDrvCnt, 44),
    Byte(AdpProperty::SpinUpEncDelay, 45),
    {AdpProperty::PerfMode, 47, PropKind::LowTwoBits, 0},
};

}  // namespace

int AdapterDataFwi::ReadBlock(u32 opcode, u32 length, std::vector<u8>* block)
{
    std::vector<u8> buffer(length, 0);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(opcode, mbox, buffer.data(), length);
    int status = controller_->Execute(request);
    if (status == 0)
        *block = std::move(buffer);
    return status;
}

int AdapterDataFwi::ReadControllerInfo(bool refresh)
{
    if (refresh)
        info_.clear();
    if (!info_.empty())
        return 0;
    return ReadBlock(kDcmdCtrlGetInfo, kControllerInfoSize, &info_);
}

int AdapterDataFwi::GetInfoFlag(AdpInfoFlag flag, u8* value)
{
    int status = ReadControllerInfo(false);
    if (status != 0)
        return status;
    for (const InfoBit& entry : kInfoBits) {
        if (entry.flag == flag) {
            *value = LeBit(info_.data(), entry.offset, entry.bit) ? 1 : 0;
            return 0;
        }
    }
    return -1;
}

int AdapterDataFwi::GetInfoValue(AdpInfoValue field, u32* value)
{
    int status = ReadControllerInfo(false);
    if (status != 0)
        return status;
    const u8* b = info_.data();
    switch (field) {
    case AdpInfoValue::MaxLdCount:
        *value = LeU8(b, ctrlinfo::kOffMaxLdCount);
        return 0;
    case AdpInfoValue::EccBucketCount:
        *value = LeU16(b, ctrlinfo::kOffEccBucketCount);
        return 0;
    case AdpInfoValue::SecurityKeyMode:
        *value = LeU8(b, ctrlinfo::kOffSecurityKeyMode);
        return 0;
    case AdpInfoValue::MaxSscCount:
        *value = LeU16(b, ctrlinfo::kOffMaxSscCount);
        return 0;
    case AdpInfoValue::SscCount:
        *value = LeU16(b, ctrlinfo::kOffSscCount);
        return 0;
    case AdpInfoValue::MaxVdsPerArray:
        *value = LeU8(b, ctrlinfo::kOffMaxVdsPerArray);
        return 0;
    case AdpInfoValue::RaidLevelBits:
        *value = LeU8(b, ctrlinfo::kOffRaidLevels);
        return 0;
    }
    return -1;
}

int AdapterDataFwi::GetPerfModeValues(u8 mode, u8* maxFlushLines, u8* orderIos)
{
    const u32 offset = ctrlinfo::kOffPerfModes + 2u * mode;
    if (offset + 1 >= ctrlinfo::kSize)
        return -1;
    int status = ReadControllerInfo(false);
    if (status != 0)
        return status;
    *maxFlushLines = LeU8(info_.data(), offset);
    *orderIos = LeU8(info_.data(), offset + 1);
    return 0;
}

int AdapterDataFwi::GetArrayDriveLimits(u8 levelCode, u8* minimum, u8* maximum)
{
    const int index = ArrayLimitIndex(levelCode);
    if (index < 0)
        return -1;
    int status = ReadControllerInfo(false);
    if (status != 0)
        return status;
    const u32 at = ctrlinfo::kOffArrayDriveLimits + 2u * static_cast<u32>(index);
    *minimum = LeU8(info_.data(), at);
    *maximum = LeU8(info_.data(), at + 1);
    return 0;
}

int AdapterDataFwi::GetVdDefaults(u8* stripCode, u8* cachePolicy)
{
    if (defaults_.empty()) {
        int status = ReadBlock(kDcmdCtrlGetDefaults, ctrldefaults::kSize, &defaults_);
        if (status != 0)
            return status;
    }
    const u8* b = defaults_.data();
    u8 cache = 0;
    // Adaptive write back is planned as write back.
    if (LeU8(b, ctrldefaults::kOffWritePolicy) != 0)
        cache |= kCacheWriteBack;
    switch (LeU8(b, ctrldefaults::kOffReadPolicy)) {
    case 1: cache |= kCacheReadAhead; break;
    case 2: cache |= kCacheReadAdaptive; break;
    default: break;
    }
    if (LeU8(b, ctrldefaults::kOffCacheWhenBbuBad) != 0)
        cache |= kCacheBadBbu;
    if (LeU8(b, ctrldefaults::kOffCachedIo) != 0)
        cache |= kCacheCachedIo;
    *stripCode = LeU8(b, ctrldefaults::kOffStripCode);
    *cachePolicy = cache;
    return 0;
}

int AdapterDataFwi::ReadProperties()
{
    if (!properties_.empty())
        return 0;
    return ReadBlock(kDcmdCtrlGetProperties, ctrlprops::kSize, &properties_);
}

int AdapterDataFwi::GetProperty(AdpProperty field, u32* value)
{
    int status = ReadProperties();
    if (status != 0)
        return status;
    const PropField* entry =
        std::find_if(std::begin(kPropFields), std::end(kPropFields), [field](const PropField& f) { return f.field == field; });
    if (entry == std::end(kPropFields))
        return -1;
    const u8* b = properties_.data();
    switch (entry->kind) {
    case PropKind::Byte:
        *value = LeU8(b, entry->offset);
        break;
    case PropKind::Word:
        *value = LeU16(b, entry->offset);
        break;
    case PropKind::Bit:
        *value = LeBit(b, entry->offset, entry->bit) ? 1 : 0;
        break;
    case PropKind::NonZero:
        *value = LeU8(b, entry->offset) != 0 ? 1 : 0;
        break;
    case PropKind::LowTwoBits:
        *value = LeU8(b, entry->offset) & 0x03u;
        break;
    }
    return 0;
}

int AdapterDataFwi::GetOemMode(u32* mode)
{
    u8 block[oemdata::kSize] = {};
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpPrvParams request(kDcmdCtrlGetOemData, mbox, block, sizeof block);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    *mode = LeU8(block, oemdata::kOffMode);
    return 0;
}

int AdapterDataFwi::ReadConnectors()
{
    if (!connectors_.empty())
        return 0;
    return ReadBlock(kDcmdConnectorGetList, connlist::kSize, &connectors_);
}

int AdapterDataFwi::GetConnectorCount(u8* count)
{
    int status = ReadConnectors();
    if (status != 0)
        return status;
    // The block holds kMaxEntries entries; a larger count is not believed past them.
    *count = static_cast<u8>(std::min<u32>(LeU8(connectors_.data(), connlist::kOffCount), connlist::kMaxEntries));
    return 0;
}

int AdapterDataFwi::GetConnectorName(u8 index, string* name)
{
    u8 count = 0;
    int status = GetConnectorCount(&count);
    if (status != 0)
        return status;
    if (index >= count)
        return -1;
    const u32 offset = connlist::kOffEntries + index * connlist::kEntrySize + connlist::kEntryOffName;
    const char* text = reinterpret_cast<const char*>(connectors_.data() + offset);
    *name = string(text, FieldTextLength(connectors_.data(), offset, connlist::kNameWidth));
    return 0;
}

int AdapterDataFwi::GetConnectorLocation(u8 index, u8* location)
{
    u8 count = 0;
    int status = GetConnectorCount(&count);
    if (status != 0)
        return status;
    if (index >= count)
        return -1;
    *location = LeU8(connectors_.data(), connlist::kOffEntries + index * connlist::kEntrySize + connlist::kEntryOffLocation);
    return 0;
}

int AdapterDataFwi::ReadPhys()
{
    if (!phys_.empty())
        return 0;
    return ReadBlock(kDcmdPhyGetList, phylist::kSize, &phys_);
}

int AdapterDataFwi::GetPhyCount(u32* count)
{
    int status = ReadPhys();
    if (status != 0)
        return status;
    *count = std::min<u32>(LeU32(phys_.data(), phylist::kOffCount), phylist::kMaxEntries);
    return 0;
}

int AdapterDataFwi::IsPhyDisabled(u32 phy, u8* disabled)
{
    u32 count = 0;
    int status = GetPhyCount(&count);
    if (status != 0)
        return status;
    if (phy >= count)
        return -1;
    *disabled = LeU8(phys_.data(), phylist::kOffEntries + phy * phylist::kEntrySize + phylist::kEntryOffState) ==
                        phylist::kStateDisabled
                    ? 1
                    : 0;
    return 0;
}

int AdapterDataFwi::GetDpmState(u8* state, u32* words)
{
    u8 block[dpmstate::kSize] = {};
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdDpmGetState, mbox, block, sizeof block);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    *state = LeU8(block, 0);
    if (words != nullptr)
        for (u32 i = 0; i < dpmstate::kWords; ++i)
            words[i] = LeU32(block, 4 * i);
    return 0;
}
