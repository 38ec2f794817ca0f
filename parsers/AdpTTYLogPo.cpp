#include "parsers/AdpTTYLogPo.h"

AdpTTYLogPo::AdpTTYLogPo(u16 commandId, u8 option, u8 adapterNumber) : ParsedObject(commandId, adapterNumber), option_(option)
{
}

ParsedObject* AdpTTYLogPo::Clone() const { return new AdpTTYLogPo(*this); }
