// The direct drive mapping command (-DirectPdMapping): shows the controller's direct drive
// mapping setting, or switches it on or off in the controller defaults block (the change
// takes effect after a reboot).
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/DirectPdMappingParsedObject.h"
#include "runtime/ArrayList.h"

class PdMappingCp : public TypedProcessor<PdMappingParsedObject, "PdMappingParsedObject *"> {
public:
    // 0, or -1 when the defaults block cannot be read or written.
    int ProcessParsed(CpController* cpController, PdMappingParsedObject* object) override;
};
