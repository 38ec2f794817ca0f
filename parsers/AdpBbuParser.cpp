#include "parsers/AdpBbuParser.h"

#include <cctype>
#include <cstring>
#include <memory>
#include <string>

#include "ZepUtil/TextHelpers.h"
#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/GasGauge.h"
#include "parsers/StringOption.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const ParserFactoryRegistration<AdpBbuParser> kRegisterAdpBbuParser{TOKEN_ADPBBUCMD};
// No sub-command is the full report. Several sub-commands may be given, each with its own
// values: the last one decides (the parser's walk sets the sub-command at each).
const GrammarRegistration kRegisterAdpBbuGrammar(
    TOKEN_ADPBBUCMD,
    {"ADPBBUCMD (GETBBUSTATUS | GETBBUCAPACITYINFO | GETBBUDESIGNINFO | BBULEARN | GETBBUPROPERTIES | BBUMFGSLEEP | "
     "BBUMFGSEAL | GETBBUMODES | SETBBUPROPERTIES V(F) | GETGGEEPDATA V(OFFSET) NUMBYTES NUM | "
     "SCHEDULELEARN (DSBL | INFO | V(STARTTIME) NUM))* SEL"});

struct SubCommand {
    u16 token;
    u8 code;
};

constexpr SubCommand kSubCommands[] = {
    {TOKEN_GETBBUSTATUS, AdpBbuPo::kStatus},        {TOKEN_GETBBUCAPACITYINFO, AdpBbuPo::kCapacity},
    {TOKEN_GETBBUDESIGNINFO, AdpBbuPo::kDesign},     {TOKEN_BBULEARN, AdpBbuPo::kLearn},
    {TOKEN_GETBBUPROPERTIES, AdpBbuPo::kGetProperties}, {TOKEN_SETBBUPROPERTIES, AdpBbuPo::kSetProperties},
    {TOKEN_BBUMFGSLEEP, AdpBbuPo::kMfgSleep},        {TOKEN_BBUMFGSEAL, AdpBbuPo::kMfgSeal},
    {TOKEN_GETGGEEPDATA, AdpBbuPo::kGasGauge},       {TOKEN_GETBBUMODES, AdpBbuPo::kModes},
    {TOKEN_SCHEDULELEARN, AdpBbuPo::kScheduleLearn},
};

constexpr int kMaxHour = 23;
}  // namespace

AdpBbuParser::AdpBbuParser() : Parser(TOKEN_ADPBBUCMD)
{
    AddKeyword(TOKEN_ADPBBUCMD, "AdpBbuCmd");
    AddKeyword(TOKEN_GETBBUSTATUS, "getBbuStatus");
    AddKeyword(TOKEN_GETBBUCAPACITYINFO, "getBbuCapacityInfo");
    AddKeyword(TOKEN_GETBBUDESIGNINFO, "getBbuDesignInfo");
    AddKeyword(TOKEN_BBULEARN, "bbuLearn");
    AddKeyword(TOKEN_GETBBUPROPERTIES, "getBbuProperties");
    AddKeyword(TOKEN_SETBBUPROPERTIES, "setBbuProperties");
    AddKeyword(TOKEN_BBUMFGSLEEP, "bbuMfgSleep");
    AddKeyword(TOKEN_BBUMFGSEAL, "bbuMfgSeal");
    AddKeyword(TOKEN_GETGGEEPDATA, "getGGEEPdata");
    AddKeyword(TOKEN_GETBBUMODES, "getbbumodes");
    AddKeyword(TOKEN_SCHEDULELEARN, "schedulelearn");
    AddKeyword(TOKEN_DSBL, "DSBL");
    AddKeyword(TOKEN_INFO, "INFO");
    AddKeyword(TOKEN_STARTTIME, "STARTTIME");
    AddKeyword(TOKEN_OFFSET, "Offset");
    AddKeyword(TOKEN_NUMBYTES, "NumBytes");
    AddKeyword(TOKEN_F, "f");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    for (const SubCommand& sub : kSubCommands)
        AddHandler(sub.token, TokenHandler(this, &AdpBbuParser::OnSubCommand));
    for (u16 token : {TOKEN_DSBL, TOKEN_INFO, TOKEN_SETSTARTTIME})
        AddHandler(token, TokenHandler(this, &AdpBbuParser::OnLearnStartTime));
    AddHandler(TOKEN_OFFSET, TokenHandler(this, &AdpBbuParser::OnOffset));
    AddHandler(TOKEN_NUMBYTES, TokenHandler(this, &AdpBbuParser::OnNumBytes));
    AddHandler(TOKEN_F, TokenHandler(this, &AdpBbuParser::OnFileName));
}

int AdpBbuParser::OnSubCommand(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    token->SetConsumed();
    for (const SubCommand& sub : kSubCommands) {
        if (sub.token == token->GetId())
            subCommand_ = sub.code;
    }
    if (token->GetId() == TOKEN_GETGGEEPDATA) {
        // The offset and the byte count must follow in this order; the parse fails otherwise.
        if (OnNumBytes(tokens, index) != 0 || OnOffset(tokens, index) != 0)
            return -1;
        return 0;
    }
    if (token->GetId() == TOKEN_SCHEDULELEARN)
        return OnLearnStartTime(tokens, index);
    return 0;
}

int AdpBbuParser::OnLearnStartTime(ArrayList<Token*>* tokens, u8 index)
{
    Token* option = TokenAt(tokens, index, 1);
    if (option == nullptr)
        return -1;
    switch (option->GetId()) {
    case TOKEN_DSBL:
        scheduleOption_ = AdpBbuPo::kScheduleDisable;
        break;
    case TOKEN_INFO:
        scheduleOption_ = AdpBbuPo::kScheduleInfo;
        break;
    case TOKEN_STARTTIME:
        scheduleOption_ = AdpBbuPo::kScheduleStart;
        break;
    default:
        return -1;
    }
    option->SetConsumed();
    if (scheduleOption_ != AdpBbuPo::kScheduleStart)
        return 0;

    Token* day = TokenAt(tokens, index, 2);
    if (day == nullptr || day->GetId() != TOKEN_STRING || day->GetText() == nullptr)
        return -1;
    day->SetConsumed();
    std::string upper = day->GetText();
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    u8 weekday = AdpBbuPo::kNoWeekday;
    for (u8 i = 0; i < 7; ++i) {
        if (upper == kWeekdays[i])
            weekday = i;
    }
    if (weekday == AdpBbuPo::kNoWeekday) {
        PrintMessage(CommonMsg::kText, "Invalid Day! Check help File.\n");
        return -1;
    }
    weekday_ = weekday;

    Token* hour = TokenAt(tokens, index, 3);
    int value = 0;
    if (hour == nullptr || hour->GetId() != TOKEN_NUMBER || !hour->GetInt(&value))
        return -1;
    hour->SetConsumed();
    if (value < 0 || value > kMaxHour) {
        PrintMessage(CommonMsg::kText, "Invalid Hour!\n");
        return -1;
    }
    schedule_[AdpBbuPo::kScheduleHour] = static_cast<u8>(value);
    // The adapter selection must follow the hour.
    return TokenAt(tokens, index, 4) != nullptr ? 0 : -1;
}

int AdpBbuParser::OnOffset(ArrayList<Token*>* tokens, u8 index)
{
    Token* keyword = TokenAt(tokens, index, 1);
    if (keyword == nullptr || keyword->GetId() != TOKEN_OFFSET)
        return 0;
    keyword->SetConsumed();
    Token* value = TokenAt(tokens, index, 2);
    if (value == nullptr || value->GetId() != TOKEN_STRING || value->GetText() == nullptr)
        return -1;
    const u64 offset = HexTextToU64(value->GetText());
    if (offset > gasgauge::kMaxOffset)  // it travels in 16 bits: a larger one would read another place
        return -1;
    offset_ = static_cast<u32>(offset);
    value->SetConsumed();
    return 0;
}

int AdpBbuParser::OnNumBytes(ArrayList<Token*>* tokens, u8 index)
{
    Token* keyword = TokenAt(tokens, index, 3);
    if (keyword == nullptr || keyword->GetId() != TOKEN_NUMBYTES)
        return 0;
    Token* value = TokenAt(tokens, index, 4);
    int count = 0;
    if (value == nullptr || value->GetId() != TOKEN_NUMBER || !value->GetInt(&count) || count < 0)
        return -1;
    value->SetConsumed();
    numBytes_ = static_cast<u32>(count);
    return 0;
}

int AdpBbuParser::OnFileName(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_F)
        return -1;
    return TakeStringOption(tokens, index, &fileName_);
}

ParsedObjects AdpBbuParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    if (subCommand_ == 0)
        subCommand_ = AdpBbuPo::kFullReport;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<AdpBbuPo>(TOKEN_ADPBBUCMD, fileName_, subCommand_, offset_, numBytes_, adapter,
                                          scheduleOption_, schedule_, weekday_);
    });
}
