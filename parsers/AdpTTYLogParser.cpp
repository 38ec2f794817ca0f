#include "parsers/AdpTTYLogParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"

namespace {
const ParserFactoryRegistration<AdpTTYLogParser> kRegisterAdpTTYLogParser{TOKEN_FWTERMLOG};
const GrammarRegistration kRegisterAdpTTYLogGrammar(TOKEN_FWTERMLOG,
                                           {"FWTERMLOG (BBUOFF | BBUOFFTEMP | BBUON | BBUGET | DSPLY | CLEAR) SEL"});

struct OptionCode {
    u16 token;
    u8 option;
};

constexpr OptionCode kLogOptions[] = {
    {TOKEN_CLEAR, AdpTTYLogPo::kClear},   {TOKEN_BBUON, AdpTTYLogPo::kBbuOn},
    {TOKEN_BBUOFF, AdpTTYLogPo::kBbuOff}, {TOKEN_BBUGET, AdpTTYLogPo::kBbuGet},
    {TOKEN_BBUOFFTEMP, AdpTTYLogPo::kBbuOffTemp},
};
}  // namespace

AdpTTYLogParser::AdpTTYLogParser() : Parser(TOKEN_FWTERMLOG)
{
    AddKeyword(TOKEN_FWTERMLOG, "FwTermLog");
    AddKeyword(TOKEN_CLEAR, "Clear");
    AddKeyword(TOKEN_BBUON, "BBUOn");
    AddKeyword(TOKEN_BBUOFF, "BBUOff");
    AddKeyword(TOKEN_BBUOFFTEMP, "BBUOffTemp");
    AddKeyword(TOKEN_DSPLY, "Dsply");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    for (const OptionCode& option : kLogOptions)
        AddHandler(option.token, TokenHandler(this, &AdpTTYLogParser::OnOption));
    AddHandler(TOKEN_DSPLY, TokenHandler(this, &AdpTTYLogParser::OnDsply));
}

int AdpTTYLogParser::OnOption(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    for (const OptionCode& option : kLogOptions) {
        if (option.token == token->GetId()) {
            token->SetConsumed();
            option_ = option.option;
            return 0;
        }
    }
    return -1;
}

int AdpTTYLogParser::OnDsply(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_DSPLY)
        return -1;
    token->SetConsumed();
    option_ = AdpTTYLogPo::kDisplay;
    return 0;
}

ParsedObjects AdpTTYLogParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || option_ == AdpTTYLogPo::kNone)
        return nullptr;
    const u8 option = option_;
    return MakePerAdapter([option](u8 adapter) { return std::make_unique<AdpTTYLogPo>(TOKEN_FWTERMLOG, option, adapter); });
}
