// Online capacity expansion of virtual drives without added drives: the report of the room
// each selected drive could grow into (-getLdExpansionInfo) and the expansion by a percentage
// of it (-LdExpansion), one request per array of the drive.
#pragma once
#include "CpMgmt/ReportStatus.h"
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/LdExpansionParsedObject.h"
#include "runtime/ArrayList.h"

class Array;
class ArraySpaceInfo;
class VirtualDisk;

class LdExpansionInfoCp
    : public TypedProcessor<LdExpansionInfoParsedObject, "LdExpansionInfoParsedObject"> {
public:
    int ProcessParsed(CpController* cpController, LdExpansionInfoParsedObject* object) override;
    // Deletes the extents and the list (null is ignored); 0.
    static int FreeSpaceInfoList(ArrayList<ArraySpaceInfo*>* list);

private:
    // The drive's report: its status; `*end` when the command ends with it. A read that fails
    // is named and kept in reads_, and the report goes on with the next array or drive.
    int Report(VirtualDisk* vd, u8 target, bool* end);
    // The report of one array of the drive: the room in its free space and on its drives. 0, or
    // a failure that the arrays after it do not hide; `*end` when the drive's report ends with
    // it (the status then -1, or 0 after "not possible").
    int ReportArray(VirtualDisk* vd, Array* array, u8 target, bool* end);

    u8 adapter_ = 0;
    ReportStatus reads_;
};

class LdExpansionCp : public TypedProcessor<LdExpansionParsedObject, "LdExpansionParsedObject"> {
public:
    int ProcessParsed(CpController* cpController, LdExpansionParsedObject* object) override;
    static int FreeSpaceInfoList(ArrayList<ArraySpaceInfo*>* list) { return LdExpansionInfoCp::FreeSpaceInfoList(list); }

private:
    int Expand(VirtualDisk* vd, u8 target, bool* end);
    // Expands one array of the drive: 0 with `*result` kept (a refusal or failure the arrays after
    // it do not hide), or, with `*end`, the status the drive ends with.
    int ExpandArray(VirtualDisk* vd, Array* array, u8 target, int* result, bool* end);

    LdExpansionParsedObject* object_ = nullptr;
    u8 adapter_ = 0;
};
