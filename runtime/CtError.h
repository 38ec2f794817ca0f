// The error log "./CmdTool.log" (LOGFILE names another) and the application-log string table.
#pragma once
#include "ZepUtil/Types.h"

class FileLogger;

enum LogLevel { kLevelDebug = 0, kLevelInfo = 1, kLevelWarning = 2, kLevelError = 3 };
enum LogModule { kModuleCommandTool = 3 };

const char* LogLevelName(int level);
const char* LogModuleName(int module);

class CtError {
public:
    static FileLogger& ErrorLog();
    static void SetLogFileName(const char* path);
    // Back to "./CmdTool.log" (used between tests).
    static void Reset();
};

// Writes the application-log text of the id (high byte: table 0-7, low byte: entry 0-31),
// formatted with the arguments, as one line of the error log. Nothing when the table has no
// text for the id; nothing goes to the console. The id is a 16-bit value; it is taken as u32
// only because the last named parameter before "..." must not be a promoted type.
void LogAppMessage(const char* sourceFile, int line, int module, int level, u32 id, ...);

// Writes the text to the error log and prints it on the console.
void LogAndPrint(const char* sourceFile, int line, int module, int level, const char* text);

// Application-log ids with texts.
enum AppLogId : u16 {
    kAppLogNoArguments = 0x001,        // "No command given"
    kAppLogAdpAllInfoStarted = 0x300,  // "AdpAllInfo option execution started"
    kAppLogFwiFailed = 0x301,          // "Fwi opcode 0x%.8x returned with error code 0x%.8x"
    kAppLogLibraryError = 0x302,       // "Controller library: %s"
};
