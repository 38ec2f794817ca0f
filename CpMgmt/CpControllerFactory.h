// Creates the CpController for a controller (one CpController class serves every controller
// type).
#pragma once
#include <memory>

#include "ZepUtil/Types.h"

class Controller;
class CpController;
class ParsedObject;

class CpControllerFactory {
public:
    static CpController* Create(Controller* controller, ParsedObject* parsedObject, u16 commandId);
};
