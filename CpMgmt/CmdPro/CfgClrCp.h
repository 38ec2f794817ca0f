// -CfgClr: deletes the whole configuration of the adapter (every virtual drive and disk group).
// Without -Force the controller refuses when data would be lost.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/CfgClrParsedObject.h"
#include "runtime/ArrayList.h"

class AdpCfgClrCp : public TypedProcessor<AdpCfgClrParsedObject, "AdpCfgClrParsedObject *"> {
public:
    // 0; -2 cleared but the operating system was not told; -1; or the controller's status.
    int ProcessParsed(CpController* cpController, AdpCfgClrParsedObject* object) override;
};
