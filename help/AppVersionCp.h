// The version and help commands: -v prints the banner; -help, -h and ? print the banner and
// the complete usage text, or the usage text of the command named after them. They run with
// or without a controller; a controller's OEM mode chooses the program name in the syntax
// lines (8) and the pass-phrase wording of the security texts (2).
#pragma once
#include <string>

#include "CpMgmt/CommandProcessor.h"
#include "ZepUtil/Types.h"
#include "runtime/ArrayList.h"

class AppVersionCp : public CommandProcessor {
public:
    // -1 without a parsed object or when a help command refuses the name after its keyword
    // ("Invalid input at or near tokan"); 0 otherwise.
    int Process(CpController* cpController, ParsedObject* parsedObject) override;

    // The OEM mode that Process read (1 without a controller or when the query fails).
    u8 GetOemMode() const { return oemMode_; }

private:
    // Prints what a help command asks for by the name after its keyword: 0, or -1 after the
    // refusal of a name that no help text has.
    int PrintHelp(const std::string& commandName) const;

    u8 oemMode_ = 1;
};
