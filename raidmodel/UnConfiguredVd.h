// The plan of a virtual drive that does not exist yet: its RAID level, strip size, policies and
// size, and (in the subclasses) the drives or the free extent it is made of. The RaidManager
// writes a valid plan to the controller (AddCfgForNewVd, AddCfgForFreeSpaceVd) and then gives
// the plan the id of the new virtual drive.
//
// A new plan carries the controller's default virtual-drive policies (its defaults block:
// strip size, write, read and I/O policy, write back with a bad battery), power-save policy 0
// (the controller's default), no encryption, no protection information, no name. Without the
// defaults there is no plan: a drive made with other policies than the controller's would not
// be the drive the administrator asked for.
//
// Setters return 0, or -1 for a value outside their codes (nothing changes then).
#pragma once
#include <memory>
#include <string>

#include "ZepUtil/Types.h"
#include "dataif/CfgWrite.h"
#include "dataif/RaidLevels.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/ArrayList.h"

class Adapter;
class RaidManager;

class UnConfiguredVd {
public:
    // Read policy codes.
    static constexpr u8 kReadAhead = 0;
    static constexpr u8 kReadAdaptive = 1;
    static constexpr u8 kNoReadAhead = 2;
    // Write policy codes.
    static constexpr u8 kWriteBack = 0;
    static constexpr u8 kWriteThrough = 1;
    // I/O policy codes.
    static constexpr u8 kIoCached = 0;
    static constexpr u8 kIoDirect = 1;
    // Strip size codes are the base-2 logarithm of the strip in 512-byte blocks (64 KB: 7).
    static constexpr u8 kMaxStripCode = 31;
    static constexpr u8 kNameMax = 15;
    static constexpr u8 kPiOn = 8;

    virtual ~UnConfiguredVd();
    UnConfiguredVd(const UnConfiguredVd&) = delete;
    UnConfiguredVd& operator=(const UnConfiguredVd&) = delete;

    // The RAID level codes (raidlevel::) this plan can take: 0 and a new list the caller
    // deletes; else a failing status.
    virtual int GetPossibleRaidLevels(ArrayList<u8>** levels) = 0;
    // The size the virtual drive really gets for the size set (0: the whole capacity): whole
    // blocks on each member drive, never more than the capacity. 0, or a failing status.
    virtual int GetVdSize(u64* blocks);
    // True when the plan can be written: its drives or extent, level, spans and size agree.
    virtual bool IsValid() = 0;
    // Blocks a virtual drive of the plan's level can get at most. 0, or a failing status
    // (-1 without a level, drives or extent).
    virtual int ComputeCapacity(u64* blocks) = 0;
    // The records the write adds to the configuration. 0, or -1 when the plan is not valid.
    virtual int BuildCfgWrite(CfgWrite* write) = 0;

    int SetRaidLevel(u8 code);                 // a raidlevel:: code
    int SetStripSize(u8 code);                 // up to kMaxStripCode
    int SetReadPolicy(u8 policy);              // kReadAhead, kReadAdaptive, kNoReadAhead
    int SetWritePolicy(u8 policy);             // kWriteBack, kWriteThrough
    int SetIoPolicy(u8 policy);                // kIoCached, kIoDirect
    int SetCachedBadBbu(u8 flag);              // 1: write back also with a bad battery
    int SetDiskCachePolicy(u8 policy);         // 0 unchanged, 1 enabled, 2 disabled
    int SetEncryptionType(u8 type);            // 0 none, 1 full-disk encryption, 2 controller based
    int SetSize(u64 blocks);                   // 0: the whole capacity
    int SetPsPolicy(u8 policy);                // 0, 1, 2, 6 or 0xFE
    int SetPiType(u8 type);                    // 0 none, kPiOn
    int SetIsSscd(u8 flag);
    int SetName(const char* name);             // 1 to kNameMax characters, else -1

    int GetEncryptionType(u8* type);
    // 0 and a new copy of the written virtual drive's id (the caller deletes it); null before
    // the write.
    int GetVdId(VdId** id);

    u8 GetRaidLevel() const { return level_; }
    u8 GetStripSize() const { return stripCode_; }
    u8 GetCachePolicy() const { return cachePolicy_; }
    u64 GetSize() const { return size_; }
    bool IsSscd() const { return sscd_; }
    RaidManager* GetRaidManager() const { return manager_; }

    // Called by the RaidManager after the write: the new virtual drive's id.
    void SetVdId(u16 targetId, u16 seqNum);

protected:
    UnConfiguredVd(RaidManager* manager, Adapter* adapter);

    // Reads the controller's default virtual-drive policies into the plan: 0, the status of
    // the failed read, or -1 for a strip size outside the codes.
    int LoadControllerDefaults();
    // Drives that carry data summed over the spans; 0 when unknown.
    virtual u32 DataDriveCount() = 0;
    // The blocks used on each member drive for the size set.
    int BlocksPerMember(u64* blocks);
    // Fills the virtual-drive record of the write (not its spans).
    void FillVdRecord(NewVdData* vd) const;

    RaidManager* manager_;
    Adapter* adapter_;
    u8 level_ = raidlevel::kUnset;
    u8 stripCode_ = 7;
    u8 cachePolicy_ = 0;
    u8 diskCachePolicy_ = 0;
    u8 encryption_ = 0;
    u8 psPolicy_ = 0;
    u8 piType_ = 0;
    bool sscd_ = false;
    u64 size_ = 0;
    std::string name_;
    std::unique_ptr<VdIdFwi> vdId_;
};
