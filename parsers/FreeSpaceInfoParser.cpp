#include "parsers/FreeSpaceInfoParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/FreeSpaceInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<FreeSpaceInfoParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_CFGFREESPACEINFO, {"CFGFREESPACEINFO SEL"});
}  // namespace

ArrayList<u16>* FreeSpaceInfoParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_CFGFREESPACEINFO);
    return tokens;
}

Parser* FreeSpaceInfoParser::Create(u16 commandToken) { return new FreeSpaceInfoParser(commandToken); }

// The base handles the command word and the adapter options.
FreeSpaceInfoParser::FreeSpaceInfoParser(u16 commandToken) : Parser(commandToken)
{
    AddKeyword(TOKEN_CFGFREESPACEINFO, "ADPFREESPACEINFO");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
}

ArrayList<ParsedObject*>* FreeSpaceInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0)
        return nullptr;
    return MakePerAdapter([](u8 adapter) -> ParsedObject* {
        return new FreeSpaceInfoParsedObject(TOKEN_CFGFREESPACEINFO, adapter);
    });
}
