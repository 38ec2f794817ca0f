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
    // The CpController owns the parsed object (which may be null).
    static std::unique_ptr<CpController> Create(Controller* controller, std::unique_ptr<ParsedObject> parsedObject,
                                                u16 commandId);
};
