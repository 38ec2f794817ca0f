// The "Battery" message table: the reports of the battery command.
#include "CpMgmt/CmdPro/BbuMessageIds.h"
#include "runtime/CtMessage.h"

namespace BbuMsg {
namespace {

const MessageEntry kBatteryMessages[] = {
    {kStatusTitle, "BBU status for Adapter: %d\n\n"},
    {kBatteryType, "BatteryType: %s\n"},
    {kReadings, "Voltage: %d mV\nCurrent: %d mA\nTemperature: %d C\n"},
    {kGasGauge,
     "GasGuageStatus:\n  Fully Discharged        : %s\n  Fully Charged           : %s\n  Discharging             : %s\n"
     "  Initialized             : %s\n  Remaining Time Alarm    : %s\n  Remaining Capacity Alarm: %s\n"
     "  Discharge Terminated    : %s\n  Over Temperature        : %s\n  Charging Terminated     : %s\n"
     "  Over Charged            : %s\n"},
    {kDetail,
     "  Relative State of Charge: %d %%\n  Charger System State: %d\n  Charger System Ctrl: %d\n"
     "  Charging current: %d mA\n  Absolute state of charge: %d %%\n  Max Error: %d %%\n"},
    {kDetailType2,
     "Relative State of Charge: %d %%\nCharger Status: %s\nRemaining Capacity: %d mAh\nFull Charge Capacity: %d mAh\n"
     "isSOHGood: %s\n"},
    {kCapacity,
     "\nBBU Capacity Info for Adapter: %d\n\n  Relative State of Charge: %d %%\n  Absolute State of charge: %d %%\n"
     "  Remaining Capacity: %d mAh\n  Full Charge Capacity: %d mAh\n  Run time to empty: %s \n"
     "  Average time to empty: %s \n  Estimated Time to full recharge: %s \n  Cycle Count: %d\n"},
    {kDesign,
     "\nBBU Design Info for Adapter: %d\n\n  Date of Manufacture: %.2d/%.2d, %.4d\n  Design Capacity: %d mAh\n"
     "  Design Voltage: %d mV\n  Specification Info: %d\n  Serial Number: %d\n  Pack Stat Configuration: 0x%.4x\n"
     "  Manufacture Name: %.12s\n  Device Name: %.8s\n  Device Chemistry: %.5s\n  Battery FRU: %.8s\n"},
    {kProperties,
     "\nBBU Properties for Adapter: %d\n\n  Auto Learn Period: %lu Days\n  Next Learn time: %s \n"
     "  Learn Delay Interval:%d Hours\n  Auto-Learn Mode: %s\n"},
    {kFirmwareStatus,
     "  Voltage                                 : %s\n  Temperature                             : %s\n"
     "  Learn Cycle Requested\t                  : %s\n  Learn Cycle Active                      : %s\n"
     "  Learn Cycle Status                      : %s\n  Learn Cycle Timeout                     : %s\n"
     "  I2c Errors Detected                     : %s\n  Battery Pack Missing                    : %s\n"
     "  Battery Replacement required            : %s\n  Remaining Capacity Low                  : %s\n"
     "  Periodic Learn Required                 : %s\n  Transparent Learn                       : %s\n"
     "  No space to cache offload               : %s\n  Pack is about to fail & should be replaced : %s\n"
     "  Cache Offload premium feature required  : %s\n  Module microcode update required        : %s\n"},
    {kDetailType6, "  Pack energy             : %d J \n  Capacitance             : %d \n  Remaining reserve space : %d \n\n"},
    {kDesignType6,
     "\nBBU Design Info for Adapter: %d\n\nDate of Manufacture: %.2d/%.2d, %.4d\nDesign Capacity: %d J\n"
     "Design Voltage: %d mV\nSerial Number: %d\nManufacture Name: %.12s\nDevice Name: %.8s\nDevice Chemistry: %.5s\n"
     "Battery FRU: %.8s\nKRV FRU: %.8s\n"},
    {kModeRow, "\n%6u %15u %18u %17u %15u\n"},
    {kNoRealTimeScheduling, "Adapter %d: Real Time Scheduling is not supported.\n"},
};

const MessageTableRegistration kRegisterBattery("Battery", kBatteryMessages,
                                                sizeof(kBatteryMessages) / sizeof(kBatteryMessages[0]));

}  // namespace
}  // namespace BbuMsg
