// The parsed -LDSetProp / -LDGetProp command for one adapter: the virtual-drive ids (64 first:
// all), the property keyword's token id, the immediate flag and the name text of -Name.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "cmdtool/ParsedObject.h"

class LdPropParsedObject : public LdParsedObject {
public:
    LdPropParsedObject(u16 commandId, const ArrayList<u8>& ids, u16 property, u8 immediate, const char* name,
                       u8 adapterNumber);
    ParsedObject* Clone() const override;

    u16 GetProperty() const { return property_; }
    u8 GetImmediate() const { return immediate_; }
    // The text given after -Name (empty when none was given).
    const char* GetName() const { return name_.GetCStr(); }

protected:
    LdPropParsedObject(const LdPropParsedObject&) = default;

private:
    u16 property_;
    u8 immediate_;
    string name_;
};
