#include "CpMgmt/CmdPro/LdPdInfCp.h"

#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/ReportPrint.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Array.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/Span.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdPdInfoCp> kRegisterLdPdInfoCp{TOKEN_LDPDINFO};

constexpr const char* kLdPdOperation = "to get LD/PD information";
constexpr const char* kPdListOperation = "to get PD list";

// The status, never 0 for a failure that found a null element.
int FailureStatus(int status) { return status != 0 ? status : -1; }

}  // namespace

int LdPdInfoCp::PrintVd(u8 adapter, VirtualDisk* vd, ReportStatus& report)
{
    List<Span*>* spans = nullptr;
    int status = vd->GetSpanList(&spans);
    if (status != 0 || spans == nullptr) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, kLdPdOperation);
        return FailureStatus(status);
    }
    ReportPrint::VdHeading(vd);
    report.Check(ReportPrint::VdBlock(adapter, vd));
    PrintMessage(LdMsg::kSpanCount, spans->GetCount());

    for (unsigned s = 0; s < spans->GetCount(); ++s) {
        Span* span = spans->GetAt(static_cast<u8>(s));
        Array* array = nullptr;
        status = span != nullptr ? span->GetArray(&array) : -1;
        if (status != 0 || array == nullptr) {
            PrintMessage(CommonMsg::kOperationFailed, adapter, kLdPdOperation);
            return FailureStatus(status);
        }
        List<PhysicalDevice*>* pds = nullptr;
        status = array->GetPdList(&pds);
        if (status != 0 || pds == nullptr) {
            PrintMessage(CommonMsg::kOperationFailed, adapter, kPdListOperation);
            return FailureStatus(status);
        }
        PrintMessage(LdMsg::kSpanPdCount, static_cast<int>(s), pds->GetCount());
        for (unsigned k = 0; k < pds->GetCount(); ++k) {
            PrintMessage(CommonMsg::kLineEnd);
            PrintMessage(LdMsg::kPdTitle, static_cast<int>(k));
            report.Check(ReportPrint::DriveBlocks(adapter, pds->GetAt(static_cast<u8>(k))));
        }
    }
    return 0;
}

int LdPdInfoCp::ProcessParsed(CpController* cpController, LdPdInfoParsedObject*)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    int status = manager->Refresh();
    if (status != 0) {
        PrintMessage(CommonMsg::kRaidManagerInitFailed, adapter);
        return status;
    }
    List<VirtualDisk*>* vds = nullptr;
    status = manager->GetVdList(&vds);
    if (status != 0 || vds == nullptr) {
        PrintMessage(CommonMsg::kFailedToGet, "Disk Group list");
        return FailureStatus(status);
    }
    manager->SortVdList(vds);

    PrintMessage(CommonMsg::kAdapterTitle, adapter);
    PrintMessage(LdMsg::kVirtualDiskCount, vds->GetCount());
    // The first failure is the command's status, a member drive's read that the report went on
    // past included.
    ReportStatus report;
    for (unsigned i = 0; i < vds->GetCount(); ++i) {
        VirtualDisk* vd = vds->GetAt(static_cast<u8>(i));
        if (vd == nullptr) {
            PrintMessage(CommonMsg::kOperationFailed, adapter, kLdPdOperation);
            report.Fail(-1);
            return report.Result();
        }
        status = PrintVd(adapter, vd, report);
        if (status != 0) {
            report.Fail(status);
            return report.Result();
        }
    }
    return report.Result();
}
