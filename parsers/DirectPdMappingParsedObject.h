// The parsed direct drive mapping command (-DirectPdMapping) for one adapter: the action word
// (its token id: enable, disable or display).
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"

class PdMappingParsedObject : public ParsedObject {
public:
    PdMappingParsedObject(u16 commandId, u8 adapterNumber, u16 action)
        : ParsedObject(commandId, adapterNumber), action_(action)
    {
    }
    ParsedObject* Clone() const override { return new PdMappingParsedObject(*this); }

    u16 GetAction() const { return action_; }
    bool OnlyReads() const override { return action_ == TOKEN_DSPLY; }

protected:
    PdMappingParsedObject(const PdMappingParsedObject&) = default;

private:
    u16 action_;
};
