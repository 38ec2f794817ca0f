#include "parsers/CfgDsplyParsedObject.h"

CfgDsplyParsedObject::CfgDsplyParsedObject(u16 commandId, u8 adapterNumber) : ParsedObject(commandId, adapterNumber) {}

ParsedObject* CfgDsplyParsedObject::Clone() const { return new CfgDsplyParsedObject(*this); }
