#include "parsers/LockKeyParsers.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"

namespace {
const ParserFactoryRegistration<CreateLockKeyParser> kRegisterCreate{TOKEN_CREATESECURITYKEY,
                                                                     TOKEN_VERIFYSECURITYKEY};
const ParserFactoryRegistration<ReKeyParser> kRegisterChange{TOKEN_CHANGESECURITYKEY};
const ParserFactoryRegistration<DestroyLockKeyParser> kRegisterDestroy{TOKEN_DESTROYSECURITYKEY,
                                                                       TOKEN_DELETESECURITYKEY};

const GrammarRegistration kRegisterCreateGrammar(
    TOKEN_CREATESECURITYKEY,
    {"CREATESECURITYKEY ( V(SECURITYKEY) [V(PASSPHRASE)] [V(KEYID)] | V(PASSPHRASE) [V(KEYID)] | USEEKMS ) SEL1"});
const GrammarRegistration kRegisterLockKeyVerifyGrammar(TOKEN_VERIFYSECURITYKEY,
                                                 {"VERIFYSECURITYKEY ( V(SECURITYKEY) | V(PASSPHRASE) ) SEL1"});
const GrammarRegistration kRegisterChangeGrammar(
    TOKEN_CHANGESECURITYKEY,
    {"CHANGESECURITYKEY ( [V(OLDSECURITYKEY)] V(SECURITYKEY) [V(PASSPHRASE)] [V(KEYID)] | "
     "[V(OLDPASSPHRASE)] V(PASSPHRASE) [V(KEYID)] | USEEKMS [V(OLDSECURITYKEY) | V(OLDPASSPHRASE)] ) SEL1"});
const GrammarRegistration kRegisterDestroyGrammar(TOKEN_DESTROYSECURITYKEY, {"DESTROYSECURITYKEY [FORCE] SEL1"});
const GrammarRegistration kRegisterDeleteGrammar(TOKEN_DELETESECURITYKEY, {"DELETESECURITYKEY [FORCE] SEL1"});
}  // namespace

KeyTextParser::KeyTextParser(u16 commandId) : Parser(commandId)
{
    AddKeyword(TOKEN_A, "a");
    // The old-key options reach only the change parser: the grammar admits them nowhere else.
    for (u16 option : {TOKEN_SECURITYKEY, TOKEN_PASSPHRASE, TOKEN_KEYID, TOKEN_OLDSECURITYKEY, TOKEN_OLDPASSPHRASE})
        AddHandler(option, TokenHandler(this, &KeyTextParser::OnValue));
    AddFlag(TOKEN_USEEKMS, &texts_.useEkm);
}

// A value option: its keyword and the string token after it, whose text replaces the value.
int KeyTextParser::OnValue(ArrayList<Token*>* tokens, u8 index)
{
    const Token* option = tokens->GetAt(index);
    std::string text;
    if (TakeStringOption(tokens, index, &text) != 0)
        return -1;
    switch (option->GetId()) {
    case TOKEN_SECURITYKEY:
        texts_.securityKey = text;
        break;
    case TOKEN_PASSPHRASE:
        texts_.passphrase = text;
        break;
    case TOKEN_KEYID:
        texts_.keyId = text;
        break;
    case TOKEN_OLDPASSPHRASE:
        texts_.oldIsPassphrase = 1;
        texts_.oldKey = text;
        break;
    default:
        texts_.oldKey = text;
        break;
    }
    return 0;
}

CreateLockKeyParser::CreateLockKeyParser() : KeyTextParser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_CREATESECURITYKEY, "CreateSecurityKey");
    AddKeyword(TOKEN_VERIFYSECURITYKEY, "VerifySecurityKey");
    AddHandler(TOKEN_CREATESECURITYKEY, TokenHandler(this, &CreateLockKeyParser::OnCommand));
    AddHandler(TOKEN_VERIFYSECURITYKEY, TokenHandler(this, &CreateLockKeyParser::OnCommand));
}

int CreateLockKeyParser::OnCommand(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    token->SetConsumed();
    SetCommandId(token->GetId());
    return 0;
}

ParsedObjects CreateLockKeyParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 command = GetCommandId();
    const LockKeyTexts texts = texts_;
    return MakePerAdapter(
        [command, &texts](u8 adapter) { return std::make_unique<LockKeyParsedObject>(command, adapter, texts); });
}

ReKeyParser::ReKeyParser() : KeyTextParser(TOKEN_CHANGESECURITYKEY)
{
    AddKeyword(TOKEN_CHANGESECURITYKEY, "ChangeSecurityKey");
}

ParsedObjects ReKeyParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    LockKeyTexts texts = texts_;
    if (texts.oldKey == " ")
        texts.oldKey.clear();  // a change without an old key sends it empty
    return MakePerAdapter([&texts](u8 adapter) {
        return std::make_unique<LockKeyParsedObject>(TOKEN_CHANGESECURITYKEY, adapter, texts);
    });
}

DestroyLockKeyParser::DestroyLockKeyParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_DESTROYSECURITYKEY, "DestroyLockKey");
    AddKeyword(TOKEN_DELETESECURITYKEY, "DeleteLockKey");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_DESTROYSECURITYKEY, TokenHandler(this, &DestroyLockKeyParser::OnCommand));
    AddHandler(TOKEN_DELETESECURITYKEY, TokenHandler(this, &DestroyLockKeyParser::OnCommand));
    AddFlag(TOKEN_FORCE, &force_);
}

int DestroyLockKeyParser::OnCommand(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    token->SetConsumed();
    if (token->GetId() == TOKEN_DELETESECURITYKEY)
        deleteKeyword_ = 1;
    SetCommandId(TOKEN_DESTROYSECURITYKEY);
    return 0;
}

ParsedObjects DestroyLockKeyParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u8 force = force_;
    const u8 deleteKeyword = deleteKeyword_;
    return MakePerAdapter([force, deleteKeyword](u8 adapter) {
        return std::make_unique<DestroyLockKeyParsedObject>(TOKEN_DESTROYSECURITYKEY, adapter, force, deleteKeyword);
    });
}
