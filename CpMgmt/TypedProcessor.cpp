#include "CpMgmt/TypedProcessor.h"

#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

void ReportParsedObjectCastFailure(CpController* cpController, const char* text, u32 message)
{
    PrintMessage(message, AdapterNumberOf(cpController), text);
}
