// An array of the configuration: a set of drives in rows (a row's drive may be missing). Each
// span of a virtual drive lies on one array.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "dataif/CfgData.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/RaidElement.h"
#include "runtime/ArrayList.h"

class PhysicalDevice;
class Spare;
class VirtualDisk;

class Array : public RaidElement {
public:
    // `index` is the array's position in the configuration (the array number users see).
    Array(const ArrayData& data, u8 index) : data_(data), index_(index) {}

    u16 GetRef() const { return data_.ref; }
    u8 GetIndex() const { return index_; }
    u8 GetRowCount() const { return static_cast<u8>(data_.rows.size()); }
    // The row's device id (ArrayRowData::kMissingDevice for a missing drive or a row past the count).
    u16 GetRowDeviceId(u8 row) const;
    // True when the row's member was failed when the image was made: its data is outdated.
    bool IsRowOutdated(u8 row) const;
    // The row's drive, or null when it is missing.
    PhysicalDevice* GetRowPd(u8 row) const { return row < rowPds_.size() ? rowPds_[row] : nullptr; }

    // 0 and the present member drives in row order; -1 when there are none.
    int GetPdList(List<PhysicalDevice*>** list);
    // 0 and the virtual drives with a span on the array; -1 when there are none.
    int GetVdList(List<VirtualDisk*>** list);
    // 0 and the dedicated hot spares of the array (the list may be empty).
    int GetSpareList(List<Spare*>** list);
    // 0 and the blocks the array uses on each member drive.
    int GetSize(u64* blocks);
    // 0 and the smallest coerced size of the present members; -1 without members or when a
    // size cannot be read.
    int GetMinPdSize(u64* blocks);
    // Takes the array (in this snapshot only) to its smallest member's size, so that room left
    // on the members counts as free space; an array already that large stays as it is.
    int ExpandToMinPdSize();
    // 0 and 1 for the array of a span whose drives are not here (a foreign configuration's
    // missing span), else 0 and 0.
    int IsMissing(u8* flag);
    void SetMissing() { missing_ = true; }

    // Extents on each member drive, in start order: the spans of the array's virtual drives and
    // the free extents between and after them. 0 and a new list (the caller deletes its extents
    // and the list).
    int GetSpaceInfoList(ArrayList<ArraySpaceInfo*>** list);
    // 0 and a new list of the free extents only, in start order (the caller deletes them);
    // kStatusNoFreeSpace and no list when there is none.
    int GetFreeSpaceList(ArrayList<ArraySpaceInfo*>** list);
    static constexpr int kStatusNoFreeSpace = 26;
    // The same extents, owned: all of them (at most a list's worth), or the free ones only.
    ArraySpaceInfos SpaceExtents();
    ArraySpaceInfos FreeExtents();
    // True when [start, start + blocks) lies inside one free extent of the array; false also
    // when the free extents cannot be listed.
    bool HasFreeExtent(u64 start, u64 blocks);
    // The blocks a virtual drive gets from a free extent of the array; -1 here (ArrayHmg knows).
    virtual int GetVdCapacity(const ArraySpaceInfo* extent, u64* blocks);

    // "Number of PDs: %d\n" (rows), "Number of VDs: %d\n", "Number of dedicated Hotspares: %d\n".
    string ToString() override;

    // Building (by the configuration snapshot).
    void SetRowPd(u8 row, PhysicalDevice* pd);
    void AddVd(VirtualDisk* vd);
    void AddSpare(Spare* spare) { spares_.Add(spare); }

private:
    ArrayData data_;
    u8 index_;
    bool missing_ = false;
    std::vector<PhysicalDevice*> rowPds_;
    ArrayList<PhysicalDevice*> pds_;
    ArrayList<VirtualDisk*> vds_;
    ArrayList<Spare*> spares_;
};
