// The parsed security-key commands (-CreateSecurityKey, -VerifySecurityKey, -ChangeSecurityKey):
// the typed texts and the two flags of one adapter's command.
#pragma once
#include <string>

#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

struct LockKeyTexts {
    std::string securityKey;
    std::string passphrase;
    std::string oldKey = " ";  // the old key of a change; one blank for create and verify
    std::string keyId;
    u8 useEkm = 0;
    u8 oldIsPassphrase = 0;
};

class LockKeyParsedObject : public ParsedObject {
public:
    LockKeyParsedObject(u16 commandId, u8 adapterNumber, LockKeyTexts texts)
        : ParsedObject(commandId, adapterNumber), texts_(std::move(texts))
    {
    }
    ParsedObject* Clone() const override { return new LockKeyParsedObject(*this); }

    std::string GetSecurityKey() const { return texts_.securityKey; }
    std::string GetPassphrase() const { return texts_.passphrase; }
    std::string GetOldSecurityKey() const { return texts_.oldKey; }
    std::string GetKeyId() const { return texts_.keyId; }
    u8 UseEkm() const { return texts_.useEkm; }
    u8 OldIsPassphrase() const { return texts_.oldIsPassphrase; }

private:
    LockKeyParsedObject(const LockKeyParsedObject&) = default;
    LockKeyTexts texts_;
};

// -DestroySecurityKey / -DeleteSecurityKey: always command id 87, with the keyword it came by.
class DestroyLockKeyParsedObject : public ParsedObject {
public:
    DestroyLockKeyParsedObject(u16 commandId, u8 adapterNumber, u8 force, u8 deleteKeyword)
        : ParsedObject(commandId, adapterNumber), force_(force), deleteKeyword_(deleteKeyword)
    {
    }
    ParsedObject* Clone() const override { return new DestroyLockKeyParsedObject(*this); }
    u8 Force() const { return force_; }
    u8 DeleteKeyword() const { return deleteKeyword_; }

private:
    DestroyLockKeyParsedObject(const DestroyLockKeyParsedObject&) = default;
    u8 force_;
    u8 deleteKeyword_;
};
