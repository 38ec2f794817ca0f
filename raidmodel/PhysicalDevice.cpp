#include "raidmodel/PhysicalDevice.h"

#include <cstring>

#include "dataif/RmData.h"
#include "fwdata/layout/DpmStats.h"
#include "fwdata/layout/PdAllowedOps.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/RmCfg.h"
#include "raidmodel/Spare.h"

bool PhysicalDevice::IsEnclosure() const { return data_->GetScsiType() == PdListEntry::kScsiTypeEnclosure; }

bool PhysicalDevice::IsShieldedState(u16 state) const
{
    return state == kStateShielded || state == kStateShieldedUnconfigured || state == kStateShieldedHotSpare;
}

int PhysicalDevice::GetDeviceId(u16* id)
{
    *id = data_->GetDeviceId();
    return 0;
}

int PhysicalDevice::GetEnclDeviceId(u16* id)
{
    *id = data_->GetEnclDeviceId();
    return 0;
}

int PhysicalDevice::GetSlotNumber(u8* slot)
{
    *slot = data_->GetSlotNumber();
    return 0;
}

int PhysicalDevice::GetRef(u32* ref)
{
    u16 seqNum = 0;
    int status = data_->GetSeqNum(&seqNum);
    if (status == 0)
        *ref = static_cast<u32>(data_->GetDeviceId()) | (static_cast<u32>(seqNum) << 16);
    return status;
}

int PhysicalDevice::IsUnconfiguredGood(u8* flag)
{
    u16 state = 0;
    int status = data_->GetFwState(&state);
    if (status == 0)
        *flag = state == kStateUnconfiguredGood ? 1 : 0;
    return status;
}

int PhysicalDevice::IsForeignSecured(u8* flag)
{
    if (data_->IsForeignSecured(flag) != 0)
        return 1;
    return 0;
}

int PhysicalDevice::IsLocked(u8* flag)
{
    if (data_->IsLocked(flag) != 0)
        return 1;
    return 0;
}

int PhysicalDevice::IsMissing(u8* flag)
{
    *flag = 0;
    return 0;
}

int PhysicalDevice::GetDpmStat(u32 type, u8* block)
{
    return data_->ReadDpmStats(type, block, dpmstats::kCountersSize);
}

int PhysicalDevice::GetDpmStatData(u32 type, u8* block)
{
    return data_->ReadDpmStats(type, block, type == dpmstats::kTypeLongest ? dpmstats::kLongestSize : dpmstats::kDataSize);
}

int PhysicalDevice::GetDpmHistogram(u8* block)
{
    std::memset(block, 0, dpmstats::kHistogramSize);
    return data_->ReadDpmStats(dpmstats::kTypeHistogram, block, dpmstats::kHistogramSize);
}

int PhysicalDevice::IsFwDownloadAllowed(u8* flag) { return IsAllowed(pdallowed::kFwDownload, flag); }

int PhysicalDevice::IsSecureEraseStopAllowed(u8* flag) { return IsAllowed(pdallowed::kStopSecureErase, flag); }

int PhysicalDevice::IsAllowed(u32 mask, u8* flag)
{
    Adapter* adapter = nullptr;
    if (manager_ == nullptr || manager_->GetAdapter(&adapter) != 0 || adapter == nullptr)
        return -1;
    u8 supported = 0;
    int status = adapter->IsAllowedOpsSupported(&supported);
    if (status != 0)
        return status;
    if (!supported) {
        // A controller that reports no allowed operations allows them all.
        *flag = 1;
        return 0;
    }
    u32 word = 0;
    status = data_->ReadAllowedOps(&word);
    if (status == 0)
        *flag = (word & mask) == mask ? 1 : 0;
    return status;
}

int PhysicalDevice::GetConnectorIndex(u8* index)
{
    u8 value = PdData::kNoConnector;
    int status = data_->GetConnectorIndex(&value);
    if (status != 0)
        return status;
    if (value == PdData::kNoConnector)
        return -1;
    *index = value;
    return 0;
}

bool PhysicalDevice::HasConnector()
{
    Adapter* adapter = nullptr;
    u8 index = 0;
    u8 count = 0;
    if (manager_ == nullptr || manager_->GetAdapter(&adapter) != 0 || GetConnectorIndex(&index) != 0)
        return false;
    return adapter->GetConnectorInfoCount(&count) == 0 && index < count;
}

int PhysicalDevice::GetConnectorName(string** name)
{
    Adapter* adapter = nullptr;
    if (manager_ == nullptr || manager_->GetAdapter(&adapter) != 0)
        return -1;
    u8 index = 0;
    int status = GetConnectorIndex(&index);
    if (status != 0)
        return status;
    return adapter->GetConnectorName(index, name);
}

int PhysicalDevice::GetConnectorType(u8* type)
{
    Adapter* adapter = nullptr;
    u8 index = 0;
    u8 location = 0;
    if (manager_ == nullptr || manager_->GetAdapter(&adapter) != 0 || GetConnectorIndex(&index) != 0 ||
        adapter->GetConnectorType(index, &location) != 0)
        return -1;
    *type = location;
    return 0;
}

int PhysicalDevice::GetEnclPosition(u8* position)
{
    Adapter* adapter = nullptr;
    if (manager_ == nullptr || manager_->GetAdapter(&adapter) != 0)
        return -1;
    return adapter->GetEnclPosition(data_->GetEnclDeviceId(), position);
}

int PhysicalDevice::GetEnclPartnerDeviceId(u16* partner)
{
    constexpr u16 kNoPartner = 0xFFFF;
    Adapter* adapter = nullptr;
    u16 id = kNoPartner;
    if (manager_ == nullptr || manager_->GetAdapter(&adapter) != 0 ||
        adapter->GetEnclPartner(data_->GetEnclDeviceId(), &id) != 0 || id == kNoPartner)
        return -1;
    *partner = id;
    return 0;
}

int PhysicalDevice::GetSpareText(string* text)
{
    u8 spare = 0;
    int status = data_->IsSpare(&spare);
    if (status != 0)
        return status;
    // Only a drive that says it is a hot spare needs the configuration for its spare text.
    if (!spare || manager_ == nullptr) {
        *text = string();
        return 0;
    }
    RmCfg* cfg = nullptr;
    status = manager_->GetRmCfg(&cfg);
    if (status != 0)
        return status;
    Spare* element = cfg != nullptr ? cfg->FindSpare(data_->GetDeviceId()) : nullptr;
    *text = element != nullptr ? element->ToString() : string();
    return 0;
}

string PhysicalDevice::ToString()
{
    string text = data_->Print();
    string spare;
    if (GetSpareText(&spare) == 0 && !spare.IsEmpty())
        return text + spare;
    return text + "\n";
}
