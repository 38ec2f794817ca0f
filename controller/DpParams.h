// Request descriptions executed on a controller: DCMD (firmware commands), private DCMD,
// SCSI pass-through and requests to the kernel driver. A request never owns the caller's
// buffer; its transfer length and direction come from the opcode tables, so a reply can never
// be longer than the buffer the caller gave. A request without a buffer moves no data.
#pragma once
#include <optional>

#include "ZepUtil/Types.h"

enum class DpKind { Dcmd, DcmdPrivate, ScsiPassThru, SataPassThru, Driver };

enum DpDirection : u8 { kDpNone = 0, kDpToController = 1, kDpFromController = 2, kDpBoth = 3 };

class DpParams {
public:
    virtual ~DpParams() = default;
    DpKind GetKind() const { return kind_; }

    void SetControllerId(u32 id) { controllerId_ = id; }
    u32 GetControllerId() const { return controllerId_; }

    void* GetBuffer() const { return buffer_; }
    u32 GetTransferLength() const { return transferLength_; }
    DpDirection GetDirection() const { return direction_; }

    // Data bytes the controller placed in the buffer (after Execute). A provider that does not
    // say is taken to have filled the transfer length.
    u32 GetReplyLength() const { return replyLength_.value_or(transferLength_); }
    void SetReplyLength(u32 length) { replyLength_ = length; }

    // True for a read of a fixed-length block: a successful reply must fill the transfer
    // length, a shorter one is a failure. Pass-through replies and lists (the caller's length)
    // may be shorter.
    bool NeedsFullReply() const { return needsFullReply_; }

protected:
    DpParams(DpKind kind, void* buffer) : kind_(kind), buffer_(buffer) {}

    DpKind kind_;
    u32 controllerId_ = 0;
    void* buffer_;
    u32 transferLength_ = 0;
    DpDirection direction_ = kDpNone;
    bool needsFullReply_ = false;

private:
    std::optional<u32> replyLength_;
};

// A firmware command: u32 opcode, 12-byte mailbox (byte 0 is the low byte of word 0), data.
class DcmdFwiDpParams : public DpParams {
public:
    DcmdFwiDpParams(u32 opcode, const u32 mboxWords[3], void* buffer, u32 length, u16 reserved16 = 0, u32 reserved32 = 0);
    DcmdFwiDpParams(u32 opcode, const u8 mbox[12], void* buffer, u32 length, u16 reserved16 = 0, u32 reserved32 = 0);

    u32 GetOpcode() const { return opcode_; }
    // The mailbox as sent and, after Execute, as the controller returned it.
    const u8* GetMailbox() const { return mbox_; }
    u8* MutableMailbox() { return mbox_; }
    u32 GetMailboxWord(int index) const;

protected:
    DcmdFwiDpParams(DpKind kind, u32 opcode, const u8 mbox[12], void* buffer, u32 length);
    void ApplyTable(u32 callerLength, bool privateTable);

    u32 opcode_;
    u8 mbox_[12] = {};
};

// A private firmware command, with the private opcode table.
class DcmdFwiDpPrvParams : public DcmdFwiDpParams {
public:
    DcmdFwiDpPrvParams(u32 opcode, const u32 mboxWords[3], void* buffer, u32 length, u16 reserved16 = 0, u32 reserved32 = 0);
    DcmdFwiDpPrvParams(u32 opcode, const u8 mbox[12], void* buffer, u32 length, u16 reserved16 = 0, u32 reserved32 = 0);
};

// A request to the kernel driver, built like a DCMD (opcode 0xF0010200: 112 bytes of PCI
// information).
class DriverFwiDPParams : public DcmdFwiDpParams {
public:
    DriverFwiDPParams(u32 opcode, const u32 mboxWords[3], void* buffer, u32 length, u16 reserved16 = 0, u32 reserved32 = 0);
};

// SCSI pass-through to a logical drive (frame command 3) or a physical device (4).
class DcdbFwiDpParams : public DpParams {
public:
    DcdbFwiDpParams(u32 frameCommand, u8 target, u8 lun, u8 cdbLength, const u8* cdb, u32 dataLength, void* buffer,
                    u8 direction, u8 senseLength, u8* senseBuffer, u16 timeout, u32 reserved = 0);

    u32 GetFrameCommand() const { return frameCommand_; }
    u8 GetTarget() const { return target_; }
    u8 GetLun() const { return lun_; }
    u8 GetCdbLength() const { return cdbLength_; }
    const u8* GetCdb() const { return cdb_; }
    u8 GetSenseLength() const { return senseLength_; }
    u8* GetSenseBuffer() const { return sense_; }
    u16 GetTimeout() const { return timeout_; }
    // The SCSI status the device returned (valid after Execute).
    u8 GetScsiStatus() const { return scsiStatus_; }
    void SetScsiStatus(u8 status) { scsiStatus_ = status; }

private:
    u32 frameCommand_;
    u8 target_;
    u8 lun_;
    u8 cdbLength_;
    u8 cdb_[16] = {};
    u8 senseLength_;
    u8* sense_;
    u16 timeout_;
    u8 scsiStatus_ = 0;
};
