// -AdpAllInfo end to end against the simulated controller: the report frame, every field of
// the identity, hardware and settings sections at its byte offset, and the firmware failures.
#include <string>
#include <vector>

#include "commands/AdpInfoTestSupport.h"

namespace {

using namespace adp_test;

// The adapter report runs on controllers whose report blocks read as zeros.
class AdpAllInfoTest : public AdpInfoTest {};

const std::string kBlanks(16, ' ');
const std::string kUnderline = "================\n";

std::string SectionHeader(const std::string& title) { return kBlanks + title + kBlanks + kUnderline; }

// The report of adapter 0 when every block reads as zeros.
std::string ZeroReport()
{
    return "Adapter #0\n\n" + std::string(78, '=') + "\n" +
           SectionHeader("    Versions\n") +
           "Product Name    : \nSerial No       : \n"
           "FW Package Build: \n"
           "\n" +
           SectionHeader("    Mfg. Data\n") +
           "Mfg. Date       : 00/00/00\n"
           "Rework Date     : 00/00/00\n"
           "Revision No     : \n"
           "Battery FRU     : N/A\n"
           "\n" +
           SectionHeader("Image Versions in Flash:\n") + "\n" +
           SectionHeader("Pending Images in Flash\n") + "None\n\n" +
           SectionHeader("PCI Info\n") +
           "Controller Id\t: 0000\nVendor Id       : 0000\nDevice Id       : 0000\nSubVendorId     : 0000\n"
           "SubDeviceId     : 0000\n\n"
           "Host Interface  : UNKNOWN\n\n"
           "Number of Frontend Port: 0 \n"
           "Device Interface  : UNKNOWN\n\n"
           "Number of Backend Port: 0 \n"
           "\n" +
           SectionHeader("HW Configuration\n") +
           "SAS Address      : 0\n"
           "BBU              : Absent\n"
           "Alarm            : Absent\n"
           "NVRAM            : Absent\n"
           "Serial Debugger  : Absent\n"
           "Memory           : Absent\n"
           "Flash            : Absent\n"
           "Memory Size      : 0MB\n"
           "TPM              : Absent\n"
           "On board Expander: Absent\n"
           "Temperature sensor for ROC    : Absent\n"
           "Temperature sensor for controller    : Absent\n"
           "\n"
           "\n" +
           SectionHeader("Settings\n") +
           "Current Time                     : Not Set\n"
           "Predictive Fail Poll Interval    : 0sec\n"
           "Interrupt Throttle Active Count  : 0\n"
           "Interrupt Throttle Completion    : 0us\n"
           "Rebuild Rate                     : 0%\n"
           "PR Rate                          : 0%\n"
           "BGI Rate                         : 0%\n"
           "Check Consistency Rate           : 0%\n"
           "Reconstruction Rate              : 0%\n"
           "Cache Flush Interval             : 0s\n"
           "Max Drives to Spinup at One Time : 0\n"
           "Delay Among Spinup Groups        : 0s\n"
           "Physical Drive Coercion Mode     : Disabled\n"
           "Cluster Mode                     : Disabled\n"
           "Alarm                            : Disabled\n"
           "Auto Rebuild                     : Enabled\n"
           "Battery Warning                  : Enabled\n"
           "Ecc Bucket Size                  : 0\n"
           "Ecc Bucket Leak Rate             : 0 Minutes\n"
           "Restore HotSpare on Insertion    : Disabled\n"
           "Expose Enclosure Devices         : Disabled\n"
           "Maintain PD Fail History         : Disabled\n"
           "Host Request Reordering          : Enabled\n"
           "Auto Detect BackPlane Enabled    : SGPIO/i2c SEP\n"
           "Load Balance Mode                : Auto\n"
           "Use FDE Only                     : No\n"
           "Security Key Assigned            : No\n"
           "Security Key Failed              : No\n"
           "Security Key Not Backedup        : No\n"
           "Default LD PowerSave Policy      : Controller Defined\n"
           "Maximum number of direct attached drives to spin up in 1 min : 0 \n"
           "Auto Enhanced Import             : No\n"
           "Any Offline VD Cache Preserved   : No\n"
           "Allow Boot with Preserved Cache  : No\n"
           "Disable Online Controller Reset  : No\n"
           "Use disk activity for locate     : No\n"
           "POST delay\t\t\t : 90 seconds\n"
           "\n" +
           SectionHeader("Capabilities\n") +
           "RAID Level Supported             : RAID00\n"
           "Supported Drives                 : NONE\n\n"
           "Allowed Mixing:\nNONE\n\n" +
           SectionHeader("Status\n") + "ECC Bucket Count                 : 0\n\n" +
           SectionHeader("Limitations\n") +
           "Max Arms Per VD          : 0 \n"
           "Max Spans Per VD         : 0 \n"
           "Max Arrays               : 0 \n"
           "Max Number of VDs        : 0 \n"
           "Max Parallel Commands    : 0 \n"
           "Max SGE Count            : 0 \n"
           "Max Data Transfer Size   : 0 sectors \n"
           "Max Strips PerIO         : 0 \n"
           "Max LD per array         : 0 \n"
           "Min Strip Size           : 512Bytes\n"
           "Max Strip Size           : 512Bytes\n"
           "Max Configurable FlashTier Size: 0 GB\n"
           "Current Size of FlashTier      : 0 GB\n"
           "Current Size of FW Cache       : 0 MB\n"
           "\n" +
           SectionHeader("Device Present\n") +
           "Virtual Drives    : 0 \n  Degraded        : 0 \n  Offline         : 0 \n"
           "Physical Devices  : 0 \n  Disks           : 0 \n  Critical Disks  : 0 \n  Failed Disks    : 0 \n"
           "\n" +
           SectionHeader("Supported Adapter Operations\n") +
           "Rebuild Rate                    : No\nCC Rate                         : No\n"
           "BGI Rate                        : No\nReconstruct Rate                : No\n"
           "Patrol Read Rate                : No\nAlarm Control                   : No\n"
           "Cluster Support                 : No\nBBU                             : No\n"
           "Spanning                        : No\nDedicated Hot Spare             : No\n"
           "Revertible Hot Spares           : No\nForeign Config Import           : No\n"
           "Self Diagnostic                 : No\nAllow Mixed Redundancy on Array : No\n"
           "Global Hot Spares               : No\nDeny SCSI Passthrough           : No\n"
           "Deny SMP Passthrough            : No\nDeny STP Passthrough            : No\n"
           "Support Security                : No\nSnapshot Enabled                : No\n"
           "Support the OCE without adding drives : No\nSupport PI                      : No\n"
           "Support Shield State            : No\nBlock SSD Write Disk Cache Change: No\n"
           "\n" +
           SectionHeader("Supported VD Operations\n") +
           "Read Policy          : No\nWrite Policy         : No\nIO Policy            : No\n"
           "Access Policy        : No\nDisk Cache Policy    : No\nReconstruction       : No\n"
           "Deny Locate          : No\nDeny CC              : No\nAllow Ctrl Encryption: No\n"
           "Enable LDBBM         : No\nSupport Breakmirror  : No\nPower Savings        : No\n"
           "\n" +
           SectionHeader("Supported PD Operations\n") +
           "Force Online                            : No\nForce Offline                           : No\n"
           "Force Rebuild                           : No\nDeny Force Failed                       : No\n"
           "Deny Force Good/Bad                     : No\nDeny Missing Replace                    : No\n"
           "Deny Clear                              : No\nDeny Locate                             : No\n"
           "Support Temperature                     : No\nDisable Copyback                        : No\n"
           "Enable JBOD                             : No\nEnable Copyback on SMART                : No\n"
           "Enable Copyback to SSD on SMART Error   : No\nEnable SSD Patrol Read                  : No\n"
           "PR Correct Unconfigured Areas           : No\n" +
           SectionHeader("Error Counters\n") +
           "Memory Correctable Errors   : 0 \nMemory Uncorrectable Errors : 0 \n\n" +
           SectionHeader("Cluster Information\n") +
           "Cluster Permitted     : No\nCluster Active        : No\n\n" +
           SectionHeader("Default Settings\n") +
           "Phy Polarity                     : 0 \n"
           "Phy PolaritySplit                : 0 \n"
           "Background Rate                  : 0 \n"
           "Strip Size                       : 512Bytes\n"
           "Flush Time                       : 0 seconds\n"
           "Write Policy                     : WT\n"
           "Read Policy                      : None\n"
           "Cache When BBU Bad               : Disabled\n"
           "Cached IO                        : No\n"
           "SMART Mode                       : Mode 6\n"
           "Alarm Disable                    : Yes\n"
           "Coercion Mode                    : None\n"
           "ZCR Config                       : Unknown\n"
           "Dirty LED Shows Drive Activity   : No\n"
           "BIOS Continue on Error           : No\n"
           "Spin Down Mode                   : None\n"
           "Allowed Device Type              : SAS/SATA Mix\n"
           "Allow Mix in Enclosure           : No\n"
           "Allow HDD SAS/SATA Mix in VD     : No\n"
           "Allow SSD SAS/SATA Mix in VD     : No\n"
           "Allow HDD/SSD Mix in VD          : No\n"
           "Allow SATA in Cluster            : No\n"
           "Max Chained Enclosures           : 0 \n"
           "Disable Ctrl-R                   : No\n"
           "Enable PanelUI                   : No\n"
           "Direct PD Mapping                : No\n"
           "BIOS Enumerate VDs               : No\n"
           "Restore Hot Spare on Insertion   : No\n"
           "Expose Enclosure Devices         : No\n"
           "Maintain PD Fail History         : No\n"
           "Disable Puncturing               : No\n"
           "Zero Based Enclosure Enumeration : No\n"
           "PreBoot CLI Enabled              : Yes\n"
           "LED Show Drive Activity          : No\n"
           "Cluster Disable                  : No\n"
           "SAS Disable                      : No\n"
           "Auto Detect BackPlane Enable     : SGPIO/i2c SEP\n"
           "Use FDE Only                     : No\n"
           "Enable Led Header                : No\n"
           "Delay during POST                : 0 \n"
           "EnableCrashDump                  : No\n"
           "Disable Online Controller Reset  : No\n"
           "EnableLDBBM                      : No\n"
           "Un-Certified Hard Disk Drives    : Block\n"
           "Treat Single span R1E as R10     : No\n"
           "Max LD per array                 : 16\n"
           "Power Saving option              : All power saving options are enabled\n"
           "Default spin down time in minutes: 0 \n"
           "Enable JBOD                      : No\n"
           "Time taken to detect CME         : 60s\n";
}

constexpr const char* kFetchFailed = "Adapter #0: Failed to Perform AdpAll information Operation.\n";

// A 72-byte image table entry: the name padded to 8 bytes, then the version text.
Patch ImageEntry(unsigned tableOffset, unsigned index, const std::string& name, const std::string& version)
{
    std::string bytes = name;
    bytes.resize(8, '\0');
    bytes += version;
    return Text(kDcmdCtrlGetInfo, tableOffset + 72 * index, bytes);
}

// ---------------------------------------------------------------------------------------------
// Frame and section order

TEST_F(AdpAllInfoTest, ZeroedBlocksGiveTheWholeReportInSectionOrder)
{
    WriteState(ZeroedState());
    RunResult r = Run({"-AdpAllInfo", "-a0"});
    EXPECT_EQ(r.out, ZeroReport() + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
}

// ---------------------------------------------------------------------------------------------
// Versions and manufacturing data

TEST_F(AdpAllInfoTest, IdentityAndManufacturingFields)
{
    RunResult r = RunPatched({"-AdpAllInfo", "-a0"},
                             {
                                 Text(kDcmdCtrlGetInfo, 1344, "Tarnbek RAID 9000"),
                                 Text(kDcmdCtrlGetInfo, 1600, "8.4.7-0001"),
                                 Text(kDcmdCtrlGetMfgData, 2, "SN0123456789ABCD"),  // fills all 16 bytes
                                 U16(kDcmdCtrlGetMfgData, 0, (23u << 9) | (9u << 5) | 17u),
                                 U16(kDcmdCtrlGetMfgData, 18, (24u << 9) | (12u << 5) | 3u),
                                 Text(kDcmdCtrlGetMfgData, 20, "REV-B001"),
                                 Text(kDcmdCtrlGetBatteryFru, 0, "FRU12345"),
                             });
    EXPECT_EQ(Section(r.out, "    Versions\n"),
              "Product Name    : Tarnbek RAID 9000\nSerial No       : SN0123456789ABCD\n"
              "FW Package Build: 8.4.7-0001\n\n");
    EXPECT_EQ(Section(r.out, "    Mfg. Data\n"),
              "Mfg. Date       : 09/17/23\n"
              "Rework Date     : 12/03/24\n"
              "Revision No     : REV-B001\n"
              "Battery FRU     : FRU12345\n\n");
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(AdpAllInfoTest, TextsWithoutTerminatorStopAtTheirFieldEnd)
{
    const std::string name(80, 'N');
    const std::string build(96, 'B');
    const std::string longVersion(64, 'v');
    RunResult r = RunPatched({"-AdpAllInfo", "-a0"},
                             {
                                 Text(kDcmdCtrlGetInfo, 1344, name + "XXXX"),   // 1424 onward is another field
                                 Text(kDcmdCtrlGetInfo, 1600, build + "YYYY"),  // 1696: back-end addresses
                                 U32(kDcmdCtrlGetInfo, 180, 2),
                                 ImageEntry(184, 0, "BIOS", longVersion),
                                 ImageEntry(184, 1, "BOOT", "1.0"),
                             });
    EXPECT_EQ(Section(r.out, "    Versions\n"),
              "Product Name    : " + name + "\nSerial No       : \nFW Package Build: " + build + "\n\n");
    EXPECT_EQ(Section(r.out, "Image Versions in Flash:\n"),
              "BIOS Version       : " + longVersion + "\nBOOT Version       : 1.0\n\n");
}

// ---------------------------------------------------------------------------------------------
// Firmware images

TEST_F(AdpAllInfoTest, ImageComponentsPrintUnderTheirCodes)
{
    RunResult first = RunPatched({"-AdpAllInfo", "-a0"},
                                 {
                                     U32(kDcmdCtrlGetInfo, 180, 8),
                                     ImageEntry(184, 0, "APPL", "2.130.00-1234"),  // three letters compared
                                     ImageEntry(184, 1, "BIOS", "5.40.00"),
                                     ImageEntry(184, 2, "CTLR", "r1"),
                                     ImageEntry(184, 3, "CTLM", "m1"),
                                     ImageEntry(184, 4, "BTBL", "b1"),
                                     ImageEntry(184, 5, "QMX1", "q1"),
                                     ImageEntry(184, 6, "BCON", "p1"),
                                     ImageEntry(184, 7, "PCLI", "c1"),
                                 });
    EXPECT_EQ(Section(first.out, "Image Versions in Flash:\n"),
              "FW Version         : 2.130.00-1234\n"
              "BIOS Version       : 5.40.00\n"
              "Ctrl-R Version     : r1\n"
              "Ctrl-M Version     : m1\n"
              "Boot Block Version : b1\n"
              "QMX Version        : q1\n"
              "PanelUI Version    : p1\n"
              "Preboot CLI Version: c1\n"
              "\n");

    RunResult second = RunPatched({"-AdpAllInfo", "-a0"},
                                  {
                                      U32(kDcmdCtrlGetInfo, 180, 4),
                                      ImageEntry(184, 0, "NVDT", "n1"),
                                      ImageEntry(184, 1, "XYZW", "x9"),  // no code: nothing printed
                                      ImageEntry(184, 2, "BOOT", "o1"),
                                      ImageEntry(184, 3, "AP", "z"),
                                      ImageEntry(184, 4, "BIOS", "beyond the count"),
                                  });
    EXPECT_EQ(Section(second.out, "Image Versions in Flash:\n"),
              "NVDATA Version     : n1\n"
              "BOOT Version       : o1\n"
              "\n");
}

TEST_F(AdpAllInfoTest, PendingImagesAreListedWithoutSeparators)
{
    RunResult r = RunPatched({"-AdpAllInfo", "-a0"}, {U32(kDcmdCtrlGetInfo, 760, 2), ImageEntry(764, 0, "BIOS", "1"),
                                                      ImageEntry(764, 1, "APP", "2")});
    EXPECT_EQ(Section(r.out, "Pending Images in Flash\n"), "BIOSAPP\n");
}

TEST_F(AdpAllInfoTest, ImageCountsBeyondTheTablesListOnlyTheTables)
{
    // A ninth image entry would start at the pending count, whose bytes here read "APPX".
    std::vector<Patch> patches = {U32(kDcmdCtrlGetInfo, 180, 9), Text(kDcmdCtrlGetInfo, 760, "APPX")};
    std::string images;
    std::string pending;
    for (unsigned i = 0; i < 8; ++i) {
        patches.push_back(ImageEntry(184, i, "BIOS", "v" + std::to_string(i)));
        patches.push_back(ImageEntry(764, i, "ABCDEFGH", "zzz"));  // a name filling its 8 bytes
        images += "BIOS Version       : v" + std::to_string(i) + "\n";
        pending += "ABCDEFGH";
    }
    RunResult r = RunPatched({"-AdpAllInfo", "-a0"}, patches);
    EXPECT_EQ(Section(r.out, "Image Versions in Flash:\n"), images + "\n");
    EXPECT_EQ(Section(r.out, "Pending Images in Flash\n"), pending + "\n");
    EXPECT_EQ(r.exitCode, 0);
}

// ---------------------------------------------------------------------------------------------
// PCI information, interfaces and ports

TEST_F(AdpAllInfoTest, PciIdentityInterfacesAndPorts)
{
    std::vector<Patch> patches = {
        U16(kDcmdCtrlGetInfo, 0, 0x1A2B),
        U16(kDcmdCtrlGetInfo, 2, 0x3C4D),
        U16(kDcmdCtrlGetInfo, 4, 0x5E6F),
        U16(kDcmdCtrlGetInfo, 6, 0x7081),
        U16(kDcmdCtrlGetInfo, 8, 0x0092),
        Text(kDcmdCtrlGetInfo, 10, "B2"),
        U8(kDcmdCtrlGetInfo, 32, 0x02),
        U8(kDcmdCtrlGetInfo, 39, 2),
        U64(kDcmdCtrlGetInfo, 40, 0x5000000000000010ull),
        U64(kDcmdCtrlGetInfo, 48, 0x5000000000000011ull),
        U64(kDcmdCtrlGetInfo, 56, 0x5000000000000012ull),  // beyond the front-end count
        U8(kDcmdCtrlGetInfo, 104, 0x10),
        U8(kDcmdCtrlGetInfo, 111, 20),
    };
    std::string backend;
    for (unsigned i = 0; i < 16; ++i) {
        const unsigned offset = i < 8 ? 112 + 8 * i : 1696 + 8 * (i - 8);
        patches.push_back(U64(kDcmdCtrlGetInfo, offset, 0x500605b000000100ull + i));
        char line[64];
        std::snprintf(line, sizeof line, "%u        %.16llx \n", i, 0x500605b000000100ull + i);
        backend += line;
    }
    RunResult r = RunPatched({"-AdpAllInfo", "-a0"}, patches);
    EXPECT_EQ(Section(r.out, "PCI Info\n"),
              "Controller Id\t: 0092\nVendor Id       : 1a2b\nDevice Id       : 3c4d\nSubVendorId     : 5e6f\n"
              "SubDeviceId     : 7081\n\n"
              "Host Interface  : PCIE\n\n"
              "ChipRevision    : B2\n\n"
              "Number of Frontend Port: 2 \n"
              "Port  :  Address\n"
              "0        5000000000000010 \n"
              "1        5000000000000011 \n"
              "Device Interface  : SAS-6G\n\n"
              "Number of Backend Port: 20 \n"
              "Port  :  Address\n" +
                  backend + "\n");
}

TEST_F(AdpAllInfoTest, FrontendCountBeyondTheTableListsEightPorts)
{
    std::vector<Patch> patches = {U8(kDcmdCtrlGetInfo, 39, 200)};
    std::string listed;
    for (unsigned i = 0; i < 8; ++i) {
        patches.push_back(U64(kDcmdCtrlGetInfo, 40 + 8 * i, 0x1000 + i));
        char line[64];
        std::snprintf(line, sizeof line, "%u        %.16llx \n", i, 0x1000ull + i);
        listed += line;
    }
    RunResult r = RunPatched({"-AdpAllInfo", "-a0"}, patches);
    EXPECT_NE(r.out.find("Number of Frontend Port: 200 \nPort  :  Address\n" + listed + "Device Interface"),
              std::string::npos)
        << r.out;
}

TEST_F(AdpAllInfoTest, InterfaceTextsFollowTheirBitOrder)
{
    struct Case {
        unsigned hostBits;
        const char* host;
        unsigned deviceBits;
        const char* device;
    };
    const Case cases[] = {
        {0x01, "PCIX", 0x01, "SPI"},       {0x03, "PCIX", 0x06, "SATA-1-5G"}, {0x02, "PCIE", 0x08, "SATA-3G"},
        {0x04, "iSCSI", 0x02, "SAS-3G"},   {0x08, "SAS-3G", 0x10, "SAS-6G"},  {0x0C, "iSCSI", 0x20, "SAS-12G"},
        {0xF0, "UNKNOWN", 0xC0, "UNKNOWN"},
    };
    for (const Case& c : cases) {
        RunResult r = RunPatched({"-AdpAllInfo", "-a0"},
                                 {U8(kDcmdCtrlGetInfo, 32, c.hostBits), U8(kDcmdCtrlGetInfo, 104, c.deviceBits)});
        EXPECT_NE(r.out.find(std::string("Host Interface  : ") + c.host + "\n\n"), std::string::npos) << c.hostBits;
        EXPECT_NE(r.out.find(std::string("Device Interface  : ") + c.device + "\n\n"), std::string::npos)
            << c.deviceBits;
    }
}

// ---------------------------------------------------------------------------------------------
// Hardware

TEST_F(AdpAllInfoTest, HardwarePresentBitsMemoryAndTemperatures)
{
    RunResult a = RunPatched({"-AdpAllInfo", "-a0"},
                             {
                                 U64(kDcmdCtrlGetDefaults, 0, 0x500605b0deadbeefull),
                                 U8(kDcmdCtrlGetInfo, 1456, 0xA5),  // BBU, NVRAM, flash, expander
                                 U8(kDcmdCtrlGetInfo, 1457, 0x04),  // ROC sensor
                                 U16(kDcmdCtrlGetInfo, 1488, 1024),
                                 Text(kDcmdCtrlGetInfo, 1940, "EXP-FW-1.2.3.456"),  // fills its 16 bytes
                                 U8(kDcmdCtrlGetInfo, 1956, 0xFF),
                                 U8(kDcmdCtrlGetInfo, 1993, 55),
                                 U8(kDcmdCtrlGetInfo, 1994, 47),
                             });
    EXPECT_EQ(Section(a.out, "HW Configuration\n"),
              "SAS Address      : 500605b0deadbeef\n"
              "BBU              : Present\n"
              "Alarm            : Absent\n"
              "NVRAM            : Present\n"
              "Serial Debugger  : Absent\n"
              "Memory           : Absent\n"
              "Flash            : Present\n"
              "Memory Size      : 1024MB\n"
              "TPM              : Absent\n"
              "On board Expander: Present\n"
              "Temperature sensor for ROC    : Present\n"
              "Temperature sensor for controller    : Absent\n"
              "\n"
              "On board Expander FW version : EXP-FW-1.2.3.456\n"
              "ROC temperature : 55  degree Celcius\n"
              "\n");

    RunResult b = RunPatched({"-AdpAllInfo", "-a0"},
                             {
                                 U8(kDcmdCtrlGetInfo, 1456, 0x5A),  // alarm, serial debugger, memory, TPM
                                 U8(kDcmdCtrlGetInfo, 1457, 0x08),  // controller sensor
                                 Text(kDcmdCtrlGetInfo, 1940, "hidden"),
                                 U8(kDcmdCtrlGetInfo, 1993, 55),
                                 U8(kDcmdCtrlGetInfo, 1994, 47),
                             });
    EXPECT_EQ(Section(b.out, "HW Configuration\n"),
              "SAS Address      : 0\n"
              "BBU              : Absent\n"
              "Alarm            : Present\n"
              "NVRAM            : Absent\n"
              "Serial Debugger  : Present\n"
              "Memory           : Present\n"
              "Flash            : Absent\n"
              "Memory Size      : 0MB\n"
              "TPM              : Present\n"
              "On board Expander: Absent\n"
              "Temperature sensor for ROC    : Absent\n"
              "Temperature sensor for controller    : Present\n"
              "\n"
              "Controller temperature : 47  degree Celcius\n"
              "\n");
}

// ---------------------------------------------------------------------------------------------
// Settings

TEST_F(AdpAllInfoTest, SettingsFieldsAtTheirOffsets)
{
    RunResult r = RunPatched({"-AdpAllInfo", "-a0"},
                             {
                                 Text(kDcmdCtrlGetTime, 0, std::string("\xe8\x07\x03\x07\x0e\x05\x09\x00", 8)),
                                 Text(kDcmdCtrlGetKeyValues, 4, std::string("delaySOD=30\0", 12)),
                                 U16(kDcmdCtrlGetInfo, 1538, 300),
                                 U16(kDcmdCtrlGetInfo, 1540, 16),
                                 U16(kDcmdCtrlGetInfo, 1542, 50),
                                 U8(kDcmdCtrlGetInfo, 1544, 30),
                                 U8(kDcmdCtrlGetInfo, 1545, 31),
                                 U8(kDcmdCtrlGetInfo, 1546, 32),
                                 U8(kDcmdCtrlGetInfo, 1547, 33),
                                 U8(kDcmdCtrlGetInfo, 1548, 34),
                                 U8(kDcmdCtrlGetInfo, 1549, 4),
                                 U8(kDcmdCtrlGetInfo, 1550, 2),
                                 U8(kDcmdCtrlGetInfo, 1551, 12),
                                 U8(kDcmdCtrlGetInfo, 1552, 1),
                                 U8(kDcmdCtrlGetInfo, 1553, 2),
                                 U8(kDcmdCtrlGetInfo, 1554, 1),
                                 U8(kDcmdCtrlGetInfo, 1555, 1),
                                 U8(kDcmdCtrlGetInfo, 1556, 0),
                                 U8(kDcmdCtrlGetInfo, 1557, 8),
                                 U16(kDcmdCtrlGetInfo, 1558, 1440),
                                 U8(kDcmdCtrlGetInfo, 1560, 1),
                                 U8(kDcmdCtrlGetInfo, 1561, 0),
                                 U8(kDcmdCtrlGetInfo, 1562, 1),
                                 U8(kDcmdCtrlGetInfo, 1563, 1),
                                 U8(kDcmdCtrlGetInfo, 1565, 1),
                                 U8(kDcmdCtrlGetInfo, 1566, 2),
                                 U8(kDcmdCtrlGetInfo, 1568, 0x08),
                                 U8(kDcmdCtrlGetInfo, 1528, 0x2A),
                                 U8(kDcmdCtrlGetInfo, 1569, 0x89),
                                 U8(kDcmdCtrlGetInfo, 1576, 6),
                                 U8(kDcmdCtrlGetInfo, 1509, 0x20),
                                 U8(kDcmdCtrlGetInfo, 1992, 4),
                             });
    EXPECT_EQ(Section(r.out, "Settings\n"),
              "Current Time                     : 14:5:9 3/7, 2024\n"
              "Predictive Fail Poll Interval    : 300sec\n"
              "Interrupt Throttle Active Count  : 16\n"
              "Interrupt Throttle Completion    : 50us\n"
              "Rebuild Rate                     : 30%\n"
              "PR Rate                          : 31%\n"
              "BGI Rate                         : 32%\n"
              "Check Consistency Rate           : 33%\n"
              "Reconstruction Rate              : 34%\n"
              "Cache Flush Interval             : 4s\n"
              "Max Drives to Spinup at One Time : 2\n"
              "Delay Among Spinup Groups        : 12s\n"
              "Physical Drive Coercion Mode     : 1GB\n"
              "Cluster Mode                     : Enabled\n"
              "Alarm                            : Enabled\n"
              "Auto Rebuild                     : Disabled\n"
              "Battery Warning                  : Enabled\n"
              "Ecc Bucket Size                  : 8\n"
              "Ecc Bucket Leak Rate             : 1440 Minutes\n"
              "Restore HotSpare on Insertion    : Enabled\n"
              "Expose Enclosure Devices         : Disabled\n"
              "Maintain PD Fail History         : Enabled\n"
              "Host Request Reordering          : Disabled\n"
              "Auto Detect BackPlane Enabled    : SGPIO\n"
              "Load Balance Mode                : Disabled\n"
              "Use FDE Only                     : Yes\n"
              "Security Key Assigned            : Yes\n"
              "Security Key Failed              : No\n"
              "Security Key Not Backedup        : Yes\n"
              "Default LD PowerSave Policy      : Maximum without caching\n"
              "Maximum number of direct attached drives to spin up in 1 min : 4 \n"
              "Auto Enhanced Import             : Yes\n"
              "Any Offline VD Cache Preserved   : Yes\n"
              "Allow Boot with Preserved Cache  : Yes\n"
              "Disable Online Controller Reset  : No\n"
              "Use disk activity for locate     : Yes\n"
              "POST delay\t\t\t : 30 seconds\n"
              "\n");
}

TEST_F(AdpAllInfoTest, SettingsFlagsTheOtherWayRound)
{
    RunResult r = RunPatched({"-AdpAllInfo", "-a0"}, {
                                                         U8(kDcmdCtrlGetInfo, 1555, 0),
                                                         U8(kDcmdCtrlGetInfo, 1556, 1),
                                                         U8(kDcmdCtrlGetInfo, 1561, 1),
                                                         U8(kDcmdCtrlGetInfo, 1566, 1),
                                                         U8(kDcmdCtrlGetInfo, 1528, 0x14),
                                                         U8(kDcmdCtrlGetInfo, 1569, 0x04),
                                                         U8(kDcmdCtrlGetInfo, 1576, 2),
                                                     });
    const std::string settings = Section(r.out, "Settings\n");
    for (const char* line : {
             "Auto Rebuild                     : Enabled\n",
             "Battery Warning                  : Disabled\n",
             "Restore HotSpare on Insertion    : Disabled\n",
             "Expose Enclosure Devices         : Enabled\n",
             "Maintain PD Fail History         : Disabled\n",
             "Host Request Reordering          : Enabled\n",
             "Auto Detect BackPlane Enabled    : i2c SEP\n",
             "Load Balance Mode                : Auto\n",
             "Use FDE Only                     : No\n",
             "Security Key Assigned            : No\n",
             "Security Key Failed              : Yes\n",
             "Security Key Not Backedup        : No\n",
             "Default LD PowerSave Policy      : Maximum with caching\n",
             "Auto Enhanced Import             : No\n",
             "Any Offline VD Cache Preserved   : No\n",
             "Allow Boot with Preserved Cache  : No\n",
             "Disable Online Controller Reset  : Yes\n",
             "Use disk activity for locate     : No\n",
         })
        EXPECT_NE(settings.find(line), std::string::npos) << line << settings;
}

TEST_F(AdpAllInfoTest, CoercionBackplaneAndPowerSaveTexts)
{
    struct Code {
        unsigned value;
        const char* text;
    };
    const Code coercion[] = {{0, "Disabled"}, {2, "1GB"}, {1, "128MB"}, {255, "128MB"}};
    const Code backplane[] = {{1, "i2c SEP"}, {2, "SGPIO"}, {3, "None"}, {0, "SGPIO/i2c SEP"}, {4, "SGPIO/i2c SEP"}};
    struct Policy {
        unsigned code;
        bool uncachedBit;
        const char* text;
    };
    const Policy policies[] = {
        {1, false, "Automatic"},       {5, false, "Automatic"},          {2, false, "Maximum with caching"},
        {6, true, "Maximum without caching"}, {6, false, "Maximum"},     {255, true, "None"},
        {254, false, "Controller Defined"},   {0, true, "Controller Defined"}, {3, false, "Controller Defined"},
        {7, true, "Controller Defined"},
    };
    for (std::size_t k = 0; k < std::size(policies); ++k) {
        const Code& c = coercion[k % std::size(coercion)];
        const Code& b = backplane[k % std::size(backplane)];
        const Policy& p = policies[k];
        RunResult r =
            RunPatched({"-AdpAllInfo", "-a0"},
                       {U8(kDcmdCtrlGetInfo, 1553, c.value), U8(kDcmdCtrlGetInfo, 1566, b.value),
                        U8(kDcmdCtrlGetInfo, 1576, p.code), U8(kDcmdCtrlGetInfo, 1509, p.uncachedBit ? 0x20 : 0xDF)});
        const std::string settings = Section(r.out, "Settings\n");
        EXPECT_NE(settings.find(std::string("Physical Drive Coercion Mode     : ") + c.text + "\n"), std::string::npos)
            << c.value;
        EXPECT_NE(settings.find(std::string("Auto Detect BackPlane Enabled    : ") + b.text + "\n"), std::string::npos)
            << b.value;
        EXPECT_NE(settings.find(std::string("Default LD PowerSave Policy      : ") + p.text + "\n"), std::string::npos)
            << p.code;
    }
}

TEST_F(AdpAllInfoTest, PostDelayFromTheKeyValueBlock)
{
    using namespace std::string_literals;
    struct Case {
        std::string strings;
        const char* line;
    };
    const Case cases[] = {
        {"a=1\0delaySOD=5\0\0"s, "POST delay\t\t\t : 5 seconds\n"},
        {"boot=1 delaySOD=7\0delaySOD=9\0"s, "POST delay\t\t\t : 7 seconds\n"},
        {std::string(1020, 'x'), "POST delay\t\t\t : 90 seconds\n"},  // no terminator in the block
    };
    for (const Case& c : cases) {
        RunResult r = RunPatched({"-AdpAllInfo", "-a0"}, {Text(kDcmdCtrlGetKeyValues, 4, c.strings)});
        EXPECT_NE(r.out.find(c.line), std::string::npos) << c.line;
        EXPECT_EQ(r.exitCode, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Firmware failures

TEST_F(AdpAllInfoTest, FailedDefaultsOrInformationEndTheCommandWithoutReport)
{
    // The dispatcher's pre-check reads the controller information first; the report's own read
    // is the last one of the run.
    WriteState(ZeroedState());
    const int reportRead = static_cast<int>(CountRequests({"-AdpAllInfo", "-a0"}, kDcmdCtrlGetInfo));
    ASSERT_GE(reportRead, 2);

    struct Case {
        unsigned opcode;
        int nth;
        const char* message;
    };
    const Case cases[] = {
        {kDcmdCtrlGetDefaults, 0, kFetchFailed},
        {kDcmdCtrlGetInfo, reportRead, kFetchFailed},
        {kDcmdCtrlGetInfo, 1, "Adapter #0: Failed communicating to adapter..."},
    };
    for (const Case& c : cases) {
        nlohmann::json state = ZeroedState();
        AddFault(state, 0, c.opcode, 3, c.nth);
        WriteState(state);
        RunResult r = Run({"-AdpAllInfo", "-a0"});
        EXPECT_EQ(r.out.rfind(c.message, 0), 0u) << r.out;
        EXPECT_EQ(r.out.find("Adapter #0\n\n"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("\nFW error description: "), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("\nExit Code: 0x03\n"), std::string::npos) << r.out;
        EXPECT_EQ(r.exitCode, 3);
    }
}

// A read the report goes on without is named where its lines would stand, and none of them is
// printed from a block that never came; the run ends with the read's status.
TEST_F(AdpAllInfoTest, AReadTheReportGoesOnWithoutIsNamedInPlaceOfItsLines)
{
    struct Case {
        unsigned opcode;
        std::vector<std::string> shown;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {kDcmdCtrlGetMfgData,
         {"Adapter #0\n\n",
          "Product Name    : Named\nAdapter 0: Failed to read the serial number.\nFW Package Build: \n",
          SectionHeader("    Mfg. Data\n") +
              "Adapter 0: Failed to read the manufacturing data.\nBattery FRU     : FRU1\n\n"},
         {"Serial No", "Mfg. Date", "Rework Date", "Revision No", "Failed to Perform"}},
        {kDcmdCtrlGetKeyValues,
         {"Use disk activity for locate     : No\nAdapter 0: Failed to read the POST delay.\n\n" +
          SectionHeader("Capabilities\n")},
         {"POST delay\t"}},
        {kDcmdCtrlGetOemData,
         {"LED Show Drive Activity          : No\n"
          "Adapter 0: Failed to read the Cluster Disable and SAS Disable settings.\n"
          "Auto Detect BackPlane Enable     : "},
         {"Cluster Disable                  : ", "SAS Disable                      : "}},
        {kDcmdCtrlGetTime,
         {SectionHeader("Settings\n") + "Adapter 0: Failed to read the controller time.\nPredictive Fail Poll Interval"},
         {"Current Time", "Not Set"}},
    };
    for (const Case& c : cases) {
        nlohmann::json state = ZeroedState();
        Apply(state, 0,
              {Text(kDcmdCtrlGetMfgData, 2, "SERIAL"), Text(kDcmdCtrlGetInfo, 1344, "Named"),
               Text(kDcmdCtrlGetTime, 0, std::string("\xe8\x07\x03\x07\x0e\x05\x09\x00", 8)),
               Text(kDcmdCtrlGetBatteryFru, 0, "FRU1"),
               Text(kDcmdCtrlGetKeyValues, 4, std::string("delaySOD=30\0", 12))});
        AddFault(state, 0, c.opcode, 5);
        WriteState(state);
        RunResult r = Run({"-AdpAllInfo", "-a0"});
        EXPECT_EQ(r.out.rfind("Adapter #0\n\n", 0), 0u) << r.out;
        for (const std::string& line : c.shown)
            EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
        for (const std::string& text : c.absent)
            EXPECT_EQ(r.out.find(text), std::string::npos) << text;
        // The report ends as a run whose last request failed does.
        EXPECT_TRUE(r.out.ends_with("Time taken to detect CME         : 60s\n\nFW error description: "
                                    "Command aborted\n" + Exit(5)))
            << r.out;
        EXPECT_EQ(r.exitCode, 5) << std::hex << c.opcode;
    }
}

TEST_F(AdpAllInfoTest, TheFirstFailedReadGivesTheStatusAndALibraryFailureEndsWithOne)
{
    // The manufacturing data fails before the time: its status is the run's.
    nlohmann::json state = ZeroedState();
    AddFault(state, 0, kDcmdCtrlGetMfgData, 3);
    AddFault(state, 0, kDcmdCtrlGetTime, 5);
    WriteState(state);
    RunResult r = Run({"-AdpAllInfo", "-a0"});
    EXPECT_NE(r.out.find("Adapter 0: Failed to read the manufacturing data.\n"), std::string::npos);
    EXPECT_NE(r.out.find("Adapter 0: Failed to read the controller time.\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("Time taken to detect CME         : 60s\n\nFW error description: Invalid parameter\n" +
                                Exit(3)))
        << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // A failure of the controller access names no firmware status.
    state = ZeroedState();
    state["faults"].push_back({{"controller", 0}, {"opcode", "0x01080101"}, {"lib_error", 5}});
    WriteState(state);
    r = Run({"-AdpAllInfo", "-a0"});
    EXPECT_NE(r.out.find("Adapter 0: Failed to read the controller time.\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("Time taken to detect CME         : 60s\n" + kExitFailed)) << r.out;
    EXPECT_EQ(r.exitCode, 1);
}

// A battery without FRU data shows "N/A": a FRU block that cannot be read is taken as that
// answer, alone or beside another failure, whose status it does not change.
TEST_F(AdpAllInfoTest, AnUnreadBatteryFruIsShownAsNone)
{
    for (const bool timeFails : {false, true}) {
        nlohmann::json state = ZeroedState();
        Apply(state, 0, {Text(kDcmdCtrlGetBatteryFru, 0, "FRU1")});
        AddFault(state, 0, kDcmdCtrlGetBatteryFru, 5);
        if (timeFails)
            AddFault(state, 0, kDcmdCtrlGetTime, 3);
        WriteState(state);
        RunResult r = Run({"-AdpAllInfo", "-a0"});
        EXPECT_NE(r.out.find("Revision No     : \nBattery FRU     : N/A\n"), std::string::npos) << r.out;
        EXPECT_EQ(r.exitCode, timeFails ? 3 : 0);
        EXPECT_EQ(r.out.find("\nFW error description: Invalid parameter\n") != std::string::npos, timeFails) << r.out;
    }
}

// ---------------------------------------------------------------------------------------------
// Several controllers

TEST_F(AdpAllInfoTest, AllAdaptersReportEachControllerInTurn)
{
    for (unsigned count : {2u, 3u}) {
        nlohmann::json state = ZeroedState(count);
        for (unsigned c = 0; c < count; ++c)
            Apply(state, c, {Text(kDcmdCtrlGetInfo, 1344, "Controller " + std::to_string(c))});
        WriteState(state);
        RunResult r = Run({"-AdpAllInfo", "-aALL"});
        std::size_t at = 0;
        for (unsigned c = 0; c < count; ++c) {
            at = r.out.find("Adapter #" + std::to_string(c) + "\n\n", at);
            ASSERT_NE(at, std::string::npos) << r.out;
            const std::size_t next = r.out.find("Adapter #", at + 1);
            const std::string report = r.out.substr(at, next == std::string::npos ? std::string::npos : next - at);
            EXPECT_NE(report.find("Product Name    : Controller " + std::to_string(c) + "\n"), std::string::npos)
                << report;
            EXPECT_NE(report.find(SectionHeader("Default Settings\n")), std::string::npos);
        }
        EXPECT_EQ(r.exitCode, 0);
    }
}

// A failed adapter never keeps the others from reporting; the run ends with the first failure.
TEST_F(AdpAllInfoTest, EveryAdapterReportsAfterAFailedOne)
{
    nlohmann::json state = ZeroedState(3);
    AddFault(state, 1, kDcmdCtrlGetDefaults, 3);
    WriteState(state);

    RunResult all = Run({"-AdpAllInfo", "-aALL"});
    EXPECT_NE(all.out.find("Adapter #0\n\n"), std::string::npos);
    EXPECT_NE(all.out.find("Adapter #1: Failed to Perform AdpAll information Operation.\n"), std::string::npos);
    EXPECT_NE(all.out.find("Adapter #2\n\n"), std::string::npos);
    EXPECT_EQ(all.exitCode, 3);

    RunResult listed = Run({"-AdpAllInfo", "-a0,1,2"});
    EXPECT_NE(listed.out.find("Adapter #0\n\n"), std::string::npos);
    EXPECT_NE(listed.out.find("Adapter #1: Failed to Perform AdpAll information Operation.\n"), std::string::npos);
    EXPECT_NE(listed.out.find("Adapter #2\n\n"), std::string::npos);
    EXPECT_EQ(listed.exitCode, 3);
}

TEST_F(AdpAllInfoTest, MissingAdapterSelectorIsRefused)
{
    WriteState(ZeroedState());
    RunResult r = Run({"-AdpAllInfo"});
    EXPECT_EQ(r.out, "Failed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n");
    EXPECT_EQ(r.exitCode, 1);
}

}  // namespace
