#include "parsers/CfgClrParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/CfgClrParsedObject.h"

namespace {
const ParserFactoryRegistration<CfgClrParser> kRegisterCfgClrParser{TOKEN_CFGCLR};
const GrammarRegistration kRegisterCfgClrGrammar(TOKEN_CFGCLR, {"CFGCLR [FORCE] SEL"});
}  // namespace

// The base handles the command word and the adapter options.
CfgClrParser::CfgClrParser(u16 commandToken) : Parser(commandToken)
{
    AddKeyword(TOKEN_CFGCLR, "ADPCFGCLR");
    AddKeyword(TOKEN_FORCE, "FORCE");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddFlag(TOKEN_FORCE, &force_);
}

ParsedObjects CfgClrParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u8 force = force_;
    return MakePerAdapter(
        [force](u8 adapter) { return std::make_unique<AdpCfgClrParsedObject>(TOKEN_CFGCLR, force, adapter); });
}
