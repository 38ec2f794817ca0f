#include "CpMgmt/CmdPro/AdTimeCp.h"

#include "CpMgmt/CmdPro/AdpOpsMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/CtrlTime.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {
const CpRegistration<AdpSetGetTimeCp> kRegisterAdpSetGetTimeCp{TOKEN_ADPSETTIME, TOKEN_ADPGETTIME};
}  // namespace

int AdpSetGetTimeCp::SendTimeDcmd(u32 opcode, u8* block, CpController* cpController)
{
    return SendDcmd(cpController, opcode, block, ctrltime::kSize);
}

int AdpSetGetTimeCp::ProcessParsed(CpController* cpController, AdpTimeParsedObject* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    u8 block[ctrltime::kSize] = {};
    if (object->GetCommandId() == TOKEN_ADPGETTIME) {
        const int status = SendTimeDcmd(kDcmdCtrlGetTime, block, cpController);
        if (status != 0) {
            PrintMessage(CommonMsg::kGetDataFailed, adapterNumber);
            return status;
        }
        const ByteView time(block);
        PrintMessage(AdpOpsMsg::kDateTime, adapterNumber, time.U8(ctrltime::kOffMonth), time.U8(ctrltime::kOffDay),
                     time.U16(ctrltime::kOffYear), time.U8(ctrltime::kOffHour), time.U8(ctrltime::kOffMinute),
                     time.U8(ctrltime::kOffSecond));
        return 0;
    }

    ControllerDateTime dateTime;
    object->GetDateTime(&dateTime);
    ByteWriter time(block);
    time.PutU16(ctrltime::kOffYear, dateTime.year);
    time.PutU8(ctrltime::kOffMonth, dateTime.month);
    time.PutU8(ctrltime::kOffDay, dateTime.day);
    time.PutU8(ctrltime::kOffHour, dateTime.hour);
    time.PutU8(ctrltime::kOffMinute, dateTime.minute);
    time.PutU8(ctrltime::kOffSecond, dateTime.second);
    const int status = SendTimeDcmd(kDcmdCtrlSetTime, block, cpController);
    if (status != 0) {
        PrintMessage(CommonMsg::kSetDataFailed, adapterNumber);
        return status;
    }
    PrintMessage(AdpOpsMsg::kDateTimeSet, adapterNumber);
    return 0;
}
