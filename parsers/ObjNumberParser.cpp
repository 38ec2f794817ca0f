#include "parsers/ObjNumberParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/ObjNumberParsedObject.h"

namespace {
const ParserFactoryRegistration<ObjNumberParser> kRegisterObjNumberParser{TOKEN_LDGETNUM, TOKEN_PDGETNUM};
const GrammarRegistration kRegisterLdGrammar(TOKEN_LDGETNUM, {"LDGETNUM SEL"});
const GrammarRegistration kRegisterPdGrammar(TOKEN_PDGETNUM, {"PDGETNUM SEL"});
}  // namespace

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

ParsedObjects ObjNumberParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 commandId = GetCommandId();
    return MakePerAdapter(
        [commandId](u8 adapter) { return std::make_unique<ObjNumberParsedObject>(commandId, adapter); });
}
