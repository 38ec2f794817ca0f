// Parser of the version command (-v) and the help commands (-help, -h, ?): the command word,
// the name of a command after a help word, and an adapter selection.
#pragma once
#include <string>

#include "cmdtool/Parser.h"

class AppVersionParser : public Parser {
public:
    explicit AppVersionParser(u16 commandToken);

    // Version: one parsed object per selected adapter (adapter 0 when none is selected).
    // Help: one parsed object for adapter 0 whatever the selection.
    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    // Takes the command word and the command name after it: 0, or -1 when the command word is
    // the last token or is followed by anything but a name or an adapter selection.
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);

private:
    // A list of one parsed object with the command name.
    ParsedObjects OneObject(u16 commandId, u8 adapter) const;

    std::string commandName_;
};
