// Online reconstruction of a virtual drive (-LDRecon): a RAID-level migration with drives
// added or removed, its progress, and its suspension and resumption.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdReconstructParsedObject.h"
#include "runtime/ArrayList.h"

class PhysicalDevice;
class VirtualDisk;

class LdReconstructCp : public TypedProcessor<LdReconstructParsedObject, "LdRecnPoPtr"> {
public:
    int ProcessParsed(CpController* cpController, LdReconstructParsedObject* object) override;

    // Spins up the drives to be added when the controller wants them spun up first.
    static int SpinUpDrives(CpController* cpController, LdReconstructParsedObject* object,
                            ArrayList<ArrayList<PhysicalDevice*>*>* drives);

private:
    static int ShowProgress(VirtualDisk* vd, u8 target);
    static int SuspendResume(VirtualDisk* vd, u8 target, bool suspend);
    static int Start(CpController* cpController, LdReconstructParsedObject* object, VirtualDisk* vd);
};
