#include "parsers/EncInfoParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/EncInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<EncInfoParser> kRegisterEncInfoParser{TOKEN_ENCINFO, TOKEN_ENCSTATUS};
const GrammarRegistration kRegisterEncInfoInfoGrammar(TOKEN_ENCINFO, {"ENCINFO SEL"});
const GrammarRegistration kRegisterStatusGrammar(TOKEN_ENCSTATUS, {"ENCSTATUS SEL"});
}  // namespace

EncInfoParser::EncInfoParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_ENCINFO, "EncInfo");
    AddKeyword(TOKEN_ENCSTATUS, "EncStatus");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    AddHandler(TOKEN_ENCINFO, TokenHandler(this, &EncInfoParser::OnCommandToken));
    AddHandler(TOKEN_ENCSTATUS, TokenHandler(this, &EncInfoParser::OnCommandToken));
}

int EncInfoParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || (token->GetId() != TOKEN_ENCINFO && token->GetId() != TOKEN_ENCSTATUS))
        return -1;
    token->SetConsumed();
    SetCommandId(token->GetId());
    return 0;
}

ParsedObjects EncInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 commandId = GetCommandId();
    return MakePerAdapter([commandId](u8 adapter) { return std::make_unique<EncInfoParsedObject>(commandId, adapter); });
}
