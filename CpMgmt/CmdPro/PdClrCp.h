// The clear command (-PDClear): starts or stops the clearing of each listed drive, or shows
// its progress, in the order listed. The first drive that fails or is not found ends the
// command; drives before it keep what they were given.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdClrParsedObject.h"
#include "runtime/ArrayList.h"

class PhysicalDevice;

class PdClrCp : public TypedProcessor<PdClrParsedObject, "PdClrParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdClrParsedObject* object) override;

private:
    static int ShowProgress(PhysicalDevice* pd, u8 adapter, u16 enclosureId, u8 slot);
};
