// The rebuild command (-PDRbld): starts, stops, suspends or resumes the rebuild of each listed
// drive, or shows its progress. Every drive is tried in the order listed (a drive that is not
// found ends the command); the result is the first failure, or 0.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdRbldParsedObject.h"
#include "runtime/ArrayList.h"

class PhysicalDevice;

class PdRbldCp : public TypedProcessor<PdRebuildParsedObject, "PdRebuildParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdRebuildParsedObject* object) override;

private:
    // One action on one found drive; its status.
    static int ShowProgress(PhysicalDevice* pd, u16 enclosureId, u8 slot);
    static int SuspendOrResume(PhysicalDevice* pd, u16 deviceId, bool suspend);
    static int StartOrStop(PhysicalDevice* pd, u8 adapter, u16 enclosureId, u8 slot, bool start);
};
