#include "parsers/PdCopyBackParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdCopyBackParsedObject.h"
#include "parsers/PdRbldParser.h"

namespace {
const ParserFactoryRegistration<PdCopyBackParser> kRegisterPdCopyBackParser{TOKEN_PDCPYBK};
const GrammarRegistration kRegisterPdCopyBackGrammar(TOKEN_PDCPYBK,
                                           {"PDCPYBK START DRV SEL",
                                            "PDCPYBK (STOP | SUSPEND | RESUME | SHOWPROG | PROGDSPLY) DRV SEL"});
}  // namespace

PdCopyBackParser::PdCopyBackParser(u16 commandToken) : PdIdListParser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_PDCPYBK, "PDCpBk");
    AddKeyword(TOKEN_START, "Start");
    AddKeyword(TOKEN_STOP, "Stop");
    AddKeyword(TOKEN_SHOWPROG, "ShowProg");
    AddKeyword(TOKEN_PROGDSPLY, "ProgDsply");
    AddKeyword(TOKEN_SUSPEND, "Suspend");
    AddKeyword(TOKEN_RESUME, "Resume");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_PDCPYBK, TokenHandler(this, &PdCopyBackParser::OnPdCopyBack));
}

int PdCopyBackParser::OnPdCopyBack(ArrayList<Token*>* tokens, u8 index)
{
    return PdRbldParser::TakeCommandAndAction(tokens, index, TOKEN_PDCPYBK, action_);
}

ParsedObjects PdCopyBackParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<PdCopyBackParsedObject>(TOKEN_PDCPYBK, drives_, action_, adapter);
    });
}
