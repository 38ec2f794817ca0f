// The parsed performance monitor command: the action, the interval in minutes (0 when not
// given), whether -format csv was given, and the result file's name (empty without -f).
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "cmdtool/ParsedObject.h"

class PerfMonParsedObject : public ParsedObject {
public:
    static constexpr u8 kStart = 0;
    static constexpr u8 kStop = 1;
    static constexpr u8 kGetResults = 2;

    PerfMonParsedObject(u16 commandId, u8 action, u16 interval, u8 csv, const string& fileName, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), action_(action), interval_(interval), csv_(csv), fileName_(fileName)
    {
    }
    ParsedObject* Clone() const override { return new PerfMonParsedObject(*this); }

    u8 GetAction() const { return action_; }
    u16 GetInterval() const { return interval_; }
    u8 IsCsv() const { return csv_; }
    string GetFileName() const { return fileName_; }

protected:
    PerfMonParsedObject(const PerfMonParsedObject&) = default;

private:
    u8 action_;
    u16 interval_;
    u8 csv_;
    string fileName_;
};
