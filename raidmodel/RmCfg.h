// A configuration snapshot built from a configuration image: arrays, disk groups, virtual
// drives with their spans, and hot spares. The snapshot owns its elements; drives are the
// manager's (looked up by device id while building).
#pragma once
#include <memory>
#include <vector>

#include "ZepUtil/Types.h"
#include "dataif/CfgData.h"
#include "runtime/ArrayList.h"

class Array;
class DiskGroup;
class PhysicalDevice;
class RaidManager;
class Span;
class Spare;
class VirtualDisk;

class RmCfg {
public:
    RmCfg();
    virtual ~RmCfg();
    RmCfg(const RmCfg&) = delete;
    RmCfg& operator=(const RmCfg&) = delete;

    // Builds the snapshot from parsed records; drives are found through the manager (a row or
    // spare whose drive is not on the device list has none). 0, or -1 when the records are
    // inconsistent (a span or spare naming an array the image does not hold, two arrays with
    // one reference, more elements than a list holds); nothing is kept then.
    int Build(RaidManager* manager, CfgData&& cfg);
    // As Build, for an image that drives carry from another controller: a span naming an array
    // the image does not hold lies on a missing array (Array::IsMissing), made for it.
    int BuildWithMissingSpans(RaidManager* manager, CfgData&& cfg);

    List<DiskGroup*>* GetDgList() { return &dgs_; }
    List<VirtualDisk*>* GetVdList() { return &vds_; }
    List<Array*>* GetArrayList() { return &arrays_; }
    List<Spare*>* GetSpareList() { return &spares_; }

    Array* FindArray(u16 ref) const;
    Spare* FindSpare(u16 deviceId) const;
    VirtualDisk* FindVd(u16 targetId) const;
    // True when the device id is the drive of a row of an array.
    bool IsArrayMember(u16 deviceId) const;

private:
    int BuildImage(RaidManager* manager, CfgData&& cfg, bool missingSpans);
    void Clear();
    void BuildDiskGroups();

    ArrayList<Array*> arrays_;
    ArrayList<DiskGroup*> dgs_;
    ArrayList<VirtualDisk*> vds_;
    ArrayList<Spare*> spares_;
    std::vector<std::unique_ptr<Span>> spanStore_;
};
