#include "fwdata/PdDataFwi.h"

#include <cstring>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/FwOpcodes.h"
#include "fwdata/LeBytes.h"
#include "fwdata/PdRecordLayout.h"

namespace {
// Mailbox with the device id in bytes 0-1.
void DeviceIdMailbox(u16 deviceId, u8 mbox[12])
{
    std::memset(mbox, 0, 12);
    PutLeU16(mbox, 0, deviceId);
}
}  // namespace

int PdDataFwi::LoadRecord()
{
    if (loaded_)
        return 0;
    std::vector<u8> block(pdrec::kSize, 0);
    u8 mbox[12];
    DeviceIdMailbox(entry_.deviceId, mbox);
    DcmdFwiDpParams request(kDcmdPdGetInfo, mbox, block.data(), pdrec::kSize);
    int status = controller_->Execute(request);
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

int PdDataFwi::Bit(u32 offset, unsigned bit, u8* flag)
{
    int status = LoadRecord();
    if (status == 0)
        *flag = LeBit(record_.data(), offset, bit) ? 1 : 0;
    return status;
}

int PdDataFwi::GetSeqNum(u16* seqNum)
{
    int status = LoadRecord();
    if (status == 0)
        *seqNum = LeU16(record_.data(), pdrec::kOffSeqNum);
    return status;
}

int PdDataFwi::GetFwState(u16* state)
{
    int status = LoadRecord();
    if (status == 0)
        *state = LeU16(record_.data(), pdrec::kOffFwState);
    return status;
}

int PdDataFwi::GetPdType(u8* type)
{
    int status = LoadRecord();
    if (status == 0)
        *type = static_cast<u8>(LeU8(record_.data(), pdrec::kOffInterface) >> 4);
    return status;
}

int PdDataFwi::IsSasSataBridge(u8* flag)
{
    int status = LoadRecord();
    if (status == 0)
        *flag = LeU8(record_.data(), pdrec::kOffBridge) != 0 ? 1 : 0;
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
        *type = LeU8(record_.data(), pdrec::kOffMediaType);
    return status;
}

int PdDataFwi::GetCoercedSize(u64* blocks)
{
    int status = LoadRecord();
    if (status == 0)
        *blocks = LeU64(record_.data(), pdrec::kOffCoercedBlocks);
    return status;
}

int PdDataFwi::GetPowerState(u8* state)
{
    int status = LoadRecord();
    if (status == 0)
        *state = LeU8(record_.data(), pdrec::kOffPowerState);
    return status;
}

int PdDataFwi::IsPiEligible(u16* flag)
{
    u8 bit = 0;
    int status = Bit(pdrec::kOffPi, 0, &bit);
    if (status == 0)
        *flag = bit;
    return status;
}

int PdDataFwi::IsSecured(u16* flag)
{
    u8 bit = 0;
    int status = Bit(pdrec::kOffSecurity, 2, &bit);
    if (status == 0)
        *flag = bit;
    return status;
}

int PdDataFwi::IsForeignSecured(u8* flag) { return Bit(pdrec::kOffSecurity, 4, flag); }
int PdDataFwi::IsLocked(u8* flag) { return Bit(pdrec::kOffSecurity, 3, flag); }
int PdDataFwi::IsReprovisionAllowed(u8* flag) { return Bit(pdrec::kOffAllowed, 1, flag); }
int PdDataFwi::IsRbldSuspendAllowed(u8* flag) { return Bit(pdrec::kOffAllowed, 4, flag); }
int PdDataFwi::IsRbldResumeAllowed(u8* flag) { return Bit(pdrec::kOffAllowed, 5, flag); }
int PdDataFwi::IsCopyBackSuspendAllowed(u8* flag) { return Bit(pdrec::kOffAllowed, 6, flag); }
int PdDataFwi::IsCopyBackResumeAllowed(u8* flag) { return Bit(pdrec::kOffAllowed, 7, flag); }

int PdDataFwi::IsSpare(u8* flag)
{
    int status = LoadRecord();
    if (status == 0)
        *flag = (LeBit(record_.data(), pdrec::kOffFlags, pdrec::kFlagDedicatedSpare) ||
                 LeBit(record_.data(), pdrec::kOffFlags, pdrec::kFlagGlobalSpare))
                    ? 1
                    : 0;
    return status;
}

int PdDataFwi::GetConnectorIndex(u8* index)
{
    int status = LoadRecord();
    if (status == 0)
        *index = LeU8(record_.data(), pdrec::kOffConnector);
    return status;
}

int PdDataFwi::GetProgress(u8 block[32])
{
    u8 reply[pdprogress::kSize] = {};
    u8 mbox[12];
    DeviceIdMailbox(entry_.deviceId, mbox);
    DcmdFwiDpParams request(kDcmdPdGetProgress, mbox, reply, sizeof reply);
    int status = controller_->Execute(request);
    if (status == 0)
        std::memcpy(block, reply, sizeof reply);
    return status;
}

int PdDataFwi::ReadAllowedOps(u32* word)
{
    u8 reply[pdallowed::kSize] = {};
    u8 mbox[12];
    DeviceIdMailbox(entry_.deviceId, mbox);
    DcmdFwiDpParams request(kDcmdPdGetAllowedOps, mbox, reply, sizeof reply);
    int status = controller_->Execute(request);
    if (status == 0)
        *word = LeU32(reply, 0);
    return status;
}
