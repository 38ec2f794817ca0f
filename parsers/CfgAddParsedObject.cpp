#include "parsers/CfgAddParsedObject.h"

#include <memory>

namespace {
constexpr u8 kListCapacity = 4;
}  // namespace

DriveEntryList* CfgAddParsedObject::CopyDrives(const DriveEntryList* drives, u8 capacity)
{
    if (drives == nullptr)
        return nullptr;
    auto* copy = new DriveEntryList(capacity);
    for (unsigned i = 0; i < drives->GetCount(); ++i) {
        const PdIdListObject* entry = drives->GetAt(static_cast<u8>(i));
        if (entry != nullptr)
            copy->Add(new PdIdListObject(entry->GetEnclId(), entry->GetSlot(), PdIdListObject::kUnusedValue,
                                         PdIdListObject::kUnusedValue));
    }
    return copy;
}

DriveGroupList* CfgAddParsedObject::CopyDriveGroups(const DriveGroupList* groups)
{
    if (groups == nullptr)
        return nullptr;
    auto* copy = new DriveGroupList(groups->GetCount());
    for (unsigned g = 0; g < groups->GetCount(); ++g) {
        const DriveEntryList* group = groups->GetAt(static_cast<u8>(g));
        if (group != nullptr)
            copy->Add(CopyDrives(group, group->GetCount()));
    }
    return copy;
}

SizeList* CfgAddParsedObject::CopySizes(const SizeList* sizes)
{
    if (sizes == nullptr)
        return nullptr;
    auto* copy = new SizeList(kListCapacity);
    for (unsigned i = 0; i < sizes->GetCount(); ++i) {
        const unsigned long long* size = sizes->GetAt(static_cast<u8>(i));
        if (size != nullptr)
            copy->Add(new unsigned long long(*size));
    }
    return copy;
}

void CfgAddParsedObject::DeleteDrives(DriveEntryList* drives) { DeleteList(drives); }

void CfgAddParsedObject::DeleteDriveGroups(DriveGroupList* groups)
{
    // Each group with its entries, then the list of groups.
    const std::unique_ptr<DriveGroupList> owned(groups);
    for (unsigned g = 0; owned && g < owned->GetCount(); ++g)
        DeleteDrives(owned->GetAt(static_cast<u8>(g)));
}

void CfgAddParsedObject::DeleteSizes(SizeList* sizes) { DeleteList(sizes); }

CfgAddParsedObject::CfgAddParsedObject(u16 commandId, u8 raidLevel, u8 force, u8 enblPi, u8 readPolicy,
                                       u8 writePolicy, u8 ioPolicy, u8 cachedBadBbu, u16 stripSize,
                                       const SizeList* sizes, const DriveGroupList* driveGroups,
                                       const DriveEntryList* hotSpares, u8 encryptionType, u8 psPolicy, u8 useCache,
                                       u8 afterLd, u8 adapterNumber)
    : CfgParsedObject(commandId, raidLevel, readPolicy, writePolicy, ioPolicy, cachedBadBbu, stripSize, encryptionType,
                      psPolicy, adapterNumber),
      force_(force),
      enblPi_(enblPi),
      useCache_(useCache),
      afterLd_(afterLd),
      driveGroups_(CopyDriveGroups(driveGroups)),
      sizes_(CopySizes(sizes)),
      hotSpares_(CopyDrives(hotSpares, kListCapacity))
{
}

CfgAddParsedObject::~CfgAddParsedObject()
{
    DeleteDriveGroups(driveGroups_);
    DeleteSizes(sizes_);
    DeleteDrives(hotSpares_);
}

ParsedObject* CfgAddParsedObject::Clone() const
{
    auto* clone = new CfgAddParsedObject(GetCommandId(), GetRaidLevel(), force_, enblPi_, GetReadPolicy(),
                                         GetWritePolicy(), GetIoPolicy(), GetCachedBadBbu(), GetStripSize(), sizes_,
                                         driveGroups_, hotSpares_, GetEncryptionType(), GetPsPolicy(), useCache_,
                                         afterLd_, GetAdapterNumber());
    return clone;
}
