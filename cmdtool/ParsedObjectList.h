// The parsed objects of one command line (one per selected adapter), owned by the list: what
// the parser makes and the dispatcher runs is freed with the list, whichever way the run ends.
#pragma once
#include <memory>
#include <vector>

#include "cmdtool/ParsedObject.h"

class ParsedObjectList {
public:
    ParsedObjectList() = default;
    ParsedObjectList(ParsedObjectList&&) = default;
    ParsedObjectList& operator=(ParsedObjectList&&) = default;

    static constexpr unsigned kMaxCount = 255;

    // 0, or -1 (the object is freed) when the list already holds kMaxCount objects; an adapter
    // list never selects that many.
    int Add(std::unique_ptr<ParsedObject> object)
    {
        if (objects_.size() >= kMaxCount)
            return -1;
        objects_.push_back(std::move(object));
        return 0;
    }

    u8 GetCount() const { return static_cast<u8>(objects_.size()); }
    bool IsEmpty() const { return objects_.empty(); }
    // The object at the index (still owned by the list); null past the end.
    ParsedObject* GetAt(unsigned index) const { return index < objects_.size() ? objects_[index].get() : nullptr; }
    // Hands the object at the index on; the list keeps an empty place. Null past the end.
    std::unique_ptr<ParsedObject> Take(unsigned index)
    {
        return index < objects_.size() ? std::move(objects_[index]) : nullptr;
    }

private:
    std::vector<std::unique_ptr<ParsedObject>> objects_;
};

// What a parser answers: the list, or null when the command line does not parse.
using ParsedObjects = std::unique_ptr<ParsedObjectList>;
