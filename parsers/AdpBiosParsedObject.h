// The parsed BIOS command (-AdpBIOS) for one adapter: the operation word given (its token id), 0 for none.
#pragma once
#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"

class AdpBiosParsedObject : public ParsedObject {
public:
    AdpBiosParsedObject(u16 commandId, u16 operation, u8 adapterNumber) : ParsedObject(commandId, adapterNumber), operation_(operation) {}
    ParsedObject* Clone() const override { return new AdpBiosParsedObject(*this); }

    u16 GetOperation() const { return operation_; }
    bool OnlyReads() const override { return operation_ == TOKEN_DSPLY; }

protected:
    AdpBiosParsedObject(const AdpBiosParsedObject&) = default;

private:
    u16 operation_;
};
