#include "runtime/CtError.h"

#include <cstdarg>
#include <cstdio>

#include "runtime/CtPrint.h"
#include "runtime/FileLogger.h"
#include "runtime/LogStringTable.h"

namespace {

const char kDefaultErrorLog[] = "./CmdTool.log";
constexpr std::size_t kErrorLineSize = 2048;

// The application-log strings.
const LogStringTable& AppLogTable()
{
    static const LogStringTable table = [] {
        LogStringTable t;
        t.Put(kAppLogNoArguments, "No command given (error code 1)");
        t.Put(kAppLogAdpAllInfoStarted, "AdpAllInfo option execution started");
        t.Put(kAppLogFwiFailed, "Fwi opcode 0x%.8x returned with error code 0x%.8x");
        t.Put(kAppLogLibraryError, "Controller library: %s");
        return t;
    }();
    return table;
}

const char* AppLogText(u32 id) { return AppLogTable().Text(id); }

}  // namespace

const char* LogLevelName(int level)
{
    static const char* const kNames[] = {"Debug", "Info", "Warning", "Error"};
    return level >= 0 && level < 4 ? kNames[level] : "";
}

const char* LogModuleName(int module) { return module == kModuleCommandTool ? "Command Tool" : ""; }

FileLogger& CtError::ErrorLog()
{
    static FileLogger log(kDefaultErrorLog, "CmdTool");
    return log;
}

void CtError::SetLogFileName(const char* path)
{
    if (path != nullptr && *path != '\0')
        ErrorLog().SetPath(path);
}

void CtError::Reset() { ErrorLog().SetPath(kDefaultErrorLog); }

void LogAppMessage(const char* sourceFile, int line, int module, int level, u32 id, ...)
{
    const char* format = AppLogText(id);
    if (format == nullptr)
        return;
    char text[kErrorLineSize] = {};
    va_list args;
    va_start(args, id);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    CtError::ErrorLog().WriteLine(LogModuleName(module), LogLevelName(level), sourceFile, line, text);
}

void LogAndPrint(const char* sourceFile, int line, int module, int level, const char* text)
{
    if (text == nullptr)
        return;
    CtError::ErrorLog().WriteLine(LogModuleName(module), LogLevelName(level), sourceFile, line, text);
    CtPrint::Instance().Print(text);
}
