#include "parsers/PdPrpRmvParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdPrpRmvParsedObject.h"

namespace {
const ParserFactoryRegistration<PdPrpRmvParser> kRegisterPdPrpRmvParser{TOKEN_PDPRPRMV};
const GrammarRegistration kRegisterPdPrpRmvGrammar(TOKEN_PDPRPRMV, {"PDPRPRMV [UNDO] DRV SEL"});
}  // namespace

PdPrpRmvParser::PdPrpRmvParser(u16 commandToken) : PdDriveListParser(commandToken)
{
    AddKeyword(TOKEN_PDPRPRMV, "PDPRPRMV");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddFlag(TOKEN_UNDO, &undo_);
}

ParsedObjects PdPrpRmvParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    const u8 undo = undo_;
    return MakePerAdapter([&drives, undo](u8 adapter) {
        return std::make_unique<PdPrpRmvParsedObject>(TOKEN_PDPRPRMV, drives, undo, adapter);
    });
}
