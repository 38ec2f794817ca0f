#include "CpMgmt/CmdPro/PdSuspendResume.h"

#include <cstdio>

#include "raidmodel/PhysicalDevice.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace PdSuspendResume {

namespace {

// One line without a line end: the text and the device id, and a failed request's status.
void PrintOutcome(const char* text, u16 deviceId)
{
    char line[100];
    std::snprintf(line, sizeof line, "%s %d", text, deviceId);
    PrintMessage(CommonMsg::kText, line);
}

void PrintFailure(const char* text, u16 deviceId, int status)
{
    char line[100];
    std::snprintf(line, sizeof line, "%s %d retCode = 0x%X", text, deviceId, static_cast<unsigned>(status));
    PrintMessage(CommonMsg::kText, line);
}

}  // namespace

int Run(PhysicalDevice* pd, u16 deviceId, const Texts& texts, AllowedQuery isAllowed, Action action)
{
    u8 allowed = 0;
    int status = (pd->*isAllowed)(&allowed);
    if (status != 0) {
        PrintFailure(texts.queryFailed, deviceId, status);
        return status;
    }
    if (allowed != 1) {
        PrintOutcome(texts.notAllowed, deviceId);
        return -1;
    }
    status = (pd->*action)();
    if (status != 0) {
        PrintFailure(texts.failed, deviceId, status);
        return status;
    }
    PrintOutcome(texts.done, deviceId);
    return 0;
}

}  // namespace PdSuspendResume
