#include "parsers/AdpBiosParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpBiosParsedObject.h"
#include "parsers/SingleOption.h"

namespace {
const ParserFactoryRegistration<AdpBiosParser> kRegisterAdpBiosParser{TOKEN_ADPBIOS};
const GrammarRegistration kRegisterAdpBiosGrammar(
    TOKEN_ADPBIOS,
    {"ADPBIOS [ENBL | DSBL | SOE | BE | ENBLAUTOSELECTBOOTLD | DSBLAUTOSELECTBOOTLD | DSPLY] SEL",
     "ADPBIOS SEL (ENBL | DSBL | SOE | BE | ENBLAUTOSELECTBOOTLD | DSBLAUTOSELECTBOOTLD | DSPLY)"});
}  // namespace

AdpBiosParser::AdpBiosParser() : Parser(TOKEN_ADPBIOS)
{
    AddKeyword(TOKEN_ADPBIOS, "AdpBIOS");
    AddKeyword(TOKEN_ENBL, "Enbl");
    AddKeyword(TOKEN_DSBL, "Dsbl");
    AddKeyword(TOKEN_DSPLY, "Dsply");
    AddKeyword(TOKEN_SOE, "SOE");
    AddKeyword(TOKEN_BE, "BE");
    AddKeyword(TOKEN_ENBLAUTOSELECTBOOTLD, "EnblAutoSelectBootLd");
    AddKeyword(TOKEN_DSBLAUTOSELECTBOOTLD, "DsblAutoSelectBootLd");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPBIOS, TokenHandler(this, &AdpBiosParser::OnBiosCommand));
}

int AdpBiosParser::OnBiosCommand(ArrayList<Token*>* tokens, u8 index)
{
    return TakeSingleOperation(tokens, index, TOKEN_ADPBIOS,
                               {TOKEN_ENBL, TOKEN_DSBL, TOKEN_SOE, TOKEN_BE, TOKEN_ENBLAUTOSELECTBOOTLD,
                                TOKEN_DSBLAUTOSELECTBOOTLD, TOKEN_DSPLY},
                               &operation_);
}

ParsedObjects AdpBiosParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<AdpBiosParsedObject>(TOKEN_ADPBIOS, operation_, adapter);
    });
}
