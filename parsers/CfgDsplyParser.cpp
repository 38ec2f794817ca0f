#include "parsers/CfgDsplyParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/CfgDsplyParsedObject.h"

namespace {
const ParserFactoryRegistration<CfgDsplyParser> kRegisterCfgDsplyParser{TOKEN_CFGDSPLY, TOKEN_CFGFLASHTIERDSPLY};
const GrammarRegistration kRegisterCfgDsplyGrammar(TOKEN_CFGDSPLY, {"CFGDSPLY SEL"});
const GrammarRegistration kRegisterFlashTierGrammar(TOKEN_CFGFLASHTIERDSPLY, {"CFGFLASHTIERDSPLY SEL"});
}  // namespace

CfgDsplyParser::CfgDsplyParser(u16 commandToken) : Parser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_CFGDSPLY, "CfgDsply");
    AddKeyword(TOKEN_CFGFLASHTIERDSPLY, "CfgFlashTierDsply");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_CFGDSPLY, TokenHandler(this, &CfgDsplyParser::OnCommandToken));
    AddHandler(TOKEN_CFGFLASHTIERDSPLY, TokenHandler(this, &CfgDsplyParser::OnCommandToken));
}

int CfgDsplyParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || (token->GetId() != TOKEN_CFGDSPLY && token->GetId() != TOKEN_CFGFLASHTIERDSPLY))
        return -1;
    token->SetConsumed();
    return 0;
}

ParsedObjects CfgDsplyParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 commandId = GetCommandId();
    return MakePerAdapter(
        [commandId](u8 adapter) { return std::make_unique<CfgDsplyParsedObject>(commandId, adapter); });
}
