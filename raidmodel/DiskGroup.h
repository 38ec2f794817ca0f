// A disk group: the arrays that share virtual drives (the arrays of a spanned virtual drive form
// one disk group; an array without a spanned drive is a disk group of its own).
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "raidmodel/RaidElement.h"
#include "runtime/ArrayList.h"

class Array;
class VirtualDisk;

class DiskGroup : public RaidElement {
public:
    // 0 and the arrays in configuration order; -1 when there are none.
    int GetArrayList(List<Array*>** list);
    // 0 and the virtual drives on the disk group's arrays, each once; -1 when there are none.
    int GetVdList(List<VirtualDisk*>** list);
    // "Number of Spans: %d\n" with the number of arrays; empty without arrays.
    string ToString() override;

    void AddArray(Array* array);

private:
    ArrayList<Array*> arrays_;
    ArrayList<VirtualDisk*> vds_;
};
