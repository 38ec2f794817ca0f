#include "parsers/AdpDiagParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpDiagParsedObject.h"

namespace {
const ParserFactoryRegistration<AdpDiagParser> kRegisterAdpDiagParser{TOKEN_ADPDIAG};
const GrammarRegistration kRegisterAdpDiagGrammar(TOKEN_ADPDIAG, {"ADPDIAG [NUM] SEL"});
}  // namespace

AdpDiagParser::AdpDiagParser() : Parser(kOwnCommandHandler)
{
    SetCommandId(TOKEN_ADPDIAG);
    AddKeyword(TOKEN_ADPDIAG, "AdpDiag");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_ADPDIAG, TokenHandler(this, &AdpDiagParser::OnCommand));
}

int AdpDiagParser::OnCommand(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_ADPDIAG)
        return -1;
    token->SetConsumed();
    if (index + 1u >= tokens->GetCount())
        return -1;
    int seconds = 0;
    if (ParserUtil::TakeNumber(tokens, index + 1u, &seconds))
        seconds_ = static_cast<u32>(seconds);
    return 0;
}

ParsedObjects AdpDiagParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u32 seconds = seconds_;
    return MakePerAdapter(
        [seconds](u8 adapter) { return std::make_unique<AdpDiagParsedObject>(TOKEN_ADPDIAG, seconds, adapter); });
}
