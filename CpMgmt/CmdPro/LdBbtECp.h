// The bad-block tables of virtual drives: the counts of corrected and uncorrected entries
// (-GetBbtEntries) and the clear of a drive's table (-LDBBMClr).
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "fwdata/layout/VdBadBlocks.h"
#include "parsers/LdBbtParsedObject.h"
#include "runtime/ArrayList.h"

class VirtualDisk;

class LdBbtEntriesCp : public TypedProcessor<LdBbtEntriesParsedObject, "LdBbtEntriesParsedObject *..."> {
public:
    int ProcessParsed(CpController* cpController, LdBbtEntriesParsedObject* object) override;

    // One drive's counts (its reference names it); the request's status.
    static int GetVdBbtEntries(CpController* cpController, VirtualDisk* vd);
    // Every drive's counts in one request; the request's status.
    static int GetAllBbtEntries(CpController* cpController, LdBbtEntriesParsedObject* object,
                                List<VirtualDisk*>* sorted);
    static void PrintVdBbtEntries(const u8 (&reply)[vdbbt::kSize], u16 targetId);
    static void PrintAllBbtEntries(const u8 (&reply)[vdbbtall::kSize], List<VirtualDisk*>* sorted);
};

class LdBBMClearCp : public TypedProcessor<LdBBMClearParsedObject, "LdBBMClearParsedObject *..."> {
public:
    int ProcessParsed(CpController* cpController, LdBBMClearParsedObject* object) override;
};
