// Parser of -AdpSetTime yyyymmdd hh:mm:ss -aN (date and time in either order) and -AdpGetTime
// -aN|-a0,1,2|-aALL. The date and time are checked fully here; a bad one fails the parse.
#pragma once
#include "cmdtool/Parser.h"
#include "parsers/AdpTimeParsedObject.h"

class AdpTimeParser : public Parser {
public:
    static constexpr u8 kNoTime = 0xFF;  // the hour before a time is given

    AdpTimeParser();

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // The command word; for -AdpSetTime also its two arguments, a date and a time.
    int OnTimeCommand(ArrayList<Token*>* tokens, u8 index);

private:
    // One argument from the number at `index`: a time (three numbers, the first below 24) or a
    // date (yyyymmdd); `next` is the index after it. 0 or -1.
    int TakeArgument(ArrayList<Token*>* tokens, unsigned index, unsigned* next);
    int TakeTime(ArrayList<Token*>* tokens, int hour, unsigned index, unsigned* next);
    int TakeDate(int value);

    u16 command_ = 0;
    ControllerDateTime dateTime_;
};
