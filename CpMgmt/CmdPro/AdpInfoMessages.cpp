// The "Adapter information" message table: the texts of the adapter report's titles and lines
// and of the object counts.
#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "runtime/CtMessage.h"

namespace AdpMsg {
namespace {

const MessageEntry kAdapterInfoMessages[] = {
    {kTitleVersions, "    Versions\n"},
    {kProductNameSerial, "Product Name    : %.80s\nSerial No       : %.16s\n"},
    {kPackageBuild, "FW Package Build: %.96s\n"},
    {kTitlePciInfo, "PCI Info\n"},
    {kPciIds,
     "Controller Id\t: %.4x\nVendor Id       : %.4x\nDevice Id       : %.4x\nSubVendorId     : %.4x\n"
     "SubDeviceId     : %.4x\n\n"},
    {kTitleHwConfiguration, "HW Configuration\n"},
    {kHostInterface, "Host Interface  : %s\n\n"},
    {kDeviceInterface, "Device Interface  : %s\n\n"},
    {kSasAddress, "SAS Address      : %llx\n"},
    {kTitleSettings, "Settings\n"},
    {kRates,
     "Predictive Fail Poll Interval    : %dsec\nInterrupt Throttle Active Count  : %d\n"
     "Interrupt Throttle Completion    : %dus\nRebuild Rate                     : %d%%\n"
     "PR Rate                          : %d%%\nBGI Rate                         : %d%%\n"
     "Check Consistency Rate           : %d%%\n"},
    {kSpinupAndModes,
     "Reconstruction Rate              : %d%%\nCache Flush Interval             : %ds\n"
     "Max Drives to Spinup at One Time : %d\nDelay Among Spinup Groups        : %ds\n"
     "Physical Drive Coercion Mode     : %s\nCluster Mode                     : %s\n"
     "Alarm                            : %s\nAuto Rebuild                     : %s\n"
     "Battery Warning                  : %s\n"},
    {kEccAndPolicies,
     "Ecc Bucket Size                  : %d\nEcc Bucket Leak Rate             : %d Minutes\n"
     "Restore HotSpare on Insertion    : %s\nExpose Enclosure Devices         : %s\n"
     "Maintain PD Fail History         : %s\nHost Request Reordering          : %s\n"},
    {kTitleCapabilities, "Capabilities\n"},
    {kRaidLevelsAndDrives, "RAID Level Supported             : %s\nSupported Drives                 : %s\n\n"},
    {kTitleStatus, "Status\n"},
    {kEccBucketCount, "ECC Bucket Count                 : %d\n\n"},
    {kCurrentTime, "Current Time                     : %s\n"},
    {kRevision, "Revision No     : %.8s\n"},
    {kMfgDate, "Mfg. Date       : %.2d/%.2d/%.2d\n"},
    {kReworkDate, "Rework Date     : %.2d/%.2d/%.2d\n"},
    {kTitleMfgData, "    Mfg. Data\n"},
    {kBatteryFru, "Battery FRU     : %.8s\n"},
    {kBackplane, "Auto Detect BackPlane Enabled    : %s\n"},
    {kLoadBalance, "Load Balance Mode                : %s\n"},
    {kSecurity,
     "Use FDE Only                     : %s\nSecurity Key Assigned            : %s\n"
     "Security Key Failed              : %s\nSecurity Key Not Backedup        : %s\n"},
    {kOfflineCachePreserved, "Any Offline VD Cache Preserved   : %s\n"},
    {kBootWithPreservedCache, "Allow Boot with Preserved Cache  : %s\n"},
    {kDisableOnlineReset, "Disable Online Controller Reset  : %s\n"},
    {kCharacter, "%c"},
    {kDiskActivityLocate, "Use disk activity for locate     : %s\n"},
    {kSummaryProduct, "                 ProductName       : %s(Bus %d, Dev %d)\n"},
    {kSummarySasAddress, "                 SAS Address       : %llx\n"},
    {kSummaryPackage, "                 FW Package Version: %.96s\n"},
    {kEnclListFailed, "Failed to get Enclosure List...\n"},
    {kEnclCount, "    Number of enclosures on adapter %d -- %d\n\n"},
    {kEnclEntry,
     "    Enclosure %d:\n    Device ID                     : %d\n    Number of Slots               : %d\n"
     "    Number of Power Supplies      : %d\n    Number of Fans                : %d\n"
     "    Number of Temperature Sensors : %d\n    Number of Alarms              : %d\n"
     "    Number of SIM Modules         : %d\n    Number of Physical Drives     : %d\n"
     "    Status                        : %s\n    Position                      : %s\n"
     "    Connector Name                : %.16s\n"},
    {kNoFwiInstance, "Adapter #%d: Failed to Get FWI instance\n"},
    {kDiagPageFailed, "Receive Diagnostic for page code %d failed!!! Encl Dev Id %d, rval 0x%X\n"},
    {kVoltageSensorCount, "Number of Voltage Sensors         :%d\n\n"},
    {kVoltageValue, "Voltage Value                     :%u milli volts\n\n"},
    {kVoltageNegative, "Voltage Value                     :-%u milli volts\n\n"},
    {kVoltageSensor, "Voltage Sensor                    :%d\n"},
    {kPartnerId, "    Partner Device Id             : %d\n\n"},
    {kPartnerText, "    Partner Device Id             : %s\n\n"},
    {kVdCountFailed, "Failed to get VD count on adapter %d.\n"},
    {kVdCount, " Number of Virtual Drives Configured on Adapter %d: %d\n"},
    {kPdCountFailed, "Adapter %d: Failed to get PD Count\n"},
    {kPdCount, " Number of Physical Drives on Adapter %d: %d\n"},
    {kPhyTitle, "    Phy %d Information:\n"},
    {kPhySasAddress, "    SAS Address   : 0x%.16llX\n"},
    {kPhyIdAndType, "    Phy Identifier: %d\n    Device Type   : %s\n"},
    {kPhyNumber, "Phy No: %d \n"},
    {kPhyInvalidDwords, "Invalid DWord Count           : %d \n"},
    {kPhyDisparityErrors, "Running Disparity Error Count : %d \n"},
    {kPhyDwordSyncLosses, "Loss of DWord Synch Count     : %d \n"},
    {kPhyResetProblems, "Phy Reset problem Count       : %d \n"},
    {kPhyCountersFailed, "Adapter #%d: Failed to perform Display Phy Error Counters operation.\n"},
    {kPhyDisabled, "Phy No. %d is Disabled.\n"},
};

const MessageTableRegistration kRegisterAdapterInfo("Adapter information", kAdapterInfoMessages,
                                                    sizeof(kAdapterInfoMessages) / sizeof(kAdapterInfoMessages[0]));

}  // namespace
}  // namespace AdpMsg
