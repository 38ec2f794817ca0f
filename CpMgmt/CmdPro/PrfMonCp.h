// The performance monitor command (-PerfMon): starts and stops the controller's collection and
// appends its results to a comma-separated file (PrfMonCsv.cpp).
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/ByteView.h"
#include "parsers/PerfMonParsedObject.h"
#include "runtime/FileIO.h"

class PerfMonCp : public TypedProcessor<PerfMonParsedObject, "PerfMonParsedObject *"> {
public:
    int ProcessParsed(CpController* cpController, PerfMonParsedObject* object) override;

    // Appends the report of a results reply to the open file.
    static int WriteResultsCsv(const ByteView& reply, FileHandle* file);

private:
    static bool GetResults(CpController* cpController, PerfMonParsedObject* object, u8 adapter, int* requestStatus);
};
