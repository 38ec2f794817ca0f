#include "parsers/AdAECParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"

namespace {
const ParserFactoryRegistration<AdAECParser> kRegisterAdAECParser{TOKEN_ADPAEC};
const GrammarRegistration kRegisterAdAECGrammar(
    TOKEN_ADPAEC, {"ADPAEC (START [NUMEVENTS NUM] | STOP | DSBL | CAPTUREMODE (CONTINUOUS | FULL) | SHOW | "
                   "GET [V(F)] | (FILTER | CLEAR) NUM GROUP NUM) SEL"});

constexpr int kMaxGroup = 255;
}  // namespace

AdAECParser::AdAECParser() : Parser(kOwnCommandHandler)
{
    SetCommandId(TOKEN_ADPAEC);
    ParserUtil::ClearFileName();
    AddKeyword(TOKEN_ADPAEC, "AdpAEC");
    AddKeyword(TOKEN_START, "start");
    AddKeyword(TOKEN_NUMEVENTS, "numEvents");
    AddKeyword(TOKEN_STOP, "stop");
    AddKeyword(TOKEN_DSBL, "disable");
    AddKeyword(TOKEN_CAPTUREMODE, "captureMode");
    AddKeyword(TOKEN_CONTINUOUS, "continuous");
    AddKeyword(TOKEN_FULL, "full");
    AddKeyword(TOKEN_SHOW, "show");
    AddKeyword(TOKEN_GET, "get");
    AddKeyword(TOKEN_F, "f");
    AddKeyword(TOKEN_FILTER, "filter");
    AddKeyword(TOKEN_CLEAR, "clear");
    AddKeyword(TOKEN_GROUP, "group");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPAEC, TokenHandler(this, &AdAECParser::OnAdpAec));
    const TokenHandler onSubCommand(this, &AdAECParser::OnSubCommand);
    for (u16 id : {TOKEN_START, TOKEN_STOP, TOKEN_DSBL, TOKEN_CAPTUREMODE, TOKEN_SHOW, TOKEN_GET, TOKEN_FILTER,
                   TOKEN_CLEAR})
        AddHandler(id, onSubCommand);
    AddHandler(TOKEN_F, TokenHandler(&ParserUtil::OnFileName));
}

int AdAECParser::OnAdpAec(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_ADPAEC)
        return -1;
    token->SetConsumed();
    return 0;
}

int AdAECParser::OnSubCommand(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    const unsigned next = index + 1u;
    Token* following = TokenAt(tokens, next);
    int number = 0;
    switch (token->GetId()) {
    case TOKEN_START:
        fields_.operation = AdAECPo::kStart;
        token->SetConsumed();
        if (following == nullptr)
            return -1;
        if (following->GetId() == TOKEN_A || following->GetId() == TOKEN_AALL)
            return 0;
        if (following->GetId() != TOKEN_NUMEVENTS)
            return -1;
        following->SetConsumed();
        if (!ParserUtil::TakeNumber(tokens, next + 1, &number))
            return -1;
        fields_.numEvents = static_cast<u32>(number);
        return 0;
    case TOKEN_STOP:
    case TOKEN_DSBL:
    case TOKEN_SHOW:
        fields_.operation = token->GetId() == TOKEN_STOP ? AdAECPo::kStop
                            : token->GetId() == TOKEN_DSBL ? AdAECPo::kDisable
                                                           : AdAECPo::kShow;
        token->SetConsumed();
        return 0;
    case TOKEN_GET:
        fields_.operation = AdAECPo::kGet;
        token->SetConsumed();
        if (following != nullptr && following->GetId() == TOKEN_F)
            fileFlag_ = 1;  // the file name is taken by the -f handler
        return 0;
    case TOKEN_CAPTUREMODE:
        fields_.operation = AdAECPo::kCaptureMode;
        token->SetConsumed();
        if (following == nullptr || (following->GetId() != TOKEN_CONTINUOUS && following->GetId() != TOKEN_FULL))
            return -1;
        following->SetConsumed();
        fields_.captureMode = following->GetId() == TOKEN_FULL ? AdAECPo::kFull : AdAECPo::kContinuous;
        return 0;
    case TOKEN_FILTER:
    case TOKEN_CLEAR: {
        fields_.operation = token->GetId() == TOKEN_FILTER ? AdAECPo::kFilter : AdAECPo::kClear;
        token->SetConsumed();
        if (!ParserUtil::TakeNumber(tokens, next, &number))
            return -1;
        fields_.filterValue = static_cast<u32>(number);
        Token* group = TokenAt(tokens, next + 1);
        if (group == nullptr || group->GetId() != TOKEN_GROUP)
            return -1;
        group->SetConsumed();
        // A group cut to 8 bits would set the filter of another group.
        if (!ParserUtil::TakeNumber(tokens, next + 2, &number) || number > kMaxGroup)
            return -1;
        fields_.group = static_cast<u8>(number);
        return 0;
    }
    default:
        return -1;
    }
}

ParsedObjects AdAECParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const string fileName = fileFlag_ != 0 ? ParserUtil::GetFileName() : string(kDefaultFileName);
    const AdAECPo::Fields fields = fields_;
    return MakePerAdapter(
        [&fileName, &fields](u8 adapter) { return std::make_unique<AdAECPo>(TOKEN_ADPAEC, fileName, fields, adapter); });
}
