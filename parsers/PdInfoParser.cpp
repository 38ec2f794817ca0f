#include "parsers/PdInfoParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<PdInfoParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_PDINFO, {"PDINFO DRV SEL"});
}  // namespace

void PdInfoParser::ListDeleter::operator()(ArrayList<EnclSlotId*>* list) const
{
    if (list == nullptr)
        return;
    DeleteElements(*list);
    delete list;
}

ArrayList<u16>* PdInfoParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_PDINFO);
    return tokens;
}

Parser* PdInfoParser::Create(u16 commandToken) { return new PdInfoParser(commandToken); }

PdInfoParser::PdInfoParser(u16 commandToken) : Parser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_PDINFO, "PDINFO");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_PDINFO, TokenHandler(this, &PdInfoParser::OnPdInfo));
    AddHandler(TOKEN_CHANNEL_TARGET_LIST, TokenHandler(this, &PdInfoParser::OnPhysDrvList));
    AddHandler(TOKEN_PHYSDRV, TokenHandler(this, &PdInfoParser::OnPhysDrv));
}

int PdInfoParser::OnPdInfo(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PDINFO)
        return -1;
    token->SetConsumed();
    return 0;
}

int PdInfoParser::OnPhysDrv(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PHYSDRV)
        return -1;
    token->SetConsumed();
    return 0;
}

int PdInfoParser::OnPhysDrvList(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_CHANNEL_TARGET_LIST || token->GetText() == nullptr)
        return -1;
    // A list with an element that names no drive leaves no list, and the parse fails.
    drives_.reset(ParserUtil::ParseEnclSlotList(token->GetText()));
    token->SetConsumed();
    return 0;
}

ArrayList<ParsedObject*>* PdInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0 || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    return MakePerAdapter(
        [&drives](u8 adapter) -> ParsedObject* { return new PdInfoParsedObject(TOKEN_PDINFO, drives, adapter); });
}
