// The complete usage text: a syntax summary of every command, framed by the global options and
// followed by notes and the Qx group. Printed by the help command when no command is named.
#pragma once
#include "ZepUtil/Types.h"
#include "help/UsageText.h"

class AppVersionCp;

// Prints the complete usage text. The processor's OEM mode names the program in the syntax
// lines; `oemMode` chooses the wording (2: the pass-phrase wording).
void PrintUsage(const AppVersionCp& cp, u8 oemMode);

namespace usage {
// The sections of the complete usage text, in the order in which they are printed.
extern const Piece kCompleteHead[];
extern const Piece kCompleteAdapterEntries[];
extern const Piece kCompleteDriveEntries[];
extern const Piece kCompleteConfigEntries[];
extern const Piece kCompleteMaintenanceEntries[];
extern const Piece kCompleteNotes[];
extern const Piece kCompleteTail[];
extern const Piece kCompleteQxEntries[];
}  // namespace usage
