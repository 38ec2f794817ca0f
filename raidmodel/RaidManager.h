// The object model of one controller. One manager per controller lives for the whole run in a
// process-wide table of 32 entries.
//
// The manager keeps a snapshot: the device list (read once), the configuration (read once) and
// the elements built from them. Refresh drops the snapshot and reads it again; an operation that
// needs a part of the snapshot that is not held yet reads it first. Lists handed out belong to
// the manager (callers may reorder them in place, never free them) unless said otherwise, and
// stay valid until the next Refresh.
#pragma once
#include <memory>
#include "ZepUtil/Types.h"
#include "fwdata/layout/FwStatus.h"
#include "runtime/ArrayList.h"

class Adapter;
class Controller;
class DiskGroup;
class EnclSlotId;
class PhysicalDevice;
class RmCfg;
class UnConfiguredVd;
class VdId;
class VirtualDisk;

class RaidManager {
public:
    static constexpr unsigned kMaxManagers = 32;
    // GetUnconfiguredPdList: no unconfigured-good drive.
    static constexpr int kStatusNoPd = fwstatus::kDeviceNotFound;

    // Statuses of the configuration changes that are the model's own.
    static constexpr int kStatusOsNotTold = -2;          // the controller did it; the OS was not told
    static constexpr int kStatusDataLoss = 102;          // ClearCfg: refused without force
    // Firmware statuses as the model answers them, named for what the model means by each.
    // CanCreateVd and CanCreateVdOnDiskGroup:
    static constexpr int kStatus16VdsPerDg = fwstatus::kNotSupported;        // more than 16 per group
    static constexpr int kStatusNoFreeExtent = fwstatus::kInvalidParameter;  // no VD list or free extent
    static constexpr int kStatusNoUsablePd = fwstatus::kNotEnoughDrives;     // no unconfigured-good drive
    static constexpr int kStatusVdLimit = fwstatus::kNoFreeSpace;            // the controller's or an array's
    static constexpr int kStatusRebuilding = fwstatus::kDriveRebuilding;     // a member is rebuilding
    // SendSpanPdList, the spin-up request's answers:
    static constexpr int kStatusSpinningUp = fwstatus::kDrivesSpinningUp;
    static constexpr int kStatusOtherSetSpinning = fwstatus::kOtherSetSpinningUp;

    // CheckSpanPdLists statuses.
    enum SpanCheck : int {
        kSpanOk = 0,
        kSpanMix = 1,               // configured and unconfigured drives
        kSpanAttributes = 2,        // a drive not unconfigured good (or named twice)
        kSpanCount = 3,             // unequal spans, or a span unlike its array's drive count
        kSpanSlicing = 4,           // a spanned group while slicing is not supported
        kSpanArrayMismatch = 5,     // a span's drives are not its array's drives
        kSpanNoList = 6,            // no list, or a span without list or with a null drive
        kSpanEmpty = 7,             // no span, or an empty span
        kSpanNoDiskGroup = 8,
        kSpanNoArray = 9,
        kSpanDgMismatch = 10,       // the spans do not name every array of one disk group once
        kSpanNoFreeSpace = 11,      // the disk group has no free extent
        kSpanFreeSpaceMismatch = 12,  // the arrays of the disk group have different free extents
    };

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
    // -1 when the enclosures (or, with one enclosure, the device list) cannot be read; no
    // enclosure: out = 0xFFFF, 0; several: 1; one: 2 when a drive of the device list has no
    // enclosure, else out = its device id and 0.
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
    // A snapshot of its own from a configuration image (a virtual drive's mirror, ...), the
    // manager's own left as it is; drives are the manager's. 0, or non-zero as BuildRmCfg.
    virtual int BuildSeparateCfg(const u8* image, u32 length, std::unique_ptr<RmCfg>* cfg) = 0;

    // Configuration changes. After a change the controller made, the manager's snapshot is
    // stale: the next operation that needs it reads it again, while the elements handed out
    // before stay valid (with their old values) until the next Refresh.
    //
    // A SpanCheck status. `dg` is null when every drive is unconfigured, and the disk group
    // when the spans name exactly the arrays of one disk group. A failing read gives -1.
    virtual int CheckSpanPdLists(ArrayList<ArrayList<PhysicalDevice*>*>* spans, DiskGroup** dg) = 0;
    // 0 and possible 1 when a virtual drive can be created on unconfigured drives;
    // kStatusVdLimit or kStatusNoUsablePd with possible 0; or the status of a failing query.
    // `pdNotPiEligible` (may be null): 1 when none of the usable drives is PI-eligible.
    virtual int CanCreateVd(u8* possible, u8* pdNotPiEligible) = 0;
    // 0 and possible 1 when a virtual drive can be added to the disk group; kStatusRebuilding,
    // kStatusNoFreeExtent, kStatusVdLimit (possible 0); kStatus16VdsPerDg (possible 1) when
    // the group already holds 16 virtual drives; or the status of a failing query.
    virtual int CanCreateVdOnDiskGroup(DiskGroup* dg, u8* possible) = 0;
    // Write the plan (the configuration write), then, unless the plan is an SSD-cache drive,
    // tell the operating system. 0; kStatusOsNotTold when only the second step failed; -1 for
    // a plan that is not valid or of the other kind; else the write's status. When the
    // controller created the drive the plan holds its id (GetVdId).
    virtual int AddCfgForNewVd(UnConfiguredVd* plan) = 0;
    virtual int AddCfgForFreeSpaceVd(UnConfiguredVd* plan) = 0;
    // Spins up the spun-down drives of the spans when the controller requires it before a
    // configuration: 0 done (`total` 0 when nothing needed it), kStatusSpinningUp (counts
    // updated), kStatusOtherSetSpinning, or another failing status. `spunUp` and `total` are
    // the drives spun up so far and the drives that were spun down.
    virtual int SendSpanPdList(ArrayList<ArrayList<PhysicalDevice*>*>* spans, u32* spunUp, u32* total) = 0;
    // Deletes the virtual drive. -1 when it is not in the configuration. With hostStep 0 the
    // operating system is first told that the drive goes away. `option` goes to the request.
    // The controller's status, or kStatusOsNotTold when it deleted the drive but the first
    // step failed.
    virtual int DeleteVd(VdId* id, u8 hostStep, u8 option) = 0;
    // Clears the whole configuration; with force the operating system is first told that every
    // virtual drive goes away. 0; kStatusOsNotTold; or the controller's status
    // (kStatusDataLoss: an unforced clear refused because data would be lost).
    virtual int ClearCfg(u8 force) = 0;

    // Foreign configurations (index 255: all of them at once, which the controller must support,
    // else -1). The number the controller finds: 0, or the scan's status. A snapshot of one as
    // found or, with `preview`, as importing it would add it: 0 and a new snapshot (the caller
    // deletes it; none for a configuration without virtual drives and spares), or the failing
    // status. The drives that stay foreign after importing all (appended; they are the
    // manager's). Import: 0, kStatusOsNotTold, or the controller's status. Clear: -1 for an index
    // not below the count, else 0 or the controller's status.
    virtual int GetForeignCfgCount(u8* count) = 0;
    virtual int GetForeignCfg(RmCfg** cfg, u8 index, u8 preview) = 0;
    virtual int GetForeignCfgPdList(ArrayList<PhysicalDevice*>* list) = 0;
    virtual int ImportForeignCfg(u8 index) = 0;
    virtual int ClearForeignCfg(u8 index) = 0;

    // The configuration saved to a file, and written back from one onto the drives it was saved
    // from. 0, or the failing status.
    virtual int SaveConfigToFile(const char* fileName) = 0;
    virtual int RestoreConfigFromFile(const char* fileName) = 0;
};
