#include "parsers/PdListParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdListParsedObject.h"

namespace {
const ParserFactoryRegistration<PdListParser> kRegisterParser;
const GrammarRegistration kRegisterPdListGrammar(TOKEN_PDLIST, {"PDLIST SEL"});
const GrammarRegistration kRegisterPreservedCacheListGrammar(TOKEN_GETPRESERVEDCACHELIST,
                                                            {"GETPRESERVEDCACHELIST SEL"});
}  // namespace

ArrayList<u16>* PdListParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(2);
    tokens->Add(TOKEN_PDLIST);
    tokens->Add(TOKEN_GETPRESERVEDCACHELIST);
    return tokens;
}

Parser* PdListParser::Create(u16 commandToken) { return new PdListParser(commandToken); }

// The base handles the command word (the id the parser was made for) and the adapter options.
PdListParser::PdListParser(u16 commandToken) : Parser(commandToken)
{
    AddKeyword(TOKEN_PDLIST, "PDLIST");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
}

ArrayList<ParsedObject*>* PdListParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0)
        return nullptr;
    const u16 commandId = GetCommandId();
    return MakePerAdapter([commandId](u8 adapter) -> ParsedObject* { return new PdListParsedObject(commandId, adapter); });
}
