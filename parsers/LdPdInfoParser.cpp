#include "parsers/LdPdInfoParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdPdInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<LdPdInfoParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_LDPDINFO, {"LDPDINFO SEL"});
}  // namespace

ArrayList<u16>* LdPdInfoParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_LDPDINFO);
    return tokens;
}

Parser* LdPdInfoParser::Create(u16) { return new LdPdInfoParser(); }

// The base handles the command word and the adapter options.
LdPdInfoParser::LdPdInfoParser() : Parser(TOKEN_LDPDINFO)
{
    AddKeyword(TOKEN_LDPDINFO, "LDPDINFO");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
}

ArrayList<ParsedObject*>* LdPdInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0)
        return nullptr;
    return MakePerAdapter([](u8 adapter) -> ParsedObject* { return new LdPdInfoParsedObject(TOKEN_LDPDINFO, adapter); });
}
