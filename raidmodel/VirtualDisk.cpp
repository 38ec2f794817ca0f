#include "raidmodel/VirtualDisk.h"

#include <cstring>
#include <vector>

#include "dataif/RaidLevels.h"
#include "fwdata/layout/Mailbox.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/Array.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/Span.h"
#include "raidmodel/Spare.h"


VirtualDisk::VirtualDisk(RaidManager* manager, std::unique_ptr<VdData> data)
    : manager_(manager), data_(std::move(data)), id_(0, data_->GetTargetId(), data_->GetSeqNum())
{
}

VirtualDisk::~VirtualDisk() = default;

int VirtualDisk::GetSpanList(List<Span*>** list)
{
    if (spans_.GetCount() == 0)
        return -1;
    *list = &spans_;
    return 0;
}

int VirtualDisk::GetSpareList(List<Spare*>** list)
{
    if (!spares_) {
        spares_ = std::make_unique<ArrayList<Spare*>>();
        for (unsigned s = 0; s < spans_.GetCount(); ++s) {
            Array* array = nullptr;
            List<Spare*>* arraySpares = nullptr;
            if (spans_.GetAt(static_cast<u8>(s))->GetArray(&array) != 0 || array->GetSpareList(&arraySpares) != 0)
                continue;
            for (unsigned i = 0; i < arraySpares->GetCount(); ++i) {
                Spare* spare = arraySpares->GetAt(static_cast<u8>(i));
                if (!spares_->Contains(spare))
                    spares_->Add(spare);
            }
        }
    }
    *list = spares_.get();
    return 0;
}

int VirtualDisk::GetRaidLevel(u8* level)
{
    const u8 recorded = data_->GetRaidLevel();
    *level = recorded == raidlevel::kRaid1Alt ? raidlevel::kRaid1 : recorded;
    return 0;
}

int VirtualDisk::GetState(u8* state)
{
    *state = data_->GetState();
    return 0;
}

int VirtualDisk::GetPiType(u8* type)
{
    *type = data_->GetPiType();
    return 0;
}

int VirtualDisk::GetNumDrives(u8* count)
{
    *count = data_->GetDrivesPerSpan();
    return 0;
}

int VirtualDisk::GetSpanDepth(u8* count)
{
    *count = data_->GetSpanDepth();
    return 0;
}

int VirtualDisk::GetEncryptionType(u8* type)
{
    *type = data_->GetEncryptionType();
    return 0;
}

int VirtualDisk::GetBadBlocksExist(u8* flag)
{
    *flag = data_->GetBadBlocksExist();
    return 0;
}

int VirtualDisk::GetIsConsistent(u8* flag)
{
    *flag = data_->GetIsConsistent();
    return 0;
}

int VirtualDisk::GetSize(u64* blocks)
{
    *blocks = data_->GetSizeBlocks();
    return 0;
}

int VirtualDisk::GetCapacity(u64* blocks)
{
    u8 level = 0;
    GetRaidLevel(&level);
    const u64 drives = data_->GetDrivesPerSpan();
    u64 dataDrives = drives;
    switch (level) {
    case 1:
        dataDrives = drives / 2;
        break;
    case 5:
        dataDrives = drives > 1 ? drives - 1 : 0;
        break;
    case 6:
        dataDrives = drives > 2 ? drives - 2 : 0;
        break;
    default:
        break;
    }
    u64 total = 0;
    for (unsigned s = 0; s < spans_.GetCount(); ++s)
        total += spans_.GetAt(static_cast<u8>(s))->GetBlocks() * dataDrives;
    *blocks = total;
    return 0;
}

int VirtualDisk::GetName(string* name)
{
    *name = data_->GetName();
    return 0;
}

int VirtualDisk::Prop(VdProperty field, u8* out)
{
    *out = data_->GetProperty(field);
    return 0;
}

int VirtualDisk::SetProp(VdProperty field, u8 value)
{
    if (!data_->HasProperties())
        return -1;
    data_->SetProperty(field, value);
    return 0;
}

int VirtualDisk::SetName(const char* name)
{
    if (!data_->HasProperties())
        return -1;
    data_->SetName(name);
    return 0;
}

int VirtualDisk::StartReconstruction(u8 level, u8 change, List<PhysicalDevice*>* drives, u8 percent)
{
    std::vector<VdReconDrive> list;
    for (unsigned i = 0; drives != nullptr && i < drives->GetCount(); ++i) {
        PhysicalDevice* pd = drives->GetAt(static_cast<u8>(i));
        if (pd == nullptr)
            return -1;
        u16 deviceId = 0;
        u16 seqNum = 0;
        if (pd->GetDeviceId(&deviceId) != 0 || pd->GetSeqNum(&seqNum) != 0)
            return -1;
        list.push_back({deviceId, seqNum});
    }
    return data_->Reconstruct(level, change, list.data(), static_cast<unsigned>(list.size()), percent);
}

int VirtualDisk::BitmapSupported(u8* supported)
{
    Adapter* adapter = nullptr;
    if (manager_ == nullptr || manager_->GetAdapter(&adapter) != 0 || adapter == nullptr)
        return -1;
    return adapter->IsAllowedOpsSupported(supported);
}

int VirtualDisk::GetAllowedOps(u8 ops[vdallowed::kSize])
{
    u8 supported = 0;
    int status = BitmapSupported(&supported);
    if (status != 0 || !supported)
        return status;
    return data_->GetAllowedOps(ops);
}

int VirtualDisk::IsOpAllowed(BitField op, u8* flag)
{
    u8 supported = 0;
    int status = BitmapSupported(&supported);
    if (status != 0)
        return status;
    if (!supported) {
        *flag = 1;
        return 0;
    }
    u8 ops[vdallowed::kSize] = {};
    status = data_->GetAllowedOps(ops);
    if (status == 0)
        *flag = ByteView(ops).Bit(op) ? 1 : 0;
    return status;
}

int VirtualDisk::IsStartCcAllowed(u8* flag) { return IsOpAllowed(vdallowed::kStartCc, flag); }

int VirtualDisk::IsExpansionAllowed(u8* flag) { return IsOpAllowed(vdallowed::kExpansion, flag); }

int VirtualDisk::IsMakeSecureAllowed(u8* flag) { return IsOpAllowed(vdallowed::kMakeSecure, flag); }
int VirtualDisk::IsStartSecureEraseAllowed(u8* flag) { return IsOpAllowed(vdallowed::kStartSecureErase, flag); }

int VirtualDisk::IsStopSecureEraseAllowed(u8* flag) { return IsOpAllowed(vdallowed::kStopSecureErase, flag); }

int VirtualDisk::StartSecureErase(u8 eraseType, u8 deleteVd, u8 patternA, u8 patternB)
{
    return data_->StartSecureErase(eraseType, deleteVd, patternA != 0 ? patternA : mailbox::kDefaultErasePatternA,
                                   patternB != 0 ? patternB : mailbox::kDefaultErasePatternB);
}

bool VirtualDisk::HasMirror()
{
    u8 supported = 0;
    u8 ops[vdallowed::kSize] = {};
    if (BitmapSupported(&supported) != 0 || !supported || data_->GetAllowedOps(ops) != 0)
        return true;
    return ByteView(ops).Bit(vdallowed::kMirror);
}
