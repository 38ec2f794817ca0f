#include "runtime/CtMessage.h"

#include <cstdarg>
#include <cstdio>
#include <unordered_map>

#include "ZepUtil/QuickFormat.h"
#include "runtime/CtPrint.h"
#include "runtime/FileIO.h"

namespace {

constexpr std::size_t kPrintBufferSize = 2048;
constexpr std::size_t kFileBufferSize = 1024;

struct RegisteredTable {
    const MessageTableRegistration* owner;
    const char* name;
    const MessageEntry* entries;
    std::size_t count;
};

// The registered tables in registration order, and an id index built from them on demand.
struct Catalogue {
    std::vector<RegisteredTable> tables;
    std::unordered_map<u32, const char*> index;
    bool indexCurrent = false;

    void RebuildIndex()
    {
        index.clear();
        for (const RegisteredTable& table : tables)
            for (std::size_t i = 0; i < table.count; ++i)
                index.emplace(table.entries[i].id, table.entries[i].text);  // the first definition stays
        indexCurrent = true;
    }
};

Catalogue& TheCatalogue()
{
    static Catalogue catalogue;
    return catalogue;
}

}  // namespace

MessageTableRegistration::MessageTableRegistration(const char* name, const MessageEntry* entries, std::size_t count)
{
    Catalogue& catalogue = TheCatalogue();
    catalogue.tables.push_back({this, name ? name : "", entries, entries ? count : 0});
    catalogue.indexCurrent = false;
}

MessageTableRegistration::~MessageTableRegistration()
{
    Catalogue& catalogue = TheCatalogue();
    std::erase_if(catalogue.tables, [this](const RegisteredTable& table) { return table.owner == this; });
    catalogue.indexCurrent = false;
}

const char* GetMessageText(u32 id)
{
    Catalogue& catalogue = TheCatalogue();
    if (!catalogue.indexCurrent)
        catalogue.RebuildIndex();
    auto found = catalogue.index.find(id);
    return found == catalogue.index.end() ? nullptr : found->second;
}

void PrintMessage(u32 id, ...)
{
    const char* format = GetMessageText(id);
    if (format == nullptr || *format == '\0')
        return;
    char text[kPrintBufferSize];
    va_list args;
    va_start(args, id);
    QuickVFormat(text, sizeof(text), format, args);  // a longer text is cut, never overrun
    va_end(args);
    CtPrint::Instance().Print(text);
}

int FPrintMessage(FileHandle* handle, u32 id, ...)
{
    const char* format = GetMessageText(id);
    if (format == nullptr || *format == '\0')
        return 0;
    char text[kFileBufferSize] = {};
    va_list args;
    va_start(args, id);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    // The formatted text is written as it stands; it is never used as a format again.
    return GetFileIO()->Printf(handle, "%s", text) < 0 ? -1 : 0;
}

void CtPrintString(const string& text) { CtPrint::Instance().Print(text.GetCStr()); }

void PrintDirect(const char* format, ...)
{
    std::va_list args;
    va_start(args, format);
    std::vfprintf(stdout, format, args);
    va_end(args);
}

std::vector<DuplicateMessageId> FindDuplicateMessageIds()
{
    std::vector<DuplicateMessageId> duplicates;
    std::unordered_map<u32, const char*> firstTable;
    for (const RegisteredTable& table : TheCatalogue().tables) {
        for (std::size_t i = 0; i < table.count; ++i) {
            auto [at, inserted] = firstTable.emplace(table.entries[i].id, table.name);
            if (!inserted)
                duplicates.push_back({table.entries[i].id, at->second, table.name});
        }
    }
    return duplicates;
}
