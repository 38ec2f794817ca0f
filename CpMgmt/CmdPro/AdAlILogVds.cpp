// The virtual-drive section of the diagnostic log: the list entry and the detail of each
// virtual drive (policies, levels, states, spans, redundancy, running operations and the drives
// of the arrays that hold it).
#include <algorithm>

#include "CpMgmt/CmdPro/AdAlILogCp.h"
#include "CpMgmt/CmdPro/CfgMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "fwdata/OpProgress.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/ByteView.h"
#include "fwdata/VdValueText.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/VdInfo.h"
#include "fwdata/layout/VdList.h"
#include "fwdata/layout/VdRecord.h"
#include "raidmodel/Array.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

constexpr u8 kMaxStripExponent = 31;  // larger strips do not occur; the text is held there

std::string ReadPolicy(u8 policy, bool current)
{
    if ((policy & vdrec::kCacheReadMask) == vdrec::kCacheReadAdaptive)
        return "Adaptive Read Ahead";
    if ((policy & vdrec::kCacheReadMask) == vdrec::kCacheReadAhead)
        return "Read Ahead";
    return current ? "No Read Ahead " : "No Read Ahead";
}

std::string WritePolicy(u8 policy, bool current)
{
    if ((policy & vdrec::kCacheWriteBack) != 0 && (policy & vdrec::kCacheBadBbu) != 0)
        return current ? "Write caching ok if bad BBU\n" : "Write caching ok if bad BBU";
    if ((policy & vdrec::kCacheWriteBack) != 0)
        return current ? "Write Back" : "WriteBack ";
    return "Write through";
}

std::string CachePolicy(u8 policy)
{
    return (policy & vdrec::kCacheCachedIo) == vdrec::kCacheCachedIo ? "Cached IO" : "Direct IO";
}

std::string InitText(u8 state)
{
    using namespace alilog;
    static constexpr const char* kStates[] = {"No init in progress", "Quick init in progress", "Full init in progress"};
    return state < 3 ? kStates[state] : Format("Unknown Init State : %d", state);
}

std::string ConsistencyText(u8 state)
{
    using namespace alilog;
    if (state == 0)
        return "Not Consistent or Not Applicable";
    return state == 1 ? "Consistent" : Format("Unknown State : %d", state);
}

// The redundant space of the drive in MB; a drive whose spans are too small for its level has
// none.
void PrintRedundantSpace(const ByteView& vd)
{
    using namespace alilog;
    const u64 size = vd.U64(vdinfo::kOffSizeBlocks);
    const u64 perSpan = vd.U8(vdrec::kOffDrivesPerSpan);
    const u64 spans = vd.U8(vdrec::kOffSpanDepth);
    u64 space = 0;
    switch (vd.U8(vdrec::kOffPrimaryLevel)) {
    case 1:
    case 0x11:
        space = size * spans;
        break;
    case 5:
        space = perSpan > 1 ? size / (perSpan - 1) * spans : 0;
        break;
    case 6:
        space = perSpan > 2 ? size / (perSpan - 2) * spans * 2 : 0;
        break;
    default:
        break;
    }
    Text(Format("\n%s %u\n", "Total Redudent space(MB)       :", static_cast<unsigned>(space / 2048)));
}

void PrintVdProgress(const ByteView& vd)
{
    using namespace alilog;
    const u32 running = vd.U32(vdinfo::kOffRunning);
    if ((running & 0x0F) == 0)
        return;
    Text("Progress Information\n");
    const struct {
        u32 bit;
        const char* name;
        Field<u16> progress;
    } operations[] = {{vdinfo::kRunningCc, "Check Consistency", vdinfo::kOffCcProgress},
                      {vdinfo::kRunningBgi, "Background Initialization", vdinfo::kOffBgiProgress},
                      {vdinfo::kRunningInit, "Foreground Initialization", vdinfo::kOffInitProgress},
                      {vdinfo::kRunningRecon, "Reconstruction", vdinfo::kOffReconProgress}};
    for (const auto& op : operations) {
        if ((running & op.bit) != 0)
            Text(Format("\t%s in progress : Progress = %d; Elapsed Secs = %d\n", op.name,
                        OpProgress::Percent(vd, op.progress),
                        vd.U16(op.progress.offset + vdinfo::kProgressOffSeconds)));
    }
}

void PrintDetail(const ByteView& vd)
{
    using namespace alilog;
    const u8 targetId = vd.U8(vdrec::kOffTargetId);
    Text("\n\nDetail Logical Drive Information");
    Text("\n--------------------------------");
    LineEnd();
    Text("\nTarget ID                      : ");
    PrintMessage(CommonMsg::kNumber, targetId);
    Text("\nSequence Number                : ");
    PrintMessage(CommonMsg::kNumber, vd.U16(vdrec::kOffSeqNum));
    Text("\nLogical Drive name             : ");
    Text(vd.Text(vdrec::kName));
    PrintRedundantSpace(vd);

    const u8 defaults = vd.U8(vdrec::kOffDefaultCache);
    const u8 current = vd.U8(vdrec::kOffCurrentCache);
    const u8 access = vd.U8(vdrec::kOffDefaultAccess);
    const u8 diskCache = vd.U8(vdrec::kOffDiskCache);
    Text(Format("\nDefault Read Policy            : %s\nDefault Write Policy           : %s"
                "\nDefault Cache Policy           : %s\nCurrent Read Policy            : %s"
                "\nCurrent Write Policy           : %s\nCurrent Cache Policy           : %s"
                "\nPD Cache Policy                : %s\nAccess Policy                  : %s",
                ReadPolicy(defaults, false).c_str(), WritePolicy(defaults, false).c_str(), CachePolicy(defaults).c_str(),
                ReadPolicy(current, true).c_str(), WritePolicy(current, true).c_str(), CachePolicy(current).c_str(),
                diskCache == 0 ? "UNCHANGED" : diskCache == 1 ? "ENABLED" : "DISABLED",
                access == 3 ? "Blocked" : access == 2 ? "Read Only" : "Read/Write"));

    const unsigned exponent = std::min<unsigned>(vd.U8(vdrec::kOffStripExponent), kMaxStripExponent);
    std::string raid = Format("\nBackground Initialization      : %s\nPrimary RAID Level             : %d"
                              "\nRAID Level Qualifier           : %d\nSecondary RAID Level           : %d"
                              "\nStrip Size per DDF            : %d (%dK)\n# of drivers per span          : %d"
                              "\n# of spans                     : %d",
                              vd.U8(vdrec::kOffBgiDisabled) != 0 ? "Disabled" : "Enabled", vd.U8(vdrec::kOffPrimaryLevel),
                              vd.U8(vdrec::kOffLevelQualifier), vd.U8(vdrec::kOffSecondaryLevel),
                              vd.U8(vdrec::kOffStripExponent), static_cast<int>((u64{1} << exponent) / 2),
                              vd.U8(vdrec::kOffDrivesPerSpan), vd.U8(vdrec::kOffSpanDepth));
    if (vd.U8(vdrec::kOffPreservedCache) != 0)
        raid += "\nPreserved Cache Data\t\t   : Yes";
    raid += Format("\nInit Progress State            : %s\nState                          : %s"
                   "\nConsistentcy                   : %s",
                   InitText(vd.U8(vdrec::kOffInitState)).c_str(), VdLogStateText(vd.U8(vdrec::kOffState)).c_str(),
                   ConsistencyText(vd.U8(vdrec::kOffConsistent)).c_str());
    Text(raid);

    const u32 spans = std::min<u32>(vd.U8(vdrec::kOffSpanDepth), vdrec::kMaxSpans);
    for (u32 s = 0; s < spans; ++s) {
        const ByteView span = vd.Sub(vdrec::kOffSpans + s * vdrec::kSpanSize, vdrec::kSpanSize);
        Text(Format("\nSpan# %d                        :\n Start Block     : %lldMB\n # blocks        : %lldMB"
                    "\n Array Index     : %d",
                    static_cast<int>(s), static_cast<long long>(span.U64(vdrec::kSpanOffStart) / 2048),
                    static_cast<long long>(span.U64(vdrec::kSpanOffBlocks) / 2048), span.U16(vdrec::kSpanOffArrayRef)));
    }
    Text(Format("\n\nTotal size of the logical drive: %lldMB", static_cast<long long>(vd.U64(vdinfo::kOffSizeBlocks) / 2048)));
    PrintVdProgress(vd);
    Text(Format("\n%-30s: %d\n", "Logical Drive owner's Device ID", vd.U16(vdinfo::kOffOwner)));
}

}  // namespace

int AdpAlIInLogCp::PrintArrayDeviceIds(CpController* cpController, u8 targetId)
{
    using namespace alilog;
    RaidManager* manager = RaidManager::GetRaidManager(cpController ? cpController->GetController() : nullptr);
    if (manager == nullptr || manager->Refresh() != 0) {
        PrintReadFailure(AdapterNumberOf(cpController), Format("the drives of virtual drive %d", targetId).c_str());
        return -1;
    }
    List<DiskGroup*>* groups = nullptr;
    int status = manager->GetDiskGroupList(&groups);
    if (status != 0 || groups == nullptr) {
        PrintMessage(CfgMsg::kNoDiskGroupList);
        return status != 0 ? status : -1;
    }
    for (u8 g = 0; g < groups->GetCount(); ++g) {
        List<Array*>* arrays = nullptr;
        status = groups->GetAt(g)->GetArrayList(&arrays);
        if (status != 0 || arrays == nullptr) {
            PrintMessage(CommonMsg::kFailedToGet, "Array List");
            return status != 0 ? status : -1;
        }
        for (u8 a = 0; a < arrays->GetCount(); ++a) {
            Array* array = arrays->GetAt(a);
            if (array == nullptr) {
                PrintMessage(CommonMsg::kFailedToGet, "Array");
                return -1;
            }
            List<VirtualDisk*>* vds = nullptr;
            status = array->GetVdList(&vds);
            if (status != 0 || vds == nullptr) {
                PrintMessage(CommonMsg::kFailedToGet, "VD");
                return status != 0 ? status : -1;
            }
            bool holds = false;
            for (u8 v = 0; v < vds->GetCount(); ++v)
                holds = holds || (vds->GetAt(v) != nullptr && vds->GetAt(v)->GetId()->GetFwTargetId() == targetId);
            if (!holds)
                continue;
            List<PhysicalDevice*>* drives = nullptr;
            status = array->GetPdList(&drives);
            if (status != 0 || drives == nullptr) {
                PrintMessage(CommonMsg::kFailedToGet, "PD");
                return status != 0 ? status : -1;
            }
            Text("Number of Physical Devices  : ");
            PrintMessage(CommonMsg::kNumber, drives->GetCount());
            LineEnd();
            for (u8 k = 0; k < drives->GetCount(); ++k) {
                if (k % 16 != 0)
                    LineEnd();
                u16 deviceId = 0;
                drives->GetAt(k)->GetDeviceId(&deviceId);
                Text("Device IDs:     ");
                PrintMessage(CommonMsg::kNumber, deviceId);
            }
        }
    }
    return 0;
}

int AdpAlIInLogCp::PrintLdSection(CpController* cpController, u8 adapterNumber)
{
    using namespace alilog;
    u8 listBlock[vdlist::kSize] = {};
    const int listed = SendDcmd(cpController, kDcmdLdGetList, listBlock, 0);
    if (listed != 0) {
        PrintReadFailure(adapterNumber, "the virtual drive list");
        return listed;
    }
    const ByteView list(listBlock);
    const u32 count = std::min<u32>(list.U32(vdlist::kOffCount) & 0xFFFF, vdlist::kMaxEntries);
    Text("\n\n# of Logical Drives :");
    PrintMessage(CommonMsg::kNumber, count);
    LineEnd();
    // A virtual drive that cannot be read, or whose drives cannot, is named; the next one follows.
    ReportStatus status;
    for (u32 i = 0; i < count; ++i) {
        const ByteView entry = list.Sub(vdlist::kOffEntries + i * vdlist::kEntrySize, vdlist::kEntrySize);
        const u8 targetId = entry.U8(vdlist::kEntryOffTargetId);
        Text("\nLogical Drive# ");
        PrintMessage(CommonMsg::kNumber, i);
        Text("\n================");
        Text("\n        Target ID            : ");
        PrintMessage(CommonMsg::kNumber, targetId);
        Text("\n        Sequence Number      : ");
        PrintMessage(CommonMsg::kNumber, entry.U16(vdlist::kEntryOffSeqNum));
        Text(Format("\n        Size                 : %lld MB",
                    static_cast<long long>(entry.U64(vdlist::kEntryOffBlocks) / 2048)));
        u8 block[vdinfo::kSize] = {};
        const int read = SendDcmd(cpController, kDcmdLdGetInfo, block, 0, RequestMailbox(targetId));
        if (read != 0) {
            status.Fail(read);
            LineEnd();
            PrintReadFailure(adapterNumber, Format("the information of virtual drive %d", targetId).c_str());
            LineEnd();
            continue;
        }
        const ByteView vd(block);
        PrintDetail(vd);
        status.Check(PrintArrayDeviceIds(cpController, vd.U8(vdrec::kOffTargetId)));
        LineEnd();
        LineEnd();
    }
    return status.Result();
}
