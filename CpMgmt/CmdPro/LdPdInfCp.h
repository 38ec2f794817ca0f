// The virtual-drive member report (-LdPdInfo): every virtual drive with its information block
// and, span by span, the full information of each member drive.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdPdInfoParsedObject.h"
#include "runtime/ArrayList.h"

class VirtualDisk;

class LdPdInfoCp : public TypedProcessor<LdPdInfoParsedObject, "LdPdInfoParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, LdPdInfoParsedObject* object) override;

private:
    // One virtual drive with its spans and member drives; 0, or the status of the failing step
    // (after its message).
    static int PrintVd(u8 adapter, VirtualDisk* vd);
};
