// The parsed controller diagnostic (-AdpDiag) for one adapter: how many seconds it runs.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

class AdpDiagParsedObject : public ParsedObject {
public:
    AdpDiagParsedObject(u16 commandId, u32 seconds, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), seconds_(seconds)
    {
    }
    ParsedObject* Clone() const override { return new AdpDiagParsedObject(*this); }

    u32 GetSeconds() const { return seconds_; }

protected:
    AdpDiagParsedObject(const AdpDiagParsedObject&) = default;

private:
    u32 seconds_;
};
