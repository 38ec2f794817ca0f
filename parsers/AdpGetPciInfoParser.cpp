#include "parsers/AdpGetPciInfoParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpGetPciInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<AdpGetPciInfoParser> kRegisterAdpGetPciInfoParser{TOKEN_ADPGETPCIINFO};
const GrammarRegistration kRegisterAdpGetPciInfoGrammar(TOKEN_ADPGETPCIINFO, {"ADPGETPCIINFO SEL"});
}  // namespace

AdpGetPciInfoParser::AdpGetPciInfoParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_ADPGETPCIINFO, "AdpGetPciInfo");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPGETPCIINFO, TokenHandler(this, &AdpGetPciInfoParser::OnCommandToken));
}

int AdpGetPciInfoParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_ADPGETPCIINFO)
        return -1;
    token->SetConsumed();
    SetCommandId(TOKEN_ADPGETPCIINFO);
    return 0;
}

ParsedObjects AdpGetPciInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter(
        [](u8 adapter) { return std::make_unique<AdpGetPciInfoParsedObject>(TOKEN_ADPGETPCIINFO, adapter); });
}
