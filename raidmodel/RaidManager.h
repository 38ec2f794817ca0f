// The object model of one controller. One manager per controller lives for the whole run in a
// process-wide table of 32 entries.
//
// The manager keeps a snapshot: the device list (read once), the configuration (read once) and
// the elements built from them. Refresh drops the snapshot and reads it again; an operation that
// needs a part of the snapshot that is not held yet reads it first. Lists handed out belong to
// the manager (callers may reorder them in place, never free them) unless said otherwise, and
// stay valid until the next Refresh.
#pragma once
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class Adapter;
class Controller;
class DiskGroup;
class EnclSlotId;
class PhysicalDevice;
class RmCfg;
class VdId;
class VirtualDisk;

class RaidManager {
public:
    static constexpr unsigned kMaxManagers = 32;
    // GetUnconfiguredPdList: no unconfigured-good drive.
    static constexpr int kStatusNoPd = 12;

    virtual ~RaidManager() = default;

    // The controller's manager, created on first use; null when none can be made (more than
    // 32 controllers, or no controller).
    static RaidManager* GetRaidManager(Controller* controller);
    // Deletes every manager (end of the run).
    static void ClearAll();

    // Drops the snapshot (devices, configuration) and reads it again; the adapter keeps the
    // controller information it holds. Non-zero on failure.
    virtual int Refresh() = 0;
    // 0 and the Adapter element (created once); non-zero when the adapter cannot be read.
    virtual int GetAdapter(Adapter** adapter) = 0;
    // The Adapter element drops its kept controller information and reads it again (one read).
    virtual int RefreshAdapter() = 0;
    // -1 when the enclosures cannot be read; no enclosure: out = 0xFFFF, 0; several: 1; one: 2
    // when a drive of the device list has no enclosure, else out = its device id and 0.
    virtual int GetSingleEnclDeviceId(u16* enclosureId) = 0;

    virtual Controller* GetController() const = 0;

    // Drives.
    // 0 and all drives: those in no array, then the members of the arrays (no enclosures).
    virtual int GetPdList(List<PhysicalDevice*>** list) = 0;
    // The drive at that enclosure and slot, or null (also when the device list cannot be read).
    virtual PhysicalDevice* GetPdByEnclSlot(const EnclSlotId& id) = 0;
    // The drive or enclosure with that device id, or null.
    virtual PhysicalDevice* GetPdByDeviceId(u16 deviceId) = 0;
    // 0 and the number of device-list entries of SCSI type 0 or 1; else the read status.
    virtual int GetPdCount(u16* count) = 0;
    // 0 and the drives in no array, system and shielded drives excluded.
    virtual int GetUnassignedPdList(List<PhysicalDevice*>** list) = 0;
    // 0 and a new list (the caller deletes it) of the unassigned unconfigured-good drives (only
    // SATA ones when asked), smallest coerced size first; kStatusNoPd and no list when there is
    // none; else the failing status.
    virtual int GetUnconfiguredPdList(ArrayList<PhysicalDevice*>** list, u8 sataOnly) = 0;

    // Virtual drives.
    // 0 and the number of virtual drives of the controller's virtual-drive list.
    virtual int GetVdCount(u8* count) = 0;
    // 0 and the number of SSD-cache virtual drives of the configuration.
    virtual int GetSscdCount(u8* count) = 0;
    // 0 and the virtual drive with the id's target id (the sequence number must match unless it
    // is 0xFFFF; a VdIdFwi gets the drive's sequence number); -1 when there is none.
    virtual int GetVd(VdId* id, VirtualDisk** vd) = 0;
    // 0 and the configuration's virtual drives; -1 and null when no configuration can be had.
    virtual int GetVdList(List<VirtualDisk*>** list) = 0;
    // Sorts a list of virtual drives by ascending 8-bit target id.
    virtual void SortVdList(List<VirtualDisk*>* list) = 0;
    // Appends the member drives of the virtual drive with that target id (span by span, row by
    // row); 0, or -1 when the configuration cannot be had.
    virtual int GetVdPdList(List<PhysicalDevice*>* list, u8 targetId) = 0;
    // True when a virtual drive with that target id exists (flag 0: the controller's own
    // configuration).
    virtual bool IsTargetIdInUse(u8 targetId, u8 flag) = 0;

    // Configuration.
    // 0 and the disk groups; -1 when no configuration can be had.
    virtual int GetDiskGroupList(List<DiskGroup*>** list) = 0;
    // 0 and the configuration snapshot (read when not held); else the status.
    virtual int GetRmCfg(RmCfg** cfg) = 0;
    // Rebuilds the configuration snapshot from a configuration image of `length` bytes. 0, or
    // non-zero (the snapshot then holds no configuration) when the image is truncated or
    // inconsistent.
    virtual int BuildRmCfg(const u8* image, u32 length) = 0;
};
