#include "CpMgmt/CmdPro/LdExpansionCp.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/VdReconstruct.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/Array.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/Span.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdExpansionInfoCp> kRegisterInfoCp{TOKEN_GETLDEXPANSIONINFO};
const CpRegistration<LdExpansionCp> kRegisterExpansionCp{TOKEN_LDEXPANSION};

constexpr u32 kMaxPercent = 100;

using Visit = std::function<int(VirtualDisk* vd, u8 target, bool* end)>;

// The opening both commands share, then `visit` for each selected drive. `percent` is given
// for the expansion (checked after the count is read). The first failure of a drive, a listed
// drive that does not exist included, stays the command's status: a later drive that succeeds
// does not hide it.
int VisitDrives(CpController* cpController, LdParsedObject* object, const u32* percent, const Visit& visit)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    Adapter* adapterElement = nullptr;
    u8 supported = 0;
    if (manager->GetAdapter(&adapterElement) != 0 || adapterElement == nullptr ||
        adapterElement->IsLdExpansionSupported(&supported) != 0) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapter);
        return -1;
    }
    if (supported == 0) {
        PrintMessage(LdMsg::kNoExpansion);
        return -1;
    }
    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapter, &vdCount))
        return -1;
    if (percent != nullptr && *percent > kMaxPercent) {
        // Checked on the number as typed, before it is cut to the request's byte.
        PrintMessage(CommonMsg::kText, "Invalid input, Percentage of expansion cannot be more than 100 \n");
        return -1;
    }
    if (vdCount == 0) {
        PrintMessage(LdMsg::kNoVirtualDrive, adapter);
        return 0;
    }
    LdSelection selection(manager, *object, adapter);
    if (selection.ReadListOrReport() != 0)
        return -1;
    int result = 0;
    const unsigned count = selection.Count(vdCount);
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        VirtualDisk* vd = selection.TargetAt(i, &target) ? selection.Find(target) : nullptr;
        if (vd == nullptr) {
            if (result == 0)
                result = -1;
            continue;
        }
        bool end = false;
        const int status = visit(vd, target, &end);
        if (result == 0)
            result = status;
        if (end)
            return result;
    }
    return result;
}

// The span's array, when it is not missing: 0 and the array (null for a missing one), or the
// failing status.
int SpanArray(Span* span, Array** array)
{
    *array = nullptr;
    if (span == nullptr)
        return -1;
    Array* found = nullptr;
    int status = span->GetArray(&found);
    if (status != 0)
        return status;
    if (found == nullptr)
        return -1;
    u8 missing = 0;
    status = found->IsMissing(&missing);
    if (status != 0)
        return status;
    if (missing == 0)
        *array = found;
    return 0;
}

// Each array of the virtual drive's spans that is not missing, in span order, given to
// `visit(array, &result)`. A span list or span that cannot be read ends the drive (`*end`) with
// its status; a visit that sets `*end` ends the walk with the status it answers. Otherwise the
// answer is `result`, which the visits keep.
template <typename Visit>
int LdExpansionWalkArrays(VirtualDisk* vd, bool* end, Visit visit)
{
    List<Span*>* spans = nullptr;
    int status = vd->GetSpanList(&spans);
    if (status != 0 || spans == nullptr) {
        *end = true;
        return status != 0 ? status : -1;
    }
    int result = 0;
    for (unsigned s = 0; s < spans->GetCount(); ++s) {
        Array* array = nullptr;
        status = SpanArray(spans->GetAt(static_cast<u8>(s)), &array);
        if (status != 0) {
            *end = true;
            return status;
        }
        if (array == nullptr)
            continue;
        status = visit(array, &result);
        if (*end)
            return status;
    }
    return result;
}

// The blocks a virtual drive of the level holds on `drives` members of `perDrive` blocks.
bool PotentialSize(u8 level, u64 drives, u64 perDrive, u64* blocks)
{
    switch (level) {
    case 0: *blocks = drives * perDrive; return true;
    case 1: *blocks = drives * perDrive / 2; return true;
    case 5: *blocks = drives > 1 ? (drives - 1) * perDrive : 0; return true;
    case 6: *blocks = drives > 2 ? (drives - 2) * perDrive : 0; return true;
    default: return false;
    }
}

// The size of the array's smallest member. False for an array without members, and for a member
// whose information cannot be read: that drive is named and `*read` is the read's status.
bool SmallestMemberSize(Array* array, u8 adapter, u64* smallest, int* read)
{
    List<PhysicalDevice*>* members = nullptr;
    if (array->GetPdList(&members) != 0 || members == nullptr || members->GetCount() == 0)
        return false;
    u64 found = UINT64_MAX;
    for (unsigned i = 0; i < members->GetCount(); ++i) {
        PhysicalDevice* pd = members->GetAt(static_cast<u8>(i));
        if (pd == nullptr)
            return false;
        u64 size = 0;
        *read = pd->GetCoercedSize(&size);
        if (*read != 0) {
            u16 enclosureId = 0;
            u8 slot = 0;
            pd->GetEnclDeviceId(&enclosureId);
            pd->GetSlotNumber(&slot);
            PrintDriveReadFailure(adapter, enclosureId, slot);
            return false;
        }
        found = std::min(found, size);
    }
    *smallest = found;
    return true;
}

// The room on the array's drives: what the drive's level would hold on the array's smallest drive
// beyond the drive's size, when the array is smaller than that drive. False when a size or the
// level cannot be had; `*read` is then the status of a member's information that could not be
// read (the drive named), else 0.
bool ExpansionRoomOnDrives(VirtualDisk* vd, Array* array, u8 adapter, u64* room, int* read)
{
    *room = 0;
    *read = 0;
    u64 arraySize = 0;
    u64 smallest = 0;
    if (array->GetSize(&arraySize) != 0 || !SmallestMemberSize(array, adapter, &smallest, read))
        return false;
    if (arraySize >= smallest)
        return true;
    u8 level = 0;
    u8 drives = 0;
    u64 size = 0;
    u64 potential = 0;
    vd->GetRaidLevel(&level);
    vd->GetNumDrives(&drives);
    vd->GetCapacity(&size);
    if (!PotentialSize(level, drives, smallest, &potential))
        return false;
    // A drive of several spans holds more than one array's share: no room then.
    *room = potential > size ? potential - size : 0;
    return true;
}

void PrintSize(u32 messageId, u64 blocks)
{
    char text[32] = {};
    KBToSizeText(blocks / 2, text);
    PrintMessage(messageId, text);
}

}  // namespace

int LdExpansionInfoCp::FreeSpaceInfoList(ArrayList<ArraySpaceInfo*>* list)
{
    DeleteList(list);
    return 0;
}

int LdExpansionInfoCp::ProcessParsed(CpController* cpController, LdExpansionInfoParsedObject* object)
{
    adapter_ = AdapterNumberOf(cpController);
    reads_ = ReportStatus();
    const int status = VisitDrives(cpController, object, nullptr,
                                   [this](VirtualDisk* vd, u8 target, bool* end) { return Report(vd, target, end); });
    return status != 0 || !reads_.Failed() ? status : reads_.Result();
}

int LdExpansionInfoCp::Report(VirtualDisk* vd, u8 target, bool* end)
{
    // A drive whose allowed operations cannot be read is not shown as one that cannot grow.
    u8 allowed = 0;
    const int read = vd->IsExpansionAllowed(&allowed);
    if (read != 0) {
        reads_.Fail(read);
        char what[64];
        std::snprintf(what, sizeof what, "the allowed operations of virtual drive %d", target);
        PrintReadFailure(adapter_, what);
        return 0;
    }
    if (allowed == 0) {
        PrintMessage(LdMsg::kExpansionImpossible, target, vd->GetId()->GetTargetId());
        return 0;
    }
    // "Not possible" is an answer of the report; a span whose free space or capacity could not
    // be read is a failure that a later span does not hide.
    return LdExpansionWalkArrays(vd, end, [this, vd, target, end](Array* array, int* result) {
        const int status = ReportArray(vd, array, target, end);
        if (*end)
            return status != 0 ? status : *result;
        if (*result == 0)
            *result = status;
        return 0;
    });
}

int LdExpansionInfoCp::ReportArray(VirtualDisk* vd, Array* array, u8 target, bool* end)
{
    const u16 targetId = vd->GetId()->GetTargetId();
    ArrayList<ArraySpaceInfo*>* extents = nullptr;
    int status = array->GetFreeSpaceList(&extents);
    const OwnedList<ArraySpaceInfo> free(extents);
    if (status == Array::kStatusNoFreeSpace) {
        PrintMessage(LdMsg::kExpansionImpossible, target, targetId);
        return 0;
    }
    if (status != 0)
        return status;
    if (!free || free->GetCount() == 0) {
        PrintMessage(LdMsg::kExpansionImpossible, target, targetId);
        *end = true;
        return 0;
    }
    PrintMessage(LdMsg::kExpansionPossible, target, targetId);
    u64 capacity = 0;
    status = array->GetVdCapacity(free->GetAt(static_cast<u8>(free->GetCount() - 1)), &capacity);
    if (status != 0)
        return status;
    PrintSize(LdMsg::kRoomInArray, capacity);
    u64 room = 0;
    int read = 0;
    if (!ExpansionRoomOnDrives(vd, array, adapter_, &room, &read)) {
        if (read != 0) {
            reads_.Fail(read);
            return 0;
        }
        *end = true;
        return -1;
    }
    PrintSize(LdMsg::kRoomInDisks, room);
    return 0;
}

int LdExpansionCp::ProcessParsed(CpController* cpController, LdExpansionParsedObject* object)
{
    object_ = object;
    adapter_ = AdapterNumberOf(cpController);
    const u32 percent = object->GetPercent();
    return VisitDrives(cpController, object, &percent,
                       [this](VirtualDisk* vd, u8 target, bool* end) { return Expand(vd, target, end); });
}

int LdExpansionCp::Expand(VirtualDisk* vd, u8 target, bool* end)
{
    u8 allowed = 0;
    int status = vd->IsExpansionAllowed(&allowed);
    if (status != 0) {
        *end = true;
        return status;
    }
    if (allowed == 0)
        PrintMessage(LdMsg::kExpansionNotAllowed, target, adapter_);
    // An array without room refuses the expansion; that refusal, and a span that failed, stay
    // the drive's status whatever the spans after it give.
    return LdExpansionWalkArrays(vd, end, [this, vd, target, end](Array* array, int* result) {
        return ExpandArray(vd, array, target, result, end);
    });
}

int LdExpansionCp::ExpandArray(VirtualDisk* vd, Array* array, u8 target, int* result, bool* end)
{
    int status = 0;
    if (object_->GetDontExpandArray() != 1) {
        status = array->ExpandToMinPdSize();
        if (status != 0) {
            *end = true;
            return status;
        }
    }
    ArrayList<ArraySpaceInfo*>* extents = nullptr;
    status = array->GetFreeSpaceList(&extents);
    const OwnedList<ArraySpaceInfo> free(extents);
    if (status == Array::kStatusNoFreeSpace) {
        PrintMessage(LdMsg::kNoRoom, target, adapter_);
        if (*result == 0)
            *result = -1;
        return 0;
    }
    if (status != 0) {
        if (*result == 0)
            *result = status;
        return 0;
    }
    if (!free || free->GetCount() == 0) {
        PrintMessage(LdMsg::kNoRoom, target, adapter_);
        *end = true;
        return *result != 0 ? *result : -1;
    }
    u8 level = 0;
    vd->GetRaidLevel(&level);
    List<PhysicalDevice*>* members = nullptr;
    status = array->GetPdList(&members);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter_, "to get PD list");
        *end = true;
        return status;
    }
    status = vd->StartReconstruction(level, vdrecon::kChangeNone, members, static_cast<u8>(object_->GetPercent()));
    PrintMessage(status != 0 ? LdMsg::kExpandFailed : LdMsg::kExpanded, target, adapter_);
    if (*result == 0)
        *result = status;
    return 0;
}
