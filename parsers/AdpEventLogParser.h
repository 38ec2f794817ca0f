// Parser of -AdpEventLog: one sub-command (-Clear, -GetSinceReboot, -GetSinceShutdown,
// -GetEventLogInfo, -GetEvents, -IncludeDeleted, -GetLatest n, -GetCCIncon), the class filters
// -info, -warning, -critical and -fatal, -f fileName, the virtual drives of -L or -LALL and the
// adapters. One parsed object per selected adapter; all of them write into the one file, the
// first truncating it and the others appending.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "cmdtool/Parser.h"

class AdpEventLogParser : public LdObjectsParser {
public:
    AdpEventLogParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // A sub-command word (the last one given wins; -GetLatest takes the number after it) or
    // a class filter word.
    int OnOption(ArrayList<Token*>* tokens, u8 index);
    // -f and the word after it: the output file name.
    int OnFileName(ArrayList<Token*>* tokens, u8 index);

private:
    string fileName_;
    u8 subCommand_;
    u8 classFilter_ = 0;
    u16 latestCount_ = 0;
};
