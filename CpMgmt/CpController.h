// Runs one parsed object on one controller (or, for the help commands, on none). Owns the
// parsed object and the processor it creates.
#pragma once
#include <memory>

#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

class Controller;

class CpController {
public:
    // Takes ownership of the parsed object (which may be null: a class whose Clone answers
    // null still runs, and its processor gets null).
    CpController(Controller* controller, ParsedObject* parsedObject, u16 commandId);
    ~CpController() = default;
    CpController(const CpController&) = delete;
    CpController& operator=(const CpController&) = delete;

    Controller* GetController() const { return controller_; }
    ParsedObject* GetParsedObject() const { return parsedObject_.get(); }
    u16 GetCommandId() const { return commandId_; }

    // The pre-checks (unless the command id is exempt or there is no controller), then the
    // processor for the command id and its Process. The first call creates the processor;
    // later calls (repeat passes) run the same processor again.
    int Execute();
    // The processor's answer; 1 before it exists.
    int IsDone() const;

private:
    int PreChecks();

    Controller* controller_;
    std::unique_ptr<ParsedObject> parsedObject_;
    u16 commandId_;
    std::unique_ptr<CommandProcessor> processor_;
};
