// The message catalogue: every report line and error text is printed by its 32-bit id.
// Each subsystem keeps its messages in its own table, registered at start-up with a
// MessageTableRegistration; no id may be defined by two tables.
#pragma once
#include <vector>

#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"

class FileHandle;

struct MessageEntry {
    u32 id;
    const char* text;
};

// Registers one table for the lifetime of the registration object; `name` names the table in
// diagnostics. Tables are static objects of their own .cpp files; the catalogue they register
// into is created on first use, so the order of registration does not matter. When two tables
// define an id, the one registered first answers the look-up.
class MessageTableRegistration {
public:
    MessageTableRegistration(const char* name, const MessageEntry* entries, std::size_t count);
    ~MessageTableRegistration();
    MessageTableRegistration(const MessageTableRegistration&) = delete;
    MessageTableRegistration& operator=(const MessageTableRegistration&) = delete;
};

// The text of an id, or null when no table defines it.
const char* GetMessageText(u32 id);

// Formats the catalogue text of the id (a printf format) into a zero-filled 2048-byte buffer
// and prints it through CtPrint. An absent or empty text prints nothing.
void PrintMessage(u32 id, ...);

// Formats the catalogue text into a 1024-byte buffer and writes the result unchanged to the
// file. -1 when the write fails, else 0; an absent or empty text writes nothing.
int FPrintMessage(FileHandle* handle, u32 id, ...);

// Prints the text unchanged through CtPrint (paging, silence, output log).
void CtPrintString(const string& text);

// Formats the text and writes it straight to standard output, after what the console printer
// has written there: neither paged nor silenced nor copied to the output log. The diagnostic
// lines a few commands print beside their reports go this way.
void PrintDirect(const char* format, ...) __attribute__((format(printf, 1, 2)));

// For the catalogue check: one entry per id that is defined a second time, by another table
// or by the same one (then both names are that table's).
struct DuplicateMessageId {
    u32 id;
    const char* firstTable;
    const char* secondTable;
};
std::vector<DuplicateMessageId> FindDuplicateMessageIds();
