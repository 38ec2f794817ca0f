#include "parsers/ShowSummaryParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/ShowSummaryPo.h"

namespace {
const ParserFactoryRegistration<ShowSummaryParser> kRegisterShowSummaryParser{TOKEN_SHOWSUMMARY};
const GrammarRegistration kRegisterShowSummaryGrammar(TOKEN_SHOWSUMMARY, {"SHOWSUMMARY [V(F)] SEL"});
}  // namespace

ShowSummaryParser::ShowSummaryParser() : LdObjectsParser(TOKEN_SHOWSUMMARY)
{
    AddKeyword(TOKEN_SHOWSUMMARY, "ShowSummary");
    AddKeyword(TOKEN_F, "f");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_SHOWSUMMARY, TokenHandler(this, &ShowSummaryParser::OnShowSummary));
    AddHandler(TOKEN_F, TokenHandler(&ParserUtil::OnFileName));
    ParserUtil::ClearFileName();
}

int ShowSummaryParser::OnShowSummary(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_SHOWSUMMARY)
        return -1;
    token->SetConsumed();
    if (index + 1u >= tokens->GetCount())
        return -1;
    if (tokens->GetAt(static_cast<u8>(index + 1))->GetId() == TOKEN_F)
        fileOutput_ = 1;
    return 0;
}

ParsedObjects ShowSummaryParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const std::string fileName = ParserUtil::GetFileName().GetCStr();
    const u8 fileOutput = fileOutput_;
    const u16 commandId = GetCommandId();
    return MakePerAdapter([&fileName, fileOutput, commandId](u8 adapter) {
        return std::make_unique<ShowSummaryPo>(commandId, fileName, fileOutput, adapter);
    });
}
