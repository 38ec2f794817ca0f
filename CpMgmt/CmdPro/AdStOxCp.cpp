#include "CpMgmt/CmdPro/AdStOxCp.h"

#include <cerrno>

#include "CpMgmt/CmdPro/AdpOpsMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/SettingsFields.h"
#include "CpMgmt/CmdPro/SettingsFileText.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "ZepUtil/ByteView.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/OemData.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtError.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"
#include "runtime/UserFiles.h"

namespace {

const CpRegistration<AdpSettingsOrxCp> kRegisterAdpSettingsOrxCp{TOKEN_ADPSETTINGS};

constexpr u32 kZcrLow = 16;
constexpr u32 kZcrHigh = 31;

void LogFailedRequest(u32 opcode, int status)
{
    LogAppMessage(__FILE__, __LINE__, kModuleCommandTool, kLevelError, kAppLogFwiFailed, opcode,
                  static_cast<u32>(status));
}

}  // namespace

int AdpSettingsOrxCp::ProcessParsed(CpController* cpController, AdpSettingsPo* object)
{
    const u8 adapterNumber = AdapterNumberOf(cpController);
    Adapter* adapter = AdapterOrReport(cpController, adapterNumber, false);
    if (adapter == nullptr)
        return -1;
    u32 mode = 0;
    if (adapter->GetOemMode(&mode) != 0 || mode != oemdata::kModeSettingsFile || object->IsWrite() != 0)
        return -1;
    return ApplyOemSettingsFile(cpController, *object);
}

int AdpSettingsOrxCp::ApplyOemSettingsFile(CpController* cpController, const AdpSettingsPo& object)
{
    int status = SendDcmd(cpController, kDcmdCtrlGetDefaults, defaults_, sizeof defaults_);
    if (status != 0) {
        PrintMessage(CommonMsg::kText, "\nFailed to get current setting on the adapter\n");
        LogFailedRequest(kDcmdCtrlGetDefaults, status);
        return status;
    }
    extent_ = ByteView(defaults_).U8(ctrldefaults::kOffExtent);

    u8 info[ctrlinfo::kSize] = {};
    status = SendDcmd(cpController, kDcmdCtrlGetInfo, info, sizeof info);
    if (status != 0) {
        LogFailedRequest(kDcmdCtrlGetInfo, status);
        return status;
    }
    minStripCode_ = ByteView(info).U8(ctrlinfo::kOffMinStripCode);
    maxStripCode_ = ByteView(info).U8(ctrlinfo::kOffMaxStripCode);

    const string name = object.GetFileName();
    FileIO* io = GetFileIO();
    FileHandle* file = userfiles::OpenForReading(name.GetCStr(), "r");
    if (file == nullptr)
        return -1;
    std::string line;
    std::string key;
    std::string value;
    int result = 0;
    errno = 0;
    while (result == 0 && settingsfile::ReadLine(io, file, &line))
        if (settingsfile::SplitLine(line, false, &key, &value))
            result = ApplyLine(key, value);
    const int error = errno;
    // A file that could not be read to its end programs nothing.
    const bool readFailed = result == 0 && io->Error(file) != 0;
    io->Close(file);
    if (readFailed) {
        userfiles::ReportReadFailed(name.GetCStr(), error);
        return -1;
    }
    if (result != 0) {
        PrintMessage(AdpOpsMsg::kInvalidValue, key.c_str());
        return kInvalidValue;
    }

    status = SendDcmd(cpController, kDcmdCtrlSetDefaults, defaults_, sizeof defaults_);
    if (status != 0)
        LogFailedRequest(kDcmdCtrlSetDefaults, status);
    return status;
}

int AdpSettingsOrxCp::ApplyLine(const std::string& key, const std::string& value)
{
    using settingsfile::ReadRule;
    const settingsfile::Field* field = settingsfile::FindReadField(key, extent_);
    if (field == nullptr) {
        settingsfile::ReportInvalidKey(key);
        return 0;
    }
    if (field->read == ReadRule::kShowValue) {
        PrintMessage(CommonMsg::kText, "OEM =");
        PrintMessage(CommonMsg::kText, value.c_str());
        PrintMessage(CommonMsg::kLineEnd);
        return 0;
    }
    if (field->read == ReadRule::kIgnoredHex)
        return 0;
    if (field->read == ReadRule::kSasAddress) {
        u64 address = 0;
        if (settingsfile::ParseSasAddress(value, &address) != 0)
            return -1;
        settingsfile::SetFieldValue(*field, address, defaults_, sizeof defaults_);
        return 0;
    }

    s64 number = 0;
    if (!settingsfile::ParseDecimal(value, &number))
        return -1;
    if (field->read != ReadRule::kAnyNumber) {
        // Ranges hold unsigned values: a negative number is in none of them.
        const bool inRange = [&] {
            if (number < 0)
                return false;
            const u64 n = static_cast<u64>(number);
            switch (field->read) {
            case ReadRule::kRange:
                return n >= field->min && n <= field->max;
            case ReadRule::kZcrConfig:
                return n <= 1 || (n >= kZcrLow && n <= kZcrHigh);
            case ReadRule::kStripSize:
                return n >= minStripCode_ && n <= maxStripCode_;
            case ReadRule::kSpinDown:
                return n == 0 || (n >= field->min && n <= field->max);
            default:
                return false;
            }
        }();
        if (!inRange)
            return -1;
        if (field->read == ReadRule::kSpinDown && number == 0)
            return 0;
    }
    settingsfile::SetFieldValue(*field, static_cast<u64>(number), defaults_, sizeof defaults_);
    return 0;
}
