// Runs a command's parsed objects on the selected controllers.
#pragma once
#include <memory>
#include <vector>

#include "CpMgmt/CpController.h"
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObjectList.h"

class CpControllerMgmt {
public:
    static CpControllerMgmt& Instance();

    // Processes the parsed objects of one command line (freed when it returns):
    //  - command 6 (adapter count) is answered here: the count of controllers is printed and
    //    returned;
    //  - adapter 252 runs a clone on every controller, in order, up to the first failure;
    //  - an explicit adapter list runs each object on its adapter: adapter information and drive
    //    commands run every listed adapter and answer the first failure, other commands stop at
    //    the first failure;
    //  - the object counts (26, 35) run everywhere and answer the last count;
    //  - processors that report unfinished work are run again while the status is 0.
    // Afterwards the RAID model and the controllers are released.
    int ProcessCommands(ParsedObjectList parsedObjects);

    // One CpController per detected controller, each with a clone of the object (a null clone
    // is accepted); empty when no controller is detected.
    std::vector<std::unique_ptr<CpController>> GetAllCpControllers(const ParsedObject* parsedObject);

    // The CpController for the object's adapter. Ids 1-4 get one without a controller when
    // there is none; others print 0x30002 (no controller) or 0x30003 (not present) and get null.
    std::unique_ptr<CpController> GetCpController(std::unique_ptr<ParsedObject> parsedObject);

private:
    CpControllerMgmt() = default;
};
