#include "parsers/FreeSpaceInfoParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/FreeSpaceInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<FreeSpaceInfoParser> kRegisterFreeSpaceInfoParser{TOKEN_CFGFREESPACEINFO};
const GrammarRegistration kRegisterFreeSpaceInfoGrammar(TOKEN_CFGFREESPACEINFO, {"CFGFREESPACEINFO SEL"});
}  // namespace

// The base handles the command word and the adapter options.
FreeSpaceInfoParser::FreeSpaceInfoParser(u16 commandToken) : Parser(commandToken)
{
    AddKeyword(TOKEN_CFGFREESPACEINFO, "ADPFREESPACEINFO");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
}

ParsedObjects FreeSpaceInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([](u8 adapter) {
        return std::make_unique<FreeSpaceInfoParsedObject>(TOKEN_CFGFREESPACEINFO, adapter);
    });
}
