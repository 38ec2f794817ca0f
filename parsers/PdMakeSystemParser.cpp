#include "parsers/PdMakeSystemParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdOffLineParsedObject.h"

namespace {
const ParserFactoryRegistration<PdMakeSystemParser> kRegisterPdMakeSystemParser{TOKEN_PDMAKEJBOD};
const GrammarRegistration kRegisterPdMakeSystemGrammar(TOKEN_PDMAKEJBOD, {"PDMAKEJBOD DRV SEL"});
}  // namespace

PdMakeSystemParser::PdMakeSystemParser(u16 commandToken) : PdDriveListParser(commandToken)
{
    AddKeyword(TOKEN_PDMAKEJBOD, "PDMAKESYSTEM");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
}

ParsedObjects PdMakeSystemParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    const u16 commandId = GetCommandId();
    return MakePerAdapter([&drives, commandId](u8 adapter) {
        return std::make_unique<PdOffLineParsedObject>(commandId, drives, 0, adapter);
    });
}
