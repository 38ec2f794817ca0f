#include "CpMgmt/CmdPro/LdBbtECp.h"

#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/LdMessageIds.h"
#include "CpMgmt/CmdPro/LdSelection.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "raidmodel/VirtualDisk.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<LdBbtEntriesCp> kRegisterEntriesCp{TOKEN_GETBBTENTRIES};
const CpRegistration<LdBBMClearCp> kRegisterClearCp{TOKEN_LDBBMCLR};


void PrintHeader()
{
    PrintMessage(CommonMsg::kText, "TargetID        ");
    PrintMessage(CommonMsg::kText, "Corrected Entries        ");
    PrintMessage(CommonMsg::kText, "UnCorrected Entries");
    PrintMessage(CommonMsg::kLineEnd);
}

void PrintRow(const ByteView& entry, unsigned targetId)
{
    PrintMessage(CommonMsg::kNumber, targetId);
    PrintMessage(CommonMsg::kText, "              ");
    PrintMessage(CommonMsg::kDecimal64, static_cast<long long>(entry.U64(vdbbt::kOffCorrected)));
    PrintMessage(CommonMsg::kText, "                      ");
    PrintMessage(CommonMsg::kDecimal64, static_cast<long long>(entry.U64(vdbbt::kOffUncorrected)));
    PrintMessage(CommonMsg::kLineEnd);
}

void ReportFailure(u8 adapter, int status, u32 opcode, const char* text)
{
    if (status == fwstatus::kInvalidOpcode) {  // bad block management is off
        PrintMessage(CommonMsg::kAdapterText, adapter, "LD bad block management is not enabled.");
        return;
    }
    if (status == fwstatus::kDeviceNotFound && opcode == kDcmdLdBbmGetOne) {
        PrintMessage(CommonMsg::kAdapterText, adapter, "TargetId is invalid.");
        return;
    }
    LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogFwiFailed, opcode,
                  static_cast<u32>(status));
    PrintMessage(CommonMsg::kAdapterText, adapter, text);
}

}  // namespace

void LdBbtEntriesCp::PrintVdBbtEntries(const u8 (&reply)[vdbbt::kSize], u16 targetId)
{
    PrintHeader();
    PrintRow(ByteView(reply), targetId);
}

void LdBbtEntriesCp::PrintAllBbtEntries(const u8 (&reply)[vdbbtall::kSize], List<VirtualDisk*>* sorted)
{
    const ByteView block(reply);
    const u32 reported = block.U32(vdbbtall::kOffCount);
    PrintHeader();
    for (unsigned i = 0; sorted != nullptr && i < sorted->GetCount() && i < reported; ++i) {
        VirtualDisk* vd = sorted->GetAt(static_cast<u8>(i));
        if (vd == nullptr)
            continue;
        const unsigned t = vd->GetId()->GetTargetId();
        if (t >= vdbbtall::kMaxEntries) {
            PrintMessage(CommonMsg::kNumber, t);
            PrintMessage(CommonMsg::kText, "    In valid Target ID");
            PrintMessage(CommonMsg::kLineEnd);
            continue;
        }
        PrintRow(block.Sub(vdbbtall::kOffEntries + t * vdbbtall::kEntrySize, vdbbtall::kEntrySize), t);
    }
}

int LdBbtEntriesCp::GetVdBbtEntries(CpController* cpController, VirtualDisk* vd)
{
    u8 reply[vdbbt::kSize] = {};
    const int status = vd->GetBadBlockCounts(reply);
    if (status == 0)
        PrintVdBbtEntries(reply, vd->GetId()->GetTargetId());
    else
        ReportFailure(AdapterNumberOf(cpController), status, kDcmdLdBbmGetOne, "Get LD BBM Log Failed.");
    return status;
}

int LdBbtEntriesCp::GetAllBbtEntries(CpController* cpController, LdBbtEntriesParsedObject*, List<VirtualDisk*>* sorted)
{
    u8 reply[vdbbtall::kSize] = {};
    const int status = SendDcmd(cpController, kDcmdLdBbmGetAll, reply, sizeof reply);
    if (status == 0)
        PrintAllBbtEntries(reply, sorted);
    else
        ReportFailure(AdapterNumberOf(cpController), status, kDcmdLdBbmGetAll, "Get LD BBM Log List Failed.");
    return status;
}

int LdBbtEntriesCp::ProcessParsed(CpController* cpController, LdBbtEntriesParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return -1;
    u8 vdCount = 0;
    if (!ReadVdCountOrReport(manager, adapter, &vdCount))
        return -1;
    PrintMessage(LdMsg::kInfoTitle, adapter);
    if (vdCount == 0) {
        PrintMessage(LdMsg::kNoVirtualDrive, adapter);
        return 0;
    }
    LdSelection selection(manager, *object, adapter);
    if (selection.ReadListOrReport() != 0)
        return -1;
    if (selection.IsAll())
        return GetAllBbtEntries(cpController, object, selection.GetList());
    // A listed drive that does not exist is reported and the others are shown; the command then
    // ends with -1.
    int result = 0;
    for (unsigned i = 0; i < object->GetLdCount(); ++i) {
        u8 target = 0;
        if (!selection.TargetAt(i, &target)) {
            result = -1;
            continue;
        }
        VirtualDisk* vd = selection.Find(target);
        if (vd == nullptr)
            continue;
        const int status = GetVdBbtEntries(cpController, vd);
        if (status != 0)
            return status;
    }
    return result;
}

int LdBBMClearCp::ProcessParsed(CpController* cpController, LdBBMClearParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    RaidManager* manager = nullptr;
    Adapter* adapterElement = AdapterOrReport(cpController, adapter, false, &manager);
    if (adapterElement == nullptr)
        return -1;
    // A failed read counts as "not supported": nothing is cleared then.
    u8 supported = 0;
    adapterElement->IsLdBbmSupported(&supported);
    u8 vdCount = 0;
    const int found = CountVdsOrReportNone(manager, adapter, &vdCount);
    if (found <= 0)
        return found;
    LdSelection selection(manager, *object, adapter);
    if (selection.ReadListOrReport() != 0)
        return -1;
    // The status of the last bad-block query (-1 when no drive got there), unless a listed drive
    // did not exist or a query failed: the first of those stays the command's status.
    int status = -1;
    int failure = 0;
    const unsigned count = selection.Count(vdCount);
    for (unsigned i = 0; i < count; ++i) {
        u8 target = 0;
        if (!selection.TargetAt(i, &target)) {
            if (failure == 0)
                failure = -1;
            continue;
        }
        VirtualDisk* vd = selection.Find(target);
        if (vd == nullptr)
            continue;
        if (supported == 0) {
            PrintMessage(LdMsg::kBbmClearUnsupported);
            return -1;
        }
        u8 exist = 0;
        status = vd->GetBadBlocksExist(&exist);
        if (status != 0 && failure == 0)
            failure = status;
        if (status == 0 && exist != 0) {
            const int cleared = vd->ClearBbmLog();
            if (cleared != 0) {
                PrintMessage(LdMsg::kBbmClearFailed);
                return cleared;
            }
            PrintMessage(LdMsg::kBbmCleared);
        } else if (status == 0) {
            PrintMessage(LdMsg::kNoBadBlocks);
        }
    }
    return failure != 0 ? failure : status;
}
