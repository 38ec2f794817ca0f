// The parsed PHY link speed command (-PhySetLinkSpeed) for one adapter: the PHY and the link
// speed code it is limited to.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

class AdpPhySetLinkSpeedParsedObject : public ParsedObject {
public:
    AdpPhySetLinkSpeedParsedObject(u16 commandId, u8 phy, u8 linkSpeed, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), phy_(phy), linkSpeed_(linkSpeed)
    {
    }
    ParsedObject* Clone() const override { return new AdpPhySetLinkSpeedParsedObject(*this); }

    u8 GetPhy() const { return phy_; }
    u8 GetLinkSpeed() const { return linkSpeed_; }

protected:
    AdpPhySetLinkSpeedParsedObject(const AdpPhySetLinkSpeedParsedObject&) = default;

private:
    u8 phy_;
    u8 linkSpeed_;
};
