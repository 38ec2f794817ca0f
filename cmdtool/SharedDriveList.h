// The drive list of one command line, shared by every parsed object made from it and by their
// clones. The list and its entries are deleted exactly once, when its last owner goes.
// OwnerCount() is the process-wide number of live owners (every constructor and copy adds one,
// every destructor takes one away).
#pragma once
#include <memory>

#include "ZepUtil/Types.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "runtime/ArrayList.h"

class SharedDriveList {
public:
    SharedDriveList() : SharedDriveList(nullptr) {}
    // Takes ownership of the list and its entries.
    explicit SharedDriveList(ArrayList<EnclSlotId*>* list);
    SharedDriveList(const SharedDriveList& other);
    SharedDriveList& operator=(const SharedDriveList& other);
    ~SharedDriveList();

    ArrayList<EnclSlotId*>* Get() const { return list_.get(); }
    u8 GetCount() const { return list_ ? list_->GetCount() : 0; }
    EnclSlotId* GetAt(u8 index) const { return list_ ? list_->GetAt(index) : nullptr; }

    static u32 OwnerCount();

private:
    std::shared_ptr<ArrayList<EnclSlotId*>> list_;
};
