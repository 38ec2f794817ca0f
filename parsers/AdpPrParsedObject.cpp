#include "parsers/AdpPrParsedObject.h"

AdpPrParsedObject::AdpPrParsedObject(u16 commandId, u16 option, u16 value, const std::tm* startTime, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), option_(option), value_(value)
{
    if (startTime != nullptr && startTime->tm_year != 0)
        startTime_ = *startTime;
}
