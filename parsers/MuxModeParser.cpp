#include "parsers/MuxModeParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/MuxModeParsedObject.h"

namespace {
const ParserFactoryRegistration<MuxModeParser> kRegisterMuxModeParser{TOKEN_ADPSETCONNECTORMODE, TOKEN_ADPGETCONNECTORMODE};
const GrammarRegistration kRegisterMuxModeGet(TOKEN_ADPGETCONNECTORMODE,
                                       {"ADPGETCONNECTORMODE (CONNECTOR NUM+ | CONNECTORALL) SEL"});
const GrammarRegistration kRegisterMuxModeSet(
    TOKEN_ADPSETCONNECTORMODE, {"ADPSETCONNECTORMODE (INTERNAL | EXTERNAL | AUTO) (CONNECTOR NUM+ | CONNECTORALL) SEL"});
}  // namespace

MuxModeParser::MuxModeParser(u16 commandToken) : Parser(commandToken)
{
    AddKeyword(TOKEN_ADPGETCONNECTORMODE, "AdpGetConnectorMode");
    AddKeyword(TOKEN_ADPSETCONNECTORMODE, "AdpSetConnectorMode");
    AddKeyword(TOKEN_INTERNAL, "Internal");
    AddKeyword(TOKEN_EXTERNAL, "External");
    AddKeyword(TOKEN_AUTO, "Auto");
    AddKeyword(TOKEN_CONNECTOR, "Connector");
    AddKeyword(TOKEN_CONNECTORALL, "ConnectorAll");
    AddKeyword(TOKEN_AALL, "aAll");
    AddKeyword(TOKEN_A, "a");
    for (u16 mode : {TOKEN_INTERNAL, TOKEN_EXTERNAL, TOKEN_AUTO})
        AddHandler(mode, TokenHandler(this, &MuxModeParser::OnMode));
    AddHandler(TOKEN_CONNECTOR, TokenHandler(this, &MuxModeParser::OnConnectorList));
    AddHandler(TOKEN_CONNECTORALL, TokenHandler(this, &MuxModeParser::OnAllConnectors));
}

int MuxModeParser::OnMode(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    const u16 id = token->GetId();
    if (id != TOKEN_INTERNAL && id != TOKEN_EXTERNAL && id != TOKEN_AUTO)
        return -1;
    mode_ = id;
    token->SetConsumed();
    return 0;
}

// A connector number that does not fit 8 bits would name another connector: the parse fails.
int MuxModeParser::OnConnectorList(ArrayList<Token*>* tokens, u8 index)
{
    if (tokens->GetAt(index)->GetId() != TOKEN_CONNECTOR)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    for (unsigned i = index + 1u; i < tokens->GetCount(); ++i) {
        Token* token = tokens->GetAt(static_cast<u8>(i));
        int number = 0;
        if (token->GetId() != TOKEN_NUMBER || !token->GetInt(&number))
            break;
        token->SetConsumed();
        if (number < 0 || number >= MuxModeParsedObject::kAllConnectors || connectors_.Add(static_cast<u8>(number)) != 0)
            return -1;
    }
    return 0;
}

int MuxModeParser::OnAllConnectors(ArrayList<Token*>* tokens, u8 index)
{
    if (tokens->GetAt(index)->GetId() != TOKEN_CONNECTORALL)
        return -1;
    tokens->GetAt(index)->SetConsumed();
    return connectors_.Add(MuxModeParsedObject::kAllConnectors);
}

ParsedObjects MuxModeParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter([this](u8 adapter) {
        return std::make_unique<MuxModeParsedObject>(GetCommandId(), mode_, connectors_, adapter);
    });
}
