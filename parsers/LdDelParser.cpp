#include "parsers/LdDelParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdDelParsedObject.h"

namespace {
const ParserFactoryRegistration<LdDelParser> kRegisterParser;
const GrammarRegistration kRegisterLdDelGrammar(TOKEN_CFGLDDEL, {"CFGLDDEL [LDS] [FORCE] SEL"});
const GrammarRegistration kRegisterFlashTierDelGrammar(TOKEN_CFGFLASHTIERDEL, {"CFGFLASHTIERDEL [LDS] [FORCE] SEL"});
}  // namespace

ArrayList<u16>* LdDelParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(2);
    tokens->Add(TOKEN_CFGLDDEL);
    tokens->Add(TOKEN_CFGFLASHTIERDEL);
    return tokens;
}

Parser* LdDelParser::Create(u16 commandToken) { return new LdDelParser(commandToken); }

// The bases handle the command word, -L, -LALL and the adapter options.
LdDelParser::LdDelParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_CFGLDDEL, "LDDEL");
    AddKeyword(TOKEN_FORCE, "FORCE");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_FORCE, TokenHandler(this, &LdDelParser::OnForce));
}

int LdDelParser::OnForce(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_FORCE)
        return -1;
    force_ = 1;
    token->SetConsumed();
    return 0;
}

ArrayList<ParsedObject*>* LdDelParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0)
        return nullptr;
    const u16 commandId = GetCommandId();
    const ArrayList<u8>& ids = GetLdList();
    const u8 force = force_;
    return MakePerAdapter(
        [&](u8 adapter) -> ParsedObject* { return new LdDelParsedObject(commandId, ids, force, adapter); });
}
