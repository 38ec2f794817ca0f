// The parsed PHY commands: -PhyInfo with the PHY number as typed (checked against the
// controller's PHYs by the processor, so a number no PHY has is reported, never cut to another
// PHY), and -PhyErrorCounters with the command id and adapter alone.
#pragma once
#include "cmdtool/ParsedObject.h"
#include "parsers/AdpAllInfoParsedObject.h"

class AdpPhyInfoParsedObject : public AdpAllInfoParsedObject {
public:
    AdpPhyInfoParsedObject(u16 commandId, u8 adapterNumber, int phyNumber)
        : AdpAllInfoParsedObject(commandId, adapterNumber), phyNumber_(phyNumber)
    {
    }
    ParsedObject* Clone() const override { return new AdpPhyInfoParsedObject(*this); }

    int GetPhyNumber() const { return phyNumber_; }

protected:
    AdpPhyInfoParsedObject(const AdpPhyInfoParsedObject&) = default;

private:
    int phyNumber_;
};

class PhyErrCtParsedObject : public ParsedObject {
public:
    PhyErrCtParsedObject(u16 commandId, u8 adapterNumber) : ParsedObject(commandId, adapterNumber) {}
    ParsedObject* Clone() const override { return new PhyErrCtParsedObject(*this); }

protected:
    PhyErrCtParsedObject(const PhyErrCtParsedObject&) = default;
};
