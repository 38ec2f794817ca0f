#include "CpMgmt/CmdPro/AdAlInCp.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "CpMgmt/CmdPro/AdAlInPostDelay.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "cmdtool/TokenIds.h"
#include "controller/FwiDpErrors.h"
#include "fwdata/layout/OemData.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpAllInfoCp> kRegisterAdpAllInfoCp{TOKEN_ADPALLINFO};

constexpr const char* kAdAlInSourceName = "CpMgmt/CmdPro/AdAlInCp";

constexpr int kMinimumDefaultsExtent = 64;

constexpr const char* kSectionIndent = "                ";  // 16 blanks

// Whether the key=value strings of a block end (with the empty string) within its bytes.
bool AdAlInKeyValuesEnd(const std::vector<u8>& block)
{
    std::size_t pos = keyvalues::kOffFirstString;
    while (pos < block.size() && block[pos] != 0) {
        const auto end = std::find(block.begin() + static_cast<std::ptrdiff_t>(pos), block.end(), u8{0});
        pos = static_cast<std::size_t>(end - block.begin()) + 1;
    }
    return pos < block.size();
}

// The key=value block into `buffer` (`length` bytes). A reply shorter than asked whose strings
// do not end within the bytes that arrived is a failed read: its last string may be cut.
int ReadAdAlInKeyValues(Controller* controller, u8* buffer, u32 length)
{
    std::vector<u8> block;
    const int status = ReadDcmdBlock(controller, kDcmdCtrlGetKeyValues, &block, length);
    if (status != 0)
        return status;
    if (block.size() < length && !AdAlInKeyValuesEnd(block))
        return -1;
    std::copy(block.begin(), block.end(), buffer);
    return 0;
}

}  // namespace

AdpAllInfoCp::AdpAllInfoCp()
{
    std::memset(info_, 0, sizeof info_);
    std::memset(defaults_, 0, sizeof defaults_);
    std::memset(time_, 0, sizeof time_);
    std::memset(mfgData_, 0, sizeof mfgData_);
    std::memset(batteryFru_, 0, sizeof batteryFru_);
    std::memset(keyValues_, 0, sizeof keyValues_);
}

int AdpAllInfoCp::Fetch(u32 opcode, u8* buffer, std::size_t length, bool privateOpcode)
{
    const u32 size = static_cast<u32>(length);
    if (privateOpcode)
        return SendPrivateDcmd(controller_, opcode, buffer, size);
    return SendDcmd(controller_, opcode, buffer, size);
}

int AdpAllInfoCp::FetchOptional(u32 opcode, u8* buffer, std::size_t length, bool privateOpcode)
{
    FwiDpErrors::KeepLast keep;
    return Fetch(opcode, buffer, length, privateOpcode);
}

int AdpAllInfoCp::Process(CpController* cpController, ParsedObject* parsedObject)
{
    LogAppMessage(kAdAlInSourceName, __LINE__, kModuleCommandTool, kLevelInfo, kAppLogAdpAllInfoStarted);
    return TypedProcessor::Process(cpController, parsedObject);
}

int AdpAllInfoCp::ProcessParsed(CpController* cpController, AdpAllInfoParsedObject* object)
{
    controller_ = cpController ? cpController->GetController() : nullptr;
    adapter_ = AdapterNumberOf(cpController);
    // The report goes on without the manufacturing data, the key=value settings, the OEM flags
    // and the time; their lines then say that they could not be read, and the run ends with the
    // first of those failures.
    ReportStatus status;

    mfgDataRead_ = status.Check(Fetch(kDcmdCtrlGetMfgData, mfgData_, sizeof mfgData_)) == 0;
    if (!mfgDataRead_)
        std::memset(mfgData_, 0, sizeof mfgData_);

    std::memset(keyValues_, 0, sizeof keyValues_);
    keyValuesRead_ = status.Check(ReadAdAlInKeyValues(controller_, keyValues_, sizeof keyValues_)) == 0;
    if (!keyValuesRead_)
        std::memset(keyValues_, 0, sizeof keyValues_);
    postDelay_ = ReadPostDelay(keyValues_, sizeof keyValues_);

    u8 oemData[oemdata::kSize] = {};
    oemDataRead_ = status.Check(Fetch(kDcmdCtrlGetOemData, oemData, sizeof oemData, true)) == 0;
    if (oemDataRead_) {
        clusterDisable_ = ByteView(oemData).U8(oemdata::kOffClusterDisable);
        sasDisable_ = ByteView(oemData).U8(oemdata::kOffSasDisable);
    }

    // Without the defaults or the controller information there is no report.
    int result = Fetch(kDcmdCtrlGetDefaults, defaults_, sizeof defaults_);
    if (result != 0) {
        std::memset(defaults_, 0, sizeof defaults_);
        PrintMessage(CommonMsg::kOperationFailed, adapter_, AdpMsg::kAdpAllInfoOperation);
        return result;
    }
    int defaultsExtent = ByteView(defaults_).U8(ctrldefaults::kOffExtent);
    if (defaultsExtent == 0)
        defaultsExtent = kMinimumDefaultsExtent;

    result = Fetch(kDcmdCtrlGetInfo, info_, sizeof info_);
    if (result != 0) {
        std::memset(info_, 0, sizeof info_);
        PrintMessage(CommonMsg::kOperationFailed, adapter_, AdpMsg::kAdpAllInfoOperation);
        return result;
    }

    std::memset(time_, 0, sizeof time_);
    timeRead_ = status.Check(Fetch(kDcmdCtrlGetTime, time_, sizeof time_)) == 0;
    if (!timeRead_)
        std::memset(time_, 0, sizeof time_);

    // A battery without FRU data shows "N/A", and so does a FRU block that cannot be read.
    batteryFruStatus_ = FetchOptional(kDcmdCtrlGetBatteryFru, batteryFru_, sizeof batteryFru_);

    PrintAdapterInfo(object->GetAdapterNumber(), defaultsExtent);
    return status.Result();
}

void AdpAllInfoCp::PrintReadFailureLine(const char* what) const { PrintReadFailure(adapter_, what); }

void AdpAllInfoCp::PrintSectionHeader(u32 titleId)
{
    AdpPrint::Text(kSectionIndent);
    PrintMessage(titleId);
    AdpPrint::Text(kSectionIndent);
    PrintMessage(CommonMsg::kUnderline);
}

void AdpAllInfoCp::PrintSectionHeader(const char* title)
{
    AdpPrint::Text(kSectionIndent);
    AdpPrint::Text(title);
    AdpPrint::Text(kSectionIndent);
    PrintMessage(CommonMsg::kUnderline);
}

void AdpAllInfoCp::PrintAdapterInfo(u8 adapterNumber, int defaultsExtent)
{
    PrintMessage(CommonMsg::kAdapterTitle, adapterNumber);
    PrintMessage(CommonMsg::kRuler);

    PrintSectionHeader(AdpMsg::kTitleVersions);
    PrintVersions();
    PrintSectionHeader(AdpMsg::kTitleMfgData);
    PrintMfgData();
    PrintSectionHeader("Image Versions in Flash:\n");
    PrintImageVersions();
    PrintSectionHeader("Pending Images in Flash\n");
    PrintPendingImages();
    PrintSectionHeader(AdpMsg::kTitlePciInfo);
    PrintPciInfo();
    PrintSectionHeader(AdpMsg::kTitleHwConfiguration);
    PrintHwConfiguration();
    PrintSectionHeader(AdpMsg::kTitleSettings);
    PrintSettings();
    PrintSectionHeader(AdpMsg::kTitleCapabilities);
    PrintCapabilities();
    PrintSectionHeader(AdpMsg::kTitleStatus);
    PrintStatus();
    PrintSectionHeader("Limitations\n");
    PrintLimitations();
    PrintSectionHeader("Device Present\n");
    PrintDevicesPresent();
    PrintSectionHeader("Supported Adapter Operations\n");
    PrintAdapterOperations();
    PrintSectionHeader("Supported VD Operations\n");
    PrintVdOperations();
    PrintSectionHeader("Supported PD Operations\n");
    PrintPdOperations();
    PrintSectionHeader("Error Counters\n");
    PrintErrorCounters();
    PrintSectionHeader("Cluster Information\n");
    PrintClusterInfo();
    PrintSectionHeader("Default Settings\n");
    PrintDefaultSettings(defaultsExtent);
}
