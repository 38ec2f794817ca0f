// The parsed foreign-configuration command (-CfgForeign) for one adapter: the operation word,
// the configuration index (255: all) and the key that unlocks the foreign drives.
#pragma once
#include <string>

#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"

class ForeignCfgParsedObject : public ParsedObject {
public:
    static constexpr u8 kAllCfgs = 255;
    // Key types.
    static constexpr u8 kNoKey = 0;
    static constexpr u8 kPassphrase = 1;
    static constexpr u8 kSecurityKey = 2;

    ForeignCfgParsedObject(u16 commandId, u8 keyType, u16 operation, u8 cfgIndex, std::string key, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), keyType(keyType), operation_(operation), cfgIndex_(cfgIndex),
          key_(std::move(key))
    {
    }
    ParsedObject* Clone() const override { return new ForeignCfgParsedObject(*this); }

    // The token id of the operation word (SCAN, DSPLY, PREVIEW, IMPORT, CLEAR); 0 for none.
    u16 GetOperation() const { return operation_; }
    bool OnlyReads() const override { return operation_ == TOKEN_SCAN || operation_ == TOKEN_DSPLY || operation_ == TOKEN_PREVIEW; }
    u8 GetCfgIndex() const { return cfgIndex_; }
    std::string GetKey() const { return key_; }

    u8 keyType;

protected:
    ForeignCfgParsedObject(const ForeignCfgParsedObject&) = default;

private:
    u16 operation_;
    u8 cfgIndex_;
    std::string key_;
};
