#include "parsers/AdpAutoRbldParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpAutoRbldParsedObject.h"
#include "parsers/SingleOption.h"

namespace {
const ParserFactoryRegistration<AdpAutoRbldParser> kRegisterAdpAutoRbldParser{TOKEN_ADPAUTORBLD};
// Without an operation word the command parses; the processor refuses it.
const GrammarRegistration kRegisterAdpAutoRbldGrammar(TOKEN_ADPAUTORBLD, {"ADPAUTORBLD [ENBL | DSBL | DSPLY] SEL",
                                                               "ADPAUTORBLD SEL (ENBL | DSBL | DSPLY)"});
}  // namespace

AdpAutoRbldParser::AdpAutoRbldParser() : Parser(TOKEN_ADPAUTORBLD)
{
    AddKeyword(TOKEN_ADPAUTORBLD, "AdpAutoRbld");
    AddKeyword(TOKEN_ENBL, "Enbl");
    AddKeyword(TOKEN_DSBL, "Dsbl");
    AddKeyword(TOKEN_DSPLY, "Dsply");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPAUTORBLD, TokenHandler(this, &AdpAutoRbldParser::OnCommand));
}

int AdpAutoRbldParser::OnCommand(ArrayList<Token*>* tokens, u8 index)
{
    return TakeSingleOperation(tokens, index, TOKEN_ADPAUTORBLD, {TOKEN_ENBL, TOKEN_DSBL, TOKEN_DSPLY}, &operation_);
}

ParsedObjects AdpAutoRbldParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<AdpAutoRbldParsedObject>(TOKEN_ADPAUTORBLD, operation_, adapter);
    });
}
