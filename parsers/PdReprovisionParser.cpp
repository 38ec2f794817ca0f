#include "parsers/PdReprovisionParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"

namespace {
const ParserFactoryRegistration<PdReprovisionParser> kRegisterPdReprovisionParser{TOKEN_PDINSTANTSECUREERASE, TOKEN_PDREPROVISION};
const GrammarRegistration kRegisterEraseGrammar(TOKEN_PDINSTANTSECUREERASE, {"PDINSTANTSECUREERASE DRV [FORCE] SEL"});
const GrammarRegistration kRegisterReprovisionGrammar(TOKEN_PDREPROVISION, {"PDREPROVISION DRV [FORCE] SEL"});
}  // namespace

PdReprovisionParser::PdReprovisionParser(u16 commandToken) : PdDriveListParser(commandToken)
{
    AddKeyword(TOKEN_PDINSTANTSECUREERASE, "PDInstantSecureErase");
    AddKeyword(TOKEN_PDREPROVISION, "PdReprovision");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddKeyword(TOKEN_FORCE, "Force");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    AddFlag(TOKEN_FORCE, &force_);
}

ParsedObjects PdReprovisionParser::ParseCommand(ArrayList<Token*>* tokens)
{
    return ParseDrivesWithFlag<PdReprovisionParsedObject>(tokens, force_);
}
