#include "raidmodel/Spare.h"

#include <string>

#include "raidmodel/Array.h"

int Spare::GetPd(PhysicalDevice** pd) const
{
    if (pd_ == nullptr)
        return -1;
    *pd = pd_;
    return 0;
}

string Spare::ToString()
{
    std::string text = "Hotspare Information: \n";
    text += dedicated_ ? "Type: Dedicated" : "Type: Global";
    if (revertible_)
        text += ", is revertible";
    if (enclAffinity_)
        text += ", with enclosure affinity";
    text += "\n";
    if (dedicated_) {
        text += "Array #: ";
        for (unsigned i = 0; i < arrays_.GetCount(); ++i) {
            if (i > 0)
                text += ",";
            text += std::to_string(arrays_.GetAt(static_cast<u8>(i))->GetIndex());
        }
        text += "\n";
    }
    return string(text.c_str());
}
