#include "raidmodel/Adapter.h"

#include "fwdata/layout/SecurityKey.h"

#include "dataif/RaidLevels.h"
#include "fwdata/layout/AecSettings.h"
#include "fwdata/layout/CtrlInfo.h"

int Adapter::GetControllerInfo(ByteView* block)
{
    int status = data_->ReadControllerInfo(false);
    if (status != 0)
        return status;
    *block = data_->GetControllerInfo();
    return 0;
}

int Adapter::Flag(AdpInfoFlag flag, u8* out)
{
    u8 value = 0;
    int status = data_->GetInfoFlag(flag, &value);
    if (status == 0)
        *out = value;
    return status;
}

int Adapter::Prop(AdpProperty field, u8* out)
{
    u32 value = 0;
    int status = data_->GetProperty(field, &value);
    if (status == 0)
        *out = static_cast<u8>(value);
    return status;
}

int Adapter::Prop(AdpProperty field, u16* out)
{
    u32 value = 0;
    int status = data_->GetProperty(field, &value);
    if (status == 0)
        *out = static_cast<u16>(value);
    return status;
}

int Adapter::Prop(AdpProperty field, u32* out)
{
    u32 value = 0;
    int status = data_->GetProperty(field, &value);
    if (status == 0)
        *out = value;
    return status;
}

int Adapter::GetMaxLdCount(u8* count)
{
    u32 value = 0;
    int status = data_->GetInfoValue(AdpInfoValue::MaxLdCount, &value);
    if (status == 0)
        *count = static_cast<u8>(value);
    return status;
}

int Adapter::GetEccBucketCount(u16* count)
{
    u32 value = 0;
    int status = data_->GetInfoValue(AdpInfoValue::EccBucketCount, &value);
    if (status == 0)
        *count = static_cast<u16>(value);
    return status;
}

int Adapter::GetSecurityKeyMode(u8* mode)
{
    u32 value = 0;
    int status = data_->GetInfoValue(AdpInfoValue::SecurityKeyMode, &value);
    if (status == 0)
        *mode = static_cast<u8>(value);
    return status;
}

int Adapter::GetMaxSscCount(u16* count)
{
    u32 value = 0;
    int status = data_->GetInfoValue(AdpInfoValue::MaxSscCount, &value);
    if (status == 0)
        *count = static_cast<u16>(value);
    return status;
}

int Adapter::GetSscCount(u16* count)
{
    u32 value = 0;
    int status = data_->GetInfoValue(AdpInfoValue::SscCount, &value);
    if (status == 0)
        *count = static_cast<u16>(value);
    return status;
}

int Adapter::IsSscSupported(u8* flag)
{
    u16 maximum = 0;
    int status = GetMaxSscCount(&maximum);
    if (status == 0)
        *flag = maximum != 0 ? 1 : 0;
    return status;
}

int Adapter::GetPerfModeValues(u8 mode, u8* maxFlushLines, u8* orderIos)
{
    return data_->GetPerfModeValues(mode, maxFlushLines, orderIos);
}

int Adapter::IsRebootRequired(u8* flag)
{
    int status = data_->ReadControllerInfo(true);
    if (status != 0)
        return status;
    return Flag(AdpInfoFlag::RebootRequired, flag);
}

bool Adapter::IsRealTimeSchedulingSupported()
{
    u8 flag = 0;
    return Flag(AdpInfoFlag::RealTimeScheduling, &flag) == 0 && flag != 0;
}

int Adapter::IsSpannedArraySlicingSupported(u8* flag)
{
    *flag = 1;
    return 0;
}

int Adapter::GetConnectorName(u8 index, string** name)
{
    string text;
    int status = data_->GetConnectorName(index, &text);
    if (status != 0) {
        *name = nullptr;
        return status;
    }
    *name = new string(text);
    return *name != nullptr ? 0 : -1;
}

int Adapter::GetMinPdsPerArray(u8* count, u8 level)
{
    u8 minimum = 0, maximum = 0;
    int status = data_->GetArrayDriveLimits(level, &minimum, &maximum);
    if (status == 0)
        *count = minimum;
    return status;
}

int Adapter::GetMaxPdsPerArray(u8* count, u8 level)
{
    u8 minimum = 0, maximum = 0;
    int status = data_->GetArrayDriveLimits(level, &minimum, &maximum);
    if (status == 0)
        *count = maximum;
    return status;
}

int Adapter::GetSupportedRaidLevels(ArrayList<u8>** levels)
{
    u32 bits = 0;
    int status = data_->GetInfoValue(AdpInfoValue::RaidLevelBits, &bits);
    if (status != 0)
        return status;
    struct LevelBit {
        unsigned bit;
        u8 code;
    };
    constexpr LevelBit kLevels[] = {
        {ctrlinfo::kRaid0Bit, raidlevel::kRaid0},   {ctrlinfo::kRaid1Bit, raidlevel::kRaid1},
        {ctrlinfo::kRaid5Bit, raidlevel::kRaid5},   {ctrlinfo::kRaid6Bit, raidlevel::kRaid6},
        {ctrlinfo::kRaid10Bit, raidlevel::kRaid10}, {ctrlinfo::kRaid50Bit, raidlevel::kRaid50},
        {ctrlinfo::kRaid60Bit, raidlevel::kRaid60},
    };
    auto* list = new ArrayList<u8>(8);
    for (const LevelBit& level : kLevels)
        if ((bits >> level.bit) & 1u)
            list->Add(level.code);
    *levels = list;
    return 0;
}

int Adapter::GetMaxVdsPerArray(u8* count)
{
    u32 value = 0;
    int status = data_->GetInfoValue(AdpInfoValue::MaxVdsPerArray, &value);
    if (status == 0)
        *count = static_cast<u8>(value);
    return status;
}

int Adapter::StartAec(u32 events) { return data_->ControlAec(aec::kOpStart, events, 0, nullptr); }

int Adapter::StopAec() { return data_->ControlAec(aec::kOpStop, 0, 0, nullptr); }

int Adapter::DisableAec() { return data_->ControlAec(aec::kOpDisable, 0, 0, nullptr); }

int Adapter::SetAecMode(u8 mode) { return data_->ControlAec(aec::kOpSetMode, mode, 0, nullptr); }

int Adapter::SetAecFilterMask(u32 mask, u8 group)
{
    u32 returned = 0;
    const int status = data_->ControlAec(aec::kOpSetFilter, group, mask, &returned);
    return status == 0 && returned != mask ? -1 : status;
}

int Adapter::ClearAecFilterMask(u32 mask, u8 group)
{
    u32 returned = 0;
    const int status = data_->ControlAec(aec::kOpClearFilter, group, mask, &returned);
    return status == 0 && returned != mask ? -1 : status;
}

int Adapter::GetKeyId(std::string* keyId) { return data_->GetKeyId(seckey::kIdOfController, keyId); }
