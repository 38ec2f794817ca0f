#include "parsers/PdReplaceMissingParsedObject.h"

PdReplaceMissingParsedObject::PdReplaceMissingParsedObject(u16 commandId, const SharedDriveList& drives, u8 array,
                                                           u8 row, u8 adapterNumber)
    : PdInfoParsedObject(commandId, drives, adapterNumber), array_(array), row_(row)
{
}

ParsedObject* PdReplaceMissingParsedObject::Clone() const { return new PdReplaceMissingParsedObject(*this); }
