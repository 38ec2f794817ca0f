#include "parsers/LdInfoParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<LdInfoParser> kRegisterParser;
const GrammarRegistration kRegisterLdInfoGrammar(TOKEN_LDINFO, {"LDINFO LDS [FORCE] SEL"});
const GrammarRegistration kRegisterDiscardGrammar(TOKEN_DISCARDPRESERVEDCACHE,
                                                  {"DISCARDPRESERVEDCACHE LDS [FORCE] SEL"});
}  // namespace

ArrayList<u16>* LdInfoParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(2);
    tokens->Add(TOKEN_LDINFO);
    tokens->Add(TOKEN_DISCARDPRESERVEDCACHE);
    return tokens;
}

Parser* LdInfoParser::Create(u16 commandToken) { return new LdInfoParser(commandToken); }

// The bases handle the command word (the id the parser was made for), -L, -LALL and the
// adapter options.
LdInfoParser::LdInfoParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_LDINFO, "LDInfo");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_FORCE, "force");
    AddHandler(TOKEN_FORCE, TokenHandler(this, &LdInfoParser::OnForce));
}

int LdInfoParser::OnForce(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_FORCE)
        return -1;
    force_ = 1;
    token->SetConsumed();
    return 0;
}

ArrayList<ParsedObject*>* LdInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0 || GetLdList().GetCount() == 0)
        return nullptr;
    const u16 commandId = GetCommandId();
    const ArrayList<u8>& ids = GetLdList();
    const u8 force = force_;
    return MakePerAdapter([&](u8 adapter) -> ParsedObject* {
        return new LdInfoParsedObject(commandId, ids, force, adapter);
    });
}
