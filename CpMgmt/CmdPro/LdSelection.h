// The virtual drives a command names with -L or -LALL: with the marker 64 first, every
// configured virtual drive in ascending target-id order; otherwise the listed target ids in the
// order given, each checked against the configuration.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "fwdata/layout/VdAllowedOps.h"
#include "fwdata/layout/VdProgress.h"
#include "runtime/ArrayList.h"

class Adapter;
class RaidManager;
class VirtualDisk;

class LdSelection {
public:
    LdSelection(RaidManager* manager, const LdParsedObject& object, u8 adapter);

    // Reads the virtual-drive list and sorts it by target id: 0, or -1 when there is none.
    int ReadList();
    // ReadList, saying when it fails that the configuration could not be read: no drive is then
    // taken for missing, and -LALL has nothing to visit.
    int ReadListOrReport();
    bool IsAll() const { return all_; }
    // The drives to visit: with -LALL `vdCount` (never more than the list holds), else the
    // number of listed ids.
    unsigned Count(unsigned vdCount) const;
    // The target id of the i-th drive to visit. False for a listed id that names no virtual drive,
    // after message 0x32005 with the adapter and the id.
    bool TargetAt(unsigned i, u8* target) const;
    // The sorted list (null before ReadList or without one).
    List<VirtualDisk*>* GetList() const { return vds_; }
    // The drive of the list with that target id, or null.
    VirtualDisk* Find(u8 target) const;

private:
    RaidManager* manager_;
    const LdParsedObject& object_;
    u8 adapter_;
    bool all_;
    List<VirtualDisk*>* vds_ = nullptr;
};

// The drive of the list with that target id, or null (also for a null list).
VirtualDisk* FindVdByTarget(const List<VirtualDisk*>* vds, unsigned target);

// Reads the number of virtual drives: true, or false after the failure's message: 0x32001 "Failed
// to get VD count on adapter %d." when `operation` is null, else 0x36017 naming the operation.
bool ReadVdCountOrReport(RaidManager* manager, u8 adapter, u8* count, const char* operation = nullptr);

// Reads the number of virtual drives as ReadVdCountOrReport does: 1 when there are some, 0 when
// there is none (after message 0x32004 naming the adapter), -1 when the read failed.
int CountVdsOrReportNone(RaidManager* manager, u8 adapter, u8* count, const char* operation = nullptr);

// The virtual drive with the target id (any sequence number), or null after message 0x35017
// "Failed to get VD object".
VirtualDisk* GetVdOrReport(RaidManager* manager, u8 target);

// 0 when the controller suspends and resumes background work; else the failing status, or -1
// after the refusal's text (and after "Failed To Get Adapter." when the manager has no adapter).
int CheckBgOpSuspendResume(RaidManager* manager);
int CheckBgOpSuspendResume(Adapter* adapter);

// The drive's allowed-operations bitmap (all zero when the controller keeps none): 0, or the
// read's status after its text naming the drive's number.
int ReadAllowedOps(VirtualDisk* vd, u8 target, u8 ops[vdallowed::kSize]);

// The drive's progress block: 0, or the read's status after message 0x32317 naming the drive's
// number.
int ReadProgressOrReport(VirtualDisk* vd, u8 target, u8 progress[vdprogress::kSize]);
