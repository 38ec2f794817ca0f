// The parsed all-in-one diagnostic log command (-AdpAlILog) for one adapter: nothing beyond the
// command and the adapter.
#pragma once
#include "cmdtool/ParsedObject.h"

class AdpAllInOneLogParsedObject : public ParsedObject {
public:
    using ParsedObject::ParsedObject;
    ParsedObject* Clone() const override;
};
