#include "CpMgmt/CmdPro/AdVrfyCp.h"

#include <cerrno>

#include "CpMgmt/CmdPro/SettingsFields.h"
#include "CpMgmt/CmdPro/CtrlDefaultsRead.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CmdPro/SettingsFileText.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/OemManager.h"
#include "ZepUtil/ByteView.h"
#include "cmdtool/TokenIds.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"
#include "runtime/UserFiles.h"

namespace {

const CpRegistration<AdpSetVerifyCp> kRegisterAdpSetVerifyCp{TOKEN_ADPSETVERIFY};

constexpr u64 kMaxHex16 = 0xFFFF;

}  // namespace

int AdpSetVerifyCp::ProcessParsed(CpController* cpController, AdpSetVerifyPo* object)
{
    int status = SendPrivateDcmd(cpController, kDcmdCtrlGetOemData, features_, sizeof features_);
    if (status != 0) {
        PrintMessage(CommonMsg::kText, "\nFailed to read MFC feature data from adapter\n");
        return status;
    }
    status = ReadCtrlDefaults(cpController, defaults_);
    if (status != 0) {
        PrintMessage(CommonMsg::kText, "\nFailed to read MFC default data from adapter\n");
        return status;
    }
    const u8 extent = ByteView(defaults_).U8(ctrldefaults::kOffExtent);
    status = SendDcmd(cpController, kDcmdCtrlGetMfcPciData, pciData_, sizeof pciData_);
    if (status != 0) {
        PrintMessage(CommonMsg::kText, "\nFailed to read PCI data from adapter\n");
        return status;
    }
    PrintMessage(CommonMsg::kAdapterTitle, AdapterNumberOf(cpController));
    return CompareWithFile(*object, extent);
}

int AdpSetVerifyCp::CompareWithFile(const AdpSetVerifyPo& object, u8 extent)
{
    const string name = object.GetFileName();
    FileIO* io = GetFileIO();
    FileHandle* file = userfiles::OpenForReading(name.GetCStr(), "r");
    if (file == nullptr)
        return -1;
    PrintMessage(CommonMsg::kText, "\nDifferences Found:\n");
    bool differs = false;
    std::string line;
    std::string key;
    std::string value;
    errno = 0;
    while (settingsfile::ReadLine(io, file, &line)) {
        if (!settingsfile::SplitLine(line, true, &key, &value))
            continue;
        const settingsfile::Field* field = settingsfile::FindVerifyField(key, extent);
        if (field == nullptr) {
            settingsfile::ReportInvalidKey(key);
            continue;
        }
        if (field->verify != settingsfile::VerifyRule::kSkip && Differs(*field, value)) {
            PrintMessage(CommonMsg::kText, (std::string(field->label) + "\n").c_str());
            differs = true;
        }
    }
    const int error = errno;
    // A file that could not be read to its end verifies nothing.
    const bool readFailed = io->Error(file) != 0;
    io->Close(file);
    if (readFailed) {
        userfiles::ReportReadFailed(name.GetCStr(), error);
        return -1;
    }
    if (differs)
        return -1;
    PrintMessage(CommonMsg::kText, "None\n");
    return 0;
}

bool AdpSetVerifyCp::Differs(const settingsfile::Field& field, const std::string& value) const
{
    using settingsfile::Block;
    const u8* block = field.block == Block::kFeatures ? features_ : field.block == Block::kPciData ? pciData_ : defaults_;
    const u32 size = field.block == Block::kFeatures  ? sizeof features_
                     : field.block == Block::kPciData ? sizeof pciData_
                                                      : sizeof defaults_;
    const u32 actual = settingsfile::FieldValue(field, block, size);
    switch (field.verify) {
    case settingsfile::VerifyRule::kOemId:
        return OemManager::GetOemId(value.c_str()) != actual;
    case settingsfile::VerifyRule::kHex: {
        u64 number = 0;
        return !settingsfile::ParseHex(value, kMaxHex16, &number) || number != actual;
    }
    default: {
        s64 number = 0;
        return !settingsfile::ParseDecimal(value, &number) || number != static_cast<s64>(actual);
    }
    }
}
