#include "parsers/AdpCountParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpCountParsedObject.h"

namespace {
const ParserFactoryRegistration<AdpCountParser> kRegisterAdpCountParser{TOKEN_ADPCOUNT};
const GrammarRegistration kRegisterAdpCountGrammar(TOKEN_ADPCOUNT, {"ADPCOUNT [SEL]"});
}  // namespace

AdpCountParser::AdpCountParser(u16 commandToken) : Parser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddHandler(TOKEN_ADPCOUNT, TokenHandler(this, &AdpCountParser::OnCommandToken));
}

int AdpCountParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_ADPCOUNT)
        return -1;
    token->SetConsumed();
    return 0;
}

ParsedObjects AdpCountParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    // The adapter options are taken and ignored: the count is always of every controller.
    auto list = std::make_unique<ParsedObjectList>();
    list->Add(std::make_unique<AdpCountParsedObject>(TOKEN_ADPCOUNT));
    return list;
}
