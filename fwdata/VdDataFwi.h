// A virtual drive's data read from the controller firmware: its 256-byte record from the
// configuration image, its 384-byte information block (read once, when first needed) and its
// 32-byte property record (read by ReadProperties).
#pragma once
#include <vector>

#include "dataif/VdData.h"

class Controller;

class VdDataFwi : public VdData {
public:
    // `record` is the drive's record of the configuration image (copied). Without a controller
    // (the drive of a foreign or saved image) every request of the drive's fails with -1.
    VdDataFwi(Controller* controller, ByteView record);

    u16 GetTargetId() const override;
    u16 GetSeqNum() const override;
    u8 GetRaidLevel() const override;
    u8 GetState() const override;
    u8 GetPiType() const override;
    u8 GetDrivesPerSpan() const override;
    u8 GetSpanDepth() const override;
    u8 GetEncryptionType() const override;
    u8 GetBadBlocksExist() const override;
    u8 GetIsConsistent() const override;
    bool IsSnapshotEnabled() const override;
    bool IsSscd() const override;
    u64 GetSizeBlocks() const override;
    string GetName() const override;

    int ReadProperties() override;
    bool HasProperties() const override { return !properties_.empty(); }
    u8 GetProperty(VdProperty field) const override;
    void SetProperty(VdProperty field, u8 value) override;
    void SetName(const char* name) override;
    int WriteProperties() override;

    int GetProgress(u8 block[vdprogress::kSize]) override;
    int GetAllowedOps(u8 ops[vdallowed::kSize]) override;
    int Send(VdRequest request, u8 option) override;
    int StartSecureErase(u8 eraseType, u8 deleteVd, u8 patternA, u8 patternB) override;
    int Reconstruct(u8 level, u8 change, const VdReconDrive* drives, unsigned count, u8 percent) override;
    int GetBadBlockCounts(u8 reply[vdbbt::kSize]) override;
    int GetMirrorInfo(std::vector<u8>* image) override;

    string Print(int* infoStatus) override;

    // The information block, read when not held: 0, or the read status.
    int LoadInfo();

private:
    // The record's fields; until the property record is read the changeable ones come from the
    // configuration record.
    ByteView Record() const { return ByteView(record_); }
    ByteView Props() const { return ByteView(properties_.empty() ? record_ : properties_); }
    // A read of a block of the drive's into `reply`: the mailbox names the target id (and with
    // `withSeqNum` the sequence number).
    int ReadBlock(u32 opcode, u8* reply, u32 length, bool withSeqNum = false);
    // The u32 reference of mailbox word 0: target id in byte 0, sequence number in bytes 2-3.
    u32 Reference() const;
    // The property record's offset of a changeable field (0 for the read-only ones).
    static u32 PropertyOffset(VdProperty field);

    Controller* controller_;
    std::vector<u8> record_;
    std::vector<u8> info_;
    std::vector<u8> properties_;
    std::vector<u8> propertiesRead_;  // as read, to tell whether a write is needed
};
