// The parsed virtual-drive creation command (-CfgLdAdd, -CfgSpanAdd, -CfgEachDskRaid0): the
// common settings, the drive groups (one per bracketed list), the sizes in 512-byte blocks, the
// dedicated hot spares and the flags of the command line. The object owns deep copies of the
// lists it is given, so the parser and every clone can go in any order.
#pragma once
#include "cmdtool/PdIdListObject.h"
#include "parsers/CfgParsedObject.h"
#include "runtime/ArrayList.h"

using DriveGroupList = ArrayList<ArrayList<PdIdListObject*>*>;
using SizeList = ArrayList<unsigned long long*>;
using DriveEntryList = ArrayList<PdIdListObject*>;

class CfgAddParsedObject : public CfgParsedObject {
public:
    // The list arguments are copied (a null list leaves its field null).
    CfgAddParsedObject(u16 commandId, u8 raidLevel, u8 force, u8 enblPi, u8 readPolicy, u8 writePolicy, u8 ioPolicy,
                       u8 cachedBadBbu, u16 stripSize, const SizeList* sizes, const DriveGroupList* driveGroups,
                       const DriveEntryList* hotSpares, u8 encryptionType, u8 psPolicy, u8 useCache, u8 afterLd,
                       u8 adapterNumber);
    ~CfgAddParsedObject() override;
    CfgAddParsedObject(const CfgAddParsedObject&) = delete;
    CfgAddParsedObject& operator=(const CfgAddParsedObject&) = delete;

    ParsedObject* Clone() const override;

    u8 GetForce() const { return force_; }
    u8 IsEnblPI() const { return enblPi_; }
    // 1: associate the new virtual drives with the FlashTier cache.
    u8 GetUseCache() const { return useCache_; }
    // The virtual drive given with -AfterLd, 0xFF when none.
    u8 GetAfterLd() const { return afterLd_; }
    // Null when the command named no drive group.
    const DriveGroupList* GetDriveGroups() const { return driveGroups_; }
    const SizeList* GetSizeList() const { return sizes_; }
    const DriveEntryList* GetHspList() const { return hotSpares_; }

    // Copies of lists, owned by the caller (null for a null list).
    static DriveGroupList* CopyDriveGroups(const DriveGroupList* groups);
    static DriveEntryList* CopyDrives(const DriveEntryList* drives, u8 capacity);
    static SizeList* CopySizes(const SizeList* sizes);
    static void DeleteDriveGroups(DriveGroupList* groups);
    static void DeleteDrives(DriveEntryList* drives);
    static void DeleteSizes(SizeList* sizes);

private:
    u8 force_;
    u8 enblPi_;
    u8 useCache_;
    u8 afterLd_;
    DriveGroupList* driveGroups_;
    SizeList* sizes_;
    DriveEntryList* hotSpares_;
};
