#include "CpMgmt/CmdPro/AdAlILogCp.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "CpMgmt/CmdPro/AdBbuCp.h"
#include "CpMgmt/CmdPro/AdTTYLogCp.h"
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "CpMgmt/CmdPro/AdpInfoPrint.h"
#include "CpMgmt/CmdPro/AdpMaintMessageIds.h"
#include "CpMgmt/CmdPro/FwRequest.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "ZepUtil/ByteView.h"
#include "cmdtool/TokenIds.h"
#include "controller/FwiDpErrors.h"
#include "fwdata/layout/CtrlProps.h"
#include "fwdata/layout/Opcodes.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpAlIInLogCp> kRegisterAdpAlIInLogCp{TOKEN_ADPALILOG};

// The OEM brand's vendor id, which selects its banner.
constexpr u16 kOemVendorId = 0x7A4E;
// OEM controller models by the PCI id word at information byte 4.
struct OemModel {
    u16 idWord;
    const char* name;
};
constexpr OemModel kOemModels[] = {{0x4E10, "Orvex RC-1000"}, {0x4E20, "Orvex RC-2000"}, {0x4E40, "Orvex RC-4000"}};

const char* TrueFalse(u8 value) { return value != 0 ? "TRUE" : "FALSE"; }
const char* YesNoUpper(u8 value) { return value != 0 ? "YES" : "NO"; }

}  // namespace

namespace alilog {

void Label(const char* text) { PrintMessage(CommonMsg::kColumn20, text); }
void Value(const std::string& text) { PrintMessage(CommonMsg::kColumn25, text.c_str()); }
void Text(const std::string& text) { PrintMessage(CommonMsg::kText, text.c_str()); }
void LineEnd() { PrintMessage(CommonMsg::kLineEnd); }

std::string Format(const char* format, ...)
{
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

}  // namespace alilog

namespace {

// The controller's title, model, interfaces, ports and serial number.
void PrintAlILogControllerIdentity(const ByteView& info)
{
    using namespace alilog;
    using namespace ctrlinfo;
    const std::string product = info.Text(kProductName);
    Text("     RAID Controller ");
    Text(product);
    Text(" Information \n");
    Text("     =======================================================\n\n");

    Label("RAID Type:");
    std::string model = product;
    for (const OemModel& row : kOemModels) {
        if (row.idWord == info.U16(kOffSubVendorId))
            model = row.name;
    }
    Text(Format("%-25s", model.c_str()));
    LineEnd();
    Label("Host Intr:");
    Value(AdpPrint::HostInterfaceText(info));
    Label("Device Intr:");
    Text(AdpPrint::DeviceInterfaceText(info));
    LineEnd();
    Label("Port Count:");
    Value(Format("%-25d", info.U8(kOffDevicePortCount)));
    Label("Serial #");
    PrintMessage(CommonMsg::kLeftText, info.Text(kSerial).c_str());
}

// Firmware components, two to a line; only the running images' table is read.
void PrintAlILogFirmwareComponents(const ByteView& info)
{
    using namespace alilog;
    using namespace ctrlinfo;
    const u32 count = std::min<u32>(info.U32(kOffImageCount), kMaxImages);
    for (u32 i = 0; i < count; i += 2) {
        LineEnd();
        const ByteView first = info.Sub(kOffImages + i * kImageEntrySize, kImageEntrySize);
        Value(Format("%-4s %-15s%-25s", first.Text(kImageName).c_str(), "Version:", first.Text(kImageVersion).c_str()));
        if (i + 1 < count) {
            const ByteView second = info.Sub(kOffImages + (i + 1) * kImageEntrySize, kImageEntrySize);
            Value(Format("%-4s %-15s%s", second.Text(kImageName).c_str(), "Version:", second.Text(kImageVersion).c_str()));
        }
    }
    LineEnd();
}

// The RAID levels the controller offers, blank-separated ("NONE" for none).
std::string AlILogRaidLevelsText(const ByteView& info)
{
    using namespace ctrlinfo;
    const u8 low = info.U8(kOffRaidLevels);
    std::string levels;
    const auto add = [&](bool on, const char* name) {
        if (!on)
            return;
        if (!levels.empty())
            levels += ' ';
        levels += name;
    };
    const auto level = [&](unsigned bit) { return ((low >> bit) & 1u) != 0; };
    add(level(kRaid0Bit), "0");
    add(level(kRaid1Bit), "1");
    add(level(kRaid5Bit), "5");
    add(level(kRaid1eBit), "1E");
    add(level(kRaid6Bit), "6");
    add(!info.Bit(kNoRaid00), "00");
    add(level(kRaid10Bit), "10");
    add(level(kRaid50Bit), "50");
    add(level(kRaid60Bit), "60");
    add(info.Bit(kPrl11), "PRL 11");
    add(info.Bit(kPrl11Spanned), "PRL 11 with spanning");
    add(info.Bit(kSrl3), "SRL 3 supported");
    return levels.empty() ? "NONE" : levels;
}

// NVRAM, RAID levels, cache and flash sizes, memory errors and the cluster lines.
void PrintAlILogMemoryAndCluster(const ByteView& info)
{
    using namespace alilog;
    using namespace ctrlinfo;
    Label("NVRAM Size:");
    Value(Format("%d KB", info.U16(kOffNvramKb)));

    Label("RAID Level:");
    Text(AlILogRaidLevelsText(info));
    LineEnd();

    Label("Cache Size:");
    Value(Format("%d MB", info.U16(kOffMemorySizeMb)));
    Label("Flash Size:");
    Label(Format("%d MB", info.U16(kOffFlashMb)).c_str());
    LineEnd();
    Value(Format("%-20s%-25d", "RCV Error:", info.U16(kOffMemCorrectableErrors)));
    Label(Format("%-20s%d\n", "Un-RCV Error:", info.U16(kOffMemUncorrectableErrors)).c_str());
    Label("Support Cluster:");
    Value(info.U8(kOffClusterPermitted) != 0 ? "Yes" : "No");
    Label("Cluster Mode:");
    Label(info.U8(kOffClusterActive) != 0 ? "Active" : "Inactive");
    LineEnd();
    LineEnd();
}

}  // namespace

int AdpAlIInLogCp::ProcessParsed(CpController* cpController, AdpAllInOneLogParsedObject* object)
{
    const u8 adapter = AdapterNumberOf(cpController);
    batteryStatusRead_ = report_.Check(SendDcmd(cpController, kDcmdBbuGetStatus, batteryStatus_, 0)) == 0;
    if (!batteryStatusRead_)
        std::memset(batteryStatus_, 0, sizeof batteryStatus_);
    const int status = SendDcmd(cpController, kDcmdCtrlGetInfo, info_, 0);
    if (status != 0) {
        std::memset(info_, 0, sizeof info_);
        PrintMessage(CommonMsg::kOperationFailed, adapter, AdpMsg::kAdpAllInfoOperation);
        return status;
    }
    {
        // The controller's time is not shown: its failure leaves nothing out.
        FwiDpErrors::KeepLast keep;
        SendDcmd(cpController, kDcmdCtrlGetTime, time_, 0);
    }
    // The design block names only the battery types without a name of their own.
    const ByteView battery(batteryStatus_);
    const bool nameFromDesign = batteryStatusRead_ && AdpBbuCp::TypeNamedByDesign(battery.U8(bbustatus::kOffType),
                                                                                  battery.U8(bbustatus::kOffQualifier));
    if (nameFromDesign) {
        batteryDesignRead_ = report_.Check(SendDcmd(cpController, kDcmdBbuGetDesign, batteryDesign_, 0)) == 0;
    } else {
        FwiDpErrors::KeepLast keep;
        batteryDesignRead_ = SendDcmd(cpController, kDcmdBbuGetDesign, batteryDesign_, 0) == 0;
    }
    if (!batteryDesignRead_)
        std::memset(batteryDesign_, 0, sizeof batteryDesign_);
    return WriteAllInLog(cpController, object->GetAdapterNumber());
}

int AdpAlIInLogCp::WriteAllInLog(CpController* cpController, u8 adapterNumber)
{
    using namespace alilog;
    const ByteView info(info_);
    if (info.U16(ctrlinfo::kOffVendorId) == kOemVendorId)
        CtPrintString("\n     Orvex(R) RAID Command Line Utilities Version "
                      "     =========================================================================");
    else
        CtPrintString("\n      SAS RAID Management Tool Command Line Utilities \n"
                      "     ===================================================");
    LineEnd();
    LineEnd();
    PrintMessage(CommonMsg::kAdapterTitle, adapterNumber);

    PrintDateTime();
    PrintOsInfo(1);
    PrintMemoryInfo();
    PrintOsInfo(0);
    PrintDriverInfo();
    LineEnd();
    PrintProcessorInfo();
    LineEnd();
    LineEnd();

    PrintController();
    PrintProperties();
    PrintBattery(adapterNumber);

    LineEnd();
    LineEnd();
    report_.Check(PrintDeviceSection(cpController, adapterNumber));
    LineEnd();
    report_.Check(PrintLdSection(cpController, adapterNumber));
    LineEnd();
    report_.Check(PrintEventHistory(cpController));

    LineEnd();
    LineEnd();
    Text("                              Online History");
    Text("\n                            ===============");
    for (int i = 0; i < 4; ++i)
        LineEnd();
    PrintMessage(MaintMsg::kTermLogTitle, adapterNumber);
    LineEnd();
    report_.Check(AdpTTYLogCp::PrintTermLog(cpController));  // a failed read is reported and the report goes on
    LineEnd();
    LineEnd();
    PrintDateTime();
    LineEnd();
    LineEnd();
    return report_.Result();
}

void AdpAlIInLogCp::PrintController()
{
    const ByteView info(info_);
    PrintAlILogControllerIdentity(info);
    PrintAlILogFirmwareComponents(info);
    PrintAlILogMemoryAndCluster(info);
}

void AdpAlIInLogCp::PrintProperties()
{
    using namespace alilog;
    const ByteView props = ByteView(info_).Sub(ctrlinfo::kOffSettings, ctrlprops::kSize);
    Text("Controller Properties\n");
    Text("---------------------\n");
    const auto number = [&](const char* label, Field<u8> field) {
        Text(label);
        PrintMessage(CommonMsg::kNumber, props.U8(field));
    };
    number("Rebuild Rate                                  : ", ctrlprops::kOffRebuildRate);
    number("\nPatrol Read Rate                              : ", ctrlprops::kOffPatrolReadRate);
    number("\nBack Ground Initialization(BGI) Rate          : ", ctrlprops::kOffBgiRate);
    number("\nConsistency Check(CC) Rate                    : ", ctrlprops::kOffCcRate);
    number("\nReconstruction Rate                           : ", ctrlprops::kOffReconRate);
    number("\nMaximum # of drives to spin up at one time    : ", ctrlprops::kOffSpinupDriveCount);
    number("\n# of seconds to delay among spinup groups     : ", ctrlprops::kOffSpinupDelay);
    Text("\nCluster Enable                                : ");
    Text(TrueFalse(props.U8(ctrlprops::kOffClusterEnable)));
    Text("\nDrive capacity coercion mode                  : ");
    const u8 coercion = props.U8(ctrlprops::kOffCoercionMode);
    Text(coercion == 0 ? "None" : coercion == 2 ? "1GB" : "128MB");
    Text("\nAlarm Enable                                  : ");
    Text(TrueFalse(props.U8(ctrlprops::kOffAlarm)));
    Text("\nDisable AutoRebuild                           : ");
    Text(TrueFalse(props.U8(ctrlprops::kOffAutoRbldDisabled)));
    Text("\nDisable Battery Warning                       : ");
    Text(TrueFalse(props.U8(ctrlprops::kOffBatWarnDisabled)));
    Text("\nRestore Hotspare on Insertion                 : ");
    Text(YesNoUpper(props.U8(ctrlprops::kOffRestoreHspOnInsert)));
    Text("\nExpose Enclosure Devices                      : ");
    Text(YesNoUpper(props.U8(ctrlprops::kOffExposeEnclDevices)));
    LineEnd();
    LineEnd();
}

void AdpAlIInLogCp::PrintBattery(u8 adapterNumber)
{
    using namespace alilog;
    using namespace bbustatus;
    const ByteView status(batteryStatus_);
    const u8 type = status.U8(kOffType);
    Text("BBU Properties\n");
    Text("--------------");
    // A status block that could not be read is no "No Battery"; nor is a name that could not be.
    if (!batteryStatusRead_) {
        LineEnd();
        PrintReadFailure(adapterNumber, "the battery status");
        return;
    }
    if (!batteryDesignRead_ && AdpBbuCp::TypeNamedByDesign(type, status.U8(kOffQualifier))) {
        LineEnd();
        PrintReadFailure(adapterNumber, "the battery design information");
    } else {
        Text("\nBBU Battery Type:                             ");
        Text(AdpBbuCp::BatteryTypeText(type, status.U8(kOffQualifier), batteryDesign_));
    }
    if (type == 0)
        return;
    const u32 state = status.U32(kOffState);
    const auto bit = [&](unsigned b) { return ((state >> b) & 1u) != 0; };
    Text("\nBBU Voltage:                                  ");
    Text(Format("%d mV", status.U16(kOffVoltage)));
    Text("\nBBU Current:                                  ");
    Text(Format("%d mA", static_cast<int>(static_cast<s16>(status.U16(kOffCurrent)))));
    Text("\nBBU Temperature:                              ");
    Text(Format("%d C", status.U16(kOffTemperature)));
    Text("\nVorb Relative State Of Charge:                ");
    Text(Format("%d ", status.U16(kOffRelativeCharge)));
    Text("\nVorb Charging Current:                        ");
    Text(Format("%d mA", status.U16(kOffChargingCurrent)));
    Text("\nVorb Absolute State Of Charge:                ");
    Text(Format("%d", status.U16(kOffAbsoluteCharge)));
    LineEnd();
    LineEnd();
    Text("BBU Firmware Status\n");
    Text("-------------------");
    const auto flag = [&](const char* label, const char* text) {
        Text(label);
        PrintMessage(CommonMsg::kColumn10, text);
    };
    flag("\nvoltageLow:                                   ", bit(kBitVoltageLow) ? "Low" : "OK");
    flag("\ntemperatureHigh                               ", bit(kBitTemperatureHigh) ? "High" : "OK");
    flag("\nlearnCycleRequested:                          ", bit(kBitLearnRequested) ? "Yes" : "No");
    flag("\nlearnCycleActive:                             ", bit(kBitLearnActive) ? "Yes" : "No");
    flag("\nlearnCycleFailed                              ", bit(kBitLearnFailed) ? "Failed" : "OK");
    flag("\nlearnCycleTimeout:                            ", bit(kBitLearnTimeout) ? "Yes" : "No");
}
