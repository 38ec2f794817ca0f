#include "parsers/PdOnLnParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdOnLineParsedObject.h"

namespace {
const ParserFactoryRegistration<PdOnLnParser> kRegisterPdOnLnParser{TOKEN_PDONLINE, TOKEN_PDMARKMISSING, TOKEN_PDGETMISSING, TOKEN_PDLOCATE};
const GrammarRegistration kRegisterOnlineGrammar(TOKEN_PDONLINE, {"PDONLINE DRV SEL"});
const GrammarRegistration kRegisterMarkMissingGrammar(TOKEN_PDMARKMISSING, {"PDMARKMISSING DRV SEL"});
const GrammarRegistration kRegisterGetMissingGrammar(TOKEN_PDGETMISSING, {"PDGETMISSING SEL"});
// -start and -stop count only as the word right after the command word, so they keep their place.
const GrammarRegistration kRegisterLocateGrammar(TOKEN_PDLOCATE, {"PDLOCATE ([START | STOP] DRV) SEL"});

// A list entry carries -1 in both of its extra values.
// A command line names at most as many drives as the tool's lists hold.
constexpr std::size_t kMaxDrives = 255;
}  // namespace

PdOnLnParser::PdOnLnParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_PDONLINE, "PDONLINE");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    const TokenHandler onCommand(this, &PdOnLnParser::OnCommand);
    AddHandler(TOKEN_PDONLINE, onCommand);
    AddHandler(TOKEN_PDMARKMISSING, onCommand);
    AddHandler(TOKEN_PDGETMISSING, onCommand);
    AddHandler(TOKEN_PDLOCATE, onCommand);
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &PdOnLnParser::OnPhysDrvList));
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &PdOnLnParser::OnPhysDrv));
}

int PdOnLnParser::OnCommand(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    switch (token->GetId()) {
    case TOKEN_PDONLINE: operation_ = PdOnLineParsedObject::kOnline; break;
    case TOKEN_PDMARKMISSING: operation_ = PdOnLineParsedObject::kMarkMissing; break;
    case TOKEN_PDGETMISSING: operation_ = PdOnLineParsedObject::kGetMissing; break;
    case TOKEN_PDLOCATE: operation_ = PdOnLineParsedObject::kLocate; break;
    default: return -1;
    }
    token->SetConsumed();
    if (operation_ != PdOnLineParsedObject::kLocate)
        return 0;
    // Only the word right after -PdLocate chooses between start and stop.
    locateOption_ = PdOnLineParsedObject::kLocateStart;
    if (index + 1u < tokens->GetCount()) {
        Token* next = tokens->GetAt(static_cast<u8>(index + 1));
        if (next->GetId() == TOKEN_STOP) {
            locateOption_ = PdOnLineParsedObject::kLocateStop;
            next->SetConsumed();
        } else if (next->GetId() == TOKEN_START) {
            next->SetConsumed();
        }
    }
    return 0;
}

int PdOnLnParser::OnPhysDrvList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_CHANNEL_TARGET_LIST || token->GetText() == nullptr)
        return -1;
    OwnedList<EnclSlotId> parsed(ParserUtil::ParseEnclSlotList(token->GetText()));
    if (parsed == nullptr || drives_.size() + parsed->GetCount() > kMaxDrives)
        return -1;
    for (unsigned i = 0; i < parsed->GetCount(); ++i) {
        const EnclSlotId* id = parsed->GetAt(static_cast<u8>(i));
        drives_.emplace_back(id->GetEnclId(), id->GetSlot(), PdIdListObject::kUnusedValue, PdIdListObject::kUnusedValue);
    }
    token->SetConsumed();
    return 0;
}

int PdOnLnParser::OnPhysDrv(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PHYSDRV)
        return -1;
    token->SetConsumed();
    return 0;
}

ParsedObjects PdOnLnParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<PdOnLineParsedObject>(TOKEN_PDONLINE, drives_, operation_, locateOption_, adapter);
    });
}
