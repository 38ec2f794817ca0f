// The parsed bad-block commands for one adapter, -GetBbtEntries and -LDBBMClr: the
// virtual-drive ids (64 first: all).
#pragma once
#include "cmdtool/ParsedObject.h"

class LdBbtEntriesParsedObject : public LdParsedObject {
public:
    using LdParsedObject::LdParsedObject;
    ParsedObject* Clone() const override { return new LdBbtEntriesParsedObject(*this); }
};

class LdBBMClearParsedObject : public LdParsedObject {
public:
    using LdParsedObject::LdParsedObject;
    ParsedObject* Clone() const override { return new LdBBMClearParsedObject(*this); }
};
