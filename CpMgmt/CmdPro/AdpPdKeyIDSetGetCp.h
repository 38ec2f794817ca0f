// -GetKeyID / -SetKeyID: reads the id of the controller's security key or of the keys that lock
// the listed drives, or gives the controller's key a new id.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/KeyIdParsers.h"

class AdpPdKeyIDSetGetCp : public TypedProcessor<AdPdKeyIDGetSetParsedObject, "AdPdKeyIDGetSetParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, AdPdKeyIDGetSetParsedObject* object) override;
};
