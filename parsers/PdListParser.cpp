#include "parsers/PdListParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdListParsedObject.h"

namespace {
const ParserFactoryRegistration<PdListParser> kRegisterPdListParser{TOKEN_PDLIST, TOKEN_GETPRESERVEDCACHELIST};
const GrammarRegistration kRegisterPdListGrammar(TOKEN_PDLIST, {"PDLIST SEL"});
const GrammarRegistration kRegisterPreservedCacheListGrammar(TOKEN_GETPRESERVEDCACHELIST,
                                                            {"GETPRESERVEDCACHELIST SEL"});
}  // namespace

// The base handles the command word (the id the parser was made for) and the adapter options.
PdListParser::PdListParser(u16 commandToken) : Parser(commandToken)
{
    AddKeyword(TOKEN_PDLIST, "PDLIST");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
}

ParsedObjects PdListParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 commandId = GetCommandId();
    return MakePerAdapter([commandId](u8 adapter) { return std::make_unique<PdListParsedObject>(commandId, adapter); });
}
