// The parsed free space report (-CfgFreeSpaceinfo): the command id and one adapter.
#pragma once
#include "cmdtool/ParsedObject.h"

class FreeSpaceInfoParsedObject : public ParsedObject {
public:
    FreeSpaceInfoParsedObject(u16 commandId, u8 adapterNumber) : ParsedObject(commandId, adapterNumber) {}
    ParsedObject* Clone() const override { return new FreeSpaceInfoParsedObject(*this); }

protected:
    FreeSpaceInfoParsedObject(const FreeSpaceInfoParsedObject&) = default;
};
