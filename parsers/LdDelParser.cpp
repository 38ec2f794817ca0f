#include "parsers/LdDelParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdDelParsedObject.h"

namespace {
const ParserFactoryRegistration<LdDelParser> kRegisterLdDelParser{TOKEN_CFGLDDEL, TOKEN_CFGFLASHTIERDEL};
const GrammarRegistration kRegisterLdDelGrammar(TOKEN_CFGLDDEL, {"CFGLDDEL [LDS] [FORCE] SEL"});
const GrammarRegistration kRegisterFlashTierDelGrammar(TOKEN_CFGFLASHTIERDEL, {"CFGFLASHTIERDEL [LDS] [FORCE] SEL"});
}  // namespace

// The bases handle the command word, -L, -LALL and the adapter options.
LdDelParser::LdDelParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_CFGLDDEL, "LDDEL");
    AddKeyword(TOKEN_FORCE, "FORCE");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddFlag(TOKEN_FORCE, &force_);
}

ParsedObjects LdDelParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 commandId = GetCommandId();
    const ArrayList<u8>& ids = GetLdList();
    const u8 force = force_;
    return MakePerAdapter(
        [&](u8 adapter) { return std::make_unique<LdDelParsedObject>(commandId, ids, force, adapter); });
}
