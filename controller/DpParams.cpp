#include "controller/DpParams.h"

#include <algorithm>
#include <cstring>

#include "controller/DcmdOpcodeTable.h"

namespace {

// The mailbox words in the order the firmware sees them: byte 0 is the low byte of word 0.
void WordsToMailbox(const u32 words[3], u8 mbox[12])
{
    for (int w = 0; w < 3; ++w) {
        const u32 value = words != nullptr ? words[w] : 0;
        for (int b = 0; b < 4; ++b)
            mbox[w * 4 + b] = static_cast<u8>(value >> (8 * b));
    }
}

struct MailboxBytes {
    u8 bytes[12] = {};
    explicit MailboxBytes(const u32 words[3]) { WordsToMailbox(words, bytes); }
};

}  // namespace

DcmdFwiDpParams::DcmdFwiDpParams(u32 opcode, const u32 mboxWords[3], void* buffer, u32 length, u16, u32)
    : DcmdFwiDpParams(DpKind::Dcmd, opcode, MailboxBytes(mboxWords).bytes, buffer, length)
{
}

DcmdFwiDpParams::DcmdFwiDpParams(u32 opcode, const u8 mbox[12], void* buffer, u32 length, u16, u32)
    : DcmdFwiDpParams(DpKind::Dcmd, opcode, mbox, buffer, length)
{
}

DcmdFwiDpParams::DcmdFwiDpParams(DpKind kind, u32 opcode, const u8 mbox[12], void* buffer, u32 length)
    : DpParams(kind, buffer), opcode_(opcode)
{
    if (mbox != nullptr)
        std::memcpy(mbox_, mbox, sizeof mbox_);
    ApplyTable(length, kind == DpKind::DcmdPrivate);
}

void DcmdFwiDpParams::ApplyTable(u32 callerLength, bool privateTable)
{
    ResolveTransfer(opcode_, privateTable, callerLength, &transferLength_, &direction_);
    // Without a buffer nothing can be sent or received.
    if (buffer_ == nullptr)
        transferLength_ = 0;
    const OpcodeRow* row = FindOpcodeRow(opcode_, privateTable);
    needsFullReply_ = row != nullptr && !row->callersLength && (direction_ & kDpFromController) && transferLength_ > 0;
}

u32 DcmdFwiDpParams::GetMailboxWord(int index) const
{
    if (index < 0 || index > 2)
        return 0;
    u32 value = 0;
    for (int b = 3; b >= 0; --b)
        value = (value << 8) | mbox_[index * 4 + b];
    return value;
}

DcmdFwiDpPrvParams::DcmdFwiDpPrvParams(u32 opcode, const u32 mboxWords[3], void* buffer, u32 length, u16, u32)
    : DcmdFwiDpParams(DpKind::DcmdPrivate, opcode, MailboxBytes(mboxWords).bytes, buffer, length)
{
}

DcmdFwiDpPrvParams::DcmdFwiDpPrvParams(u32 opcode, const u8 mbox[12], void* buffer, u32 length, u16, u32)
    : DcmdFwiDpParams(DpKind::DcmdPrivate, opcode, mbox, buffer, length)
{
}

DriverFwiDPParams::DriverFwiDPParams(u32 opcode, const u32 mboxWords[3], void* buffer, u32 length, u16, u32)
    : DcmdFwiDpParams(DpKind::Driver, opcode, MailboxBytes(mboxWords).bytes, buffer, length)
{
}

DcdbFwiDpParams::DcdbFwiDpParams(u32 frameCommand, u8 target, u8 lun, u8 cdbLength, const u8* cdb, u32 dataLength,
                                 void* buffer, u8 direction, u8 senseLength, u8* senseBuffer, u16 timeout, u32)
    : DpParams(DpKind::ScsiPassThru, buffer),
      frameCommand_(frameCommand),
      target_(target),
      lun_(lun),
      cdbLength_(cdb != nullptr ? std::min<u8>(cdbLength, sizeof cdb_) : 0),
      senseLength_(senseBuffer != nullptr ? senseLength : 0),
      sense_(senseBuffer),
      timeout_(timeout)
{
    if (cdbLength_ > 0)
        std::memcpy(cdb_, cdb, cdbLength_);
    direction_ = static_cast<DpDirection>(direction & kDpBoth);
    transferLength_ = buffer != nullptr ? dataLength : 0;
}
