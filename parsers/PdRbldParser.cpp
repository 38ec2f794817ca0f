#include "parsers/PdRbldParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdRbldParsedObject.h"

namespace {
const ParserFactoryRegistration<PdRbldParser> kRegisterPdRbldParser{TOKEN_PDRBLD};
const GrammarRegistration kRegisterPdRbldGrammar(TOKEN_PDRBLD,
                                           {"PDRBLD (START | STOP | SUSPEND | RESUME | SHOWPROG | PROGDSPLY) DRV SEL"});
}  // namespace

PdRbldParser::PdRbldParser(u16 commandToken) : PdIdListParser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_PDRBLD, "PDRbld");
    AddKeyword(TOKEN_START, "Start");
    AddKeyword(TOKEN_STOP, "Stop");
    AddKeyword(TOKEN_SHOWPROG, "ShowProg");
    AddKeyword(TOKEN_PROGDSPLY, "ProgDsply");
    AddKeyword(TOKEN_SUSPEND, "Suspend");
    AddKeyword(TOKEN_RESUME, "Resume");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_PDRBLD, TokenHandler(this, &PdRbldParser::OnPdRbld));
}

bool PdRbldParser::IsActionWord(u16 tokenId)
{
    switch (tokenId) {
    case TOKEN_START:
    case TOKEN_STOP:
    case TOKEN_SHOWPROG:
    case TOKEN_PROGDSPLY:
    case TOKEN_SUSPEND:
    case TOKEN_RESUME:
        return true;
    default:
        return false;
    }
}

int PdRbldParser::TakeCommandAndAction(ArrayList<Token*>* tokens, u8 index, u16 commandToken, u16& action)
{
    Token* command = tokens->GetAt(index);
    if (command == nullptr || command->GetId() != commandToken)
        return -1;
    command->SetConsumed();
    for (unsigned i = index + 1u; i < tokens->GetCount(); ++i) {
        Token* token = tokens->GetAt(static_cast<u8>(i));
        if (!IsActionWord(token->GetId()))
            continue;
        if (action != 0)
            return -1;
        token->SetConsumed();
        action = token->GetId();
    }
    return action != 0 ? 0 : -1;
}

int PdRbldParser::OnPdRbld(ArrayList<Token*>* tokens, u8 index)
{
    return TakeCommandAndAction(tokens, index, TOKEN_PDRBLD, action_);
}

ParsedObjects PdRbldParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter(
        [this](u8 adapter) { return std::make_unique<PdRebuildParsedObject>(TOKEN_PDRBLD, drives_, action_, adapter); });
}
