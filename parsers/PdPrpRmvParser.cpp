#include "parsers/PdPrpRmvParser.h"

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdPrpRmvParsedObject.h"

namespace {
const ParserFactoryRegistration<PdPrpRmvParser> kRegisterParser;
const GrammarRegistration kRegisterGrammar(TOKEN_PDPRPRMV, {"PDPRPRMV [UNDO] DRV SEL"});
}  // namespace

ArrayList<u16>* PdPrpRmvParser::GetCommandTokens()
{
    auto* tokens = new ArrayList<u16>(1);
    tokens->Add(TOKEN_PDPRPRMV);
    return tokens;
}

Parser* PdPrpRmvParser::Create(u16 commandToken) { return new PdPrpRmvParser(commandToken); }

PdPrpRmvParser::PdPrpRmvParser(u16 commandToken) : PdDriveListParser(commandToken)
{
    AddKeyword(TOKEN_PDPRPRMV, "PDPRPRMV");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_UNDO, TokenHandler(this, &PdPrpRmvParser::OnUndo));
}

int PdPrpRmvParser::OnUndo(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_UNDO)
        return -1;
    undo_ = 1;
    token->SetConsumed();
    return 0;
}

ArrayList<ParsedObject*>* PdPrpRmvParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!IsParseAllowed(GetKeywords(), tokens) || ParseTokens(tokens) != 0 || !HasDriveList())
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    const u8 undo = undo_;
    return MakePerAdapter([&drives, undo](u8 adapter) -> ParsedObject* {
        return new PdPrpRmvParsedObject(TOKEN_PDPRPRMV, drives, undo, adapter);
    });
}
