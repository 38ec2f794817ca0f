#include "CpMgmt/TypedProcessor.h"

#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

void ReportParsedObjectCastFailure(CpController* cpController, const char* text)
{
    PrintMessage(CommonMsg::kDynamicCastFailed, AdapterNumberOf(cpController), text);
}
