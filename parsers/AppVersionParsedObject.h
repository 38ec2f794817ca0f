// The parsed version and help commands: the command id says which (1 version, 2-4 help), the
// command name is the word the user named after a help keyword ("default" for none).
#pragma once
#include <string>

#include "cmdtool/ParsedObject.h"

class AppVersionParsedObject : public ParsedObject {
public:
    AppVersionParsedObject(u16 commandId, const std::string& commandName, u8 adapterNumber);

    // A copy, so that -v -aALL prints one banner per controller.
    ParsedObject* Clone() const override;

    std::string GetCommandName() const { return commandName_; }

private:
    AppVersionParsedObject(const AppVersionParsedObject&) = default;

    std::string commandName_;
};
