#include "parsers/PdRbldDriveList.h"

#include <memory>

#include "cmdtool/ParserUtil.h"
#include "raidmodel/ids/EnclSlotId.h"


PdIdList::PdIdList(const PdIdList& other) { *this = other; }

PdIdList& PdIdList::operator=(const PdIdList& other)
{
    if (this == &other)
        return *this;
    DeleteElements(list_);
    for (unsigned i = 0; i < other.GetCount(); ++i) {
        const PdIdListObject* entry = other.GetAt(static_cast<u8>(i));
        Append(entry->GetEnclId(), entry->GetSlot());
    }
    return *this;
}

PdIdList::~PdIdList() { DeleteElements(list_); }

int PdIdList::Append(u16 enclosureId, u8 slot)
{
    auto entry =
        std::make_unique<PdIdListObject>(enclosureId, slot, PdIdListObject::kUnusedValue, PdIdListObject::kUnusedValue);
    if (list_.Add(entry.get()) != 0)
        return -1;
    entry.release();  // the list owns it
    return 0;
}

int PdIdList::AppendEnclSlotText(const char* text)
{
    if (text == nullptr)
        return -1;
    OwnedList<EnclSlotId> parsed(ParserUtil::ParseEnclSlotList(text));
    if (!parsed || GetCount() + parsed->GetCount() > ArrayList<PdIdListObject*>::kMaxCount)
        return -1;
    for (unsigned i = 0; i < parsed->GetCount(); ++i) {
        const EnclSlotId* id = parsed->GetAt(static_cast<u8>(i));
        if (Append(id->GetEnclId(), id->GetSlot()) != 0)
            return -1;
    }
    return 0;
}
