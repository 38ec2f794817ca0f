// The adapter's settings requests and kept blocks: the alarm, drive performance monitoring,
// patrol read, the consistency-check schedule, the BIOS data and the connector modes. A kept
// block is read once; a change is written as the whole block, every byte not changed going back
// as it was read.
#include <algorithm>

#include "controller/Controller.h"
#include "controller/DpParams.h"
#include "fwdata/AdapterDataFwi.h"
#include "fwdata/layout/AlarmState.h"
#include "fwdata/layout/BiosData.h"
#include "fwdata/layout/CcSchedule.h"
#include "fwdata/layout/CcStatus.h"
#include "fwdata/layout/ConnectorModes.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/Opcodes.h"
#include "fwdata/layout/PrProps.h"
#include "fwdata/layout/PrStatus.h"

namespace {

constexpr u8 kAlarmMissing = 3;
constexpr u8 kDpmClear = 2;
constexpr u8 kPrSuspend = 0;
constexpr u8 kPrResume = 1;

// A request without data whose mailbox starts with `words`.
int SendNoData(Controller* controller, u32 opcode, u32 word0 = 0, u32 word1 = 0)
{
    const u32 mbox[3] = {word0, word1, 0};
    DcmdFwiDpParams request(opcode, mbox, nullptr, 0);
    return controller->Execute(request);
}

}  // namespace

int AdapterDataFwi::GetAlarmStatus(u8* state)
{
    std::vector<u8> block;
    const int status = ReadBlock(kDcmdCtrlGetAlarm, alarmstate::kSize, &block);
    if (status == fwstatus::kDeviceAbsent) {  // no alarm
        *state = kAlarmMissing;
        return 0;
    }
    if (status == 0)
        *state = ByteView(block).U8(alarmstate::kOffEnabled);
    return status;
}

int AdapterDataFwi::SetAlarm(u8 value)
{
    constexpr u32 kOpcodes[] = {kDcmdCtrlAlarmDisable, kDcmdCtrlAlarmEnable, kDcmdCtrlAlarmSilence};
    if (value >= std::size(kOpcodes))
        return -1;
    const int status = SendNoData(controller_, kOpcodes[value]);
    // The kept properties follow the alarm's own request; they are not written for it.
    if (status == 0 && value <= 1 && !properties_.empty()) {
        const bool changed = propertiesChanged_;
        SetProperty(AdpProperty::Alarm, value);
        propertiesChanged_ = changed;
    }
    return status;
}

int AdapterDataFwi::ControlDpm(u8 operation, u8 mask)
{
    if (operation > kDpmClear)
        return 0;
    return SendNoData(controller_, kDcmdDpmControl, operation, operation == kDpmClear ? mask : 0);
}

int AdapterDataFwi::GetPatrolReadSettings(PatrolReadSettings* settings)
{
    if (patrolRead_.empty()) {
        const int status = ReadBlock(kDcmdCtrlPrGetProperties, prprops::kSize, &patrolRead_);
        if (status != 0)
            return status;
    }
    const ByteView b(patrolRead_);
    settings->mode = b.U8(prprops::kOffMode);
    settings->maxConcurrent = b.U8(prprops::kOffMaxConcurrent);
    settings->onSsd = b.U8(prprops::kOffOnSsd);
    settings->nextStart = b.U32(prprops::kOffNextStart);
    settings->execDelay = b.U32(prprops::kOffExecDelay);
    return 0;
}

int AdapterDataFwi::WritePatrolReadSettings(const PatrolReadSettings& settings)
{
    if (patrolRead_.empty())
        return -1;
    ByteWriter b(patrolRead_);
    b.PutU8(prprops::kOffMode, settings.mode);
    b.PutU8(prprops::kOffMaxConcurrent, settings.maxConcurrent);
    b.PutU8(prprops::kOffOnSsd, settings.onSsd);
    b.PutU32(prprops::kOffNextStart, settings.nextStart);
    b.PutU32(prprops::kOffExecDelay, settings.execDelay);
    return WriteBlock(kDcmdCtrlPrSetProperties, &patrolRead_);
}

int AdapterDataFwi::GetPatrolReadStatus(ScheduleStatus* out)
{
    std::vector<u8> block;
    const int status = ReadBlock(kDcmdCtrlPrGetStatus, prstatus::kSize, &block);
    if (status != 0)
        return status;
    out->iterations = ByteView(block).U32(prstatus::kOffIterations);
    out->state = ByteView(block).U8(prstatus::kOffState);
    out->completed = ByteView(block).U8(prstatus::kOffPdsCompleted);
    return 0;
}

int AdapterDataFwi::ControlPatrolRead(PatrolReadAction action)
{
    switch (action) {
    case PatrolReadAction::Start:
        return SendNoData(controller_, kDcmdCtrlPrStart);
    case PatrolReadAction::Stop:
        return SendNoData(controller_, kDcmdCtrlPrStop);
    case PatrolReadAction::Suspend:
        return SendNoData(controller_, kDcmdCtrlPrSuspendResume, kPrSuspend);
    case PatrolReadAction::Resume:
        return SendNoData(controller_, kDcmdCtrlPrSuspendResume, kPrResume);
    }
    return -1;
}

int AdapterDataFwi::ReadCcSchedule(bool refresh)
{
    if (refresh)
        ccSchedule_.clear();
    if (!ccSchedule_.empty())
        return 0;
    return ReadBlock(kDcmdCtrlCcGetSchedule, ccsched::kSize, &ccSchedule_);
}

int AdapterDataFwi::GetCcSchedule(CcScheduleSettings* schedule)
{
    const int status = ReadCcSchedule(false);
    if (status != 0)
        return status;
    const ByteView b(ccSchedule_);
    schedule->mode = b.U8(ccsched::kOffMode);
    // A count beyond the room of the block is not believed past it.
    const u32 count = std::min<u32>(b.U8(ccsched::kOffExcludedCount), ccsched::kMaxExcluded);
    schedule->excluded.clear();
    for (u32 i = 0; i < count; ++i)
        schedule->excluded.push_back(b.U16(ccsched::kOffExcluded + ccsched::kExcludedSize * i));
    schedule->nextStart = b.U32(ccsched::kOffNextStart);
    schedule->execDelay = b.U32(ccsched::kOffExecDelay);
    return 0;
}

int AdapterDataFwi::WriteCcSchedule(const CcScheduleSettings& schedule)
{
    if (ccSchedule_.empty() || schedule.excluded.size() > ccsched::kMaxExcluded)
        return -1;
    ByteWriter b(ccSchedule_);
    b.PutU8(ccsched::kOffMode, schedule.mode);
    b.PutU8(ccsched::kOffExcludedCount, static_cast<u8>(schedule.excluded.size()));
    for (u32 i = 0; i < schedule.excluded.size(); ++i)
        b.PutU16(ccsched::kOffExcluded + ccsched::kExcludedSize * i, schedule.excluded[i]);
    b.PutU32(ccsched::kOffNextStart, schedule.nextStart);
    b.PutU32(ccsched::kOffExecDelay, schedule.execDelay);
    return WriteBlock(kDcmdCtrlCcSetSchedule, &ccSchedule_);
}

int AdapterDataFwi::GetCcStatus(ScheduleStatus* out)
{
    std::vector<u8> block;
    const int status = ReadBlock(kDcmdCtrlCcGetStatus, ccstatus::kSize, &block);
    if (status != 0)
        return status;
    out->iterations = ByteView(block).U32(ccstatus::kOffIterations);
    out->state = ByteView(block).U8(ccstatus::kOffState);
    out->completed = ByteView(block).U8(ccstatus::kOffLdsCompleted);
    return 0;
}

int AdapterDataFwi::ReadBiosData()
{
    if (!bios_.empty())
        return 0;
    return ReadBlock(kDcmdCtrlGetBiosData, biosdata::kSize, &bios_);
}

int AdapterDataFwi::GetBootDevice(u16* device, u8* isDrive)
{
    const int status = ReadBiosData();
    if (status != 0)
        return status;
    *device = ByteView(bios_).U16(biosdata::kOffBootDevice);
    *isDrive = ByteView(bios_).U8(biosdata::kOffBootIsPd);
    return 0;
}

int AdapterDataFwi::SetBootDevice(u16 device, u8 isDrive)
{
    if (bios_.empty())
        return -1;
    ByteWriter(bios_).PutU16(biosdata::kOffBootDevice, device);
    ByteWriter(bios_).PutU8(biosdata::kOffBootIsPd, isDrive);
    biosChanged_ = true;
    return 0;
}

int AdapterDataFwi::WriteBiosData()
{
    if (bios_.empty())
        return -1;
    if (!biosChanged_)
        return 0;
    biosChanged_ = false;
    u8 sum = 0;
    for (u32 i = 0; i < biosdata::kOffChecksum; ++i)
        sum = static_cast<u8>(sum + ByteView(bios_).U8(i));
    ByteWriter(bios_).PutU8(biosdata::kOffChecksum, static_cast<u8>(0x100 - sum));
    return WriteBlock(kDcmdCtrlSetBiosData, &bios_);
}

int AdapterDataFwi::ReadConnectorModes()
{
    if (!connectorModes_.empty())
        return 0;
    return ReadBlock(kDcmdConnectorGetModes, connmodes::kSize, &connectorModes_);
}

int AdapterDataFwi::GetConnectorModeCount(u8* count)
{
    const int status = ReadConnectorModes();
    if (status == 0)
        *count = ByteView(connectorModes_).U8(connmodes::kOffCount);
    return status;
}

// Only the first four connectors have a mode in the block, whatever the count says.
int AdapterDataFwi::GetConnectorMode(u8 n, u8* mode)
{
    u8 count = 0;
    const int status = GetConnectorModeCount(&count);
    if (status != 0)
        return status;
    if (n >= count || n >= connmodes::kMaxConnectors)
        return -1;
    *mode = ByteView(connectorModes_).U8(connmodes::kOffModes + n);
    return 0;
}

int AdapterDataFwi::SetConnectorMode(u8 n, u8 mode)
{
    if (connectorModes_.empty() || mode == 0 || n >= ByteView(connectorModes_).U8(connmodes::kOffCount) ||
        n >= connmodes::kMaxConnectors || ByteView(connectorModes_).U8(connmodes::kOffModes + n) == 0)
        return -1;
    ByteWriter(connectorModes_).PutU8(connmodes::kOffModes + n, mode);
    connectorModesChanged_ = true;
    return 0;
}

int AdapterDataFwi::WriteConnectorModes()
{
    if (connectorModes_.empty())
        return -1;
    if (!connectorModesChanged_)
        return 0;
    connectorModesChanged_ = false;
    return WriteBlock(kDcmdConnectorSetModes, &connectorModes_);
}
