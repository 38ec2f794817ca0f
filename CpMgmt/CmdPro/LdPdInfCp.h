// The virtual-drive member report (-LdPdInfo): every virtual drive with its information block
// and, span by span, the full information of each member drive.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdPdInfoParsedObject.h"
#include "runtime/ArrayList.h"

class ReportStatus;
class VirtualDisk;

class LdPdInfoCp : public TypedProcessor<LdPdInfoParsedObject, "LdPdInfoParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, LdPdInfoParsedObject* object) override;

private:
    // One virtual drive with its spans and member drives; 0, or the status of the failing step
    // that ends the report (after its message). A member drive that cannot be read is reported
    // in `report` and the drives go on.
    static int PrintVd(u8 adapter, VirtualDisk* vd, ReportStatus& report);
};
