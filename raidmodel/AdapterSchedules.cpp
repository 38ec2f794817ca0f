// The Adapter's patrol read and consistency-check schedule: the firmware keeps their start times
// as seconds since 2000 (StartTime.h) and their delays in seconds, 0xFFFFFFFF standing for none.
#include "fwdata/layout/FwStatus.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/StartTime.h"

namespace {
constexpr u8 kUnreadableState = 3;
constexpr u8 kActive = 2;

// A read's status, kept in `failed` (when given) as the first failure.
int Noted(int status, int* failed)
{
    if (status != 0 && failed != nullptr && *failed == 0)
        *failed = status;
    return status;
}
}  // namespace

int Adapter::GetCurrentPerfMode(u8* mode)
{
    u32 value = 0;
    int status = data_->GetInfoValue(AdpInfoValue::CurrentPerfMode, &value);
    if (status == 0)
        *mode = static_cast<u8>(value);
    return status;
}

template <typename Block, typename Take>
int Adapter::FromRead(int (AdapterData::*read)(Block*), Take take)
{
    Block block;
    if ((data_.get()->*read)(&block) != 0)
        return -1;
    take(block);
    return 0;
}

template <typename Change>
int Adapter::ChangePatrolRead(Change change)
{
    PatrolReadSettings settings;
    if (data_->GetPatrolReadSettings(&settings) != 0)
        return -1;
    if (!change(settings))
        return -1;
    return data_->WritePatrolReadSettings(settings);
}

u8 Adapter::GetPatrolReadMode(int* failed)
{
    PatrolReadSettings settings;
    return Noted(data_->GetPatrolReadSettings(&settings), failed) == 0 ? settings.mode : 0;
}

u32 Adapter::GetPatrolReadExecDelay(int* failed)
{
    PatrolReadSettings settings;
    return Noted(data_->GetPatrolReadSettings(&settings), failed) == 0 ? settings.execDelay : 0;
}

u8 Adapter::GetPatrolReadState(int* failed)
{
    ScheduleStatus status;
    return Noted(data_->GetPatrolReadStatus(&status), failed) == 0 ? status.state : kUnreadableState;
}

u32 Adapter::GetPatrolReadIterations(int* failed)
{
    ScheduleStatus status;
    return Noted(data_->GetPatrolReadStatus(&status), failed) == 0 ? status.iterations : 0;
}

u8 Adapter::GetPatrolReadPdsCompleted(int* failed)
{
    ScheduleStatus status;
    return Noted(data_->GetPatrolReadStatus(&status), failed) == 0 && status.state == kActive ? status.completed : 0;
}

int Adapter::SetPatrolReadMode(u8 mode)
{
    return ChangePatrolRead([mode](PatrolReadSettings& s) {
        s.mode = mode;
        return true;
    });
}

int Adapter::SetPatrolReadMaxConcurrentPd(u8 count)
{
    return ChangePatrolRead([count](PatrolReadSettings& s) {
        s.maxConcurrent = count;
        return true;
    });
}

int Adapter::SetPatrolReadExecDelay(u32 seconds)
{
    return ChangePatrolRead([seconds](PatrolReadSettings& s) {
        s.execDelay = seconds;
        return true;
    });
}

int Adapter::SetPatrolReadStartTime(const std::tm* start)
{
    if (start == nullptr)
        return -1;
    return ChangePatrolRead([start](PatrolReadSettings& s) { return StartTimeToSeconds(*start, &s.nextStart); });
}

int Adapter::ReadPatrolReadOnSsd(u32* allowed, PatrolReadSettings* settings)
{
    const int status = data_->GetProperty(AdpProperty::SupportSsdPatrolRead, allowed);
    if (status != 0)
        return status;
    return data_->GetPatrolReadSettings(settings);
}

int Adapter::SetPatrolReadOnSsd(u8 on)
{
    u32 allowed = 0;
    PatrolReadSettings settings;
    const int status = ReadPatrolReadOnSsd(&allowed, &settings);
    if (status != 0)
        return status;
    if (allowed == 0)
        return -1;
    settings.onSsd = on;
    return data_->WritePatrolReadSettings(settings);
}

int Adapter::GetPatrolReadOnSsd(u8* on)
{
    u32 allowed = 0;
    PatrolReadSettings settings;
    const int status = ReadPatrolReadOnSsd(&allowed, &settings);
    if (status == 0)
        *on = settings.onSsd;
    return status;
}

bool Adapter::IsCcScheduleSupported() { return data_->ReadCcSchedule(true) != fwstatus::kNotSupported; }

int Adapter::SetCcSchedule(u8 mode, const ArrayList<u16>* excluded, const std::tm* start, u32 delay)
{
    CcScheduleSettings schedule;
    if (data_->GetCcSchedule(&schedule) != 0)
        return -1;
    schedule.mode = mode;
    if (excluded != nullptr) {
        if (excluded->GetCount() > kMaxCcExcluded)
            return -1;
        schedule.excluded.clear();
        for (unsigned i = 0; i < excluded->GetCount(); ++i)
            schedule.excluded.push_back(excluded->GetAt(static_cast<u8>(i)));
    }
    if (start != nullptr && (start->tm_mday != 0 || start->tm_year != 0) &&
        !StartTimeToSeconds(*start, &schedule.nextStart))
        return -1;
    if (delay != kNoDelay)
        schedule.execDelay = delay == 0 ? kNoDelay : delay;
    return data_->WriteCcSchedule(schedule);
}

int Adapter::SetCcStartTime(const std::tm* start)
{
    CcScheduleSettings schedule;
    if (start == nullptr || data_->GetCcSchedule(&schedule) != 0 || !StartTimeToSeconds(*start, &schedule.nextStart))
        return -1;
    return data_->WriteCcSchedule(schedule);
}

int Adapter::SetCcDelay(u32 seconds)
{
    CcScheduleSettings schedule;
    if (data_->GetCcSchedule(&schedule) != 0)
        return -1;
    schedule.execDelay = seconds == 0 ? kNoDelay : seconds;
    return data_->WriteCcSchedule(schedule);
}

int Adapter::GetCcMode(u8* mode)
{
    return FromRead(&AdapterData::GetCcSchedule, [mode](const CcScheduleSettings& s) { *mode = s.mode; });
}

int Adapter::GetCcDelay(u32* seconds)
{
    return FromRead(&AdapterData::GetCcSchedule, [seconds](const CcScheduleSettings& s) {
        *seconds = s.execDelay == kNoDelay ? 0 : s.execDelay;
    });
}

int Adapter::GetCcStartTime(std::tm* start)
{
    CcScheduleSettings schedule;
    if (data_->GetCcSchedule(&schedule) != 0 || !SecondsToStartTime(schedule.nextStart, start))
        return -1;
    return 0;
}

int Adapter::GetCcExcludedLds(ArrayList<u16>* ids)
{
    CcScheduleSettings schedule;
    if (data_->GetCcSchedule(&schedule) != 0)
        return -1;
    for (u16 id : schedule.excluded) {
        if (ids->Add(id) != 0)
            return -1;
    }
    return 0;
}

int Adapter::GetCcState(u8* state)
{
    return FromRead(&AdapterData::GetCcStatus, [state](const ScheduleStatus& s) { *state = s.state; });
}

int Adapter::GetCcIterationCount(u32* count)
{
    return FromRead(&AdapterData::GetCcStatus, [count](const ScheduleStatus& s) { *count = s.iterations; });
}

int Adapter::GetCcCompletedLdCount(u8* count)
{
    return FromRead(&AdapterData::GetCcStatus, [count](const ScheduleStatus& s) { *count = s.completed; });
}
