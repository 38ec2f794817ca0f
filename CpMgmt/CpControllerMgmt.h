// Runs a command's parsed objects on the selected controllers.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "runtime/ArrayList.h"

class CpController;

class CpControllerMgmt {
public:
    static CpControllerMgmt& Instance();

    // Processes the list (and deletes it with its parsed objects):
    //  - command 6 (adapter count) is answered here: the count of controllers is printed and
    //    returned;
    //  - adapter 252 runs a clone on every controller, in order, up to the first failure;
    //  - an explicit adapter list runs each object on its adapter: adapter information and drive
    //    commands run every listed adapter and answer the first failure, other commands stop at
    //    the first failure;
    //  - the object counts (26, 35) run everywhere and answer the last count;
    //  - processors that report unfinished work are run again while the status is 0.
    // Afterwards the RAID model and the controllers are released.
    int ProcessCommands(ArrayList<ParsedObject*>* parsedObjects);

    // One CpController per detected controller with a clone of the object (a null clone is
    // accepted); null when no controller is detected. Deletes the object.
    ArrayList<CpController*>* GetAllCpControllers(ParsedObject* parsedObject);

    // The CpController for the object's adapter. Ids 1-4 get one without a controller when
    // there is none; others print 0x30002 (no controller) or 0x30003 (not present) and get null.
    // Deletes the object when it answers null.
    CpController* GetCpController(ParsedObject* parsedObject);

private:
    CpControllerMgmt() = default;
};
