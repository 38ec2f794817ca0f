#include "parsers/LdPowerPolicyParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdPowerPolicyParsedObject.h"

namespace {
const ParserFactoryRegistration<LdPowerPolicyParser> kRegisterLdPowerPolicyParser{TOKEN_LDSETPOWERPOLICY};
const GrammarRegistration kRegisterLdPowerPolicyGrammar(
    TOKEN_LDSETPOWERPOLICY, {"LDSETPOWERPOLICY (DEFAULT | AUTOMATIC | NONE | MAXIMUM | MAXIMUMWITHOUTCACHING) LDS SEL"});
}  // namespace

LdPowerPolicyParser::LdPowerPolicyParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_LDSETPOWERPOLICY, "LDSetPowerPolicy");
    AddKeyword(TOKEN_NONE, "None");
    AddKeyword(TOKEN_MAXIMUM, "Maximum");
    AddKeyword(TOKEN_AUTOMATIC, "Automatic");
    AddKeyword(TOKEN_MAXIMUMWITHOUTCACHING, "MaximumWithoutCaching");
    AddKeyword(TOKEN_DEFAULT, "Default");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    for (u16 id : {TOKEN_NONE, TOKEN_MAXIMUM, TOKEN_AUTOMATIC, TOKEN_MAXIMUMWITHOUTCACHING, TOKEN_DEFAULT})
        AddHandler(id, TokenHandler(this, &LdPowerPolicyParser::OnPolicy));
}

int LdPowerPolicyParser::OnPolicy(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || policy_ != 0)
        return -1;
    policy_ = token->GetId();
    token->SetConsumed();
    return 0;
}

ParsedObjects LdPowerPolicyParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdPowerPolicyParsedObject>(GetCommandId(), GetLdList(), policy_, adapter);
    });
}
