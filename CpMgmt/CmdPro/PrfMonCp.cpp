#include "CpMgmt/CmdPro/PrfMonCp.h"

#include <algorithm>
#include <new>
#include <vector>

#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/Mailbox.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PerfResults.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"
#include "runtime/QuendalLog.h"
#include "runtime/UserFiles.h"

namespace {

const CpRegistration<PerfMonCp> kRegisterPerfMonCp{TOKEN_PERFMON};

constexpr u16 kDefaultInterval = 5;
constexpr int kModuleCommandProcessor = 3;

// Whether the results that arrived hold what their own counts and offset say (as far as the
// asked `length` reaches): the header, the cache and SSD-cache entries, and the overall section
// with its entries. Results that do not are a failed read, never figures of zeros.
bool PrfMonResultsArrived(const std::vector<u8>& reply, u32 length)
{
    using namespace perfresults;
    const ByteView results(reply);
    const u64 entries = kHeaderSize + u64{results.U16(kOffCacheCount)} * kCacheEntrySize +
                        u64{results.U16(kOffSscCount)} * kSscEntrySize;
    const u32 offset = results.U32(kOffOverallOffset);
    if (!results.Ok())
        return false;
    const u64 overall = u64{offset} + kOverallOffEntries + results.From(offset).U32(kOverallOffEntriesSize);
    return reply.size() >= std::min<u64>(length, std::max(entries, overall));
}

}  // namespace

int PerfMonCp::ProcessParsed(CpController* cpController, PerfMonParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    std::vector<u8> info(ctrlinfo::kSize, 0);
    int status = SendDcmd(cpController, kDcmdCtrlGetInfo, info.data(), ctrlinfo::kSize);
    if (status != 0) {
        PrintMessage(CommonMsg::kOperationFailed, adapter, "PerfMon");
        return status;
    }
    if (!ByteView(info).Bit(ctrlinfo::kPerfMonitor)) {
        AdpPrint::Text("Performance Monitor is not supported\n");
        return -1;
    }

    switch (object->GetAction()) {
    case PerfMonParsedObject::kStart: {
        const u16 interval = object->GetInterval() != 0 ? object->GetInterval() : kDefaultInterval;
        RequestMailbox mbox;
        mbox.Writer().PutU16(mailbox::kOffMonitorInterval, interval);
        status = SendDcmd(cpController, kDcmdCtrlMonitorControl, nullptr, 0, mbox);
        break;
    }
    case PerfMonParsedObject::kStop: status = SendDcmd(cpController, kDcmdCtrlMonitorControl, nullptr, 0); break;
    case PerfMonParsedObject::kGetResults:
        if (!GetResults(cpController, object, adapter, &status))
            return -1;
        break;
    default: AdpPrint::Text("Invalid sub-option"); return -1;
    }
    if (status == 0)
        return 0;
    PrintMessage(CommonMsg::kOperationFailed, adapter, "PerfMonCp");
    return status;
}

// False for a failure reported here (file, manager, memory); else true with the results
// request's status.
bool PerfMonCp::GetResults(CpController* cpController, PerfMonParsedObject* object, u8 adapter, int* requestStatus)
{
    const string fileName = object->GetFileName();
    userfiles::OutputFile file;
    if (!file.Open(fileName.GetCStr(), userfiles::OutputFile::Mode::kAppend)) {
        LogDebugMessage("CpMgmt/CmdPro/PrfMonCp", 217, kModuleCommandProcessor, kLevelError, kDbgOpenFailed,
                        fileName.GetCStr());
        return false;
    }
    RaidManager* manager = RaidManagerOrReport(cpController, adapter);
    if (manager == nullptr)
        return false;
    u8 vds = 0;
    u8 sscs = 0;
    manager->GetVdCount(&vds);
    manager->GetSscdCount(&sscs);
    // A controller that counts more SSD caches than virtual drives has no plain ones.
    const u32 plain = vds > sscs ? static_cast<u32>(vds - sscs) : 0;
    const u32 length = perfresults::kBaseSize + perfresults::kSizePerVd * plain + perfresults::kSizePerSsc * sscs;
    std::vector<u8> reply;
    try {
        reply.assign(length, 0);
    } catch (const std::bad_alloc&) {
        AdpPrint::Text("PerfMon GetResults : Memory Alloc failed\n");
        return false;
    }
    int status = ReadDcmdBlock(cpController, kDcmdCtrlMonitorGetResults, &reply, length);
    if (status == 0 && !PrfMonResultsArrived(reply, length))
        status = -1;
    *requestStatus = status;
    // A failed request leaves the buffer zeroed: the file gets the "None to Report" report.
    if (status != 0)
        reply.assign(length, 0);
    WriteResultsCsv(ByteView(reply), file.Handle());
    return file.Finish();
}
