// The clear command (-PDClear): starts or stops the clearing of each listed drive, or shows
// its progress, in the order listed. The first drive that fails or is not found ends the
// command; drives before it keep what they were given.
#pragma once
#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class PhysicalDevice;

class PdClrCp : public CommandProcessor {
public:
    static ArrayList<u16>* GetCommandCodes();
    static CommandProcessor* Create(u16 id);

    int Process(CpController* cpController, ParsedObject* parsedObject) override;

private:
    static int ShowProgress(PhysicalDevice* pd, u8 adapter, u16 enclosureId, u8 slot);
};
