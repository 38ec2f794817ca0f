// The data behind a VirtualDisk: its record of the configuration image (target id, sequence
// number, name, policies, RAID level, spans ...), its information block (read once, when first
// needed), its property record (read by ReadProperties) and the virtual-drive requests.
#pragma once
#include <vector>

#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/VdAllowedOps.h"
#include "fwdata/layout/VdBadBlocks.h"
#include "fwdata/layout/VdProgress.h"

// Requests on a virtual drive that carry no data; some take an option (below).
enum class VdRequest {
    StartCc, AbortCc,                 // the abort also ends a background initialization
    StartInit,                        // option 1 full, 0 fast
    AbortInit,
    SuspendResumeCcBgi,               // option 0 suspend, 1 resume
    SuspendResumeRecon,               // option 0 suspend, 1 resume
    ClearBbmLog,
    JoinMirror,                       // option: the data source
    DisablePi,
    SetConsistent,                    // option: the flag
    RemoveBlockedAccess,              // option 1: every blocked virtual drive
    MakeSecure,                       // secures the drive's group with the controller's key
    StopSecureErase,
};

// A drive of a reconstruction request: its device id and sequence number.
struct VdReconDrive {
    u16 deviceId;
    u16 seqNum;
};

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
    // Changes of the kept property record (after ReadProperties; ignored before). The name is
    // cut to the 15 characters the record holds and always ends with a NUL.
    virtual void SetProperty(VdProperty field, u8 value) = 0;
    virtual void SetName(const char* name) = 0;
    // Writes the kept property record back when a field changed since it was read: 0 (also
    // when nothing changed), or the request's status.
    virtual int WriteProperties() = 0;

    // Requests.
    virtual int GetProgress(u8 block[vdprogress::kSize]) = 0;  // copied only on success
    virtual int GetAllowedOps(u8 ops[vdallowed::kSize]) = 0;  // copied only on success
    virtual int Send(VdRequest request, u8 option) = 0;
    // An overwrite erase: the erase type, the delete option (1: the drive goes when the erase
    // completes) and the two pattern bytes, sent as given.
    virtual int StartSecureErase(u8 eraseType, u8 deleteVd, u8 patternA, u8 patternB) = 0;
    // The reconstruction request: level, kind of change (0 none, 1 add, 2 remove), the drives
    // (at most 32; -1 for more, nothing sent) and the expansion percentage.
    virtual int Reconstruct(u8 level, u8 change, const VdReconDrive* drives, unsigned count, u8 percent) = 0;
    virtual int GetBadBlockCounts(u8 reply[vdbbt::kSize]) = 0;               // copied only on success
    // The mirror as a configuration image, read whole (the header tells its size).
    virtual int GetMirrorInfo(std::vector<u8>* image) = 0;

    // The information block as text (prints nothing); reads the information block once. A
    // failed read leaves out the lines that need it (the running operations' progress), and
    // `infoStatus`, when given, receives its status.
    virtual string Print(int* infoStatus) = 0;
};
