#include "parsers/CfgSSCDParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"

namespace {
const ParserFactoryRegistration<CfgSSCDParser> kRegisterCfgSSCDParser{TOKEN_CFGFLASHTIERADD, TOKEN_FLASHTIER};
const GrammarRegistration kRegisterAddGrammar(
    TOKEN_CFGFLASHTIERADD, {"CFGFLASHTIERADD [R NUM] DRV [V(NAME)] [WT|WB|FORCEDWB] [ASSIGN LDS] [ENBLPI] SEL"});
const GrammarRegistration kRegisterAssociationGrammar(TOKEN_FLASHTIER, {"FLASHTIER (ASSIGN|REMOVE) [LDS] SEL"});

}  // namespace

CfgSSCDParser::CfgSSCDParser(u16 commandToken) : PdDriveListParser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_CFGFLASHTIERADD, "CFGFLASHTIERADD");
    AddKeyword(TOKEN_FLASHTIER, "FLASHTIER");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddKeyword(TOKEN_NAME, "Name");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_R, "r");
    AddKeyword(TOKEN_WT, "WT");
    AddKeyword(TOKEN_WB, "WB");
    AddKeyword(TOKEN_FORCEDWB, "ForcedWB");
    AddKeyword(TOKEN_ASSIGN, "Assign");
    AddKeyword(TOKEN_REMOVE, "Remove");
    AddHandler(TOKEN_CFGFLASHTIERADD, TokenHandler(this, &CfgSSCDParser::OnCommandWord));
    AddHandler(TOKEN_FLASHTIER, TokenHandler(this, &CfgSSCDParser::OnCommandWord));
    AddFlag(TOKEN_ENBLPI, &enblPi_);
    AddHandler(TOKEN_NAME, TokenHandler(this, &CfgSSCDParser::OnName));
    AddHandler(TOKEN_R, TokenHandler(this, &CfgSSCDParser::OnRaidLevel));
    for (u16 id : {TOKEN_WT, TOKEN_WB, TOKEN_FORCEDWB})
        AddHandler(id, TokenHandler(this, &CfgSSCDParser::OnWritePolicy));
    AddHandler(TOKEN_ASSIGN, TokenHandler(this, &CfgSSCDParser::OnAssign));
    AddHandler(TOKEN_REMOVE, TokenHandler(this, &CfgSSCDParser::OnAssign));
}

int CfgSSCDParser::OnCommandWord(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    return 0;
}

int CfgSSCDParser::OnName(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    Token* next = NextToken(tokens, index);
    if (next == nullptr)
        return -1;
    if (next->GetId() != TOKEN_STRING)
        return 0;
    if (next->GetText() == nullptr)
        return -1;
    next->SetConsumed();
    name_ = next->GetText();
    return 0;
}

int CfgSSCDParser::OnRaidLevel(ArrayList<Token*>* tokens, u8 index)
{
    tokens->GetAt(index)->SetConsumed();
    Token* next = NextToken(tokens, index);
    int number = 0;
    // A level is kept in 8 bits; a larger number would name another level once cut.
    if (next == nullptr || next->GetId() != TOKEN_NUMBER || !next->GetInt(&number) || number < 0 || number > 255)
        return -1;
    next->SetConsumed();
    raidLevel_ = static_cast<u8>(number);
    return 0;
}

int CfgSSCDParser::OnWritePolicy(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    token->SetConsumed();
    switch (token->GetId()) {
    case TOKEN_WB:
        writePolicy_ = CfgSSCDAddParsedObject::kWriteBack;
        break;
    case TOKEN_FORCEDWB:
        writePolicy_ = CfgSSCDAddParsedObject::kForcedWriteBack;
        break;
    default:
        writePolicy_ = CfgSSCDAddParsedObject::kWriteThrough;
        break;
    }
    return 0;
}

int CfgSSCDParser::OnAssign(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    token->SetConsumed();
    assignMode_ = token->GetId() == TOKEN_ASSIGN ? CfgSSCDAddParsedObject::kAssign : CfgSSCDAddParsedObject::kRemove;
    Token* next = NextToken(tokens, index);
    if (next == nullptr)
        return -1;
    if (next->GetId() == TOKEN_LALL) {
        lds_.Add(CfgSSCDAddParsedObject::kAllLds);
        next->SetConsumed();
        return 0;
    }
    if (next->GetId() != TOKEN_L)
        return 0;
    next->SetConsumed();
    for (unsigned i = index + 2u; i < tokens->GetCount(); ++i) {
        Token* number = tokens->GetAt(static_cast<u8>(i));
        if (number->GetId() != TOKEN_NUMBER)
            break;
        int value = 0;
        // A target id is 8 bits, and 64 is the marker of every virtual drive: a typed number
        // that cannot name one target id fails the parse.
        if (!number->GetInt(&value) || value < 0 || value > 255 || value == CfgSSCDAddParsedObject::kAllLds)
            return -1;
        lds_.Add(static_cast<u8>(value));
        number->SetConsumed();
    }
    return 0;
}

ParsedObjects CfgSSCDParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    // A list with an element that names no drive leaves a null list in the objects.
    const SharedDriveList drives = TakeDriveList();
    return MakePerAdapter([this, &drives](u8 adapter) {
        return std::make_unique<CfgSSCDAddParsedObject>(GetCommandId(), drives, name_, enblPi_, raidLevel_,
                                                        writePolicy_, assignMode_, lds_, adapter);
    });
}
