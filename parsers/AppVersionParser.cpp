#include "parsers/AppVersionParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AppVersionParsedObject.h"

namespace {
const ParserFactoryRegistration<AppVersionParser> kRegisterAppVersionParser{TOKEN_APPVERSION, TOKEN_HELP, TOKEN_HELP_SHT,
                                                                    TOKEN_Q_MARK};
const GrammarRegistration kRegisterVersion(TOKEN_APPVERSION, {"V [SEL]"});
const GrammarRegistration kRegisterHelp(TOKEN_HELP, {"HELP [STR] [SEL]"});
const GrammarRegistration kRegisterHelpShort(TOKEN_HELP_SHT, {"H [STR] [SEL]"});
const GrammarRegistration kRegisterQuestionMark(TOKEN_Q_MARK, {"? [STR] [SEL]"});

constexpr const char* kDefaultCommandName = "default";

bool IsVersionOrHelp(u16 id) { return id >= TOKEN_APPVERSION && id <= TOKEN_Q_MARK; }
}  // namespace

AppVersionParser::AppVersionParser(u16 commandToken) : Parser(kOwnCommandHandler)
{
    SetCommandId(commandToken);
    AddKeyword(TOKEN_APPVERSION, "v");
    for (u16 id = TOKEN_APPVERSION; id <= TOKEN_Q_MARK; ++id)
        AddHandler(id, TokenHandler(this, &AppVersionParser::OnCommandToken));
}

int AppVersionParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || !IsVersionOrHelp(token->GetId()))
        return -1;
    token->SetConsumed();
    if (index + 1u >= tokens->GetCount())
        return -1;
    Token* next = tokens->GetAt(static_cast<u8>(index + 1));
    // An adapter selection is left to the base's handlers; -aALL too, so that -v -aALL
    // reaches every controller as -v -a0,1 reaches the listed ones.
    if (next->GetId() == TOKEN_A || next->GetId() == TOKEN_AALL)
        return 0;
    if (next->GetId() == TOKEN_STRING && next->GetText() != nullptr) {
        commandName_ = next->GetText();
        next->SetConsumed();
        return 0;
    }
    return -1;
}

ParsedObjects AppVersionParser::OneObject(u16 commandId, u8 adapter) const
{
    auto list = std::make_unique<ParsedObjectList>();
    list->Add(std::make_unique<AppVersionParsedObject>(commandId, commandName_, adapter));
    return list;
}

ParsedObjects AppVersionParser::ParseCommand(ArrayList<Token*>* tokens)
{
    // The version forms hand the tokens to their handlers on their own (below), so only the
    // check is asked here.
    if (!IsParseAllowed(GetKeywords(), tokens))
        return nullptr;
    const u16 commandId = GetCommandId();
    if (commandId == TOKEN_APPVERSION) {
        // The version needs nothing from the line but the adapters: a parse that stops early
        // still prints the banner.
        ParseTokens(tokens);
        const ArrayList<u8>& adapters = GetAdapterList();
        if (adapters.GetCount() == 0)
            return OneObject(commandId, 0);
        return MakePerAdapter(
            [&](u8 adapter) { return std::make_unique<AppVersionParsedObject>(commandId, commandName_, adapter); });
    }
    if (ParseTokens(tokens) == -1)
        commandName_ = kDefaultCommandName;
    return OneObject(commandId, 0);
}
