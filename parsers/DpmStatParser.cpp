#include "parsers/DpmStatParser.h"

#include <cstddef>
#include <memory>
#include <optional>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/DpmStatParsedObject.h"

namespace {
const ParserFactoryRegistration<DpmStatParser> kRegisterDpmStatParser{TOKEN_DPMSTAT};
const GrammarRegistration kRegisterDpmStatGrammar(TOKEN_DPMSTAT, {"DPMSTAT DSPLY (LCT | HIST | RA | EXT) [DRV] SEL",
                                                           "DPMSTAT CLEAR (LCT | HIST | RA | EXT) SEL"});

// Consumes the token at the index when its id is one of `ids` and stores the id: 0, else -1.
template <std::size_t N>
int TakeOneOf(ArrayList<Token*>* tokens, u8 index, const u16 (&ids)[N], u16* out)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    for (u16 id : ids) {
        if (token->GetId() == id) {
            token->SetConsumed();
            *out = id;
            return 0;
        }
    }
    return -1;
}

bool HasPhysDrvWord(const ArrayList<Token*>* tokens)
{
    for (unsigned i = 0; i < tokens->GetCount(); ++i) {
        const Token* token = tokens->GetAt(static_cast<u8>(i));
        if (token != nullptr && token->GetId() == TOKEN_PHYSDRV)
            return true;
    }
    return false;
}
}  // namespace

DpmStatParser::DpmStatParser(u16 commandId) : PdDriveListParser(commandId)
{
    AddKeyword(TOKEN_DPMSTAT, "DpmStat");
    AddKeyword(TOKEN_DSPLY, "Dsply");
    AddKeyword(TOKEN_CLEAR, "Clear");
    AddKeyword(TOKEN_LCT, "Lct");
    AddKeyword(TOKEN_HIST, "Hist");
    AddKeyword(TOKEN_RA, "Ra");
    AddKeyword(TOKEN_EXT, "Ext");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_DPMSTAT, TokenHandler(this, &DpmStatParser::OnCommandToken));
    for (u16 action : {TOKEN_DSPLY, TOKEN_CLEAR})
        AddHandler(action, TokenHandler(this, &DpmStatParser::OnAction));
    for (u16 kind : {TOKEN_LCT, TOKEN_HIST, TOKEN_RA, TOKEN_EXT})
        AddHandler(kind, TokenHandler(this, &DpmStatParser::OnKind));
}

int DpmStatParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    u16 id = 0;
    static constexpr u16 kCommand[] = {TOKEN_DPMSTAT};
    return TakeOneOf(tokens, index, kCommand, &id);
}

int DpmStatParser::OnAction(ArrayList<Token*>* tokens, u8 index)
{
    static constexpr u16 kActions[] = {TOKEN_DSPLY, TOKEN_CLEAR};
    return TakeOneOf(tokens, index, kActions, &action_);
}

int DpmStatParser::OnKind(ArrayList<Token*>* tokens, u8 index)
{
    static constexpr u16 kKinds[] = {TOKEN_LCT, TOKEN_HIST, TOKEN_RA, TOKEN_EXT};
    return TakeOneOf(tokens, index, kKinds, &kind_);
}

ParsedObjects DpmStatParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    if (action_ == 0 || kind_ == 0)
        return nullptr;
    // A malformed list leaves none although -PhysDrv was given; more than one drive is refused.
    const bool listGiven = HasPhysDrvWord(tokens);
    const SharedDriveList drives = TakeDriveList();
    if ((listGiven && drives.Get() == nullptr) || drives.GetCount() > 1)
        return nullptr;
    std::optional<EnclSlotId> drive;
    if (drives.GetCount() == 1 && drives.GetAt(0) != nullptr)
        drive = *drives.GetAt(0);
    const u16 action = action_;
    const u16 kind = kind_;
    return MakePerAdapter([&](u8 adapter) {
        auto object = std::make_unique<DpmStatParsedObject>(TOKEN_DPMSTAT, drive, listGiven, action, adapter);
        object->SetStatType(kind);
        return object;
    });
}
