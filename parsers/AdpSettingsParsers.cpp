#include "parsers/AdpSettingsParsers.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpSettingsPo.h"

namespace {
const ParserFactoryRegistration<AdpSettingsParser> kRegisterAdpSettingsSettings{TOKEN_ADPSETTINGS};
const ParserFactoryRegistration<AdpVerifyParser> kRegisterVerify{TOKEN_ADPSETVERIFY};
const GrammarRegistration kRegisterSettingsGrammar(TOKEN_ADPSETTINGS, {"ADPSETTINGS [READ | WRITE] V(F) SEL"});
const GrammarRegistration kRegisterAdpSettingsVerifyGrammar(TOKEN_ADPSETVERIFY, {"ADPSETVERIFY V(F) SEL"});
}  // namespace

AdpSettingsParser::AdpSettingsParser() : Parser(TOKEN_ADPSETTINGS)
{
    ParserUtil::ClearFileName();
    AddKeyword(TOKEN_ADPSETTINGS, "AdpSettings");
    AddKeyword(TOKEN_READ, "Read");
    AddKeyword(TOKEN_WRITE, "Write");
    AddKeyword(TOKEN_F, "f");
    AddKeyword(TOKEN_A, "a");
    const TokenHandler onAccess(this, &AdpSettingsParser::OnAccessOption);
    AddHandler(TOKEN_READ, onAccess);
    AddHandler(TOKEN_WRITE, onAccess);
    AddHandler(TOKEN_F, TokenHandler(&ParserUtil::OnFileName));
}

int AdpSettingsParser::OnAccessOption(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || (token->GetId() != TOKEN_READ && token->GetId() != TOKEN_WRITE))
        return -1;
    token->SetConsumed();
    isWrite_ = token->GetId() == TOKEN_WRITE ? 1 : 0;
    return 0;
}

ParsedObjects AdpSettingsParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const string fileName = ParserUtil::GetFileName();
    const u8 isWrite = isWrite_;
    const u16 command = GetCommandId();
    return MakePerAdapter([&fileName, isWrite, command](u8 adapter) {
        return std::make_unique<AdpSettingsPo>(command, fileName, isWrite, adapter);
    });
}

AdpVerifyParser::AdpVerifyParser() : Parser(TOKEN_ADPSETVERIFY)
{
    ParserUtil::ClearFileName();
    AddKeyword(TOKEN_ADPSETVERIFY, "AdpSetVerify");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    AddKeyword(TOKEN_F, "f");
    AddHandler(TOKEN_F, TokenHandler(&ParserUtil::OnFileName));
}

ParsedObjects AdpVerifyParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const string fileName = ParserUtil::GetFileName();
    const u16 command = GetCommandId();
    return MakePerAdapter(
        [&fileName, command](u8 adapter) { return std::make_unique<AdpSetVerifyPo>(command, fileName, adapter); });
}
