// The parsed configuration clear (-CfgClr): one adapter and the force flag.
#pragma once
#include "cmdtool/ParsedObject.h"

class AdpCfgClrParsedObject : public ParsedObject {
public:
    AdpCfgClrParsedObject(u16 commandId, u8 force, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), force_(force)
    {
    }
    ParsedObject* Clone() const override { return new AdpCfgClrParsedObject(*this); }

    u8 GetForce() const { return force_; }

protected:
    AdpCfgClrParsedObject(const AdpCfgClrParsedObject&) = default;

private:
    u8 force_;
};
