#include "parsers/AdpPrParser.h"

#include <algorithm>
#include <iterator>
#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpPrParsedObject.h"
#include "parsers/AdpStartTime.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const ParserFactoryRegistration<AdpPrParser> kRegisterAdpPrParser{TOKEN_ADPPR};
const GrammarRegistration kRegisterAdpPrGrammar(
    TOKEN_ADPPR, {"ADPPR (DSBL | ENBLAUTO | ENBLMAN | START | STOP | SUSPEND | RESUME | INFO | SSDPATROLREADENBL | "
                  "SSDPATROLREADDSBL | SETDELAY NUM | SETSTARTTIME NUM NUM | MAXCONCURRENTPD NUM) SEL"});

constexpr u16 kPrOptions[] = {TOKEN_ENBLAUTO, TOKEN_ENBLMAN,  TOKEN_INFO,    TOKEN_SETDELAY,          TOKEN_MAXCONCURRENTPD,
                              TOKEN_START,    TOKEN_STOP,     TOKEN_DSBL,    TOKEN_SETSTARTTIME,      TOKEN_SUSPEND,
                              TOKEN_RESUME,   TOKEN_SSDPATROLREADENBL, TOKEN_SSDPATROLREADDSBL};
constexpr int kMaxValue = 65535;
}  // namespace

AdpPrParser::AdpPrParser() : Parser(TOKEN_ADPPR), value_(AdpPrParsedObject::kNoValue)
{
    AddKeyword(TOKEN_ADPPR, "AdpPR");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPPR, TokenHandler(this, &AdpPrParser::OnAdpPr));
}

int AdpPrParser::OnAdpPr(ArrayList<Token*>* tokens, u8 index)
{
    if (tokens->GetAt(index)->GetId() != TOKEN_ADPPR)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    unsigned at = index + 1u;
    if (at >= tokens->GetCount())
        return -1;
    Token* option = tokens->GetAt(static_cast<u8>(at));
    if (std::find(std::begin(kPrOptions), std::end(kPrOptions), option->GetId()) == std::end(kPrOptions))
        return -1;
    option->SetConsumed();
    option_ = option->GetId();

    int number = 0;
    if (option_ == TOKEN_SETDELAY || option_ == TOKEN_MAXCONCURRENTPD) {
        if (!ParserUtil::TakeNumber(tokens, ++at, &number) || number < 0)
            return -1;
        if (number > kMaxValue) {
            PrintMessage(CommonMsg::kText, "Invalid value provided! Valid values are 0 ~ 65535.\n");
            return -1;
        }
        value_ = static_cast<u16>(number);
        return 0;
    }
    if (option_ == TOKEN_SETSTARTTIME) {
        int hour = 0;
        if (!ParserUtil::TakeNumber(tokens, at + 1, &number) || !ParserUtil::TakeNumber(tokens, at + 2, &hour))
            return -1;
        return ParseStartTime(number, hour, &startTime_) ? 0 : -1;
    }
    return 0;
}

ParsedObjects AdpPrParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<AdpPrParsedObject>(TOKEN_ADPPR, option_, value_, &startTime_, adapter);
    });
}
