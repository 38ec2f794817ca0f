#include "cmdtool/SharedDriveList.h"

namespace {
u32 g_owners = 0;
}  // namespace

SharedDriveList::SharedDriveList(ArrayList<EnclSlotId*>* list) : list_(list, &DeleteList<EnclSlotId>) { ++g_owners; }

SharedDriveList::SharedDriveList(const SharedDriveList& other) : list_(other.list_) { ++g_owners; }

SharedDriveList& SharedDriveList::operator=(const SharedDriveList& other)
{
    list_ = other.list_;
    return *this;
}

SharedDriveList::~SharedDriveList() { --g_owners; }

u32 SharedDriveList::OwnerCount() { return g_owners; }
