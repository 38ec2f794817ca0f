#include "CpMgmt/CmdPro/AdBbuCp.h"

#include "CpMgmt/CmdPro/BatteryTypes.h"

#include <algorithm>

#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/ByteView.h"
#include "cmdtool/TokenIds.h"
#include "controller/FwiDpErrors.h"
#include "fwdata/layout/FwStatus.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"
#include "runtime/QuendalLog.h"

namespace {

const CpRegistration<AdpBbuCp> kRegisterAdpBbuCp{TOKEN_ADPBBUCMD};

}  // namespace

int AdpBbuCp::SendBbuDcmd(u32 opcode, void* buffer, CpController* cpController, u32 length)
{
    return SendDcmd(cpController, opcode, buffer, length);
}

int AdpBbuCp::GetBatteryType(CpController* cpController, u8* type)
{
    u8 status[bbustatus::kSize] = {};
    if (SendBbuDcmd(kDcmdBbuGetStatus, status, cpController) != 0)
        return -1;
    *type = ByteView(status).U8(bbustatus::kOffType);
    return 0;
}

void AdpBbuCp::LogDebugFailure(int line, u32 opcode, int status)
{
    LogDebugMessage(bbucp::kSourceName, line, kModuleCommandTool, kLevelError, kDbgFwiFailed, opcode,
                    static_cast<u32>(status));
}

void AdpBbuCp::ReportFailure(CpController* cpController, int line, u32 opcode, int status, const char* text)
{
    LogDebugFailure(line, opcode, status);
    ReportText(cpController, text);
}

void AdpBbuCp::ReportText(CpController* cpController, const char* text)
{
    PrintMessage(CommonMsg::kAdapterText, AdapterNumberOf(cpController), text);
}

bool AdpBbuCp::TypeNamedByDesign(u8 type, u8 variant)
{
    return !(type < battery::kLastNamedType || (type == battery::kLastNamedType && variant == 0));
}

std::string AdpBbuCp::BatteryTypeText(u8 type, u8 variant, const u8* design)
{
    if (!TypeNamedByDesign(type, variant))
        return battery::kTypeNames[type];
    return ByteView(design, bbudesign::kSize).Text(bbudesign::kDeviceName);
}

int AdpBbuCp::StartBbuOperation(CpController* cpController, AdpBbuPo* object)
{
    u32 opcode = 0;
    const char* label = nullptr;
    switch (object->GetSubCommand()) {
    case AdpBbuPo::kLearn:
        opcode = kDcmdBbuLearn;
        label = "BBU Learn";
        break;
    case AdpBbuPo::kMfgSleep:
        opcode = kDcmdBbuMfgSleep;
        label = "BBU MFG Sleep";
        break;
    case AdpBbuPo::kMfgSeal:
        opcode = kDcmdBbuMfgSeal;
        label = "BBU MFG SEAL";
        break;
    default:
        return -1;
    }
    const int status = SendBbuDcmd(opcode, nullptr, cpController);
    if (status != 0) {
        ReportFailure(cpController, __LINE__, opcode, status, (std::string(label) + " Failed").c_str());
        return -1;
    }
    ReportText(cpController, (std::string(label) + " Succeeded.").c_str());
    return 0;
}

int AdpBbuCp::PrintFullReport(CpController* cpController, AdpBbuPo* object, bool typeRead, u8 type)
{
    // Without a battery the capacity and the properties are "device absent": the answer for
    // them, which the report shows with its failure lines and which fails nothing.
    const bool noBattery = typeRead && type == 0;
    ReportStatus status;
    const auto part = [&](int result) {
        if (result == 0)
            return;
        if (noBattery && FwiDpErrors::LastClass() == FwiDpErrors::kFirmware &&
            FwiDpErrors::LastStatus() == fwstatus::kDeviceAbsent) {
            FwiDpErrors::TakeAsAnswer(fwstatus::kDeviceAbsent);
            return;
        }
        status.Fail(result);
    };
    // Every part is printed whatever became of the one before.
    part(GetBbuStatus(cpController, object));
    part(PrintChargeTime(cpController));
    if (type != bbustatus::kTypeKorv)
        part(GetBbuCapacityInfo(cpController, object));
    part(GetBbuDesignInfo(cpController, object));
    part(GetBbuProperties(cpController, object));
    return status.Result();
}

int AdpBbuCp::ProcessParsed(CpController* cpController, AdpBbuPo* object)
{
    u8 type = 0;
    const bool typeRead = GetBatteryType(cpController, &type) == 0;
    switch (object->GetSubCommand()) {
    case AdpBbuPo::kFullReport:
        return PrintFullReport(cpController, object, typeRead, type);
    case AdpBbuPo::kStatus:
        return GetBbuStatus(cpController, object);
    case AdpBbuPo::kCapacity:
        return GetBbuCapacityInfo(cpController, object);
    case AdpBbuPo::kDesign:
        return GetBbuDesignInfo(cpController, object);
    case AdpBbuPo::kGetProperties:
        return GetBbuProperties(cpController, object);
    case AdpBbuPo::kSetProperties:
        return SetBbuProperties(cpController, object);
    case AdpBbuPo::kGasGauge:
        return GetGgEepData(cpController, object);
    case AdpBbuPo::kModes:
        return GetBbuModes(cpController, object);
    case AdpBbuPo::kScheduleLearn:
        return ScheduleLearn(cpController, object);
    case AdpBbuPo::kLearn:
    case AdpBbuPo::kMfgSleep:
    case AdpBbuPo::kMfgSeal:
        return StartBbuOperation(cpController, object);
    default:
        return -1;
    }
}
