#include "fwdata/AdapterDataFwi.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "controller/DrivekitDp.h"
#include "dataif/RaidLevels.h"
#include "fwdata/layout/ConnectorList.h"
#include "fwdata/layout/CtrlDefaults.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/CtrlProps.h"
#include "fwdata/layout/DpmState.h"
#include "fwdata/layout/DpmStats.h"
#include "fwdata/layout/EnclList.h"
#include "fwdata/layout/EscrowKey.h"
#include "fwdata/layout/OemData.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PhyErrorLog.h"
#include "fwdata/layout/PhyList.h"
#include "fwdata/layout/VdRecord.h"

namespace {

struct InfoBit {
    AdpInfoFlag flag;
    BitField field;
};

constexpr InfoBit kInfoBits[] = {
    {AdpInfoFlag::SscRaid5, ctrlinfo::kSscRaid5},
    {AdpInfoFlag::ConnectorInfo, ctrlinfo::kConnectorInfo},
    {AdpInfoFlag::AllowedOps, ctrlinfo::kAllowedOps},
    {AdpInfoFlag::EncryptionEnabled, ctrlinfo::kEncryption},
    {AdpInfoFlag::MoreThan8Phys, ctrlinfo::kMoreThan8Phys},
    {AdpInfoFlag::LdExpansion, ctrlinfo::kLdExpansion},
    {AdpInfoFlag::Ekm, ctrlinfo::kEkm},
    {AdpInfoFlag::Snapshot, ctrlinfo::kSnapshot},
    {AdpInfoFlag::LdDiskCachePolicy, ctrlinfo::kLdDiskCachePolicy},
    {AdpInfoFlag::LdBbm, ctrlinfo::kLdBbm},
    {AdpInfoFlag::LdPowerSaving, ctrlinfo::kLdPowerSaving},
    {AdpInfoFlag::MaxPowerSavingUncached, ctrlinfo::kMaxPowerSavingUncached},
    {AdpInfoFlag::LdMirror, ctrlinfo::kLdMirror},
    {AdpInfoFlag::SscWriteBack, ctrlinfo::kSscWriteBack},
    {AdpInfoFlag::SscVdAssociation, ctrlinfo::kSscVdAssociation},
    {AdpInfoFlag::ForeignImportAll, ctrlinfo::kForeignImportAll},
    {AdpInfoFlag::SpinDown, ctrlinfo::kSpinDown},
    {AdpInfoFlag::HasSecurityKey, ctrlinfo::kKeyAssigned},
    {AdpInfoFlag::SecurityKeyFailedAtBoot, ctrlinfo::kKeyFailedAtBoot},
    {AdpInfoFlag::RebootRequired, ctrlinfo::kRebootRequired},
    {AdpInfoFlag::Pi, ctrlinfo::kPi},
    {AdpInfoFlag::BlockSsdWriteCacheChange, ctrlinfo::kBlockSsdWriteCacheChange},
    {AdpInfoFlag::BgOpSuspendResume, ctrlinfo::kBgOpSuspendResume},
    {AdpInfoFlag::EmergencySpare, ctrlinfo::kEmergencySpares},
    {AdpInfoFlag::PerfTuning, ctrlinfo::kPerfTuning},
    {AdpInfoFlag::SsdPatrolRead, ctrlinfo::kSsdPatrolRead},
    {AdpInfoFlag::RealTimeScheduling, ctrlinfo::kRealTimeScheduling},
    {AdpInfoFlag::SpinUpBeforeCfg, ctrlinfo::kSpinUpBeforeCfg},
    {AdpInfoFlag::HddSasSataMixInVd, ctrlinfo::kHddSasSataMix},
    {AdpInfoFlag::SsdSasSataMixInVd, ctrlinfo::kSsdSasSataMix},
    {AdpInfoFlag::SsdHddMixInVd, ctrlinfo::kSsdHddMix},
};

// The position of a RAID level code in the table of drive limits per array.
int ArrayLimitIndex(u8 levelCode)
{
    constexpr u8 kCodes[ctrlinfo::kArrayDriveLimitLevels] = {
        raidlevel::kRaid0, raidlevel::kRaid1, raidlevel::kRaid5, raidlevel::kRaid6,
        raidlevel::kRaid10, raidlevel::kRaid50, raidlevel::kRaid60,
    };
    for (u32 i = 0; i < ctrlinfo::kArrayDriveLimitLevels; ++i)
        if (kCodes[i] == levelCode)
            return static_cast<int>(i);
    return -1;
}

// How a property is stored in the properties block.
enum class PropKind { Byte, Word, Bit, NonZero, PerfMode };

struct PropField {
    AdpProperty field;
    u32 offset;
    PropKind kind;
    unsigned bit;
};

// A row takes its field at the width its kind reads, so a property read wider than its layout
// does not compile.
constexpr PropField Byte(AdpProperty f, Field<u8> field)
{
    return {f, static_cast<u32>(field.offset), PropKind::Byte, 0};
}
constexpr PropField Word(AdpProperty f, Field<u16> field)
{
    return {f, static_cast<u32>(field.offset), PropKind::Word, 0};
}
constexpr PropField Bit(AdpProperty f, BitField b) { return {f, b.offset, PropKind::Bit, b.bit}; }
constexpr PropField NonZero(AdpProperty f, Field<u8> field)
{
    return {f, static_cast<u32>(field.offset), PropKind::NonZero, 0};
}
constexpr PropField PerfMode(AdpProperty f, Field<u8> field)
{
    return {f, static_cast<u32>(field.offset), PropKind::PerfMode, 0};
}

constexpr PropField kPropFields[] = {
    Word(AdpProperty::PredFailPollInterval, ctrlprops::kOffPredFailPollInterval),
    Byte(AdpProperty::RebuildRate, ctrlprops::kOffRebuildRate),
    Byte(AdpProperty::PatrolReadRate, ctrlprops::kOffPatrolReadRate),
    Byte(AdpProperty::BgiRate, ctrlprops::kOffBgiRate),
    Byte(AdpProperty::CcRate, ctrlprops::kOffCcRate),
    Byte(AdpProperty::ReconRate, ctrlprops::kOffReconRate),
    Byte(AdpProperty::CacheFlushInterval, ctrlprops::kOffCacheFlushInterval),
    Byte(AdpProperty::SpinupDriveCount, ctrlprops::kOffSpinupDriveCount),
    Byte(AdpProperty::SpinupDelay, ctrlprops::kOffSpinupDelay),
    NonZero(AdpProperty::ClusterEnable, ctrlprops::kOffClusterEnable),
    Byte(AdpProperty::CoercionMode, ctrlprops::kOffCoercionMode),
    Byte(AdpProperty::Alarm, ctrlprops::kOffAlarm),
    Byte(AdpProperty::AutoRbldDsbl, ctrlprops::kOffAutoRbldDisabled),
    Byte(AdpProperty::BatWarnDsbl, ctrlprops::kOffBatWarnDisabled),
    Byte(AdpProperty::EccBucketSize, ctrlprops::kOffEccBucketSize),
    Word(AdpProperty::EccBucketLeakRate, ctrlprops::kOffEccBucketLeakRate),
    Byte(AdpProperty::RstrHotSpareOnInsert, ctrlprops::kOffRestoreHspOnInsert),
    Byte(AdpProperty::ExposeEnclDevices, ctrlprops::kOffExposeEnclDevices),
    Byte(AdpProperty::MaintainPdFailHistory, ctrlprops::kOffMaintainPdFailHistory),
    Byte(AdpProperty::AbortCcOnError, ctrlprops::kOffAbortCcOnError),
    Byte(AdpProperty::LoadBalanceMode, ctrlprops::kOffLoadBalanceMode),
    Byte(AdpProperty::AutoDetectBackplaneDsbl, ctrlprops::kOffBackplaneMode),
    Byte(AdpProperty::DefaultSnapshotSpace, ctrlprops::kOffDefaultSnapshotSpace),
    Bit(AdpProperty::CopyBackDsbl, ctrlprops::kCopyBackDisabled),
    Bit(AdpProperty::SmartCpybkEnbl, ctrlprops::kSmartCopyBack),
    Bit(AdpProperty::PrCorrectUncfgdAreas, ctrlprops::kPrCorrectUncfgdAreas),
    Bit(AdpProperty::UseFdeOnlyEncrypt, ctrlprops::kUseFdeOnlyEncrypt),
    Bit(AdpProperty::NcqDsbl, ctrlprops::kNcqDisabled),
    Bit(AdpProperty::SsdSmartCpybkEnbl, ctrlprops::kSsdSmartCopyBack),
    Bit(AdpProperty::SupportSsdPatrolRead, ctrlprops::kSsdPatrolRead),
    Bit(AdpProperty::EnblSpinDownUnconfigDrvs, ctrlprops::kSpinDownUnconfigured),
    Bit(AdpProperty::AutoEnhancedImport, ctrlprops::kAutoEnhancedImport),
    Bit(AdpProperty::DisableOcr, ctrlprops::kDisableOcr),
    Bit(AdpProperty::BootWithPinnedCache, ctrlprops::kBootWithPinnedCache),
    Bit(AdpProperty::DsblSpinDownHsp, ctrlprops::kSpinDownHspDisabled),
    Bit(AdpProperty::EnableJbod, ctrlprops::kEnableJbod),
    Bit(AdpProperty::UseDiskActivityForLocate, ctrlprops::kDiskActivityForLocate),
    Bit(AdpProperty::EnblPi, ctrlprops::kEnablePi),
    Bit(AdpProperty::PreventPiImport, ctrlprops::kPreventPiImport),
    Bit(AdpProperty::EnableEGhsp, ctrlprops::kEmergencyGhsp),
    Bit(AdpProperty::EnableEUg, ctrlprops::kEmergencyUg),
    Bit(AdpProperty::EnableESmarter, ctrlprops::kEmergencySmarter),
    Bit(AdpProperty::ForceSgpio, ctrlprops::kForceSgpio),
    Byte(AdpProperty::AutoSnapshotSpace, ctrlprops::kOffAutoSnapshotSpace),
    Byte(AdpProperty::DefaultViewSpace, ctrlprops::kOffDefaultViewSpace),
    Word(AdpProperty::SpinDownTime, ctrlprops::kOffSpinDownTime),
    Byte(AdpProperty::DefaultLdPsPolicy, ctrlprops::kOffDefaultLdPsPolicy),
    Byte(AdpProperty::DisableLdPsInterval, ctrlprops::kOffDisableLdPsInterval),
    Word(AdpProperty::DisableLdPsTime, ctrlprops::kOffDisableLdPsTime),
    Byte(AdpProperty::SpinUpEncDrvCnt, ctrlprops::kOffSpinUpEnclDriveCount),
    Byte(AdpProperty::SpinUpEncDelay, ctrlprops::kOffSpinUpEnclDelay),
    PerfMode(AdpProperty::PerfMode, ctrlprops::kOffPerfMode),
};

const PropField* FindPropField(AdpProperty field)
{
    const PropField* entry =
        std::find_if(std::begin(kPropFields), std::end(kPropFields), [field](const PropField& f) { return f.field == field; });
    return entry == std::end(kPropFields) ? nullptr : entry;
}

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

int AdapterDataFwi::WriteBlock(u32 opcode, std::vector<u8>* block)
{
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(opcode, mbox, block->data(), static_cast<u32>(block->size()));
    return controller_->Execute(request);
}

int AdapterDataFwi::ReadControllerInfo(bool refresh)
{
    if (refresh)
        info_.clear();
    if (!info_.empty())
        return 0;
    return ReadBlock(kDcmdCtrlGetInfo, ctrlinfo::kSize, &info_);
}

int AdapterDataFwi::GetInfoFlag(AdpInfoFlag flag, u8* value)
{
    int status = ReadControllerInfo(false);
    if (status != 0)
        return status;
    for (const InfoBit& entry : kInfoBits) {
        if (entry.flag == flag) {
            *value = ByteView(info_).Bit(entry.field) ? 1 : 0;
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
    const ByteView b(info_);
    switch (field) {
    case AdpInfoValue::MaxLdCount:
        *value = b.U8(ctrlinfo::kOffMaxLdCount);
        return 0;
    case AdpInfoValue::EccBucketCount:
        *value = b.U16(ctrlinfo::kOffEccBucketCount);
        return 0;
    case AdpInfoValue::SecurityKeyMode:
        *value = b.U8(ctrlinfo::kOffSecurityKeyMode);
        return 0;
    case AdpInfoValue::MaxSscCount:
        *value = b.U16(ctrlinfo::kOffMaxSscCount);
        return 0;
    case AdpInfoValue::SscCount:
        *value = b.U16(ctrlinfo::kOffSscCount);
        return 0;
    case AdpInfoValue::MaxVdsPerArray:
        *value = b.U8(ctrlinfo::kOffMaxVdsPerArray);
        return 0;
    case AdpInfoValue::RaidLevelBits:
        *value = b.U8(ctrlinfo::kOffRaidLevels);
        return 0;
    case AdpInfoValue::CurrentPerfMode:
        *value = b.Sub(ctrlinfo::kOffSettings, ctrlprops::kSize).U8(ctrlprops::kOffPerfMode) & ctrlprops::kPerfModeMask;
        return 0;
    }
    return -1;
}

int AdapterDataFwi::GetPerfModeValues(u8 mode, u8* maxFlushLines, u8* orderIos)
{
    const u32 offset = ctrlinfo::kOffPerfModes + ctrlinfo::kPerfModeSize * mode;
    if (offset + ctrlinfo::kPerfModeSize > ctrlinfo::kSize)
        return -1;
    int status = ReadControllerInfo(false);
    if (status != 0)
        return status;
    const ByteView pair = ByteView(info_).Sub(offset, ctrlinfo::kPerfModeSize);
    *maxFlushLines = pair.U8(ctrlinfo::kPerfModeOffMaxFlushLines);
    *orderIos = pair.U8(ctrlinfo::kPerfModeOffOrderedIos);
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
    const ByteView pair = ByteView(info_).Sub(
        ctrlinfo::kOffArrayDriveLimits + ctrlinfo::kArrayDriveLimitSize * static_cast<u32>(index),
        ctrlinfo::kArrayDriveLimitSize);
    *minimum = pair.U8(ctrlinfo::kArrayDriveLimitOffMin);
    *maximum = pair.U8(ctrlinfo::kArrayDriveLimitOffMax);
    return 0;
}

int AdapterDataFwi::GetVdDefaults(u8* stripCode, u8* cachePolicy)
{
    if (defaults_.empty()) {
        int status = ReadBlock(kDcmdCtrlGetDefaults, ctrldefaults::kSize, &defaults_);
        if (status != 0)
            return status;
    }
    const ByteView b(defaults_);
    u8 cache = 0;
    // Adaptive write back is planned as write back.
    if (b.U8(ctrldefaults::kOffWritePolicy) != 0)
        cache |= vdrec::kCacheWriteBack;
    switch (b.U8(ctrldefaults::kOffReadPolicy)) {
    case 1: cache |= vdrec::kCacheReadAhead; break;
    case 2: cache |= vdrec::kCacheReadAdaptive; break;
    default: break;
    }
    if (b.U8(ctrldefaults::kOffCacheWhenBbuBad) != 0)
        cache |= vdrec::kCacheBadBbu;
    if (b.U8(ctrldefaults::kOffCachedIo) != 0)
        cache |= vdrec::kCacheCachedIo;
    *stripCode = b.U8(ctrldefaults::kOffStripCode);
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
    const PropField* entry = FindPropField(field);
    if (entry == nullptr)
        return -1;
    const ByteView b(properties_);
    switch (entry->kind) {
    case PropKind::Byte:
        *value = b.U8(entry->offset);
        break;
    case PropKind::Word:
        *value = b.U16(entry->offset);
        break;
    case PropKind::Bit:
        *value = b.Bit(entry->offset, entry->bit) ? 1 : 0;
        break;
    case PropKind::NonZero:
        *value = b.U8(entry->offset) != 0 ? 1 : 0;
        break;
    case PropKind::PerfMode:
        *value = b.U8(entry->offset) & ctrlprops::kPerfModeMask;
        break;
    }
    return 0;
}

int AdapterDataFwi::SetProperty(AdpProperty field, u32 value)
{
    int status = ReadProperties();
    if (status != 0)
        return status;
    const PropField* entry = FindPropField(field);
    if (entry == nullptr)
        return -1;
    ByteWriter b(properties_);
    switch (entry->kind) {
    case PropKind::Byte:
    case PropKind::NonZero:
        b.PutU8(entry->offset, static_cast<u8>(value));
        break;
    case PropKind::Word:
        b.PutU16(entry->offset, static_cast<u16>(value));
        break;
    case PropKind::Bit:
        b.PutBit(BitField{entry->offset, entry->bit}, value != 0);
        break;
    case PropKind::PerfMode: {
        const u8 kept = static_cast<u8>(b.View().U8(entry->offset) & ~ctrlprops::kPerfModeMask);
        b.PutU8(entry->offset, static_cast<u8>(kept | (value & ctrlprops::kPerfModeMask)));
        break;
    }
    }
    propertiesChanged_ = true;
    return 0;
}

int AdapterDataFwi::SetPerfModeValues(u8 mode, u8 maxFlushLines, u8 second)
{
    if (mode >= ctrlprops::kPerfModes)
        return -1;
    int status = ReadProperties();
    if (status != 0)
        return status;
    ByteWriter pair = ByteWriter(properties_).Sub(ctrlprops::kOffPerfModeValues + ctrlprops::kPerfModeValueSize * mode,
                                                  ctrlprops::kPerfModeValueSize);
    pair.PutU8(ctrlprops::kPerfModeOffMaxFlushLines, maxFlushLines);
    pair.PutU8(ctrlprops::kPerfModeOffSecond, second);
    propertiesChanged_ = true;
    return 0;
}

int AdapterDataFwi::WriteProperties()
{
    if (properties_.empty())
        return -1;
    if (!propertiesChanged_)
        return 0;
    propertiesChanged_ = false;
    return WriteBlock(kDcmdCtrlSetProperties, &properties_);
}

int AdapterDataFwi::GetOemMode(u32* mode)
{
    u8 block[oemdata::kSize] = {};
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpPrvParams request(kDcmdCtrlGetOemData, mbox, block, sizeof block);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    *mode = ByteView(block).U8(oemdata::kOffMode);
    return 0;
}

int AdapterDataFwi::SetEscrowKey(const char* key)
{
    const std::string_view text(key != nullptr ? key : "");
    if (text.size() > escrowkey::kMaxKeyLength)
        return -1;
    u8 block[escrowkey::kSize] = {};
    ByteWriter(block).PutText(escrowkey::kOffKey, escrowkey::kSize, text);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlKeyEscrow, mbox, block, sizeof block);
    return controller_->Execute(request);
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
    *count = static_cast<u8>(std::min<u32>(ByteView(connectors_).U8(connlist::kOffCount), connlist::kMaxEntries));
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
    const ByteView entry =
        ByteView(connectors_).Sub(connlist::kOffEntries + index * connlist::kEntrySize, connlist::kEntrySize);
    *name = string(entry.Text(connlist::kEntryName).c_str());
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
    const u32 entry = connlist::kOffEntries + index * connlist::kEntrySize;
    *location = ByteView(connectors_).U8(entry + connlist::kEntryOffLocation);
    return 0;
}

int AdapterDataFwi::FindEnclosure(u16 enclDeviceId, ByteView* entry)
{
    if (enclosures_.empty()) {
        int status = ReadBlock(kDcmdEnclGetList, encllist::kSize, &enclosures_);
        if (status != 0)
            return status;
    }
    const ByteView list(enclosures_);
    // The block holds kMaxEntries entries; a larger count is not believed past them.
    const u32 count = std::min(list.U32(encllist::kOffCount), encllist::kMaxEntries);
    for (u32 i = 0; i < count; ++i) {
        const ByteView candidate = encllist::Entry(list, i);
        if (candidate.U16(encllist::kEntryOffDeviceId) == enclDeviceId) {
            *entry = candidate;
            return 0;
        }
    }
    return -1;
}

int AdapterDataFwi::GetEnclPosition(u16 enclDeviceId, u8* position)
{
    ByteView entry;
    int status = FindEnclosure(enclDeviceId, &entry);
    if (status == 0)
        *position = entry.U8(encllist::kEntryOffPosition);
    return status;
}

int AdapterDataFwi::GetEnclPartner(u16 enclDeviceId, u16* partner)
{
    ByteView entry;
    int status = FindEnclosure(enclDeviceId, &entry);
    if (status == 0)
        *partner = entry.U16(encllist::kEntryOffPartner);
    return status;
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
    *count = std::min<u32>(ByteView(phys_).U32(phylist::kOffCount), phylist::kMaxEntries);
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
    const u8 state = ByteView(phys_).U8(phylist::kOffEntries + phy * phylist::kEntrySize + phylist::kEntryOffState);
    *disabled = state == phylist::kStateDisabled ? 1 : 0;
    return 0;
}

int AdapterDataFwi::GetPhyErrorCounters(u32 phy, bool direct, u32 words[7])
{
    u32 count = 0;
    int status = GetPhyCount(&count);
    if (status != 0)
        return status;
    if (phy >= count || DrivekitDp::Instance(0xFF) == nullptr)
        return -1;

    u8 frame[phyerrlog::kSize] = {};
    ByteWriter request(frame);
    request.PutU8(phyerrlog::kOffRequest, phyerrlog::kRequestErrorLog);
    request.PutU16(phyerrlog::kOffReplyLength, phyerrlog::kReplyLength);
    request.PutU8(phyerrlog::kOffFunction, phyerrlog::kFunction);
    request.PutU8(phyerrlog::kOffFlags, phyerrlog::kFlags);
    request.PutU8(phyerrlog::kOffAllocation, phyerrlog::kAllocation);
    if (direct) {
        request.PutU8(phyerrlog::kOffDirect, 1);
        request.PutU32(phyerrlog::kOffPhy, phy);
    } else {
        request.PutU32(phyerrlog::kOffPhy, phy % phyerrlog::kPhysPerGroup);
        request.PutU8(phyerrlog::kOffGroup, static_cast<u8>(phy / phyerrlog::kPhysPerGroup));
    }
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams dcmd(kDcmdPhyGetErrorCounters, mbox, frame, sizeof frame);
    status = controller_->Execute(dcmd);
    if (status != 0)
        return status;
    // The counters are read from the bytes that came back; a frame that stops before them is a
    // failed read.
    const ByteView reply(frame, std::min<u32>(sizeof frame, dcmd.GetReplyLength()));
    if (!reply.Fits(phyerrlog::kOffCounters, sizeof(u32) * phyerrlog::kCounterWords))
        return -1;
    for (u32 i = 0; i < phyerrlog::kCounterWords; ++i)
        words[i] = reply.U32(phyerrlog::kOffCounters + sizeof(u32) * i);
    return 0;
}

int AdapterDataFwi::ControlDpm(u32 operation, u32 mask)
{
    if (operation > dpmstats::kControlClear)
        return 0;
    const u32 mbox[3] = {operation, operation == dpmstats::kControlClear ? mask : 0, 0};
    DcmdFwiDpParams request(kDcmdDpmControl, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int AdapterDataFwi::GetDpmState(u8* state, u8* configuration)
{
    u8 block[dpmstate::kSize] = {};
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdDpmGetState, mbox, block, sizeof block);
    int status = controller_->Execute(request);
    if (status != 0)
        return status;
    const ByteView reply(block);
    *state = reply.U8(dpmstate::kOffState);
    if (configuration != nullptr)
        std::copy(std::begin(block), std::end(block), configuration);
    return 0;
}
