#include "parsers/AdpBootDriveParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpBootDriveParsedObject.h"

namespace {
const ParserFactoryRegistration<AdpBootDriveParser> kRegisterAdpBootDriveParser{TOKEN_ADPBOOTDRIVE};
const GrammarRegistration kRegisterAdpBootDriveGrammar(TOKEN_ADPBOOTDRIVE,
                                           {"ADPBOOTDRIVE (SET | UNSET) (L NUM | DRV) SEL", "ADPBOOTDRIVE GET SEL"});
}  // namespace

AdpBootDriveParser::AdpBootDriveParser() : LdObjectsParser(TOKEN_ADPBOOTDRIVE)
{
    AddKeyword(TOKEN_ADPBOOTDRIVE, "AdpBootDrive");
    AddKeyword(TOKEN_SET, "Set");
    AddKeyword(TOKEN_UNSET, "Unset");
    AddKeyword(TOKEN_GET, "Get");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    for (u16 action : {TOKEN_SET, TOKEN_UNSET, TOKEN_GET})
        AddHandler(action, TokenHandler(this, &AdpBootDriveParser::OnAction));
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &AdpBootDriveParser::OnPhysDrv));
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &AdpBootDriveParser::OnDriveList));
}

int AdpBootDriveParser::OnAction(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    const u16 id = token->GetId();
    if (id != TOKEN_SET && id != TOKEN_UNSET && id != TOKEN_GET)
        return -1;
    token->SetConsumed();
    action_ = id;
    return 0;
}

int AdpBootDriveParser::OnPhysDrv(ArrayList<Token*>* tokens, u8 index)
{
    if (tokens->GetAt(index)->GetId() != TOKEN_PHYSDRV)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    return 0;
}

// Exactly one drive.
int AdpBootDriveParser::OnDriveList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token->GetId() != TOKEN_CHANNEL_TARGET_LIST)
        return -1;
    OwnedList<EnclSlotId> drives(ParserUtil::ParseEnclSlotList(token->GetText()));
    if (drives == nullptr || drives->GetCount() != 1)
        return -1;
    drive_ = *drives->GetAt(0);
    token->SetConsumed();
    return 0;
}

ParsedObjects AdpBootDriveParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u8 ld = GetLdList().GetCount() != 0 ? GetLdList().GetAt(0) : AdpBootDriveParsedObject::kNoLd;
    return MakePerAdapter([this, ld](u8 adapter) {
        return std::make_unique<AdpBootDriveParsedObject>(TOKEN_ADPBOOTDRIVE, action_, ld, drive_, adapter);
    });
}
