// The parsed virtual-drive expansion commands for one adapter: -getLdExpansionInfo (the
// virtual-drive ids only) and -LdExpansion (also the percentage of -pN, as typed, and the
// -dontExpandArray flag).
#pragma once
#include "cmdtool/ParsedObject.h"

class LdExpansionInfoParsedObject : public LdParsedObject {
public:
    using LdParsedObject::LdParsedObject;
    ParsedObject* Clone() const override { return new LdExpansionInfoParsedObject(*this); }
};

class LdExpansionParsedObject : public LdParsedObject {
public:
    LdExpansionParsedObject(u16 commandId, u32 percent, u8 dontExpandArray, const ArrayList<u8>& ids,
                            u8 adapterNumber);
    ParsedObject* Clone() const override;

    // The number typed after -p (the processor refuses one above 100).
    u32 GetPercent() const { return percent_; }
    u8 GetDontExpandArray() const { return dontExpandArray_; }

protected:
    LdExpansionParsedObject(const LdExpansionParsedObject&) = default;

private:
    u32 percent_;
    u8 dontExpandArray_;
};
