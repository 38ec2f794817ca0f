#include "parsers/PdOffLnParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdOffLineParsedObject.h"

namespace {
const ParserFactoryRegistration<PdOffLnParser> kRegisterPdOffLnParser{TOKEN_PDOFFLINE};
const GrammarRegistration kRegisterPdOffLnGrammar(TOKEN_PDOFFLINE, {"PDOFFLINE DRV SEL"});
}  // namespace

PdOffLnParser::PdOffLnParser() : PdDriveListParser(TOKEN_PDOFFLINE)
{
    AddKeyword(TOKEN_PDOFFLINE, "PDOFFLINE");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
}

ParsedObjects PdOffLnParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    return MakePerAdapter([&drives](u8 adapter) {
        return std::make_unique<PdOffLineParsedObject>(TOKEN_PDOFFLINE, drives, 0, adapter);
    });
}
