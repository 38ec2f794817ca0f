#include "parsers/LdReconstructParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/SharedDriveList.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdReconstructParsedObject.h"

namespace {
const ParserFactoryRegistration<LdReconstructParser> kRegisterLdReconstructParser{TOKEN_LDRECON};
const GrammarRegistration kRegisterLdReconstructGrammar(
    TOKEN_LDRECON, {"LDRECON (START R NUM [(ADD | RMV) DRV] | SHOWPROG | PROGDSPLY | SUSPEND | RESUME) L NUM [FORCE] SEL1"});
}  // namespace

LdReconstructParser::LdReconstructParser(u16 commandToken)
    : LdObjectsParser(commandToken), action_(LdReconstructParsedObject::kNone),
      addRemove_(LdReconstructParsedObject::kNone), raidLevel_(LdReconstructParsedObject::kNoRaidLevel)
{
    AddKeyword(TOKEN_LDRECON, "LDRecon");
    AddKeyword(TOKEN_START, "Start");
    AddKeyword(TOKEN_SHOWPROG, "ShowProg");
    AddKeyword(TOKEN_PROGDSPLY, "ProgDsply");
    AddKeyword(TOKEN_SUSPEND, "Suspend");
    AddKeyword(TOKEN_RESUME, "RESUME");
    AddKeyword(TOKEN_ADD, "Add");
    AddKeyword(TOKEN_RMV, "Rmv");
    AddKeyword(TOKEN_L, "L");
    AddKeyword(TOKEN_R, "R");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &LdReconstructParser::OnDriveList));
    AddHandler(TOKEN_R, TokenHandler(this, &LdReconstructParser::OnRaidLevel));
    for (u16 id : {TOKEN_ADD, TOKEN_RMV})
        AddHandler(id, TokenHandler(this, &LdReconstructParser::OnAddRemove));
    for (u16 id : {TOKEN_START, TOKEN_SHOWPROG, TOKEN_PROGDSPLY, TOKEN_SUSPEND, TOKEN_RESUME})
        AddHandler(id, TokenHandler(this, &LdReconstructParser::OnAction));
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &LdReconstructParser::OnPhysDrv));
    AddFlag(TOKEN_FORCE, &force_);
}

int LdReconstructParser::OnDriveList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_CHANNEL_TARGET_LIST || token->GetText() == nullptr)
        return -1;
    drives_.reset(ParserUtil::ParseEnclSlotList(token->GetText()));
    token->SetConsumed();
    return 0;
}

// -r once, followed by the level's number; a number beyond a level code fails the parse.
int LdReconstructParser::OnRaidLevel(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || raidLevel_ != LdReconstructParsedObject::kNoRaidLevel ||
        static_cast<unsigned>(index) + 1 >= tokens->GetCount())
        return -1;
    Token* number = tokens->GetAt(static_cast<u8>(index + 1));
    int value = 0;
    if (number->GetId() != TOKEN_NUMBER || !number->GetInt(&value) || value < 0 || value >= LdReconstructParsedObject::kNoRaidLevel)
        return -1;
    raidLevel_ = static_cast<u8>(value);
    token->SetConsumed();
    number->SetConsumed();
    return 0;
}

int LdReconstructParser::OnAddRemove(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || addRemove_ != LdReconstructParsedObject::kNone)
        return -1;
    addRemove_ = token->GetId();
    token->SetConsumed();
    return 0;
}

int LdReconstructParser::OnAction(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || action_ != LdReconstructParsedObject::kNone)
        return -1;
    action_ = token->GetId();
    token->SetConsumed();
    return 0;
}

int LdReconstructParser::OnPhysDrv(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    token->SetConsumed();
    return 0;
}

ParsedObjects LdReconstructParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseLdTokens(tokens))
        return nullptr;
    if (addRemove_ != LdReconstructParsedObject::kNone && (drives_ == nullptr || drives_->GetCount() == 0))
        return nullptr;
    const SharedDriveList drives(drives_.release());
    const u8 vd = GetLdList().GetAt(0);
    return MakePerAdapter([&](u8 adapter) {
        return std::make_unique<LdReconstructParsedObject>(GetCommandId(), drives, action_, addRemove_, vd, raidLevel_,
                                                           force_, adapter);
    });
}
