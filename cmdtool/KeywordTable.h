// The keyword table: every command and option word of the command line with its token id, its
// context (command words only as the first word, option words only after it) and whether the
// word after it is read as a value whatever it looks like.
#pragma once
#include <cstddef>

#include "ZepUtil/Types.h"

struct KeywordEntry {
    const char* word;  // upper case, without the optional leading '-'
    u16 id;
    u16 context;       // kCommandContext or kOptionContext
    bool takesValue;   // the next word is a value (a 523 string as typed)
};

class KeywordTable {
public:
    static constexpr u16 kCommandContext = 0;
    static constexpr u16 kOptionContext = 65535;

    // The entry whose word equals the text (case-insensitive, `length` bytes); null when none.
    static const KeywordEntry* Find(const char* text, std::size_t length);
    static const KeywordEntry* Find(const char* text);

    // The first entry with the token id (for two words of one id, the first listed); null when none.
    static const KeywordEntry* FindById(u16 id);

    static const KeywordEntry* Entries();
    static std::size_t Count();
};
