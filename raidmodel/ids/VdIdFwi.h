// A virtual drive's firmware reference: target id and sequence number. The sequence number
// 0xFFFF stands for "any" when a drive is looked up.
#pragma once
#include "ZepUtil/Types.h"
#include "raidmodel/ids/VdId.h"

class VdIdFwi : public VdId {
public:
    static constexpr u16 kAnySeqNum = 0xFFFF;

    // The first byte is not stored (callers pass the target id there too).
    VdIdFwi(u8 /*unused*/, u16 targetId, u16 seqNum) : VdId(targetId), seqNum_(seqNum) {}

    u16 GetSeqNum() const { return seqNum_; }
    void SetSeqNum(u16 seqNum) { seqNum_ = seqNum; }

    // The mailbox word 0 that names the drive: byte 0 target id, byte 1 zero, bytes 2-3 sequence
    // number.
    u32 GetReference() const { return static_cast<u32>(targetId_ & 0xFF) | (static_cast<u32>(seqNum_) << 16); }

private:
    u16 seqNum_;
};
