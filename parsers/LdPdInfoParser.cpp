#include "parsers/LdPdInfoParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdPdInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<LdPdInfoParser> kRegisterLdPdInfoParser{TOKEN_LDPDINFO};
const GrammarRegistration kRegisterLdPdInfoGrammar(TOKEN_LDPDINFO, {"LDPDINFO SEL"});
}  // namespace

// The base handles the command word and the adapter options.
LdPdInfoParser::LdPdInfoParser() : Parser(TOKEN_LDPDINFO)
{
    AddKeyword(TOKEN_LDPDINFO, "LDPDINFO");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
}

ParsedObjects LdPdInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([](u8 adapter) { return std::make_unique<LdPdInfoParsedObject>(TOKEN_LDPDINFO, adapter); });
}
