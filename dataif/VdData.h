// The data behind a VirtualDisk: its record of the configuration image (target id, sequence
// number, name, policies, RAID level, spans ...), its information block (read once, when first
// needed), its property record (read by ReadProperties) and the virtual-drive requests.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/VdAllowedOps.h"
#include "fwdata/layout/VdProgress.h"

// Fields of the property record; until it is read they come from the configuration record,
// which holds them at the same places.
enum class VdProperty {
    DefaultCachePolicy, CurrentCachePolicy, AccessPolicy, CurrentAccessPolicy, AccessPolicyReason,
    DiskCachePolicy, BgiDisabled, DefaultPsPolicy, CurrentPsPolicy,
};

class VdData {
public:
    virtual ~VdData() = default;

    // From the configuration record: no request.
    virtual u16 GetTargetId() const = 0;
    virtual u16 GetSeqNum() const = 0;
    virtual u8 GetRaidLevel() const = 0;          // primary level as recorded (17 stands for 1)
    virtual u8 GetState() const = 0;              // 0 offline, 1 partially degraded, 2 degraded, 3 optimal
    virtual u8 GetPiType() const = 0;
    virtual u8 GetDrivesPerSpan() const = 0;
    virtual u8 GetSpanDepth() const = 0;
    virtual u8 GetEncryptionType() const = 0;     // 0 none, 1 full-disk encryption, 2 controller based
    virtual u8 GetBadBlocksExist() const = 0;
    virtual u8 GetIsConsistent() const = 0;
    virtual bool IsSnapshotEnabled() const = 0;
    virtual bool IsSscd() const = 0;
    virtual u64 GetSizeBlocks() const = 0;
    virtual string GetName() const = 0;

    // The property record (DCMD read), kept until the data is dropped. 0, or the status.
    virtual int ReadProperties() = 0;
    virtual bool HasProperties() const = 0;
    virtual u8 GetProperty(VdProperty field) const = 0;

    // Requests.
    virtual int GetProgress(u8 block[vdprogress::kSize]) = 0;  // copied only on success
    virtual int GetAllowedOps(u8 ops[vdallowed::kSize]) = 0;  // copied only on success

    // The information block as text (prints nothing); reads the information block once. A
    // failed read leaves out the lines that need it.
    virtual string Print() = 0;
};
