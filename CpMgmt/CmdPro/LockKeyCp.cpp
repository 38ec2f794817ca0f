#include "CpMgmt/CmdPro/LockKeyCp.h"

#include "CpMgmt/CmdPro/SecurityMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/BiosData.h"
#include "fwdata/layout/OemData.h"
#include "fwdata/layout/SecurityKey.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<LockKeyCp> kRegisterLockKeyCp{TOKEN_CREATESECURITYKEY, TOKEN_CHANGESECURITYKEY,
                                                   TOKEN_VERIFYSECURITYKEY};

constexpr u32 kOemModePassphrase = oemdata::kModePassphrase;
constexpr std::size_t kMinKeyLength = 8;
constexpr std::size_t kMaxKeyLength = 32;
constexpr std::size_t kMaxSentTextBlock = seckey::kMaxText;
constexpr u8 kEmptyOldKeyMode = 4;  // the controller takes an empty old key in this key mode

int InvalidInput()
{
    PrintMessage(CommonMsg::kText, "Invalid input\n");
    return -1;
}

bool IsSpecial(signed char c)
{
    return (c >= 0x21 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60) ||
           (c >= 0x7B && c <= 0x7E);
}

// The option combinations the processor carries out, by OEM mode.
bool OptionsAllowed(u16 command, u32 oemMode, const LockKeyParsedObject& o, const std::string& key,
                    const std::string& passphrase)
{
    const bool passMode = oemMode == kOemModePassphrase;
    if (command == TOKEN_CREATESECURITYKEY && !passphrase.empty() && (passMode ? !key.empty() : key.empty()))
        return false;
    if (passMode && !key.empty())
        return false;
    if (command == TOKEN_CHANGESECURITYKEY) {
        if (!passMode && o.OldIsPassphrase() != 0)
            return false;
        if (passMode && o.OldIsPassphrase() == 0 && passphrase.empty() && o.UseEkm() != 1)
            return false;
    }
    // The verified text and the old key travel in 104-byte blocks with their terminator.
    if (command == TOKEN_VERIFYSECURITYKEY && (passMode ? passphrase : key).size() > kMaxSentTextBlock)
        return false;
    if (command == TOKEN_CHANGESECURITYKEY && o.GetOldSecurityKey().size() > kMaxSentTextBlock)
        return false;
    return true;
}
}  // namespace

int EncryptionEnabledOrReport(Adapter* adapter, u8 adapterNumber)
{
    u8 encryption = 0;
    adapter->IsEncryptionEnabled(&encryption);
    if (encryption != 0)
        return 1;
    PrintMessage(SecMsg::kEncryptionDisabled, adapterNumber);
    return 0;
}

int LockKeyCp::CheckKeyText(const std::string& text, const char* label)
{
    if (text.size() < kMinKeyLength || text.size() > kMaxKeyLength) {
        PrintMessage(SecMsg::kKeyRules, label);
        return 0;
    }
    int digits = 0, lower = 0, upper = 0, special = 0;
    for (char ch : text) {
        const auto c = static_cast<signed char>(ch);
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c >= 'a' && c <= 'z')
            ++lower;
        else if (c >= 'A' && c <= 'Z')
            ++upper;
        else if (IsSpecial(c))
            ++special;
    }
    if (digits > 0 && lower > 0 && upper > 0 && special > 0)
        return 1;
    PrintMessage(SecMsg::kKeyRules, label);
    return 0;
}

int LockKeyCp::ValidateSecurityKeyText(const LockKeyParsedObject& object, u32 oemMode)
{
    keyId_ = object.GetKeyId();
    if (keyId_.size() > seckey::kKeyIdWidth) {
        PrintMessage(SecMsg::kKeyIdTooLong);
        return -1;
    }
    if (CheckKeyText(keyText_, "Security Key") == 0)
        return -1;
    if (oemMode == kOemModePassphrase)
        return 0;
    passphrase_ = object.GetPassphrase();
    if (passphrase_.empty())
        return 0;
    return CheckKeyText(passphrase_, "Passphrase") == 1 ? 0 : -1;
}

int LockKeyCp::ProcessParsed(CpController* cpController, LockKeyParsedObject* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    adapter_ = AdapterOrReport(cpController, adapterNumber, true);
    if (adapter_ == nullptr)
        return -1;
    const u16 command = object->GetCommandId();
    u32 oemMode = 0;  // unreadable: the security-key rules
    adapter_->GetSecurityOemMode(&oemMode);
    const std::string passphrase = object->GetPassphrase();
    const std::string key = object->GetSecurityKey();
    if (!OptionsAllowed(command, oemMode, *object, key, passphrase))
        return InvalidInput();

    if (EncryptionEnabledOrReport(adapter_, adapterNumber) == 0)
        return -1;
    u8 hasKey = 0;
    adapter_->HasSecurityKey(&hasKey);
    if (command == TOKEN_CREATESECURITYKEY && hasKey != 0) {
        PrintMessage(SecMsg::kKeyExists);
        return -1;
    }
    if (command != TOKEN_CREATESECURITYKEY && hasKey == 0) {
        PrintMessage(SecMsg::kNoKey);
        return -1;
    }
    keyText_ = oemMode == kOemModePassphrase ? passphrase : key;
    if (command != TOKEN_VERIFYSECURITYKEY && object->UseEkm() != 0)
        return ApplyKeyByEkm(*object, adapterNumber);
    if (command == TOKEN_VERIFYSECURITYKEY)
        return VerifyKey(adapterNumber);
    if (ValidateSecurityKeyText(*object, oemMode) != 0)
        return -1;
    const int status = command == TOKEN_CREATESECURITYKEY ? CreateKey() : ChangeKey(*object);
    if (status != 0) {
        PrintMessage(SecMsg::kOperationFailed, adapterNumber);
        return status;
    }
    PrintMessage(SecMsg::kOperationDone, adapterNumber);
    return 0;
}

int LockKeyCp::VerifyKey(u8 adapterNumber)
{
    const int status = adapter_->VerifySecurityKey(keyText_, 0);
    PrintMessage(status != 0 ? SecMsg::kVerifyFailed : SecMsg::kVerified, adapterNumber);
    return status;
}

int LockKeyCp::CreateKey() { return adapter_->SetSecurityKey(keyText_, passphrase_, keyId_, seckey::kFlagCreate); }

// In key mode 4 the controller takes an empty old-key block whatever was typed.
int LockKeyCp::SendOldKey(const std::string& oldKey, u8 keyMode)
{
    if (keyMode == kEmptyOldKeyMode)
        return adapter_->SendEmptyOldSecurityKey();
    return adapter_->SendOldSecurityKey(oldKey);
}

int LockKeyCp::ChangeKey(const LockKeyParsedObject& object)
{
    const std::string oldKey = object.GetOldSecurityKey();
    u8 keyMode = 0;
    adapter_->GetSecurityKeyMode(&keyMode);
    const int status = adapter_->SetSecurityKey(keyText_, passphrase_, keyId_, seckey::kFlagChange);
    if (status != 0)
        return status;
    return SendOldKey(oldKey, keyMode);
}

int LockKeyCp::ApplyKeyByEkm(const LockKeyParsedObject& object, u8 adapterNumber)
{
    u8 supported = 0;
    adapter_->IsEkmSupported(&supported);
    if (supported == 0) {
        PrintMessage(SecMsg::kEkmNotSupported);
        return -1;
    }
    u8 agents = 0;
    adapter_->GetEkmAgentFlags(&agents);
    if ((agents & (biosdata::kEkmClient | biosdata::kEkmBootAgent)) == 0) {
        PrintMessage(SecMsg::kNoEkmAgent);
        return -1;
    }
    int status = 0;
    if (object.GetCommandId() == TOKEN_CREATESECURITYKEY) {
        status = adapter_->SetSecurityKeyByEkm(seckey::kFlagEkmCreate);
    } else {
        u8 keyMode = 0;
        adapter_->GetSecurityKeyMode(&keyMode);
        status = adapter_->SetSecurityKeyByEkm(seckey::kFlagEkmChange);
        if (status == 0)
            status = SendOldKey(object.GetOldSecurityKey(), keyMode);
    }
    if (status != 0) {
        PrintMessage(SecMsg::kOperationFailed, adapterNumber);
        return status;
    }
    u8 reboot = 0;
    adapter_->IsRebootRequired(&reboot);
    PrintMessage(reboot != 0 ? CommonMsg::kRebootNeeded : SecMsg::kOperationDone, adapterNumber);
    return 0;
}
