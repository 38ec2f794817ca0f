#include "parsers/PdCopyBackParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdCopyBackParsedObject.h"
#include "parsers/PdRbldParser.h"

namespace {
const ParserFactoryRegistration<PdCopyBackParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_PDCPYBK,
                                           {"PDCPYBK START DRV SEL",
                                            "PDCPYBK (STOP | SUSPEND | RESUME | SHOWPROG | PROGDSPLY) DRV SEL"});
}  // namespace

ArrayList<u16>* PdCopyBackParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_PDCPYBK);
    return tokens;
}

Parser* PdCopyBackParser::Create(u16 commandToken) { return new PdCopyBackParser(commandToken); }

PdCopyBackParser::PdCopyBackParser(u16 commandToken) : Parser(kOwnCommandHandler)
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
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &PdCopyBackParser::OnPhysDrvList));
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &PdCopyBackParser::OnPhysDrv));
}

int PdCopyBackParser::OnPdCopyBack(ArrayList<Token*>* tokens, u8 index)
{
    Token* command = tokens->GetAt(index);
    if (command == nullptr || command->GetId() != TOKEN_PDCPYBK)
        return -1;
    command->SetConsumed();
    for (unsigned i = index + 1u; i < tokens->GetCount(); ++i) {
        Token* token = tokens->GetAt(static_cast<u8>(i));
        if (!PdRbldParser::IsActionWord(token->GetId()))
            continue;
        if (action_ != 0)
            return -1;
        token->SetConsumed();
        action_ = token->GetId();
    }
    return action_ != 0 ? 0 : -1;
}

int PdCopyBackParser::OnPhysDrvList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_CHANNEL_TARGET_LIST ||
        drives_.AppendEnclSlotText(token->GetText()) != 0)
        return -1;
    token->SetConsumed();
    return 0;
}

int PdCopyBackParser::OnPhysDrv(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PHYSDRV)
        return -1;
    token->SetConsumed();
    return 0;
}

ArrayList<ParsedObject*>* PdCopyBackParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0)
        return nullptr;
    return MakePerAdapter([this](u8 adapter) -> ParsedObject* {
        return new PdCopyBackParsedObject(TOKEN_PDCPYBK, drives_, action_, adapter);
    });
}
