#include "CpMgmt/CmdPro/ConfigurationCp.h"

#include "CpMgmt/CmdPro/CtrlDefaultsRead.h"
#include "controller/FwiDpErrors.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/VdRecord.h"
#include "parsers/CfgAddParsedObject.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/UnConfiguredVd.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

constexpr u32 kOemModeSecure = 2;
constexpr u32 kOemModeKeepsSsdCache1 = 7;
constexpr u32 kOemModeKeepsSsdCache2 = 9;
constexpr u8 kEncryptionSecure = 3;
constexpr u8 kPsNotGivenReply = 255;
// A strip size whose double no longer fits 16 bits.
constexpr u16 kStripTooLargeKb = 32768;
constexpr int kStatusNotPowerOfTwo = 3;

template <typename Field>
int Read(const CfgParsedObject* object, u8* value, Field field)
{
    if (object == nullptr)
        return -1;
    *value = (object->*field)();
    return 0;
}

}  // namespace

int ConfigurationCp::GetReadPolicy(const CfgParsedObject* o, u8* v) { return Read(o, v, &CfgParsedObject::GetReadPolicy); }
int ConfigurationCp::GetWritePolicy(const CfgParsedObject* o, u8* v) { return Read(o, v, &CfgParsedObject::GetWritePolicy); }
int ConfigurationCp::GetIoPolicy(const CfgParsedObject* o, u8* v) { return Read(o, v, &CfgParsedObject::GetIoPolicy); }
int ConfigurationCp::GetCachedBadBbu(const CfgParsedObject* o, u8* v)
{
    return Read(o, v, &CfgParsedObject::GetCachedBadBbu);
}
int ConfigurationCp::GetEncryptionType(const CfgParsedObject* o, u8* v)
{
    return Read(o, v, &CfgParsedObject::GetEncryptionType);
}
int ConfigurationCp::GetPsPolicy(const CfgParsedObject* o, u8* v)
{
    return o == nullptr ? kPsNotGivenReply : Read(o, v, &CfgParsedObject::GetPsPolicy);
}

int ConfigurationCp::stripSizeToLog2(const CfgParsedObject* object, u8* code)
{
    *code = kNoStripCode;
    if (object == nullptr)
        return -1;
    const u16 kb = object->GetStripSize();
    if (kb == 0 || kb == CfgParsedObject::kStripNotGiven)
        return 0;
    if (kb >= kStripTooLargeKb)
        return kStatusNotPowerOfTwo;
    // Halve the size counted in 512-byte blocks down to one block.
    u16 blocks = static_cast<u16>(kb * 2);
    u8 halvings = 0;
    while (blocks != 1) {
        if ((blocks & 1) != 0)
            return kStatusNotPowerOfTwo;
        blocks = static_cast<u16>(blocks >> 1);
        ++halvings;
    }
    *code = halvings;
    return 0;
}

int ConfigurationCp::FreeSpaceInfoList(ArrayList<ArraySpaceInfo*>* list)
{
    DeleteList(list);
    return 0;
}

int ConfigurationCp::CheckEncryptionForOem(u8 encryptionType, u32 oemMode)
{
    const bool secureMode = oemMode == kOemModeSecure;
    if ((encryptionType == kEncryptionSecure && !secureMode) ||
        ((encryptionType == vdrec::kEncryptionFde || encryptionType == vdrec::kEncryptionCtrlBased) && secureMode)) {
        PrintMessage(CommonMsg::kText, "Invalid input\n");
        return -1;
    }
    return 0;
}

int ConfigurationCp::ReadOemModeForEncryption(Adapter* adapter, u8 encryptionType)
{
    {
        // Without the OEM block the mode keeps its starting value.
        FwiDpErrors::KeepLast keep;
        adapter->GetOemMode(&oemMode_);
    }
    return CheckEncryptionForOem(encryptionType, oemMode_);
}

int ConfigurationCp::CheckPiSupport(Adapter* adapter, u8 enablePi)
{
    u8 piSupported = 0;
    const int status = adapter->IsPiSupported(&piSupported);
    if (status != 0)
        return status;
    if (enablePi != 0 && piSupported == 0) {
        PrintMessage(CommonMsg::kText, "Adapter Doesn't support PI\n");
        return -1;
    }
    return 0;
}

int ConfigurationCp::SetGivenStripSize(const CfgParsedObject* object, UnConfiguredVd* plan)
{
    u8 code = kNoStripCode;
    const int status = stripSizeToLog2(object, &code);
    if (status != 0)
        return status;
    if (code != kNoStripCode)
        plan->SetStripSize(code);
    return 0;
}

void ConfigurationCp::SetGivenPolicies(const CfgAddParsedObject* object, UnConfiguredVd* plan)
{
    u8 value = 0;
    if (GetWritePolicy(object, &value) == 0 && value != CfgParsedObject::kNotGiven)
        plan->SetWritePolicy(value);
    if (GetReadPolicy(object, &value) == 0 && value != CfgParsedObject::kNotGiven)
        plan->SetReadPolicy(value);
    if (GetIoPolicy(object, &value) == 0 && value != CfgParsedObject::kNotGiven)
        plan->SetIoPolicy(value);
    if (GetCachedBadBbu(object, &value) == 0 && value != CfgParsedObject::kNotGiven)
        plan->SetCachedBadBbu(value);
}

int ConfigurationCp::ApplySsdDriveCacheRule(Adapter* adapter, u32 oemMode, UnConfiguredVd* plan)
{
    u8 blocked = 0;
    int status = adapter->GetBlockSsdWriteCacheChange(&blocked);
    if (status != 0) {
        PrintMessage(CommonMsg::kText, "Fail To Get Adapter blockSSDWriteCacheChange bit.");
        PrintMessage(CommonMsg::kLineEnd);
        return status;
    }
    if (oemMode != kOemModeKeepsSsdCache1 && oemMode != kOemModeKeepsSsdCache2 && blocked != 0 && anySsd_ != 0)
        plan->SetDiskCachePolicy(0);
    return 0;
}

int ConfigurationCp::ReportDefaultsUnreadable(int status)
{
    defaultsUnreadable_ = true;
    ReportCtrlDefaultsUnreadable(status);
    return status;
}
