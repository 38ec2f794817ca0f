#include "parsers/AppVersionParsedObject.h"

AppVersionParsedObject::AppVersionParsedObject(u16 commandId, const std::string& commandName, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), commandName_(commandName)
{
}

ParsedObject* AppVersionParsedObject::Clone() const { return new AppVersionParsedObject(*this); }
