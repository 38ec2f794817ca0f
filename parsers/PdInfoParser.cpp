#include "parsers/PdInfoParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdInfoParsedObject.h"

namespace {
const ParserFactoryRegistration<PdInfoParser> kRegisterPdInfoParser{TOKEN_PDINFO};
const GrammarRegistration kRegisterPdInfoGrammar(TOKEN_PDINFO, {"PDINFO DRV SEL"});
}  // namespace

PdInfoParser::PdInfoParser(u16 commandToken) : PdDriveListParser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_PDINFO, "PDINFO");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_PDINFO, TokenHandler(this, &PdInfoParser::OnPdInfo));
}

int PdInfoParser::OnPdInfo(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PDINFO)
        return -1;
    token->SetConsumed();
    return 0;
}

ParsedObjects PdInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    return MakePerAdapter(
        [&drives](u8 adapter) { return std::make_unique<PdInfoParsedObject>(TOKEN_PDINFO, drives, adapter); });
}
