// Online capacity expansion of virtual drives without added drives: the report of the room
// each selected drive could grow into (-getLdExpansionInfo) and the expansion by a percentage
// of it (-LdExpansion), one request per array of the drive.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdExpansionParsedObject.h"
#include "runtime/ArrayList.h"

class ArraySpaceInfo;
class VirtualDisk;

class LdExpansionInfoCp
    : public TypedProcessor<LdExpansionInfoParsedObject, "LdExpansionInfoParsedObject"> {
public:
    int ProcessParsed(CpController* cpController, LdExpansionInfoParsedObject* object) override;
    // Deletes the extents and the list (null is ignored); 0.
    static int FreeSpaceInfoList(ArrayList<ArraySpaceInfo*>* list);

private:
    // The drive's report: its status; `*end` when the command ends with it.
    static int Report(VirtualDisk* vd, u8 target, bool* end);
};

class LdExpansionCp : public TypedProcessor<LdExpansionParsedObject, "LdExpansionParsedObject"> {
public:
    int ProcessParsed(CpController* cpController, LdExpansionParsedObject* object) override;
    static int FreeSpaceInfoList(ArrayList<ArraySpaceInfo*>* list) { return LdExpansionInfoCp::FreeSpaceInfoList(list); }

private:
    int Expand(VirtualDisk* vd, u8 target, bool* end);

    LdExpansionParsedObject* object_ = nullptr;
    u8 adapter_ = 0;
};
