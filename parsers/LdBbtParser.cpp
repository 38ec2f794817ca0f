#include "parsers/LdBbtParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdBbtParsedObject.h"

namespace {
const ParserFactoryRegistration<LdBbtEntriesParser> kRegisterEntriesParser{TOKEN_GETBBTENTRIES};
const ParserFactoryRegistration<LdBBMClearParser> kRegisterClearParser{TOKEN_LDBBMCLR};
const GrammarRegistration kRegisterEntriesGrammar(TOKEN_GETBBTENTRIES, {"GETBBTENTRIES LDS SEL"});
const GrammarRegistration kRegisterClearGrammar(TOKEN_LDBBMCLR, {"LDBBMCLR LDS SEL"});
}  // namespace

LdBbtEntriesParser::LdBbtEntriesParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_GETBBTENTRIES, "GetBbtEntries");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
}

ParsedObjects LdBbtEntriesParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdBbtEntriesParsedObject>(GetCommandId(), GetLdList(), adapter);
    });
}

LdBBMClearParser::LdBBMClearParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_LDBBMCLR, "LDBBMClr");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
}

ParsedObjects LdBBMClearParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdBBMClearParsedObject>(GetCommandId(), GetLdList(), adapter);
    });
}
