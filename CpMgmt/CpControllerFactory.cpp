#include "CpMgmt/CpControllerFactory.h"

#include "CpMgmt/CpController.h"

CpController* CpControllerFactory::Create(Controller* controller, ParsedObject* parsedObject, u16 commandId)
{
    return new CpController(controller, parsedObject, commandId);
}
