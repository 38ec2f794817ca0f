// -LDMakeSecure: secures each named virtual drive (with its drive group) that the controller
// allows to be secured, with the controller's drive-security key.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/LdMakeSecureParser.h"

class LdMakeSecureCp : public TypedProcessor<LdMakeSecureParsedObject, "LdMakeSecureParsedObject *..."> {
public:
    // The status of the last securing request sent; -1 when none was sent or a drive was refused
    // as not allowed; 0 on an adapter without virtual drives.
    int ProcessParsed(CpController* cpController, LdMakeSecureParsedObject* object) override;
};
