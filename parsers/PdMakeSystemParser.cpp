#include "parsers/PdMakeSystemParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdOffLineParsedObject.h"

namespace {
const ParserFactoryRegistration<PdMakeSystemParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_PDMAKEJBOD, {"PDMAKEJBOD DRV SEL"});
}  // namespace

ArrayList<u16>* PdMakeSystemParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_PDMAKEJBOD);
    return tokens;
}

Parser* PdMakeSystemParser::Create(u16 commandToken) { return new PdMakeSystemParser(commandToken); }

PdMakeSystemParser::PdMakeSystemParser(u16 commandToken) : PdDriveListParser(commandToken)
{
    AddKeyword(TOKEN_PDMAKEJBOD, "PDMAKESYSTEM");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
}

ArrayList<ParsedObject*>* PdMakeSystemParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0 || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    const u16 commandId = GetCommandId();
    return MakePerAdapter([&drives, commandId](u8 adapter) -> ParsedObject* {
        return new PdOffLineParsedObject(commandId, drives, 0, adapter);
    });
}
