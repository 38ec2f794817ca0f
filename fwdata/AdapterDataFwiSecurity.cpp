// The drive-security requests of the Adapter's data: the key, its verification, the old key of
// a change, its destruction and its id.
#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/AdapterDataFwi.h"
#include "fwdata/layout/BiosData.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/OemData.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/SecurityKey.h"

int AdapterDataFwi::GetOemModeWord(u32* mode)
{
    u8 block[oemdata::kSize] = {};
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpPrvParams request(kDcmdCtrlGetOemData, mbox, block, sizeof block);
    const int status = controller_->Execute(request);
    if (status != 0)
        return status;
    *mode = ByteView(block).U32(oemdata::kOffModeWord);
    return 0;
}

int AdapterDataFwi::GetEkmAgents(u8* agents)
{
    u8 block[biosdata::kSize] = {};
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlGetBiosData, mbox, block, sizeof block);
    const int status = controller_->Execute(request);
    if (status != 0)
        return status;
    *agents = ByteView(block).U8(biosdata::kOffEkmAgents);
    return 0;
}

int AdapterDataFwi::SetSecurityKey(const std::string& key, const std::string& passphrase, const std::string& keyId,
                                   u8 flags)
{
    u8 block[seckey::kSize] = {};
    ByteWriter w(block);
    // Each text keeps its terminating NUL inside its field; only the key id may fill its field.
    w.PutText(seckey::kOffKey, seckey::kKeyWidth - 1, key);
    w.PutText(seckey::kOffPassphrase, seckey::kPassphraseWidth - 1, passphrase);
    w.PutText(seckey::kOffKeyId, seckey::kKeyIdWidth, keyId);
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU8(seckey::kOffMboxFlags, flags);
    DcmdFwiDpParams request(kDcmdCtrlKeyCreate, mbox, block, sizeof block);
    return controller_->Execute(request);
}

int AdapterDataFwi::VerifySecurityKey(const std::string& key, u8 flag)
{
    u8 block[seckey::kTextBlockSize] = {};
    ByteWriter(block).PutText(seckey::kOffKey, seckey::kMaxText, key);
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU8(seckey::kOffMboxFlags, flag);
    DcmdFwiDpParams request(kDcmdCtrlKeyVerify, mbox, block, sizeof block);
    return controller_->Execute(request);
}

int AdapterDataFwi::SendOldSecurityKey(const std::string& key)
{
    u8 block[seckey::kTextBlockSize] = {};
    ByteWriter(block).PutText(seckey::kOffKey, seckey::kMaxText, key);
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlKeyOld, mbox, block, sizeof block);
    return controller_->Execute(request);
}

int AdapterDataFwi::DestroySecurityKey()
{
    const u32 mbox[3] = {0, 0, 0};
    DcmdFwiDpParams request(kDcmdCtrlKeyDestroy, mbox, nullptr, 0);
    return controller_->Execute(request);
}

int AdapterDataFwi::GetKeyId(u16 target, std::string* keyId)
{
    u8 block[seckey::kIdBlockSize] = {};
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU16(seckey::kOffMboxTarget, target);
    DcmdFwiDpParams request(kDcmdCtrlKeyGetId, mbox, block, sizeof block);
    const int status = controller_->Execute(request);
    if (status != 0)
        return status;
    // An id that fills the block has no terminator: the text ends with the block.
    *keyId = ByteView(block).Text(seckey::kOffKey, seckey::kIdBlockSize);
    return 0;
}

int AdapterDataFwi::SetKeyId(const std::string& keyId)
{
    u8 block[seckey::kIdBlockSize] = {};
    ByteWriter(block).PutText(seckey::kOffKey, seckey::kIdBlockSize, keyId);
    u8 mbox[mailbox::kSize] = {};
    ByteWriter(mbox).PutU16(seckey::kOffMboxTarget, seckey::kIdOfController);
    DcmdFwiDpParams request(kDcmdCtrlKeySetId, mbox, block, sizeof block);
    return controller_->Execute(request);
}
