// Parsing helpers shared by the command parsers.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "cmdtool/Token.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/ArrayList.h"

class ParserUtil {
public:
    // The drives of a bracketed list "E0:S0,E1:S1,..." in text order, as a new list that the
    // caller owns with its entries. An empty enclosure part gives 0xFFFF, "?" gives 0xCCCC.
    // Enclosure and slot are decimal numbers (blanks around them allowed) up to 65535 and 255;
    // null (nothing printed) for a null text or an element that names no drive.
    static ArrayList<EnclSlotId*>* ParseEnclSlotList(const char* text);

    // One "E:S" text, strictly: 0, or 1 when the text is not of that form.
    static int ParseEnclSlot(const char* text, u16* enclosureId, u8* slot);

    // The number token at `index`: true with its value, the token consumed; false (nothing
    // consumed) when the list ends before it or it is not a number.
    static bool TakeNumber(ArrayList<Token*>* tokens, unsigned index, int* value);

    // Handler of -f (364): consumes it and the following token and keeps that token's text as
    // the file name of the run. -1 when no token follows or it carries no text.
    static int OnFileName(ArrayList<Token*>* tokens, u8 index);
    // A copy of the file name, empty when none was given.
    static string GetFileName();
    static void ClearFileName();
};
