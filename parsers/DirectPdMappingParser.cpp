#include "parsers/DirectPdMappingParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/DirectPdMappingParsedObject.h"

namespace {
const ParserFactoryRegistration<PdMappingParser> kRegisterPdMappingParser{TOKEN_DIRECTPDMAPPING};
const GrammarRegistration kRegisterDirectPdMappingGrammar(TOKEN_DIRECTPDMAPPING, {"DIRECTPDMAPPING (ENBL | DSBL | DSPLY) SEL"});
}  // namespace

PdMappingParser::PdMappingParser(u16 commandToken) : Parser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_DIRECTPDMAPPING, "DirectPdmapping");
    AddKeyword(TOKEN_DSPLY, "Dsply");
    AddKeyword(TOKEN_ENBL, "Enbl");
    AddKeyword(TOKEN_DSBL, "Dsbl");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_DIRECTPDMAPPING, TokenHandler(this, &PdMappingParser::OnCommandWord));
    AddHandler(TOKEN_DSPLY, TokenHandler(this, &PdMappingParser::OnAction));
    AddHandler(TOKEN_ENBL, TokenHandler(this, &PdMappingParser::OnAction));
    AddHandler(TOKEN_DSBL, TokenHandler(this, &PdMappingParser::OnAction));
}

int PdMappingParser::OnCommandWord(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_DIRECTPDMAPPING)
        return -1;
    token->SetConsumed();
    return 0;
}

int PdMappingParser::OnAction(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr ||
        (token->GetId() != TOKEN_DSPLY && token->GetId() != TOKEN_ENBL && token->GetId() != TOKEN_DSBL))
        return -1;
    action_ = token->GetId();
    token->SetConsumed();
    return 0;
}

ParsedObjects PdMappingParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || action_ == 0)
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<PdMappingParsedObject>(TOKEN_DIRECTPDMAPPING, adapter, action_);
    });
}
