// A drive's (or enclosure's) data read from the controller firmware: its device-list entry and
// its 512-byte information record, read once when a field of it is first needed.
#pragma once
#include <vector>

#include "dataif/PdData.h"
#include "dataif/RmData.h"

class Controller;

class PdDataFwi : public PdData {
public:
    PdDataFwi(Controller* controller, const PdListEntry& entry) : controller_(controller), entry_(entry) {}

    u16 GetDeviceId() const override { return entry_.deviceId; }
    u16 GetEnclDeviceId() const override { return entry_.enclDeviceId; }
    u8 GetSlotNumber() const override { return entry_.slot; }
    u8 GetScsiType() const override { return entry_.scsiType; }

    int GetSeqNum(u16* seqNum) override;
    int GetFwState(u16* state) override;
    int GetPdType(u8* type) override;
    int IsSasSataBridge(u8* flag) override;
    int GetInquiryData(const u8** inquiry) override;
    int GetMediaType(u8* type) override;
    int GetCoercedSize(u64* blocks) override;
    int GetPowerState(u8* state) override;
    int IsPiEligible(u16* flag) override;
    int IsSecured(u16* flag) override;
    int IsForeignSecured(u8* flag) override;
    int IsForeign(u8* flag) override;
    int IsLocked(u8* flag) override;
    int IsReprovisionAllowed(u8* flag) override;
    int IsRbldSuspendAllowed(u8* flag) override;
    int IsRbldResumeAllowed(u8* flag) override;
    int IsCopyBackSuspendAllowed(u8* flag) override;
    int IsCopyBackResumeAllowed(u8* flag) override;
    int IsSpare(u8* flag) override;
    int GetConnectorIndex(u8* index) override;
    int GetEnclFruInfo(EnclFruInfo* fru) override;

    int GetProgress(u8 block[pdprogress::kSize]) override;
    int ReadAllowedOps(u32* word) override;
    int ReadDpmStats(u32 type, u8* buffer, u32 length) override;

    int SetFwState(u8 state) override;
    int Request(PdRequest request) override;
    int StartSecureErase(u8 eraseType, u8 patternA, u8 patternB) override;
    int Locate(bool start, u16 value) override;
    int StartCopyBack(u32 targetRef) override;
    int MakeHsp(const u16* arrayRefs, u8 arrayCount, bool revertible, bool enclAffinity) override;
    int SpinUp() override;

    string Print() override;
    string PrintLocation() override;
    string PrintFirmwareState() override;
    string PrintSecurity() override;

    // The record, read when not held: 0, or the read status (nothing held then).
    int LoadRecord() override;
    // The held record; empty when none is held.
    ByteView Record() const { return loaded_ ? ByteView(record_) : ByteView(); }
    // Marks the record stale after a change: the next field read reads it again. The buffer
    // stays where it is, so the inquiry data pointer handed out earlier stays valid.
    void DropRecord() override { loaded_ = false; }

private:
    int Bit(BitField field, u8* flag);
    // A read of a block of the drive's, named by its device id, into `reply`.
    int ReadBlock(u32 opcode, u8* reply, u32 length);
    // The drive reference of the held record (device id low, sequence number high).
    u32 Ref() const;
    // Sends a change request that carries the drive reference; drops the record when it succeeds.
    int SendChange(u32 opcode, const u32 mboxWords[3], void* data = nullptr, u32 length = 0);

    Controller* controller_;
    PdListEntry entry_;
    std::vector<u8> record_;
    bool loaded_ = false;
};
