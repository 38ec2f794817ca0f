// The debug log "./CtDbg.log": off unless SETDBGLEVEL turns it on with a threshold.
#pragma once
#include "ZepUtil/Types.h"

class FileLogger;

class QuendalLog {
public:
    static FileLogger& DebugLog();
    // Turns the debug log on; lines whose level is at least `threshold` are written.
    static void Enable(int threshold);
    static void Disable();
    static bool IsEnabled();
    static int Threshold();
};

// Formats the debug-table text of the id (high byte: table 0-7, low byte: entry 0-31) and
// appends one line to the debug log when it is on and the level passes the threshold. The id is
// a 16-bit value, taken as u32 for the same reason as in LogAppMessage.
void LogDebugMessage(const char* sourceFile, int line, int module, int level, u32 id, ...);

enum DebugLogId : u16 {
    kDbgOpenFailed = 0x300,      // "Fatal error - failed to open file %s"
    kDbgFwiFailed = 0x301,       // "Fwi opcode 0x%.8x returned with error code 0x%.8x"
    kDbgEventOpcode = 0x302,     // "Event Opcode: 0x%.8x, seqNum: %d, retCode: %d, Event Count: %d"
};
