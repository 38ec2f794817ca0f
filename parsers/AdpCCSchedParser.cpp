#include "parsers/AdpCCSchedParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpCCSchedParsedObject.h"
#include "parsers/AdpStartTime.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const ParserFactoryRegistration<AdpCCSchedParser> kRegisterAdpCCSchedParser{TOKEN_ADPCCSCHED};
const GrammarRegistration kRegisterAdpCCSchedGrammar(
    TOKEN_ADPCCSCHED, {"ADPCCSCHED (DSBL | INFO) SEL",
                       "ADPCCSCHED (MODECONC | MODESEQ) [EXCLUDELD L NUM+] [SETSTARTTIME NUM NUM] [SETDELAY NUM] SEL",
                       "ADPCCSCHED SETSTARTTIME NUM NUM SEL", "ADPCCSCHED SETDELAY NUM SEL"});

constexpr u32 kMaxDelayHours = 1193046;  // the most hours whose seconds fit 32 bits

using CcSchedPo = AdpCCSchedParsedObject;

}  // namespace

AdpCCSchedParser::AdpCCSchedParser()
    : LdObjectsParser(TOKEN_ADPCCSCHED), operation_(CcSchedPo::kNothing), mode_(CcSchedPo::kNoMode), delay_(CcSchedPo::kNoDelay)
{
    AddKeyword(TOKEN_ADPCCSCHED, "AdpCcSched");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPCCSCHED, TokenHandler(this, &AdpCCSchedParser::OnAdpCcSched));
    AddHandler(TOKEN_MODESEQ, TokenHandler(this, &AdpCCSchedParser::OnMode));
    AddHandler(TOKEN_MODECONC, TokenHandler(this, &AdpCCSchedParser::OnMode));
    AddHandler(TOKEN_SETSTARTTIME, TokenHandler(this, &AdpCCSchedParser::OnSetStartTime));
    AddHandler(TOKEN_SETDELAY, TokenHandler(this, &AdpCCSchedParser::OnSetDelay));
    AddHandler(TOKEN_EXCLUDELD, TokenHandler(this, &AdpCCSchedParser::OnExcludeLd));
}

int AdpCCSchedParser::OnAdpCcSched(ArrayList<Token*>* tokens, u8 index)
{
    if (tokens->GetAt(index)->GetId() != TOKEN_ADPCCSCHED)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    Token* next = NextToken(tokens, index);
    if (next == nullptr)
        return -1;
    if (next->GetId() == TOKEN_INFO) {
        next->SetConsumed();
        operation_ = CcSchedPo::kReport;
    } else if (next->GetId() == TOKEN_DSBL) {
        next->SetConsumed();
        operation_ = CcSchedPo::kSetMode;
        mode_ = 0;
    }
    return 0;
}

int AdpCCSchedParser::OnMode(ArrayList<Token*>* tokens, u8 index)
{
    const u16 id = tokens->GetAt(index)->GetId();
    if (id != TOKEN_MODESEQ && id != TOKEN_MODECONC)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    operation_ = CcSchedPo::kSetMode;
    mode_ = id == TOKEN_MODESEQ ? 1 : 2;
    return 0;
}

int AdpCCSchedParser::OnSetStartTime(ArrayList<Token*>* tokens, u8 index)
{
    if (tokens->GetAt(index)->GetId() != TOKEN_SETSTARTTIME)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    if (operation_ == CcSchedPo::kNothing)
        operation_ = CcSchedPo::kSetStartTime;
    int date = 0;
    int hour = 0;
    if (!ParserUtil::TakeNumber(tokens, index + 1u, &date) || !ParserUtil::TakeNumber(tokens, index + 2u, &hour))
        return -1;
    return ParseStartTime(date, hour, &startTime_) ? 0 : -1;
}

int AdpCCSchedParser::OnSetDelay(ArrayList<Token*>* tokens, u8 index)
{
    if (tokens->GetAt(index)->GetId() != TOKEN_SETDELAY)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    if (operation_ == CcSchedPo::kNothing)
        operation_ = CcSchedPo::kSetDelay;
    int hours = 0;
    if (!ParserUtil::TakeNumber(tokens, index + 1u, &hours) || hours < 0)
        return -1;
    if (static_cast<u32>(hours) > kMaxDelayHours) {
        PrintMessage(CommonMsg::kText, "Invalid Delay Value \n");
        return -1;
    }
    delay_ = static_cast<u32>(hours);
    return 0;
}

int AdpCCSchedParser::OnExcludeLd(ArrayList<Token*>* tokens, u8 index)
{
    if (tokens->GetAt(index)->GetId() != TOKEN_EXCLUDELD)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    return 0;
}

ParsedObjects AdpCCSchedParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<CcSchedPo>(TOKEN_ADPCCSCHED, operation_, mode_, delay_, startTime_, GetLdList(), adapter);
    });
}
