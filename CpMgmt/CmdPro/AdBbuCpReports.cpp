// The battery's status, capacity and design reports, the charge time line and the one-shot
// battery operations' results.
#include <cstdio>
#include <cstring>

#include "CpMgmt/CmdPro/AdBbuCp.h"
#include "CpMgmt/CmdPro/BbuMessageIds.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/ReportStatus.h"
#include "ZepUtil/ByteView.h"
#include "ZepUtil/TextHelpers.h"
#include "controller/FwiDpErrors.h"
#include "fwdata/layout/BatteryCapacity.h"
#include "fwdata/layout/BatteryFru.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/RaidManager.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

// States that make a battery of types 1, 3, 4 and 5 non-operational: pack missing, voltage low,
// discharging, learn requested, active, I2C errors, replacement, capacity low, no offload space,
// offload feature and microcode update required.
constexpr u32 kNonOperationalMask = 0x34E73;
// A type 2 battery is non-operational only with exactly these: pack missing, replacement
// required and capacity low.
constexpr u32 kType2NonOperational = 0x00000C01;
constexpr u32 kOemModeNoChargeTime = 6;
constexpr u8 kMaxChargeHours = 48;


// What the capacity report and the charge time could not read when a time of 0 needs it.
constexpr const char* kBbuOemModeUnread = "the OEM mode of the controller";

bool StateBit(u32 state, unsigned bit) { return ((state >> bit) & 1u) != 0; }

void PrintBbuText(const std::string& text) { PrintMessage(CommonMsg::kText, text.c_str()); }

}  // namespace

int AdpBbuCp::GetBbuStatus(CpController* cpController, AdpBbuPo* object)
{
    using namespace bbustatus;
    u8 status[kSize] = {};
    int result = SendBbuDcmd(kDcmdBbuGetStatus, status, cpController);
    if (result != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuGetStatus, result, "Get BBU Status Failed.");
        return -1;
    }
    u8 design[bbudesign::kSize] = {};
    result = SendBbuDcmd(kDcmdBbuGetDesign, design, cpController);
    if (result != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuGetDesign, result, "Get BBU Design Info Failed.");
        return -1;
    }
    PrintBbuStatus(object, status, design);
    return 0;
}

void AdpBbuCp::PrintBbuStatus(AdpBbuPo* object, const u8* statusBlock, const u8* design)
{
    using namespace bbustatus;
    const ByteView status(statusBlock, kSize);
    const u8 type = status.U8(kOffType);
    const u8 variant = status.U8(kOffQualifier);
    PrintMessage(BbuMsg::kStatusTitle, object->GetAdapterNumber());
    PrintMessage(BbuMsg::kBatteryType, BatteryTypeText(type, variant, design).c_str());
    if (type == 0)
        return;
    PrintMessage(BbuMsg::kReadings, status.U16(kOffVoltage), static_cast<int>(static_cast<s16>(status.U16(kOffCurrent))),
                 status.U16(kOffTemperature));

    const u32 state = status.U32(kOffState);
    const bool usual = type == 1 || type == 3 || type == 4 || type == 5;
    if (type == 2 || usual) {
        const bool down = type == 2 ? state == kType2NonOperational : (state & kNonOperationalMask) != 0;
        PrintBbuText(down ? "Battery State     : Non Operational\n\n" : "Battery State     : Operational\n\n");
    }
    const char* charging = StateBit(state, kBitCharging)      ? "Charging"
                           : StateBit(state, kBitDischarging) ? "Discharging"
                                                           : "None";
    PrintBbuText(std::string("BBU Firmware Status:\n\n  Charging Status              : ") + charging + "\n");
    const auto bit = [&](unsigned b) { return YesNo(StateBit(state, b)); };
    PrintMessage(BbuMsg::kFirmwareStatus, StateBit(state, kBitVoltageLow) ? "Low" : "OK",
                 StateBit(state, kBitTemperatureHigh) ? "High" : "OK", bit(kBitLearnRequested), bit(kBitLearnActive),
                 StateBit(state, kBitLearnFailed) ? "Failed" : "OK", bit(kBitLearnTimeout), bit(kBitI2cErrors), bit(kBitPackMissing),
                 bit(kBitReplacePack), bit(kBitCapacityLow), bit(kBitPeriodicLearn), bit(kBitTransparentLearn),
                 bit(kBitNoOffloadSpace), bit(kBitAboutToFail), bit(kBitOffloadRequired), bit(kBitMicrocodeUpdate));

    const u16 gasGauge = status.U16(kOffGasGauge);
    if (type == 5 || type == 6 || (type == 2 && variant != 0)) {
        PrintMessage(CommonMsg::kText, "BBU GasGauge Status: 0x");
        PrintMessage(CommonMsg::kHex16, gasGauge);
        PrintMessage(CommonMsg::kLineEnd);
    }
    if (type == 1 || type == 3 || type == 4 || (type == 2 && variant == 0)) {
        PrintMessage(CommonMsg::kLineEnd);
        PrintMessage(CommonMsg::kLineEnd);
        const auto gg = [&](unsigned b) { return YesNo(((gasGauge >> b) & 1u) != 0); };
        PrintMessage(BbuMsg::kGasGauge, gg(kGgFullyDischarged), gg(kGgFullyCharged), gg(kGgDischarging),
                     gg(kGgInitialized), gg(kGgTimeAlarm), gg(kGgCapacityAlarm), gg(kGgDischargeTerminated),
                     gg(kGgOverTemperature), gg(kGgChargeTerminated), gg(kGgOverCharged));
    }

    if (usual) {
        PrintMessage(BbuMsg::kDetail, status.U16(kOffRelativeCharge), status.U16(kOffChargerState),
                     status.U16(kOffChargerControl), status.U16(kOffChargingCurrent), status.U16(kOffAbsoluteCharge),
                     status.U16(kOffMaxError));
    } else if (type == 2) {
        static constexpr const char* kChargerStatus[] = {"Off", "Complete", "In Progress", "Unknown"};
        const u16 charger = status.U16(kOffChargerStatus);
        PrintMessage(BbuMsg::kDetailType2, status.U16(kOffRelativeCharge), kChargerStatus[charger < 3 ? charger : 3],
                     status.U16(kOffRemaining), status.U16(kOffFullCapacity), YesNo(status.U8(kOffHealthGood) != 0));
    } else if (type == 6) {
        PrintMessage(BbuMsg::kDetailType6, status.U8(kOffEnergyLow) + 256 * status.U8(kOffEnergyHigh),
                     status.U8(kOffCapacitance), status.U8(kOffReserveSpace));
    }
}

int AdpBbuCp::GetBbuCapacityInfo(CpController* cpController, AdpBbuPo* object)
{
    using namespace bbustatus;
    u8 capacity[bbucapacity::kSize] = {};
    int result = SendBbuDcmd(kDcmdBbuGetCapacity, capacity, cpController);
    if (result != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuGetCapacity, result, "Get BBU Capacity Info Failed.");
        return result;
    }
    u8 status[kSize] = {};
    result = SendBbuDcmd(kDcmdBbuGetStatus, status, cpController);
    if (result != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuGetStatus, result, "Get BBU Status Failed.");
        return result;
    }
    // Without the model the report cannot be printed; that is a failure, not a report.
    Adapter* adapter = AdapterOrReport(cpController, AdapterNumberOf(cpController), true);
    if (adapter == nullptr)
        return -1;
    ReportStatus oemRead;
    u32 oemMode = 0;
    oemRead.Check(adapter->GetOemMode(&oemMode));
    PrintBbuCapacityInfo(object, capacity, oemRead.Failed() ? nullptr : &oemMode);
    const ByteView c(capacity, bbucapacity::kSize);
    if (status[kOffType] != 5) {
        char line[160];
        std::snprintf(line, sizeof line, "%s = %d %%\n", "Max Error", c.U16(bbucapacity::kOffMaxError));
        PrintBbuText(line);
        std::snprintf(line, sizeof line, "%s = %d mAh\n", "Remaining Capacity Alarm", c.U16(bbucapacity::kOffCapacityAlarm));
        PrintBbuText(line);
        std::snprintf(line, sizeof line, "%s = %d Min\n", "Remining Time Alarm", c.U16(bbucapacity::kOffTimeAlarm));
        PrintBbuText(line);
    }
    if (oemRead.Failed() && c.U16(bbucapacity::kOffTimeToFull) == 0) {
        PrintReadFailure(AdapterNumberOf(cpController), kBbuOemModeUnread);
        return oemRead.Result();
    }
    return 0;
}

void AdpBbuCp::PrintBbuCapacityInfo(AdpBbuPo* object, const u8* block, const u32* oemMode)
{
    const ByteView c(block, bbucapacity::kSize);
    const auto duration = [](u16 minutes, const char* none) {
        std::string text;
        if (minutes == bbucapacity::kNoTime)
            return std::string(none);
        FormatMinutes(minutes, text);
        return text;
    };
    const std::string toEmpty = duration(c.U16(bbucapacity::kOffRunTimeToEmpty), "Battery is not being discharged. ");
    const std::string average = duration(c.U16(bbucapacity::kOffAverageTimeToEmpty), "Battery is not being discharged. ");
    const u16 full = c.U16(bbucapacity::kOffTimeToFull);
    const bool noChargeTime = oemMode != nullptr && *oemMode == kOemModeNoChargeTime;
    const std::string toFull = full == 0 && noChargeTime ? std::string("N/A ") : duration(full, "Battery is not being charged. ");
    PrintMessage(BbuMsg::kCapacity, object->GetAdapterNumber(), c.U16(bbucapacity::kOffRelativeCharge),
                 c.U16(bbucapacity::kOffAbsoluteCharge), c.U16(bbucapacity::kOffRemaining),
                 c.U16(bbucapacity::kOffFullCapacity), toEmpty.c_str(), average.c_str(), toFull.c_str(),
                 c.U16(bbucapacity::kOffCycleCount));
}

void AdpBbuCp::FormatMinutes(u32 minutes, std::string& text)
{
    char part[32];
    const u32 days = minutes / 1440;
    const u32 hours = minutes % 1440 / 60;
    const u32 rest = minutes % 60;
    if (days != 0) {
        std::snprintf(part, sizeof part, "%d Day, ", static_cast<int>(days));
        text += part;
    }
    if (hours != 0) {
        std::snprintf(part, sizeof part, "%d Hour, ", static_cast<int>(hours));
        text += part;
    }
    if (rest != 0) {
        std::snprintf(part, sizeof part, "%d Min.", static_cast<int>(rest));
        text += part;
    }
}

int AdpBbuCp::GetBbuDesignInfo(CpController* cpController, AdpBbuPo* object)
{
    u8 type = 0;
    if (GetBatteryType(cpController, &type) != 0) {
        ReportText(cpController, "Get BBU Status Info Failed.");
        return -1;
    }
    // A battery without FRU data shows "N/A", and so does a FRU block that cannot be read: the
    // report takes its failure as that answer.
    u8 fru[batteryfru::kSize] = {};
    int result = 0;
    {
        FwiDpErrors::KeepLast keep;
        result = SendBbuDcmd(kDcmdCtrlGetBatteryFru, fru, cpController);
    }
    if (result != 0) {
        LogDebugFailure(__LINE__, kDcmdCtrlGetBatteryFru, result);
        std::memset(fru, 0, sizeof fru);
    }
    u8 design[bbudesign::kSize] = {};
    result = SendBbuDcmd(kDcmdBbuGetDesign, design, cpController);
    if (result != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuGetDesign, result, "Get BBU Design Info Failed.");
        return -1;
    }
    PrintBbuDesignInfo(object, design, fru, type);
    return 0;
}

void AdpBbuCp::PrintBbuDesignInfo(AdpBbuPo* object, const u8* designBlock, const u8* fruBlock, u8 type)
{
    using namespace bbudesign;
    const ByteView design(designBlock, bbudesign::kSize);
    const ByteView fru(fruBlock, batteryfru::kSize);
    const u32 date = design.U32(kOffManufactured);
    const int day = static_cast<int>(date & 0x1F);
    const int month = static_cast<int>((date >> 5) & 0xF);
    const int year = static_cast<int>((date >> 9) & 0xFFFF);
    const auto fruText = [&](TextField field) {
        const std::string text = fru.Text(field);
        return text.empty() ? std::string("N/A") : text;
    };
    const std::string name = design.Text(kManufacturer);
    const std::string device = design.Text(kDeviceName);
    const std::string chemistry = design.Text(kChemistry);
    const std::string batteryFru = fruText(batteryfru::kFru);
    if (type == 6) {
        PrintMessage(BbuMsg::kDesignType6, object->GetAdapterNumber(), month, day, year,
                     design.U16(kOffDesignCapacity), design.U16(kOffDesignVoltage), design.U16(kOffSerial),
                     name.c_str(), device.c_str(), chemistry.c_str(), batteryFru.c_str(),
                     fruText(batteryfru::kModuleFru).c_str());
    } else {
        PrintMessage(BbuMsg::kDesign, object->GetAdapterNumber(), month, day, year, design.U16(kOffDesignCapacity),
                     design.U16(kOffDesignVoltage), design.U16(kOffSpecificationInfo), design.U16(kOffSerial),
                     design.U16(kOffPackStat), name.c_str(), device.c_str(), chemistry.c_str(), batteryFru.c_str());
    }
    const std::string version = design.Text(kModuleVersion);
    if (!version.empty())
        PrintBbuText("Module Version = " + version + "\n");
    char lines[96];
    std::snprintf(lines, sizeof lines, "%s = %d\n%s = %d\n", "  Transparent Learn", design.U8(kOffTransparentLearn),
                  "  App Data", design.U8(kOffAppData));
    PrintBbuText(lines);
}

int AdpBbuCp::PrintChargeTime(CpController* cpController)
{
    using namespace bbustatus;
    Adapter* adapter = AdapterOrReport(cpController, AdapterNumberOf(cpController), true);
    if (adapter == nullptr)
        return -1;
    ReportStatus oemRead;
    u32 oemMode = 0;
    oemRead.Check(adapter->GetOemMode(&oemMode));
    u8 status[kSize] = {};
    const int result = SendBbuDcmd(kDcmdBbuGetStatus, status, cpController);
    if (result != 0) {
        ReportFailure(cpController, __LINE__, kDcmdBbuGetStatus, result, "Get BBU ChargeTime Failed.");
        return -1;
    }
    const u8 hours = status[kOffChargeTime];
    PrintMessage(CommonMsg::kLineEnd);
    if (hours == 0 && oemRead.Failed()) {
        PrintReadFailure(AdapterNumberOf(cpController), kBbuOemModeUnread);
        return oemRead.Result();
    }
    char line[64];
    if (oemMode == kOemModeNoChargeTime && hours == 0)
        std::snprintf(line, sizeof line, "  Battery backup charge time : N/A");
    else if (hours <= kMaxChargeHours)
        std::snprintf(line, sizeof line, "  Battery backup charge time : %d hours", hours);
    else
        std::snprintf(line, sizeof line, "  Battery backup charge time : 48 hours +");
    PrintBbuText(line);
    PrintMessage(CommonMsg::kLineEnd);
    return 0;
}
