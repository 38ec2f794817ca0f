#include "parsers/AdpAllInfoParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpAllInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<AdpAllInfoParser> kRegisterAdpAllInfoParser{TOKEN_ADPALLINFO};
const GrammarRegistration kRegisterAdpAllInfoGrammar(TOKEN_ADPALLINFO, {"ADPALLINFO SEL"});
}  // namespace

AdpAllInfoParser::AdpAllInfoParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_ADPALLINFO, "AdpAllInfo");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPALLINFO, TokenHandler(this, &AdpAllInfoParser::OnCommandToken));
}

int AdpAllInfoParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_ADPALLINFO)
        return -1;
    token->SetConsumed();
    SetCommandId(TOKEN_ADPALLINFO);
    return 0;
}

ParsedObjects AdpAllInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([](u8 adapter) { return std::make_unique<AdpAllInfoParsedObject>(TOKEN_ADPALLINFO, adapter); });
}
