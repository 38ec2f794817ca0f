// A log string table: eight tables of 32 entries, addressed by an id's high byte (table) and low
// byte (entry). An empty slot, or an id outside the tables, has no text.
#pragma once
#include "ZepUtil/Types.h"

class LogStringTable {
public:
    static constexpr unsigned kTableCount = 8;
    static constexpr unsigned kEntriesPerTable = 32;

    void Put(u32 id, const char* text)
    {
        if (Fits(id))
            text_[id >> 8][id & 0xFF] = text;
    }
    const char* Text(u32 id) const { return Fits(id) ? text_[id >> 8][id & 0xFF] : nullptr; }

private:
    static bool Fits(u32 id) { return (id >> 8) < kTableCount && (id & 0xFF) < kEntriesPerTable; }

    const char* text_[kTableCount][kEntriesPerTable] = {};
};
