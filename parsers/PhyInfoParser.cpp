#include "parsers/PhyInfoParser.h"

#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/TokenIds.h"
#include "parsers/PhyParsedObjects.h"

namespace {
const ParserFactoryRegistration<PhyInfoParser> kRegisterPhyInfoParser{TOKEN_PHYINFO};
const GrammarRegistration kRegisterPhyInfoGrammar(TOKEN_PHYINFO, {"PHYINFO PHY NUM SEL"});
const ParserFactoryRegistration<PhyErrorCtParser> kRegisterPhyErrorCtParser{TOKEN_PHYERRORCOUNTERS};
const GrammarRegistration kRegisterPhyErrorCtGrammar(TOKEN_PHYERRORCOUNTERS, {"PHYERRORCOUNTERS SEL"});

// Consumes the command word when it is `command`: 0, else -1.
int TakeCommandWord(ArrayList<Token*>* tokens, u8 index, u16 command)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != command)
        return -1;
    token->SetConsumed();
    return 0;
}
}  // namespace

PhyInfoParser::PhyInfoParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_PHYINFO, "PhyInfo");
    AddKeyword(TOKEN_PHY, "Phy");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_PHY, TokenHandler(this, &PhyInfoParser::OnPhy));
    AddHandler(TOKEN_PHYINFO, TokenHandler(this, &PhyInfoParser::OnCommandToken));
}

int PhyInfoParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeCommandWord(tokens, index, TOKEN_PHYINFO) != 0)
        return -1;
    SetCommandId(TOKEN_PHYINFO);
    return 0;
}

int PhyInfoParser::OnPhy(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PHY)
        return -1;
    token->SetConsumed();
    Token* number = index + 1u < tokens->GetCount() ? tokens->GetAt(static_cast<u8>(index + 1)) : nullptr;
    if (number == nullptr || number->GetId() != TOKEN_NUMBER || !number->GetInt(&phy_))
        return -1;
    number->SetConsumed();
    return 0;
}

ParsedObjects PhyInfoParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    const int phy = phy_;
    return MakePerAdapter(
        [phy](u8 adapter) { return std::make_unique<AdpPhyInfoParsedObject>(TOKEN_PHYINFO, adapter, phy); });
}

PhyErrorCtParser::PhyErrorCtParser() : Parser(kOwnCommandHandler)
{
    AddKeyword(TOKEN_PHYERRORCOUNTERS, "PhyErrorCount");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_PHYERRORCOUNTERS, TokenHandler(this, &PhyErrorCtParser::OnCommandToken));
}

int PhyErrorCtParser::OnCommandToken(ArrayList<Token*>* tokens, u8 index)
{
    if (TakeCommandWord(tokens, index, TOKEN_PHYERRORCOUNTERS) != 0)
        return -1;
    SetCommandId(TOKEN_PHYERRORCOUNTERS);
    return 0;
}

ParsedObjects PhyErrorCtParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens))
        return nullptr;
    return MakePerAdapter(
        [](u8 adapter) { return std::make_unique<PhyErrCtParsedObject>(TOKEN_PHYERRORCOUNTERS, adapter); });
}
