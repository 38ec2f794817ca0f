#include "raidmodel/DiskGroup.h"

#include <string>

#include "raidmodel/Array.h"

void DiskGroup::AddArray(Array* array)
{
    arrays_.Add(array);
    List<VirtualDisk*>* vds = nullptr;
    if (array->GetVdList(&vds) == 0)
        for (unsigned i = 0; i < vds->GetCount(); ++i)
            if (!vds_.Contains(vds->GetAt(static_cast<u8>(i))))
                vds_.Add(vds->GetAt(static_cast<u8>(i)));
}

int DiskGroup::GetArrayList(List<Array*>** list)
{
    if (arrays_.GetCount() == 0)
        return -1;
    *list = &arrays_;
    return 0;
}

int DiskGroup::GetVdList(List<VirtualDisk*>** list)
{
    if (vds_.GetCount() == 0)
        return -1;
    *list = &vds_;
    return 0;
}

string DiskGroup::ToString()
{
    if (arrays_.GetCount() == 0)
        return string();
    return string(("Number of Spans: " + std::to_string(arrays_.GetCount()) + "\n").c_str());
}
