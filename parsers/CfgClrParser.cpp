#include "parsers/CfgClrParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/CfgClrParsedObject.h"

namespace {
const ParserFactoryRegistration<CfgClrParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_CFGCLR, {"CFGCLR [FORCE] SEL"});
}  // namespace

ArrayList<u16>* CfgClrParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_CFGCLR);
    return tokens;
}

Parser* CfgClrParser::Create(u16 commandToken) { return new CfgClrParser(commandToken); }

// The base handles the command word and the adapter options.
CfgClrParser::CfgClrParser(u16 commandToken) : Parser(commandToken)
{
    AddKeyword(TOKEN_CFGCLR, "ADPCFGCLR");
    AddKeyword(TOKEN_FORCE, "FORCE");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_FORCE, TokenHandler(this, &CfgClrParser::OnForce));
}

int CfgClrParser::OnForce(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_FORCE)
        return -1;
    force_ = 1;
    token->SetConsumed();
    return 0;
}

ArrayList<ParsedObject*>* CfgClrParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0)
        return nullptr;
    const u8 force = force_;
    return MakePerAdapter(
        [force](u8 adapter) -> ParsedObject* { return new AdpCfgClrParsedObject(TOKEN_CFGCLR, force, adapter); });
}
