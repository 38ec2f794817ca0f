#include "parsers/LdMakeSecureParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"

namespace {
const ParserFactoryRegistration<LdMakeSecureParser> kRegisterLdMakeSecureParser{TOKEN_LDMAKESECURE};
const GrammarRegistration kRegisterLdMakeSecureGrammar(TOKEN_LDMAKESECURE, {"LDMAKESECURE LDS SEL"});
}  // namespace

LdMakeSecureParser::LdMakeSecureParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_LDMAKESECURE, "LDMakeSecure");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
}

ParsedObjects LdMakeSecureParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdMakeSecureParsedObject>(GetCommandId(), GetLdList(), adapter);
    });
}
