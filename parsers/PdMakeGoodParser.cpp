#include "parsers/PdMakeGoodParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdOffLineParsedObject.h"

namespace {
const ParserFactoryRegistration<PdMakeGoodParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_PDMAKEGOOD, {"PDMAKEGOOD DRV [FORCE] SEL"});
}  // namespace

ArrayList<u16>* PdMakeGoodParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_PDMAKEGOOD);
    return tokens;
}

Parser* PdMakeGoodParser::Create(u16 commandToken) { return new PdMakeGoodParser(commandToken); }

PdMakeGoodParser::PdMakeGoodParser(u16 commandToken) : PdDriveListParser(commandToken)
{
    AddKeyword(TOKEN_PDMAKEGOOD, "PDMAKEGOOD");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_FORCE, TokenHandler(this, &PdMakeGoodParser::OnForce));
}

int PdMakeGoodParser::OnForce(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_FORCE)
        return -1;
    force_ = 1;
    token->SetConsumed();
    return 0;
}

ArrayList<ParsedObject*>* PdMakeGoodParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0 || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    const u16 commandId = GetCommandId();
    const u8 force = force_;
    return MakePerAdapter([&drives, commandId, force](u8 adapter) -> ParsedObject* {
        return new PdOffLineParsedObject(commandId, drives, force, adapter);
    });
}
