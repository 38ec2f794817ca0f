#include "parsers/PdInfoParsedObject.h"

PdInfoParsedObject::PdInfoParsedObject(u16 commandId, const SharedDriveList& drives, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), drives_(drives)
{
}

ParsedObject* PdInfoParsedObject::Clone() const { return new PdInfoParsedObject(*this); }
