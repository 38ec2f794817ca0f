// Virtual drive deletion: -CfgLdDel deletes ordinary virtual drives, -CfgFlashTierDel
// FlashTier (SSD-cache) virtual drives. Drives with snapshots are refused; a drive the cache
// serves is deleted only with -Force.
#pragma once
#include <optional>

#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdDelParsedObject.h"
#include "runtime/ArrayList.h"

class Adapter;
class RaidManager;
class VdIdFwi;
class VirtualDisk;

class LdDelCp : public TypedProcessor<LdDelParsedObject, "LdDelParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, LdDelParsedObject* object) override;
    int IsDone() override { return 1; }

private:
    // What the command may do with a drive it visits.
    enum class Verdict { kDelete, kPassOver, kRefuse };

    // The drive of the i-th step: false for a listed drive that does not exist (after its message).
    bool TargetAt(unsigned i, u8* target) const;
    // Deletes the drive, when its kind and state allow it: nothing to go on with the next drive,
    // or the status the command ends with.
    std::optional<int> VisitTarget(u8 target);
    // Whether this command deletes the drive: a drive of the other kind is passed over with
    // -LALL and refused (after its message) when listed; a drive the SSD cache serves is
    // refused without -Force.
    Verdict CheckKind(u8 target, u16 fwTarget, bool isCache);
    // Deletes the drive and reports it: nothing, or the failing status after its message.
    std::optional<int> Delete(VdIdFwi* id, u8 target, u16 fwTarget, bool isCache);

    CpController* cpController_ = nullptr;
    LdDelParsedObject* object_ = nullptr;
    RaidManager* manager_ = nullptr;
    Adapter* adapter_ = nullptr;
    List<VirtualDisk*>* vds_ = nullptr;
    u8 adapterNumber_ = 0;
    bool all_ = false;
    // The status of the last association read; it is the command's when nothing fails after it.
    int result_ = 0;
    // A listed drive that does not exist or cannot be had, and a drive with a snapshot, are
    // refused and the walk goes on; the command then ends with -1.
    bool refused_ = false;
};
