// The virtual-drive information command (-LDInfo): for each selected virtual drive its heading,
// its information block and its dedicated hot spares.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdInfoParsedObject.h"
#include "runtime/ArrayList.h"

class VirtualDisk;

class LdInfoCp : public TypedProcessor<LdInfoParsedObject, "LdInfoParsedObject *..."> {
public:
    // The status of the last drive handled: -1 when it does not exist, else that of its spares.
    int ProcessParsed(CpController* cpController, LdInfoParsedObject* object) override;

private:
    // The dedicated hot spares of the drive: their count, then each spare's enclosure and slot.
    // 0, or the status of the step that failed (after its message).
    static int PrintDedicatedSpares(VirtualDisk* vd);
};
