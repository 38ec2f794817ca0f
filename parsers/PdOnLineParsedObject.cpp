#include "parsers/PdOnLineParsedObject.h"

PdOnLineParsedObject::PdOnLineParsedObject(u16 commandId, const std::vector<PdIdListObject>& drives, u8 operation,
                                           u8 locateOption, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), drives_(drives), operation_(operation), locateOption_(locateOption)
{
}

ParsedObject* PdOnLineParsedObject::Clone() const { return new PdOnLineParsedObject(*this); }
