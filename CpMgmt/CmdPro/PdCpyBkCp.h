// The copyback command (-PDCpyBk): starts a copyback from the first listed drive to the
// second, or stops, suspends, resumes or shows the copyback of the one listed drive.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/PdCopyBackParsedObject.h"
#include "runtime/ArrayList.h"

class PhysicalDevice;
class RaidManager;

class PdCopyBackCp : public TypedProcessor<PdCopyBackParsedObject, "PdCopyBackParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PdCopyBackParsedObject* object) override;

private:
    // The drive of the listed enclosure and slot: 0 and the drive, the resolver's status, or -1
    // (after the not-found message) when there is none.
    static int FindDrive(CpController* cpController, RaidManager* manager, u8 adapter, u16 enclosureId, u8 slot,
                         PhysicalDevice** pd, u16* resolvedEnclosureId);
    static int ShowProgress(PhysicalDevice* pd, u16 enclosureId, u8 slot);
    static int SuspendOrResume(PhysicalDevice* pd, u16 deviceId, bool suspend);
};
