#include "parsers/LdInfoParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<LdInfoParser> kRegisterLdInfoParser{TOKEN_LDINFO, TOKEN_DISCARDPRESERVEDCACHE};
const GrammarRegistration kRegisterLdInfoGrammar(TOKEN_LDINFO, {"LDINFO LDS [FORCE] SEL"});
const GrammarRegistration kRegisterDiscardGrammar(TOKEN_DISCARDPRESERVEDCACHE,
                                                  {"DISCARDPRESERVEDCACHE LDS [FORCE] SEL"});
}  // namespace

// The bases handle the command word (the id the parser was made for), -L, -LALL and the
// adapter options.
LdInfoParser::LdInfoParser(u16 commandToken) : LdObjectsParser(commandToken)
{
    AddKeyword(TOKEN_LDINFO, "LDInfo");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_LALL, "LAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_FORCE, "force");
    AddFlag(TOKEN_FORCE, &force_);
}

ParsedObjects LdInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    const u16 commandId = GetCommandId();
    const ArrayList<u8>& ids = GetLdList();
    const u8 force = force_;
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdInfoParsedObject>(commandId, ids, force, adapter);
    });
}
