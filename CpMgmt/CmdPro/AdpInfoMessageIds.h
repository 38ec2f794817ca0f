// Catalogue ids of the "Adapter information" table (AdpInfoMessages.cpp). The building blocks
// ("%s", line ends, rulers, ...) are in the common table (runtime/CommonMessageIds.h).
#pragma once
#include "ZepUtil/Types.h"

namespace AdpMsg {

// Adapter report: section titles.
constexpr u32 kTitleVersions = 0x31100;
constexpr u32 kTitlePciInfo = 0x31103;
constexpr u32 kTitleHwConfiguration = 0x31105;
constexpr u32 kTitleSettings = 0x3110B;
constexpr u32 kTitleCapabilities = 0x3110F;
constexpr u32 kTitleStatus = 0x31111;
constexpr u32 kTitleMfgData = 0x36023;

// Adapter report: lines.
constexpr u32 kProductNameSerial = 0x31101;
constexpr u32 kPackageBuild = 0x31102;
constexpr u32 kPciIds = 0x31104;
constexpr u32 kHostInterface = 0x31107;
constexpr u32 kDeviceInterface = 0x31108;
constexpr u32 kSasAddress = 0x31109;
constexpr u32 kRates = 0x3110C;
constexpr u32 kSpinupAndModes = 0x3110D;
constexpr u32 kEccAndPolicies = 0x3110E;
constexpr u32 kRaidLevelsAndDrives = 0x31110;
constexpr u32 kEccBucketCount = 0x31112;
constexpr u32 kCurrentTime = 0x31113;
constexpr u32 kRevision = 0x36020;
constexpr u32 kMfgDate = 0x36021;
constexpr u32 kReworkDate = 0x36022;
constexpr u32 kBatteryFru = 0x36024;
constexpr u32 kBackplane = 0x36055;
constexpr u32 kLoadBalance = 0x36060;
constexpr u32 kSecurity = 0x36065;
constexpr u32 kOfflineCachePreserved = 0x36079;
constexpr u32 kBootWithPreservedCache = 0x3607A;
constexpr u32 kDisableOnlineReset = 0x3607B;
constexpr u32 kCharacter = 0x37203;
constexpr u32 kDiskActivityLocate = 0x37206;

// Summary: the controller lines.
constexpr u32 kSummaryProduct = 0x37200;
constexpr u32 kSummarySasAddress = 0x37201;
constexpr u32 kSummaryPackage = 0x37202;

// Enclosures.
constexpr u32 kEnclListFailed = 0x36008;     // "Failed to get Enclosure List...\n"
constexpr u32 kEnclCount = 0x36009;          // "    Number of enclosures on adapter %d -- %d\n\n"
constexpr u32 kEnclEntry = 0x3600A;          // the enclosure's lines, from "    Enclosure %d:\n"
constexpr u32 kNoFwiInstance = 0x36016;      // "Adapter #%d: Failed to Get FWI instance\n"
constexpr u32 kDiagPageFailed = 0x36025;     // "Receive Diagnostic for page code %d failed!!! ..."
constexpr u32 kVoltageSensorCount = 0x36026;
constexpr u32 kVoltageValue = 0x36027;
constexpr u32 kVoltageNegative = 0x36028;
constexpr u32 kVoltageSensor = 0x36029;
constexpr u32 kPartnerId = 0x36052;          // "    Partner Device Id             : %d\n\n"
constexpr u32 kPartnerText = 0x36053;        // "    Partner Device Id             : %s\n\n"

// Object counts.
constexpr u32 kVdCountFailed = 0x32001;   // "Failed to get VD count on adapter %d.\n"
constexpr u32 kVdCount = 0x32003;         // " Number of Virtual Drives Configured on Adapter %d: %d\n"
constexpr u32 kPdCountFailed = 0x33001;   // "Adapter %d: Failed to get PD Count\n"
constexpr u32 kPdCount = 0x33003;         // " Number of Physical Drives on Adapter %d: %d\n"

// PHYs.
constexpr u32 kPhyTitle = 0x3600C;             // "    Phy %d Information:\n"
constexpr u32 kPhySasAddress = 0x36039;
constexpr u32 kPhyIdAndType = 0x36038;
constexpr u32 kPhyNumber = 0x36034;            // "Phy No: %d \n"
constexpr u32 kPhyInvalidDwords = 0x36030;
constexpr u32 kPhyDisparityErrors = 0x36031;
constexpr u32 kPhyDwordSyncLosses = 0x36032;
constexpr u32 kPhyResetProblems = 0x36033;
constexpr u32 kPhyCountersFailed = 0x36035;    // "Adapter #%d: Failed to perform Display Phy Error Counters operation.\n"
constexpr u32 kPhyDisabled = 0x36040;          // "Phy No. %d is Disabled.\n"

// The operation that CommonMsg::kOperationFailed names when a report of the adapter information
// family (-AdpAllInfo, -ShowSummary, -Version) fails.
constexpr const char* kAdpAllInfoOperation = "AdpAll information";

}  // namespace AdpMsg
