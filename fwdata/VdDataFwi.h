// A virtual drive's data read from the controller firmware: its 256-byte record from the
// configuration image, its 384-byte information block (read once, when first needed) and its
// 32-byte property record (read by ReadProperties).
#pragma once
#include <vector>

#include "raidmodel/VdData.h"

class Controller;

class VdDataFwi : public VdData {
public:
    // `record` holds the 256 bytes of the drive's configuration record.
    VdDataFwi(Controller* controller, const u8* record);

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

    int GetProgress(u8 block[36]) override;
    int GetAllowedOps(u8 ops[4]) override;

    string Print() override;

    // The information block, read when not held: 0, or the read status.
    int LoadInfo();

private:
    void Mailbox(u8 mbox[12]) const;

    Controller* controller_;
    std::vector<u8> record_;
    std::vector<u8> info_;
    std::vector<u8> properties_;
};
