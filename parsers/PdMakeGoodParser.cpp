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
    return ParseDrivesWithFlag<PdOffLineParsedObject>(tokens, force_);
}
