#include "parsers/ObjNumberParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/ObjNumberParsedObject.h"

namespace {
const ParserFactoryRegistration<ObjNumberParser> kRegisterParser;
const GrammarRegistration kRegisterLdGrammar(TOKEN_LDGETNUM, {"LDGETNUM SEL"});
const GrammarRegistration kRegisterPdGrammar(TOKEN_PDGETNUM, {"PDGETNUM SEL"});
}  // namespace

ArrayList<u16>* ObjNumberParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(2);
    tokens->Add(TOKEN_LDGETNUM);
    tokens->Add(TOKEN_PDGETNUM);
    return tokens;
}

Parser* ObjNumberParser::Create(u16 commandToken) { return new ObjNumberParser(commandToken); }

ObjNumberParser::ObjNumberParser(u16 commandToken) : Parser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_LDGETNUM, "LDGetNum");
    AddKeyword(TOKEN_PDGETNUM, "PDGetNum");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    AddHandler(TOKEN_LDGETNUM, TokenHandler(this, &ObjNumberParser::OnCommandToken));
    AddHandler(TOKEN_PDGETNUM, TokenHandler(this, &ObjNumberParser::OnCommandToken));
}

int ObjNumberParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || (token->GetId() != TOKEN_LDGETNUM && token->GetId() != TOKEN_PDGETNUM))
        return -1;
    token->SetConsumed();
    return 0;
}

ArrayList<ParsedObject*>* ObjNumberParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0)
        return nullptr;
    const u16 commandId = GetCommandId();
    return MakePerAdapter(
        [commandId](u8 adapter) -> ParsedObject* { return new ObjNumberParsedObject(commandId, adapter); });
}
