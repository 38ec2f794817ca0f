#include "cmdtool/Entry.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include <malloc.h>
#include <unistd.h>

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

// A report written to a file or a pipe goes out in large pieces rather than the C library's
// 4 KB ones (a drive report of a large controller is about a megabyte); a terminal keeps its
// line-by-line output. Called before anything is written to standard output.
void UseLargeOutputBuffer()
{
    static char buffer[64 * 1024];
    if (::isatty(STDOUT_FILENO) == 0)
        std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
}

// Large blocks come from the heap and stay there when freed, rather than being mapped for each
// request and handed back to the system: the controller library's start-up takes megabytes for
// a moment (a large state is parsed), and the report that follows reuses those pages instead of
// faulting in fresh ones.
void KeepFreedMemory()
{
    constexpr int kLargestHeapBlock = 32 << 20;  // the C library's upper limit
    constexpr int kKeptFreeMemory = 256 << 20;
    ::mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock);
    ::mallopt(M_TRIM_THRESHOLD, kKeptFreeMemory);
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
    UseLargeOutputBuffer();
    KeepFreedMemory();
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
