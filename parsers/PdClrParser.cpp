#include "parsers/PdClrParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/SharedDriveList.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PdClrParsedObject.h"

namespace {
const ParserFactoryRegistration<PdClearParser> kRegisterPdClearParser{TOKEN_PDCLEAR};
const GrammarRegistration kRegisterPdClrGrammar(TOKEN_PDCLEAR, {"PDCLEAR (START | STOP | SHOWPROG | PROGDSPLY) DRV SEL"});
}  // namespace

PdClearParser::PdClearParser(u16 commandToken) : PdDriveListParser(commandToken)
{
    AddKeyword(TOKEN_PDCLEAR, "PDCLEAR");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_PHYSDRV, "PhysDrv");
    AddHandler(TOKEN_START, TokenHandler(this, &PdClearParser::OnAction));
    AddHandler(TOKEN_STOP, TokenHandler(this, &PdClearParser::OnAction));
    AddHandler(TOKEN_PROGDSPLY, TokenHandler(this, &PdClearParser::OnAction));
    AddHandler(TOKEN_SHOWPROG, TokenHandler(this, &PdClearParser::OnAction));
}

int PdClearParser::OnAction(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    switch (token->GetId()) {
    case TOKEN_START:
        action_ = PdClrParsedObject::kStart;
        break;
    case TOKEN_STOP:
        action_ = PdClrParsedObject::kStop;
        break;
    case TOKEN_SHOWPROG:
        action_ = PdClrParsedObject::kShowProgress;
        break;
    case TOKEN_PROGDSPLY:
        action_ = PdClrParsedObject::kProgressDisplay;
        break;
    default:
        return -1;
    }
    token->SetConsumed();
    return 0;
}

ParsedObjects PdClearParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || !HasDriveList() ||
        action_ == kNoAction)
        return nullptr;
    const SharedDriveList drives = TakeDriveList();
    return MakePerAdapter([this, &drives](u8 adapter) {
        return std::make_unique<PdClrParsedObject>(TOKEN_PDCLEAR, action_, drives, adapter);
    });
}
