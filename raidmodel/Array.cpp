#include "raidmodel/Array.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "raidmodel/PhysicalDevice.h"

u16 Array::GetRowDeviceId(u8 row) const
{
    return row < data_.rows.size() ? data_.rows[row].deviceId : ArrayRowData::kMissingDevice;
}

bool Array::IsRowOutdated(u8 row) const
{
    return row < data_.rows.size() && data_.rows[row].fwState == PhysicalDevice::kStateFailed;
}

void Array::SetRowPd(u8 row, PhysicalDevice* pd)
{
    if (row >= data_.rows.size())
        return;
    if (rowPds_.size() < data_.rows.size())
        rowPds_.resize(data_.rows.size(), nullptr);
    rowPds_[row] = pd;
    // The present members in row order.
    pds_.Clear();
    for (PhysicalDevice* member : rowPds_)
        if (member != nullptr)
            pds_.Add(member);
}

void Array::AddVd(VirtualDisk* vd)
{
    if (!vds_.Contains(vd))
        vds_.Add(vd);
}

int Array::GetPdList(List<PhysicalDevice*>** list)
{
    if (pds_.GetCount() == 0)
        return -1;
    *list = &pds_;
    return 0;
}

int Array::GetVdList(List<VirtualDisk*>** list)
{
    if (vds_.GetCount() == 0)
        return -1;
    *list = &vds_;
    return 0;
}

int Array::GetSpareList(List<Spare*>** list)
{
    *list = &spares_;
    return 0;
}

int Array::GetSize(u64* blocks)
{
    *blocks = data_.blocks;
    return 0;
}

int Array::GetMinPdSize(u64* blocks)
{
    if (pds_.GetCount() == 0)
        return -1;
    u64 smallest = UINT64_MAX;
    for (unsigned i = 0; i < pds_.GetCount(); ++i) {
        PhysicalDevice* pd = pds_.GetAt(static_cast<u8>(i));
        u64 size = 0;
        if (pd == nullptr || pd->GetCoercedSize(&size) != 0)
            return -1;
        smallest = std::min(smallest, size);
    }
    *blocks = smallest;
    return 0;
}

int Array::ExpandToMinPdSize()
{
    u64 smallest = 0;
    const int status = GetMinPdSize(&smallest);
    if (status == 0 && smallest > data_.blocks)
        data_.blocks = smallest;
    return status;
}

int Array::IsMissing(u8* flag)
{
    *flag = missing_ ? 1 : 0;
    return 0;
}

string Array::ToString()
{
    std::string text = "Number of PDs: " + std::to_string(data_.rows.size()) + "\n";
    text += "Number of VDs: " + std::to_string(vds_.GetCount()) + "\n";
    text += "Number of dedicated Hotspares: " + std::to_string(spares_.GetCount()) + "\n";
    return string(text.c_str());
}
