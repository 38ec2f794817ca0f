// The help table: for every command that the help command knows, the keyword by which the
// user names it after -h, the command's token id (its row in the keyword table) and its
// usage text. A command's usage text is here whether or not the command itself is built.
#pragma once
#include <cstddef>

#include "ZepUtil/Types.h"
#include "help/UsageText.h"

struct HelpEntry {
    const char* keyword;        // upper case, without the dash: the normalised name after -h
    u16 commandToken;           // kNoCommandToken for a command without a keyword of its own
    const usage::Piece* usage;  // its usage text
};

class HelpTable {
public:
    static constexpr u16 kNoCommandToken = 0;

    // The entry whose keyword equals the name as a whole (byte for byte), or null.
    static const HelpEntry* Find(const char* normalisedName);

    static const HelpEntry* Entries();
    static std::size_t Count();
};
