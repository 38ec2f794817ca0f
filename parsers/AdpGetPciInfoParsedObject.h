// The parsed PCI information command: the command id and one adapter (252 for all adapters).
#pragma once
#include "cmdtool/ParsedObject.h"

class AdpGetPciInfoParsedObject : public ParsedObject {
public:
    AdpGetPciInfoParsedObject(u16 commandId, u8 adapterNumber);
    ParsedObject* Clone() const override;

protected:
    AdpGetPciInfoParsedObject(const AdpGetPciInfoParsedObject&) = default;
};
