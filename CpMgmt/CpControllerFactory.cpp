#include "CpMgmt/CpControllerFactory.h"

#include "CpMgmt/CpController.h"

std::unique_ptr<CpController> CpControllerFactory::Create(Controller* controller,
                                                          std::unique_ptr<ParsedObject> parsedObject, u16 commandId)
{
    return std::make_unique<CpController>(controller, parsedObject.release(), commandId);
}
