#include "parsers/AdpTimeParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"

namespace {
const ParserFactoryRegistration<AdpTimeParser> kRegisterAdpTimeParser{TOKEN_ADPSETTIME, TOKEN_ADPGETTIME};
const GrammarRegistration kRegisterAdpTimeSetGrammar(TOKEN_ADPSETTIME, {"ADPSETTIME NUM{4} SEL"});
const GrammarRegistration kRegisterAdpTimeGetGrammar(TOKEN_ADPGETTIME, {"ADPGETTIME SEL"});

constexpr int kFirstDateValue = 24;  // a smaller first number is an hour
constexpr int kMaxMinuteOrSecond = 59;
constexpr int kMaxYear = 0xFFFE;  // 0xFFFF marks "no date"

bool IsLeapYear(int year) { return year % 4 == 0; }

int DaysInMonth(int year, int month)
{
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && !IsLeapYear(year) ? 28 : kDays[month - 1];
}
}  // namespace

AdpTimeParser::AdpTimeParser() : Parser(kOwnCommandHandler)
{
    dateTime_.year = AdpTimeParsedObject::kNoDate;
    dateTime_.hour = kNoTime;
    AddKeyword(TOKEN_ADPSETTIME, "AdpSetTime");
    AddKeyword(TOKEN_ADPGETTIME, "AdpGetTime");
    AddKeyword(TOKEN_A, "a");
    const TokenHandler onCommand(this, &AdpTimeParser::OnTimeCommand);
    AddHandler(TOKEN_ADPSETTIME, onCommand);
    AddHandler(TOKEN_ADPGETTIME, onCommand);
}

int AdpTimeParser::OnTimeCommand(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || (token->GetId() != TOKEN_ADPSETTIME && token->GetId() != TOKEN_ADPGETTIME))
        return -1;
    command_ = token->GetId();
    SetCommandId(command_);
    token->SetConsumed();
    if (command_ == TOKEN_ADPGETTIME)
        return 0;
    unsigned next = index + 1u;
    for (int argument = 0; argument < 2; ++argument) {
        if (TakeArgument(tokens, next, &next) != 0)
            return -1;
    }
    return dateTime_.year == AdpTimeParsedObject::kNoDate || dateTime_.hour == kNoTime ? -1 : 0;
}

int AdpTimeParser::TakeArgument(ArrayList<Token*>* tokens, unsigned index, unsigned* next)
{
    int value = 0;
    if (!ParserUtil::TakeNumber(tokens, index, &value))
        return -1;
    *next = index + 1;
    if (value < kFirstDateValue)
        return TakeTime(tokens, value, index + 1, next);
    return TakeDate(value);
}

int AdpTimeParser::TakeTime(ArrayList<Token*>* tokens, int hour, unsigned index, unsigned* next)
{
    if (dateTime_.hour != kNoTime)
        return -1;
    int minute = 0;
    int second = 0;
    if (!ParserUtil::TakeNumber(tokens, index, &minute) || !ParserUtil::TakeNumber(tokens, index + 1, &second))
        return -1;
    *next = index + 2;
    if (minute > kMaxMinuteOrSecond || second > kMaxMinuteOrSecond)
        return -1;
    dateTime_.hour = static_cast<u8>(hour);
    dateTime_.minute = static_cast<u8>(minute);
    dateTime_.second = static_cast<u8>(second);
    return 0;
}

// Every year divisible by 4 counts as a leap year. A year that does not fit the controller's
// 16-bit field fails rather than wrap into another year.
int AdpTimeParser::TakeDate(int value)
{
    if (dateTime_.year != AdpTimeParsedObject::kNoDate)
        return -1;
    const int year = value / 10000;
    const int month = value % 10000 / 100;
    const int day = value % 100;
    if (year > kMaxYear || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return -1;
    dateTime_.year = static_cast<u16>(year);
    dateTime_.month = static_cast<u8>(month);
    dateTime_.day = static_cast<u8>(day);
    return 0;
}

ParsedObjects AdpTimeParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || command_ == 0)
        return nullptr;
    const u16 command = command_;
    const ControllerDateTime dateTime = dateTime_;
    return MakePerAdapter([command, &dateTime](u8 adapter) {
        return std::make_unique<AdpTimeParsedObject>(command, dateTime, adapter);
    });
}
