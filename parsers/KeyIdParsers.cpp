#include "parsers/KeyIdParsers.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LockKeyParsers.h"

namespace {
const ParserFactoryRegistration<AdPdKeyIDGetSetParser> kRegisterAdPdKeyIDGetSetParser{TOKEN_GETKEYID, TOKEN_SETKEYID};
const GrammarRegistration kRegisterKeyIdGetGrammar(TOKEN_GETKEYID, {"GETKEYID [DRV] SEL1"});
const GrammarRegistration kRegisterKeyIdSetGrammar(TOKEN_SETKEYID, {"SETKEYID V(KEYID) SEL1"});
}  // namespace

AdPdKeyIDGetSetParser::AdPdKeyIDGetSetParser(u16 commandToken) : PdDriveListParser(commandToken)
{
    AddKeyword(TOKEN_GETKEYID, "GETKEYID");
    AddKeyword(TOKEN_SETKEYID, "SETKEYID");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_KEYID, TokenHandler(this, &AdPdKeyIDGetSetParser::OnKeyId));
}

int AdPdKeyIDGetSetParser::OnKeyId(ArrayList<Token*>* tokens, u8 index)
{
    return TakeStringOption(tokens, index, &keyId_);
}

ParsedObjects AdPdKeyIDGetSetParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u16 command = GetCommandId();
    const SharedDriveList drives = TakeDriveList();
    const std::string keyId = keyId_;
    return MakePerAdapter([command, &drives, &keyId](u8 adapter) {
        return std::make_unique<AdPdKeyIDGetSetParsedObject>(command, adapter, drives, keyId);
    });
}
