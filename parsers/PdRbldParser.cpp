#include "parsers/PdRbldParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdRbldParsedObject.h"

namespace {
const ParserFactoryRegistration<PdRbldParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_PDRBLD,
                                           {"PDRBLD (START | STOP | SUSPEND | RESUME | SHOWPROG | PROGDSPLY) DRV SEL"});
}  // namespace

ArrayList<u16>* PdRbldParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_PDRBLD);
    return tokens;
}

Parser* PdRbldParser::Create(u16 commandToken) { return new PdRbldParser(commandToken); }

PdRbldParser::PdRbldParser(u16 commandToken) : Parser(kOwnCommandHandler)
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
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &PdRbldParser::OnPhysDrvList));
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &PdRbldParser::OnPhysDrv));
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

int PdRbldParser::OnPdRbld(ArrayList<Token*>* tokens, u8 index)
{
    Token* command = tokens->GetAt(index);
    if (command == nullptr || command->GetId() != TOKEN_PDRBLD)
        return -1;
    command->SetConsumed();
    for (unsigned i = index + 1u; i < tokens->GetCount(); ++i) {
        Token* token = tokens->GetAt(static_cast<u8>(i));
        if (!IsActionWord(token->GetId()))
            continue;
        if (action_ != 0)
            return -1;
        token->SetConsumed();
        action_ = token->GetId();
    }
    return action_ != 0 ? 0 : -1;
}

int PdRbldParser::OnPhysDrvList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_CHANNEL_TARGET_LIST ||
        drives_.AppendEnclSlotText(token->GetText()) != 0)
        return -1;
    token->SetConsumed();
    return 0;
}

int PdRbldParser::OnPhysDrv(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PHYSDRV)
        return -1;
    token->SetConsumed();
    return 0;
}

ArrayList<ParsedObject*>* PdRbldParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0)
        return nullptr;
    return MakePerAdapter(
        [this](u8 adapter) -> ParsedObject* { return new PdRebuildParsedObject(TOKEN_PDRBLD, drives_, action_, adapter); });
}
