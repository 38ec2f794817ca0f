#include "parsers/PdOffLnParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdOffLineParsedObject.h"

namespace {
const ParserFactoryRegistration<PdOffLnParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_PDOFFLINE, {"PDOFFLINE DRV SEL"});
}  // namespace

ArrayList<u16>* PdOffLnParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_PDOFFLINE);
    return tokens;
}

Parser* PdOffLnParser::Create(u16) { return new PdOffLnParser(); }

PdOffLnParser::PdOffLnParser() : PdDriveListParser(TOKEN_PDOFFLINE)
{
    AddKeyword(TOKEN_PDOFFLINE, "PDOFFLINE");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
}

ArrayList<ParsedObject*>* PdOffLnParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0 || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    return MakePerAdapter([&drives](u8 adapter) -> ParsedObject* {
        return new PdOffLineParsedObject(TOKEN_PDOFFLINE, drives, 0, adapter);
    });
}
