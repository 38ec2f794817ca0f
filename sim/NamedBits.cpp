#include "NamedBits.h"

namespace sim {
namespace {

bool Known(const std::string& name, std::span<const NamedBit> table)
{
    for (const NamedBit& b : table) {
        if (name == b.name)
            return true;
    }
    return false;
}

}  // namespace

NameSet ReadNameSet(const JsonValue& value, const std::string& path, std::span<const NamedBit> table)
{
    NameSet names;
    ReadItems(value, path, table.size() * 2, [&](const JsonValue& item, const std::string& itemPath) {
        std::string name = AsText(item, itemPath, 64);
        if (!Known(name, table))
            Fail(itemPath, "unknown name \"" + name + "\"");
        names.insert(std::move(name));
    });
    return names;
}

Json WriteNameSet(const NameSet& names, std::span<const NamedBit> table)
{
    Json out = Json::array();
    for (const NamedBit& b : table) {
        if (names.count(b.name) != 0)
            out.push_back(b.name);
    }
    return out;
}

void EncodeNameSet(ByteSpan& block, const NameSet& names, std::span<const NamedBit> table)
{
    for (const NamedBit& b : table)
        block.PutBit(b.offset, b.bit, (names.count(b.name) != 0) != b.inverted);
}

}  // namespace sim
