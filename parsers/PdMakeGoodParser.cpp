#include "parsers/PdMakeGoodParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdOffLineParsedObject.h"

namespace {
const ParserFactoryRegistration<PdMakeGoodParser> kRegisterPdMakeGoodParser{TOKEN_PDMAKEGOOD};
const GrammarRegistration kRegisterPdMakeGoodGrammar(TOKEN_PDMAKEGOOD, {"PDMAKEGOOD DRV [FORCE] SEL"});
}  // namespace

PdMakeGoodParser::PdMakeGoodParser(u16 commandToken) : PdDriveListParser(commandToken)
{
    AddKeyword(TOKEN_PDMAKEGOOD, "PDMAKEGOOD");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddFlag(TOKEN_FORCE, &force_);
}

ParsedObjects PdMakeGoodParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    const u16 commandId = GetCommandId();
    const u8 force = force_;
    return MakePerAdapter([&drives, commandId, force](u8 adapter) {
        return std::make_unique<PdOffLineParsedObject>(commandId, drives, force, adapter);
    });
}
