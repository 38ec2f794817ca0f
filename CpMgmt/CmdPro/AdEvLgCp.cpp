#include "CpMgmt/CmdPro/AdEvLgCp.h"

#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/TokenIds.h"
#include "parsers/AdpEventLogPo.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/UserFiles.h"

namespace {

const CpRegistration<AdpEventLogCp> kRegisterAdpEventLogCp{TOKEN_ADPEVENTLOG};
}  // namespace

int AdpEventLogCp::ProcessParsed(CpController* cpController, AdpEventLogPo* object)
{
    int result = -1;
    switch (object->GetSubCommand()) {
    case AdpEventLogPo::kClear:
        result = ClearLog(cpController, object);
        break;
    case AdpEventLogPo::kSinceReboot:
    case AdpEventLogPo::kSinceShutdown:
    case AdpEventLogPo::kSinceClear:
    case AdpEventLogPo::kIncludeDeleted:
        result = WriteEventsFrom(cpController, object, object->GetSubCommand());
        break;
    case AdpEventLogPo::kLogInfo:
        result = ShowLogInfo(cpController, object);
        break;
    case AdpEventLogPo::kLatest:
        result = WriteLatestEvents(cpController, object);
        break;
    case AdpEventLogPo::kCcInconsistencies:
        result = WriteCcInconsistencies(cpController, object);
        break;
    default:
        break;
    }
    if (result != 0) {
        PrintMessage(CommonMsg::kText, "AdpEventLog failed\n");
        return result;
    }
    PrintMessage(CommonMsg::kText, "Success in AdpEventLog\n");
    // With a class filter, a run in which no event passed it ends with 1.
    return object->GetClassFilter() != 0 ? static_cast<int>(noMatchingEvent_) : 0;
}

int AdpEventLogCp::OpenLog(CpController* cpController, u8 adapterNumber, bool readInfo, LogAccess* access)
{
    access->manager = RaidManager::GetRaidManager(cpController ? cpController->GetController() : nullptr);
    if (access->manager == nullptr) {
        PrintMessage(CommonMsg::kNoRaidManager, adapterNumber);
        return -1;
    }
    if (access->manager->GetAdapter(&access->adapter) != 0 || access->adapter == nullptr) {
        PrintMessage(CommonMsg::kAdapterUnreachable, adapterNumber);
        return -1;
    }
    return readInfo ? access->adapter->GetEventLogInfo(&access->info) : 0;
}

bool AdpEventLogCp::TakeByClass(u8 classFilter, const ByteView& record)
{
    if (classFilter != 0) {
        const s8 eventClass = static_cast<s8>(record.U8(evrec::kOffClass));
        const bool passes = (eventClass == 0 && (classFilter & AdpEventLogPo::kFilterInfo) != 0) ||
                            (eventClass == 1 && (classFilter & AdpEventLogPo::kFilterWarning) != 0) ||
                            (eventClass == 2 && (classFilter & AdpEventLogPo::kFilterCritical) != 0) ||
                            (eventClass == 3 && (classFilter & AdpEventLogPo::kFilterFatal) != 0);
        if (!passes)
            return false;
    }
    noMatchingEvent_ = 0;
    return true;
}

int AdpEventLogCp::WriteOrReport(const ByteView& record, FileHandle* file)
{
    if (record.Size() == evrec::kSize && WriteEvent(record.Data(), file) == 0)
        return 0;
    PrintMessage(MaintMsg::kFileWriteFailed);
    return -1;
}

bool AdpEventLogCp::OpenOutput(const AdpEventLogPo& object, userfiles::OutputFile* file)
{
    const string name = object.GetFileName();
    using Mode = userfiles::OutputFile::Mode;
    return file->Open(name.GetCStr(), object.GetAppendFlag() == 0 ? Mode::kWhole : Mode::kAppend);
}

int AdpEventLogCp::ClearLog(CpController* cpController, AdpEventLogPo* object)
{
    LogAccess access;
    int status = OpenLog(cpController, object->GetAdapterNumber(), false, &access);
    return status != 0 ? status : access.adapter->ClearEventLog();
}

int AdpEventLogCp::ShowLogInfo(CpController* cpController, AdpEventLogPo* object)
{
    LogAccess access;
    int status = OpenLog(cpController, object->GetAdapterNumber(), true, &access);
    if (status != 0)
        return status;
    const u32* info = access.info;
    PrintMessage(CommonMsg::kAdapterTitle, object->GetAdapterNumber());
    auto number = [info](u32 index) { return static_cast<unsigned long>(info[index]); };
    PrintMessage(MaintMsg::kEventLogInfo, number(evloginfo::kNewest), number(evloginfo::kOldest),
                 number(evloginfo::kClear), number(evloginfo::kShutdown), number(evloginfo::kBoot));
    PrintMessage(CommonMsg::kLineEnd);
    return 0;
}
