#include "CpMgmt/CmdPro/PdLstCp.h"

#include <algorithm>

#include "CpMgmt/CmdPro/ReportPrint.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<PdListCp> kRegisterPdListCp{TOKEN_PDLIST};

// A drive with its sort keys, read once before sorting so that the order is consistent.
struct SortEntry {
    PhysicalDevice* pd;
    bool readable;
    u16 enclosureId;
    u8 slot;
};

bool Before(const SortEntry& a, const SortEntry& b)
{
    if (a.readable != b.readable)
        return a.readable;
    if (!a.readable)
        return false;
    if (a.enclosureId != b.enclosureId)
        return a.enclosureId < b.enclosureId;
    return a.slot < b.slot;
}

}  // namespace

std::vector<PhysicalDevice*> PdListCp::SortByEnclSlot(const List<PhysicalDevice*>& drives)
{
    std::vector<SortEntry> entries;
    for (unsigned i = 0; i < drives.GetCount(); ++i) {
        PhysicalDevice* pd = drives.GetAt(static_cast<u8>(i));
        if (pd == nullptr)
            continue;
        SortEntry entry{pd, false, 0, 0};
        entry.readable = pd->GetEnclDeviceId(&entry.enclosureId) == 0 && pd->GetSlotNumber(&entry.slot) == 0;
        entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(), Before);
    std::vector<PhysicalDevice*> sorted;
    sorted.reserve(entries.size());
    for (const SortEntry& entry : entries)
        sorted.push_back(entry.pd);
    return sorted;
}

int PdListCp::ProcessParsed(CpController* cpController, PdListParsedObject* object)
{
    const u8 adapter = object->GetAdapterNumber();

    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    if (manager->Refresh() != 0) {
        PrintMessage(CommonMsg::kRaidManagerInitFailed, adapter);
        return -1;
    }
    List<PhysicalDevice*>* drives = nullptr;
    int status = manager->GetPdList(&drives);
    if (status != 0 || drives == nullptr) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "get PD list");
        return status != 0 ? status : -1;
    }

    const std::vector<PhysicalDevice*> sorted = SortByEnclSlot(*drives);
    PrintMessage(CommonMsg::kAdapterTitle, adapter);
    // A drive that cannot be read is reported and the list goes on; the command then fails.
    ReportStatus report;
    for (PhysicalDevice* pd : sorted)
        report.Check(ReportPrint::DriveBlocks(adapter, pd));
    return report.Result();
}
