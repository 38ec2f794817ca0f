#include "CpMgmt/CmdPro/LdInfCp.h"

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CmdPro/PdMessageIds.h"
#include "CpMgmt/CmdPro/ReportPrint.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/TextHelpers.h"
#include "cmdtool/TokenIds.h"
#include "parsers/LdInfoParsedObject.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/Spare.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdInfoCp> kRegisterLdInfoCp{TOKEN_LDINFO};

}  // namespace

int LdInfoCp::PrintDedicatedSpares(VirtualDisk* vd)
{
    List<Spare*>* spares = nullptr;
    int status = vd->GetSpareList(&spares);
    if (status != 0) {
        PrintMessage(CommonMsg::kFailedToGet, "Hot Spare");
        return status;
    }
    if (spares == nullptr || spares->GetCount() == 0)
        return 0;

    PrintMessage(LdMsg::kDedicatedSpareCount, spares->GetCount());
    for (unsigned j = 0; j < spares->GetCount(); ++j) {
        Spare* spare = spares->GetAt(static_cast<u8>(j));
        PhysicalDevice* pd = nullptr;
        status = spare != nullptr ? spare->GetPd(&pd) : -1;
        if (status == 0 && pd == nullptr)
            status = -1;
        if (status != 0) {
            PrintMessage(CommonMsg::kFailedToGet, "PD object");
            return status;
        }
        u16 enclosureId = 0;
        u8 slot = 0;
        status = pd->GetEnclDeviceId(&enclosureId);
        if (status == 0)
            status = pd->GetSlotNumber(&slot);
        if (status != 0) {
            PrintMessage(CommonMsg::kFailedToGet, "PD ID");
            return status;
        }
        PrintMessage(CommonMsg::kText, "    ");
        PrintMessage(CommonMsg::kNumber, static_cast<int>(j));
        PrintMessage(CommonMsg::kText, ": ");
        PrintMessage(PdMsg::kEnclSlot, EnclosureIdText(enclosureId), slot);
    }
    return 0;
}

int LdInfoCp::ProcessParsed(CpController* cpController, LdInfoParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);

    unsigned toShow = object->GetLdCount();
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapter, &vdCount))
        return -1;
    const bool allDrives = object->GetLd(0) == LdParsedObject::kAllLds;
    if (allDrives)
        toShow = vdCount;

    PrintMessage(LdMsg::kInfoTitle, adapter);
    if (vdCount == 0) {
        PrintMessage(LdMsg::kNoVirtualDrive, adapter);
        return 0;
    }
    List<VirtualDisk*>* vds = nullptr;
    if (manager->GetVdList(&vds) != 0 || vds == nullptr)
        return -1;
    manager->SortVdList(vds);
    // The count comes from the controller's virtual-drive list, the drives from its
    // configuration: never walk past the drives there are.
    if (allDrives && toShow > vds->GetCount())
        toShow = vds->GetCount();

    // A listed drive that does not exist is reported and the others are shown; the command
    // then ends with -1, whatever drive follows it. So does a drive whose information block
    // cannot be read (its progress lines), with that read's status.
    ReportStatus report;
    for (unsigned i = 0; i < toShow; ++i) {
        VirtualDisk* vd = nullptr;
        if (allDrives) {
            vd = vds->GetAt(static_cast<u8>(i));
        } else {
            const u8 targetId = object->GetLd(static_cast<u8>(i));
            if (manager->IsTargetIdInUse(targetId, 0))
                vd = FindVdByTarget(vds, targetId);
            if (vd == nullptr)
                PrintMessage(CommonMsg::kVdNotFound, adapter, targetId);
        }
        if (vd == nullptr) {
            report.Fail(-1);
            continue;
        }

        ReportPrint::VdHeading(vd);
        report.Check(ReportPrint::VdBlock(adapter, vd));
        PrintMessage(CommonMsg::kLineEnd);
        PrintMessage(CommonMsg::kLineEnd);

        const int status = PrintDedicatedSpares(vd);
        if (status != 0)
            return status;
    }
    return report.Result();
}
