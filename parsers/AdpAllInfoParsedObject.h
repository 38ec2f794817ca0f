// The parsed adapter report command: the command id and one adapter (252 for all adapters).
// Also the base of the parsed objects of commands that report per adapter in the same way.
#pragma once
#include "cmdtool/ParsedObject.h"

class AdpAllInfoParsedObject : public ParsedObject {
public:
    AdpAllInfoParsedObject(u16 commandId, u8 adapterNumber);
    ParsedObject* Clone() const override;

protected:
    AdpAllInfoParsedObject(const AdpAllInfoParsedObject&) = default;
};
