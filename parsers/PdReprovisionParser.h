// -PDInstantSecureErase -PhysDrv[E0:S0,E1:S1,...] [-Force] -aN|-a0,1,2|-aALL: erases the named
// self-encrypting drives so that this controller can use them again. The older keyword
// -PdReprovision is parsed the same way and refused by the processor. One parsed object per
// selected adapter, all sharing the drive list of the line.
#pragma once
#include "parsers/PdDriveListParser.h"
#include "parsers/PdOffLineParsedObject.h"

class PdReprovisionParsedObject : public PdOffLineParsedObject {
public:
    using PdOffLineParsedObject::PdOffLineParsedObject;
    ParsedObject* Clone() const override { return new PdReprovisionParsedObject(*this); }

private:
    PdReprovisionParsedObject(const PdReprovisionParsedObject&) = default;
};

class PdReprovisionParser : public PdDriveListParser {
public:
    explicit PdReprovisionParser(u16 commandToken);
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

private:
    u8 force_ = 0;
};
