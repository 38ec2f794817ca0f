#include "cmdtool/Entry.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "cmdtool/CmdToolManager.h"
#include "cmdtool/FwErrorTexts.h"
#include "controller/ControllerMgmt.h"
#include "controller/DrivekitDp.h"
#include "controller/FwiDpErrors.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"
#include "runtime/CtPrint.h"

namespace {

// A report that could not be written is a failed run: says so once on standard error and turns
// a status of 0 into 1. A closed pipe ends the run the way it ends any command-line tool, by
// SIGPIPE (raised here when the signal was ignored and the write failed instead).
int CheckStandardOutput(int exitStatus, bool& reported)
{
    const int fault = CtPrint::Instance().ScreenFault();
    if (fault == 0)
        return exitStatus;
    if (fault == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    if (!reported)
        std::fprintf(stderr, "tarnbek: cannot write standard output: %s\n", std::strerror(fault));
    reported = true;
    return exitStatus == 0 ? 1 : exitStatus;
}

// Releases controller management and the controller-access library at the end of the run,
// while everything they use is still alive.
class RunCleanup {
public:
    ~RunCleanup()
    {
        ControllerMgmt::Instance().Release();
        DrivekitDp::Release();
    }
};
}  // namespace

int FinishRun(int status)
{
    int exitStatus = status;
    if (status != 0 && FwiDpErrors::LastClass() == FwiDpErrors::kFirmware) {
        int fwStatus = FwiDpErrors::LastStatus();
        PrintMessage(CommonMsg::kText, "\nFW error description: ");
        PrintMessage(CommonMsg::kText, FwErrorText(fwStatus));
        PrintMessage(CommonMsg::kText, "\n");
        exitStatus = fwStatus & 0xFFFF;
    } else if (status == -1) {
        exitStatus = 1;
    }
    // The process keeps the low eight bits; the Exit Code line shows what the shell sees.
    exitStatus &= 0xFF;
    bool reported = false;
    CtPrint::Instance().Flush();
    exitStatus = CheckStandardOutput(exitStatus, reported);
    PrintMessage(CommonMsg::kExitCode, exitStatus);
    CtPrint::Instance().Flush();
    return CheckStandardOutput(exitStatus, reported);
}

int TarnbekMain(int argc, char** argv)
{
    RunCleanup cleanup;
    int status = 0;
    if (argc < 2) {
        LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogNoArguments);
        status = 1;
    } else {
        std::string line;
        for (int i = 1; i < argc; ++i) {
            line += argv[i];
            line += ' ';
        }
        try {
            status = CmdToolManager::Instance().Run(line.c_str());
        } catch (const std::bad_alloc&) {
            status = 1;
        }
    }
    return FinishRun(status);
}
