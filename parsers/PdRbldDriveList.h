// The drive list of the rebuild, copyback and hot-spare commands: the -PhysDrv drives as
// PdIdListObject entries (enclosure id, slot, -1, -1), owned by the list. Copying a list copies
// its entries, so every parsed object and clone keeps a list of its own.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/PdIdListObject.h"
#include "runtime/ArrayList.h"

class PdIdList {
public:
    PdIdList() = default;
    PdIdList(const PdIdList& other);
    PdIdList& operator=(const PdIdList& other);
    ~PdIdList();

    // Appends the drives of a bracketed list text ("E0:S0,E1:S1,..."): 0, or -1 (nothing
    // appended) when the text is null, names no drive somewhere, or the list would pass 255.
    int AppendEnclSlotText(const char* text);
    // Appends a copy of the entry: 0, or -1 when the list is full.
    int Append(u16 enclosureId, u8 slot);

    u8 GetCount() const { return list_.GetCount(); }
    // The entry at the index, null past the end.
    const PdIdListObject* GetAt(u8 index) const { return list_.GetAt(index); }
    const ArrayList<PdIdListObject*>& GetList() const { return list_; }

private:
    ArrayList<PdIdListObject*> list_;
};
