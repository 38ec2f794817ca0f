// The version and help commands: -v prints the banner; -help, -h and ? print the banner and
// the complete usage text, or the usage text of the command named after them. They run with
// or without a controller; a controller's OEM mode chooses the program name in the syntax
// lines (8) and the pass-phrase wording of the security texts (2).
#pragma once
#include <string>

#include "CpMgmt/TypedProcessor.h"
#include "ZepUtil/Types.h"
#include "parsers/AppVersionParsedObject.h"
#include "runtime/ArrayList.h"

class AppVersionCp : public TypedProcessor<AppVersionParsedObject, "AppVersionParsedObject *"> {
public:
    // Without an object of its class the command fails with -1 and prints nothing: the version
    // and help commands print no cast message (message 0x11) as the other processors do.
    int Process(CpController* cpController, ParsedObject* parsedObject) override;
    // -1 when a help command refuses the name after its keyword ("Invalid input at or near
    // tokan"); 0 otherwise.
    int ProcessParsed(CpController* cpController, AppVersionParsedObject* object) override;

    // The OEM mode that Process read (1 without a controller or when the query fails).
    u8 GetOemMode() const { return oemMode_; }

private:
    // The controller's OEM mode, asked of its adapter data; 1 without a controller or when the
    // query fails.
    static u8 ReadOemMode(CpController* cpController);
    // Prints what a help command asks for by the name after its keyword: 0, or -1 after the
    // refusal of a name that no help text has.
    int PrintHelp(const std::string& commandName) const;

    u8 oemMode_ = 1;
};
