#include "parsers/PhySetLinkSpeedParser.h"

#include <cstdint>
#include <memory>

#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/ParserUtil.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpPhySetLinkSpeedParsedObject.h"

namespace {
const ParserFactoryRegistration<PhySetLinkSpeedParser> kRegisterPhySetLinkSpeedParser{TOKEN_PHYSETLINKSPEED};
const GrammarRegistration kRegisterPhySetLinkSpeedGrammar(TOKEN_PHYSETLINKSPEED, {"PHYSETLINKSPEED PHY NUM NUM SEL"});
}  // namespace

PhySetLinkSpeedParser::PhySetLinkSpeedParser() : Parser(kOwnCommandHandler)
{
    SetCommandId(TOKEN_PHYSETLINKSPEED);
    AddKeyword(TOKEN_PHYSETLINKSPEED, "PhySetLinkSpeed");
    AddKeyword(TOKEN_PHY, "Phy");
    AddKeyword(TOKEN_A, "a");
    AddHandler(TOKEN_PHYSETLINKSPEED, TokenHandler(this, &PhySetLinkSpeedParser::OnCommand));
    AddHandler(TOKEN_PHY, TokenHandler(this, &PhySetLinkSpeedParser::OnPhy));
}

int PhySetLinkSpeedParser::OnCommand(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PHYSETLINKSPEED)
        return -1;
    token->SetConsumed();
    return 0;
}

// A number that does not fit its byte fails: cut to 8 bits it would name another PHY, or pass
// the speed check as another code.
int PhySetLinkSpeedParser::OnPhy(ArrayList<Token*>* tokens, u8 index)
{
    Token* token = tokens->GetAt(index);
    if (token == nullptr || token->GetId() != TOKEN_PHY)
        return -1;
    token->SetConsumed();
    if (!ParserUtil::TakeNumber(tokens, index + 1u, &phy_) || !ParserUtil::TakeNumber(tokens, index + 2u, &speed_))
        return -1;
    return phy_ > UINT8_MAX || speed_ > UINT8_MAX ? -1 : 0;
}

ParsedObjects PhySetLinkSpeedParser::ParseCommand(ArrayList<Token*>* tokens)
{
    if (!ParseCommandTokens(tokens) || phy_ < 0 || speed_ < 0)
        return nullptr;
    const u8 phy = static_cast<u8>(phy_);
    const u8 speed = static_cast<u8>(speed_);
    return MakePerAdapter([phy, speed](u8 adapter) {
        return std::make_unique<AdpPhySetLinkSpeedParsedObject>(TOKEN_PHYSETLINKSPEED, phy, speed, adapter);
    });
}
