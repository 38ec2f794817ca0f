#include "runtime/QuendalLog.h"

#include <cstdarg>
#include <cstdio>

#include "runtime/CtError.h"
#include "runtime/FileLogger.h"
#include "runtime/LogStringTable.h"

namespace {

constexpr std::size_t kQuendalLineSize = 2048;

// The debug strings.
const char* DebugText(u32 id)
{
    static const LogStringTable table = [] {
        LogStringTable t;
        t.Put(kDbgOpenFailed, "Fatal error - failed to open file %s");
        t.Put(kDbgFwiFailed, "Fwi opcode 0x%.8x returned with error code 0x%.8x");
        t.Put(kDbgEventOpcode, "Event Opcode: 0x%.8x, seqNum: %d, retCode: %d, Event Count: %d");
        return t;
    }();
    return table.Text(id);
}

bool g_enabled = false;
int g_threshold = 0;

}  // namespace

FileLogger& QuendalLog::DebugLog()
{
    static FileLogger log("./CtDbg.log", "CtDbg");
    return log;
}

void QuendalLog::Enable(int threshold)
{
    g_enabled = true;
    g_threshold = threshold;
}

void QuendalLog::Disable()
{
    g_enabled = false;
    g_threshold = 0;
}

bool QuendalLog::IsEnabled() { return g_enabled; }

int QuendalLog::Threshold() { return g_threshold; }

void LogDebugMessage(const char* sourceFile, int line, int module, int level, u32 id, ...)
{
    if (!g_enabled || level < g_threshold)
        return;
    const char* format = DebugText(id);
    if (format == nullptr)
        return;
    char text[kQuendalLineSize] = {};
    va_list args;
    va_start(args, id);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    QuendalLog::DebugLog().WriteLine(LogModuleName(module), LogLevelName(level), sourceFile, line, text);
}
