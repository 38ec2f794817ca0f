// The security-key commands: -CreateSecurityKey, -ChangeSecurityKey and -VerifySecurityKey,
// with the external key manager taking the key for create and change (useEKMS). In OEM mode 2
// the user types a pass phrase where other controllers take a security key.
#pragma once
#include <string>

#include "CpMgmt/TypedProcessor.h"
#include "parsers/LockKeyParsedObject.h"

class Adapter;

// 1 when the controller reports encryption enabled; else 0 after message 0x36101 (an unreadable
// flag counts as disabled).
int EncryptionEnabledOrReport(Adapter* adapter, u8 adapterNumber);

class LockKeyCp : public TypedProcessor<LockKeyParsedObject, "LockKeyParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, LockKeyParsedObject* object) override;

    // The rules of a new key text: 8 to 32 bytes with a digit, a lower-case and an upper-case
    // letter and a special character. 1 when the text passes; else 0 after the rule message.
    static int CheckKeyText(const std::string& text, const char* label);
    // The key id, the key text and the pass phrase of the command, in that order; 0 when all
    // pass, -1 after the first failure's message. Keeps the key id and the pass phrase.
    int ValidateSecurityKeyText(const LockKeyParsedObject& object, u32 oemMode);

private:
    int VerifyKey(u8 adapterNumber);
    int CreateKey();
    int ChangeKey(const LockKeyParsedObject& object);
    int SendOldKey(const std::string& oldKey, u8 keyMode);
    int ApplyKeyByEkm(const LockKeyParsedObject& object, u8 adapterNumber);

    std::string keyText_;
    Adapter* adapter_ = nullptr;
    std::string passphrase_;
    std::string keyId_;
};

// -DestroySecurityKey (-DeleteSecurityKey in OEM mode 2): removes the controller's key.
class DestroyLockKeyCp : public TypedProcessor<DestroyLockKeyParsedObject, "DestroyLockKeyParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, DestroyLockKeyParsedObject* object) override;
};
