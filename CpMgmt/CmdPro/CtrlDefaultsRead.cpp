#include "CpMgmt/CmdPro/CtrlDefaultsRead.h"

#include "CpMgmt/CmdPro/FwRequest.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"

int ReadCtrlDefaults(CpController* cpController, u8 (&defaults)[ctrldefaults::kSize])
{
    return SendDcmd(cpController, kDcmdCtrlGetDefaults, defaults, ctrldefaults::kSize);
}

void ReportCtrlDefaultsUnreadable(int status)
{
    PrintMessage(CommonMsg::kText, "\nFailed to read MFC default data from adapter\n");
    LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogFwiFailed, kDcmdCtrlGetDefaults,
                  static_cast<u32>(status));
}
