// The data behind a PhysicalDevice: its drive-list entry (device id, enclosure, slot, SCSI
// type), its drive information record (read once, when a field of it is first needed; a failed
// read returns its status and is tried again next time) and the drive requests.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/PdProgress.h"
#include "fwdata/layout/SpareRecord.h"

// The requests that name the drive by its reference alone and carry no data.
enum class PdRequest : u8 {
    MarkMissing,
    PrepareForRemoval,
    UndoPrepareForRemoval,
    StartRbld,
    StopRbld,
    StartClear,
    StopClear,
    SuspendRbld,
    ResumeRbld,
    SuspendCopyBack,
    ResumeCopyBack,
    StopCopyBack,
    InstantSecureErase,
    Reprovision,
    StopSecureErase,
};

// Field-replaceable-unit data of an enclosure: fixed texts, not NUL-terminated.
struct EnclFruInfo {
    u8 valid = 0;
    char serial[8] = {};
    u8 reserved[6] = {};
    char partNumber[8] = {};
    char esmSerial[6] = {};
    char zoningMode[4] = {};
};

class PdData {
public:
    static constexpr u16 kNoEnclosure = 0xFFFF;
    static constexpr u8 kNoConnector = 0xFF;

    virtual ~PdData() = default;

    // From the drive-list entry: no request.
    virtual u16 GetDeviceId() const = 0;
    virtual u16 GetEnclDeviceId() const = 0;
    virtual u8 GetSlotNumber() const = 0;
    virtual u8 GetScsiType() const = 0;

    // Reads the drive information record when none is held: 0, or the read's status (nothing is
    // held then, and the next field read tries again).
    virtual int LoadRecord() = 0;

    // From the drive information record; each returns 0 or the status of reading it.
    virtual int GetSeqNum(u16* seqNum) = 0;
    virtual int GetFwState(u16* state) = 0;
    virtual int GetPdType(u8* type) = 0;                  // 1 parallel SCSI, 2 SAS, 3 SATA, 4 FC
    virtual int IsSasSataBridge(u8* flag) = 0;
    virtual int GetInquiryData(const u8** inquiry) = 0;   // pdrec::kInquirySize bytes, valid while the data lives
    virtual int GetMediaType(u8* type) = 0;               // 0 hard disk, 1 solid state
    virtual int GetCoercedSize(u64* blocks) = 0;
    virtual int GetPowerState(u8* state) = 0;             // 0 spun up
    virtual int IsPiEligible(u16* flag) = 0;
    virtual int IsSecured(u16* flag) = 0;
    virtual int IsForeignSecured(u8* flag) = 0;
    // The drive carries a foreign configuration (or is foreign without one).
    virtual int IsForeign(u8* flag) = 0;
    virtual int IsLocked(u8* flag) = 0;
    virtual int IsReprovisionAllowed(u8* flag) = 0;
    virtual int IsRbldSuspendAllowed(u8* flag) = 0;
    virtual int IsRbldResumeAllowed(u8* flag) = 0;
    virtual int IsCopyBackSuspendAllowed(u8* flag) = 0;
    virtual int IsCopyBackResumeAllowed(u8* flag) = 0;
    virtual int IsSpare(u8* flag) = 0;                    // dedicated or global hot spare
    virtual int GetConnectorIndex(u8* index) = 0;         // kNoConnector when attached to none

    // The field-replaceable-unit data of an enclosure device, read from its vital product data
    // by pass-through: `valid` is 1 only when the device offers that data. 0, or the status of
    // a request that failed; -1 for a device whose id a pass-through cannot name.
    virtual int GetEnclFruInfo(EnclFruInfo* fru) = 0;

    // Requests.
    virtual int GetProgress(u8 block[pdprogress::kSize]) = 0;  // copied only on success
    virtual int ReadAllowedOps(u32* word) = 0;            // the allowed-operations word
    // The drive performance monitor's statistics of one kind (dpmstats::kType...), `length`
    // bytes into `buffer`; named by the drive reference, so the record is read first.
    virtual int ReadDpmStats(u32 type, u8* buffer, u32 length) = 0;

    // Requests that change the drive. Each reads the record first (for the drive reference) and
    // returns the read status or the request's status; after a request that succeeded the record
    // is dropped, since the drive's state and sequence number have moved on.
    virtual int SetFwState(u8 state) = 0;
    virtual int Request(PdRequest request) = 0;
    // An overwrite erase: the erase type and the two pattern bytes, sent as given.
    virtual int StartSecureErase(u8 eraseType, u8 patternA, u8 patternB) = 0;
    // Locate on (value passed on) or off; named by the device id alone.
    virtual int Locate(bool start, u16 value) = 0;
    // A copyback from this drive to the drive with the reference `targetRef`.
    virtual int StartCopyBack(u32 targetRef) = 0;
    // A hot-spare request: dedicated to the arrays of `arrayRefs` (at most kMaxSpareArrays),
    // or global when there are none.
    virtual int MakeHsp(const u16* arrayRefs, u8 arrayCount, bool revertible, bool enclAffinity) = 0;
    virtual int SpinUp() = 0;
    static constexpr u8 kMaxSpareArrays = sparerec::kMaxArrays;
    // Marks the record stale (another drive's request changed this one): the next field read
    // reads it again.
    virtual void DropRecord() = 0;

    // The printers (they print nothing): the information block, the firmware-state block and
    // the security block. When the record cannot be read, the information block holds only the
    // enclosure and slot lines and the other two are empty.
    virtual string Print() = 0;
    // The enclosure and slot lines that begin the information block, from the drive-list entry
    // alone (no request).
    virtual string PrintLocation() = 0;
    virtual string PrintFirmwareState() = 0;
    virtual string PrintSecurity() = 0;
};
