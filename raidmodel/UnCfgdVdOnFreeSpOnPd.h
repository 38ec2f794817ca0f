// The plan of a virtual drive in a free extent of an existing disk group: the new virtual drive
// takes the same extent on every array of the group, at the RAID level and with the encryption
// of the virtual drives already there.
#pragma once
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/UnConfiguredVd.h"

class Controller;
class DiskGroup;

class UnCfgdVdOnFreeSpOnPd : public UnConfiguredVd {
public:
    // Free extents smaller than this are not offered.
    static constexpr u64 kMinExtentBlocks = 0x32000;

    // A new plan for the controller and disk group (the caller deletes it); null without a
    // disk group, without a RaidManager, or when the adapter cannot be read, and null with the
    // status in `defaultsStatus` when the controller's defaults cannot be read.
    static UnCfgdVdOnFreeSpOnPd* Create(Controller* controller, DiskGroup* dg, int* defaultsStatus = nullptr);
    static UnCfgdVdOnFreeSpOnPd* Create(RaidManager* manager, DiskGroup* dg, int* defaultsStatus = nullptr);

    // 0 and a new list (the caller deletes its extents and the list) of the free extents of
    // the group's first array of at least kMinExtentBlocks, in start order (possibly empty);
    // -1 when the group has no array.
    int GetFreeSpaceList(ArrayList<ArraySpaceInfo*>** list);
    // The extent the virtual drive takes (copied). 0, or -1 for null.
    int SetArraySpaceInfo(const ArraySpaceInfo* extent);
    // Always true.
    bool CheckArraySpaceInfo() { return true; }

    // The level of the group's virtual drives (one code); -1 when the group has none.
    int GetPossibleRaidLevels(ArrayList<u8>** levels) override;
    bool IsValid() override;
    // The extent's size times the data drives of every array of the group.
    int ComputeCapacity(u64* blocks) override;
    int BuildCfgWrite(CfgWrite* write) override;

protected:
    u32 DataDriveCount() override;

private:
    UnCfgdVdOnFreeSpOnPd(RaidManager* manager, Adapter* adapter, DiskGroup* dg);
    // The primary level, span count and encryption of the group's first virtual drive.
    bool GroupVdFacts(u8* code, u8* encryption);

    DiskGroup* dg_;
    bool extentSet_ = false;
    u64 extentStart_ = 0;
    u64 extentBlocks_ = 0;
};
