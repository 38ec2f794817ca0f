#include "fwdata/PdDataFwi.h"

#include <cstring>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PdAllowedOps.h"
#include "fwdata/layout/PdRecord.h"

int PdDataFwi::ReadBlock(u32 opcode, u8* reply, u32 length)
{
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU16(mailbox::kOffDeviceId, entry_.deviceId);
    DcmdFwiDpParams request(opcode, mbox, reply, length);
    return controller_->Execute(request);
}

int PdDataFwi::LoadRecord()
{
    if (loaded_)
        return 0;
    std::vector<u8> block(pdrec::kSize, 0);
    int status = ReadBlock(kDcmdPdGetInfo, block.data(), pdrec::kSize);
    if (status != 0)
        return status;
    // A record read again goes into the buffer already handed out.
    if (record_.empty())
        record_ = std::move(block);
    else
        std::memcpy(record_.data(), block.data(), pdrec::kSize);
    loaded_ = true;
    return 0;
}

int PdDataFwi::Bit(BitField field, u8* flag)
{
    int status = LoadRecord();
    if (status == 0)
        *flag = Record().Bit(field) ? 1 : 0;
    return status;
}

int PdDataFwi::GetSeqNum(u16* seqNum)
{
    int status = LoadRecord();
    if (status == 0)
        *seqNum = Record().U16(pdrec::kOffSeqNum);
    return status;
}

int PdDataFwi::GetFwState(u16* state)
{
    int status = LoadRecord();
    if (status == 0)
        *state = Record().U16(pdrec::kOffFwState);
    return status;
}

int PdDataFwi::GetPdType(u8* type)
{
    int status = LoadRecord();
    if (status == 0)
        *type = static_cast<u8>(Record().U8(pdrec::kOffInterface) >> pdrec::kInterfaceShift);
    return status;
}

int PdDataFwi::IsSasSataBridge(u8* flag)
{
    int status = LoadRecord();
    if (status == 0)
        *flag = Record().U8(pdrec::kOffBridge) != 0 ? 1 : 0;
    return status;
}

int PdDataFwi::GetInquiryData(const u8** inquiry)
{
    int status = LoadRecord();
    if (status == 0)
        *inquiry = record_.data() + pdrec::kOffInquiry;
    return status;
}

int PdDataFwi::GetMediaType(u8* type)
{
    int status = LoadRecord();
    if (status == 0)
        *type = Record().U8(pdrec::kOffMediaType);
    return status;
}

int PdDataFwi::GetCoercedSize(u64* blocks)
{
    int status = LoadRecord();
    if (status == 0)
        *blocks = Record().U64(pdrec::kOffCoercedBlocks);
    return status;
}

int PdDataFwi::GetPowerState(u8* state)
{
    int status = LoadRecord();
    if (status == 0)
        *state = Record().U8(pdrec::kOffPowerState);
    return status;
}

int PdDataFwi::IsPiEligible(u16* flag)
{
    u8 bit = 0;
    int status = Bit(pdrec::kPiEligible, &bit);
    if (status == 0)
        *flag = bit;
    return status;
}

int PdDataFwi::IsSecured(u16* flag)
{
    u8 bit = 0;
    int status = Bit(pdrec::kSecured, &bit);
    if (status == 0)
        *flag = bit;
    return status;
}

int PdDataFwi::IsForeignSecured(u8* flag) { return Bit(pdrec::kForeignKey, flag); }
int PdDataFwi::IsForeign(u8* flag) { return Bit(pdrec::kForeign, flag); }
int PdDataFwi::IsLocked(u8* flag) { return Bit(pdrec::kLocked, flag); }
int PdDataFwi::IsReprovisionAllowed(u8* flag) { return Bit(pdrec::kReprovisionAllowed, flag); }
int PdDataFwi::IsRbldSuspendAllowed(u8* flag) { return Bit(pdrec::kRbldSuspendAllowed, flag); }
int PdDataFwi::IsRbldResumeAllowed(u8* flag) { return Bit(pdrec::kRbldResumeAllowed, flag); }
int PdDataFwi::IsCopyBackSuspendAllowed(u8* flag) { return Bit(pdrec::kCopyBackSuspendAllowed, flag); }
int PdDataFwi::IsCopyBackResumeAllowed(u8* flag) { return Bit(pdrec::kCopyBackResumeAllowed, flag); }

int PdDataFwi::IsSpare(u8* flag)
{
    int status = LoadRecord();
    if (status == 0)
        *flag = (Record().Bit(pdrec::kDedicatedSpare) || Record().Bit(pdrec::kGlobalSpare)) ? 1 : 0;
    return status;
}

int PdDataFwi::GetConnectorIndex(u8* index)
{
    int status = LoadRecord();
    if (status == 0)
        *index = Record().U8(pdrec::kOffConnector);
    return status;
}

int PdDataFwi::GetProgress(u8 block[pdprogress::kSize])
{
    u8 reply[pdprogress::kSize] = {};
    int status = ReadBlock(kDcmdPdGetProgress, reply, sizeof reply);
    if (status == 0)
        std::memcpy(block, reply, sizeof reply);
    return status;
}

int PdDataFwi::ReadDpmStats(u32 type, u8* buffer, u32 length)
{
    int status = LoadRecord();
    if (status != 0)
        return status;
    const u32 words[3] = {Ref(), type, 0};
    DcmdFwiDpParams request(kDcmdDpmGetStats, words, buffer, length);
    status = controller_->Execute(request);
    // Each kind of statistics is a block of its own length: one that arrives shorter than asked
    // is a failed read, never figures of zeros.
    if (status == 0 && request.GetReplyLength() < length)
        return -1;
    return status;
}

int PdDataFwi::ReadAllowedOps(u32* word)
{
    u8 reply[pdallowed::kSize] = {};
    int status = ReadBlock(kDcmdPdGetAllowedOps, reply, sizeof reply);
    if (status == 0)
        *word = ByteView(reply).U32(pdallowed::kOffWord);
    return status;
}
