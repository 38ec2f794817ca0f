#include "parsers/CliVersionParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/CliVersionPo.h"

namespace {
const ParserFactoryRegistration<CliVersionParser> kRegisterCliVersionParser{TOKEN_VERSION};
const GrammarRegistration kRegisterCliVersionGrammar(TOKEN_VERSION, {"VERSION [CTRL | CLI | UEFI | DRIVER | PD] SEL"});

struct ComponentOption {
    u16 token;
    u8 component;
};

constexpr ComponentOption kComponents[] = {
    {TOKEN_CTRL, CliVersionPo::kCtrl},   {TOKEN_CLI, CliVersionPo::kCli}, {TOKEN_UEFI, CliVersionPo::kUefi},
    {TOKEN_DRIVER, CliVersionPo::kDriver}, {TOKEN_PD, CliVersionPo::kPd},
};
}  // namespace

CliVersionParser::CliVersionParser() : Parser(TOKEN_VERSION)
{
    AddKeyword(TOKEN_VERSION, "Version");
    AddKeyword(TOKEN_CTRL, "ctrl");
    AddKeyword(TOKEN_CLI, "cli");
    AddKeyword(TOKEN_DRIVER, "driver");
    AddKeyword(TOKEN_PD, "pd");
    AddKeyword(TOKEN_UEFI, "uEfi");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    for (const u16 token : {TOKEN_CTRL, TOKEN_CLI, TOKEN_UEFI, TOKEN_DRIVER, TOKEN_PD})
        AddHandler(token, TokenHandler(this, &CliVersionParser::OnComponent));
}

int CliVersionParser::OnComponent(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr)
        return -1;
    for (const ComponentOption& option : kComponents) {
        if (option.token == token->GetId()) {
            token->SetConsumed();
            component_ = option.component;
            return 0;
        }
    }
    return -1;
}

ParsedObjects CliVersionParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const u8 component = component_;
    const u16 commandId = GetCommandId();
    return MakePerAdapter(
        [component, commandId](u8 adapter) { return std::make_unique<CliVersionPo>(commandId, component, adapter); });
}
