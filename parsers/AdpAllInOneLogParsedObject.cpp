#include "parsers/AdpAllInOneLogParsedObject.h"

ParsedObject* AdpAllInOneLogParsedObject::Clone() const { return new AdpAllInOneLogParsedObject(*this); }
