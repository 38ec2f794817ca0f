// -AdpAllInfo end to end: the capabilities, limits, supported operations, counters and default
// settings, each line from its byte and bit. The flags are set in binary-coded patterns (flag i
// is set in run j when bit j of i is set), so that a line reading another flag's bit differs in
// at least one run.
#include <string>
#include <vector>

#include "commands/AdpInfoTestSupport.h"

namespace {

using namespace adp_test;

class AdpAllInfoCapabilitiesTest : public AdpInfoTest {
protected:
    RunResult Report(const std::vector<Patch>& patches) { return RunPatched({"-AdpAllInfo", "-a0"}, patches); }
};

// The text after the label on the label's line in the section, or "<missing ...>".
std::string Value(const std::string& out, const std::string& section, const std::string& label)
{
    const std::string text = Section(out, section);
    std::size_t at = text.rfind(label, 0) == 0 ? 0 : text.find("\n" + label);
    if (at == std::string::npos)
        return "<missing " + label + ">";
    at = text[at] == '\n' ? at + 1 + label.size() : label.size();
    return text.substr(at, text.find('\n', at) - at);
}

struct Flag {
    unsigned block;  // kDcmdCtrlGetInfo or kDcmdCtrlGetDefaults
    unsigned offset;
    unsigned bit;
    const char* section;
    const char* label;
    bool inverted;  // "No" when set
};

const char* const kAdapterOps = "Supported Adapter Operations\n";
const char* const kVdOps = "Supported VD Operations\n";
const char* const kPdOps = "Supported PD Operations\n";
const char* const kDefaultsTitle = "Default Settings\n";

std::vector<Flag> Flags()
{
    std::vector<Flag> flags = {
        {kDcmdCtrlGetInfo, 1504, 0, kAdapterOps, "Rebuild Rate                    : ", false},
        {kDcmdCtrlGetInfo, 1504, 1, kAdapterOps, "CC Rate                         : ", false},
        {kDcmdCtrlGetInfo, 1504, 2, kAdapterOps, "BGI Rate                        : ", false},
        {kDcmdCtrlGetInfo, 1504, 3, kAdapterOps, "Reconstruct Rate                : ", false},
        {kDcmdCtrlGetInfo, 1504, 4, kAdapterOps, "Patrol Read Rate                : ", false},
        {kDcmdCtrlGetInfo, 1504, 5, kAdapterOps, "Alarm Control                   : ", false},
        {kDcmdCtrlGetInfo, 1504, 6, kAdapterOps, "Cluster Support                 : ", false},
        {kDcmdCtrlGetInfo, 1504, 7, kAdapterOps, "BBU                             : ", false},
        {kDcmdCtrlGetInfo, 1505, 0, kAdapterOps, "Spanning                        : ", false},
        {kDcmdCtrlGetInfo, 1505, 1, kAdapterOps, "Dedicated Hot Spare             : ", false},
        {kDcmdCtrlGetInfo, 1505, 2, kAdapterOps, "Revertible Hot Spares           : ", false},
        {kDcmdCtrlGetInfo, 1505, 3, kAdapterOps, "Foreign Config Import           : ", false},
        {kDcmdCtrlGetInfo, 1505, 4, kAdapterOps, "Self Diagnostic                 : ", false},
        {kDcmdCtrlGetInfo, 1505, 5, kAdapterOps, "Allow Mixed Redundancy on Array : ", false},
        {kDcmdCtrlGetInfo, 1505, 6, kAdapterOps, "Global Hot Spares               : ", false},
        {kDcmdCtrlGetInfo, 1505, 7, kAdapterOps, "Deny SCSI Passthrough           : ", false},
        {kDcmdCtrlGetInfo, 1506, 0, kAdapterOps, "Deny SMP Passthrough            : ", false},
        {kDcmdCtrlGetInfo, 1506, 1, kAdapterOps, "Deny STP Passthrough            : ", false},
        {kDcmdCtrlGetInfo, 1507, 2, kAdapterOps, "Support Security                : ", false},
        {kDcmdCtrlGetInfo, 1507, 6, kAdapterOps, "Snapshot Enabled                : ", false},
        {kDcmdCtrlGetInfo, 1507, 4, kAdapterOps, "Support the OCE without adding drives : ", false},
        {kDcmdCtrlGetInfo, 1956, 1, kAdapterOps, "Support LDPI Type1                      : ", false},
        {kDcmdCtrlGetInfo, 1956, 2, kAdapterOps, "Support LDPI Type2                      : ", false},
        {kDcmdCtrlGetInfo, 1956, 3, kAdapterOps, "Support LDPI Type3                      : ", false},
        {kDcmdCtrlGetInfo, 1956, 5, kAdapterOps, "Support Shield State            : ", false},
        {kDcmdCtrlGetInfo, 1956, 6, kAdapterOps, "Block SSD Write Disk Cache Change: ", false},
        {kDcmdCtrlGetInfo, 1508, 0, kVdOps, "Read Policy          : ", false},
        {kDcmdCtrlGetInfo, 1508, 1, kVdOps, "Write Policy         : ", false},
        {kDcmdCtrlGetInfo, 1508, 2, kVdOps, "IO Policy            : ", false},
        {kDcmdCtrlGetInfo, 1508, 3, kVdOps, "Access Policy        : ", false},
        {kDcmdCtrlGetInfo, 1508, 4, kVdOps, "Disk Cache Policy    : ", false},
        {kDcmdCtrlGetInfo, 1508, 5, kVdOps, "Reconstruction       : ", false},
        {kDcmdCtrlGetInfo, 1508, 6, kVdOps, "Deny Locate          : ", false},
        {kDcmdCtrlGetInfo, 1508, 7, kVdOps, "Deny CC              : ", false},
        {kDcmdCtrlGetInfo, 1509, 0, kVdOps, "Allow Ctrl Encryption: ", false},
        {kDcmdCtrlGetInfo, 1509, 1, kVdOps, "Enable LDBBM         : ", false},
        {kDcmdCtrlGetInfo, 1509, 6, kVdOps, "Support Breakmirror  : ", false},
        {kDcmdCtrlGetInfo, 1509, 4, kVdOps, "Power Savings        : ", false},
        {kDcmdCtrlGetInfo, 1516, 0, kPdOps, "Force Online                            : ", false},
        {kDcmdCtrlGetInfo, 1516, 1, kPdOps, "Force Offline                           : ", false},
        {kDcmdCtrlGetInfo, 1516, 2, kPdOps, "Force Rebuild                           : ", false},
        {kDcmdCtrlGetInfo, 1516, 3, kPdOps, "Deny Force Failed                       : ", false},
        {kDcmdCtrlGetInfo, 1516, 4, kPdOps, "Deny Force Good/Bad                     : ", false},
        {kDcmdCtrlGetInfo, 1516, 5, kPdOps, "Deny Missing Replace                    : ", false},
        {kDcmdCtrlGetInfo, 1516, 6, kPdOps, "Deny Clear                              : ", false},
        {kDcmdCtrlGetInfo, 1516, 7, kPdOps, "Deny Locate                             : ", false},
        {kDcmdCtrlGetInfo, 1517, 3, kPdOps, "Support Temperature                     : ", false},
        {kDcmdCtrlGetInfo, 1568, 0, kPdOps, "Disable Copyback                        : ", false},
        {kDcmdCtrlGetInfo, 1569, 5, kPdOps, "Enable JBOD                             : ", false},
        {kDcmdCtrlGetInfo, 1568, 1, kPdOps, "Enable Copyback on SMART                : ", false},
        {kDcmdCtrlGetInfo, 1568, 5, kPdOps, "Enable Copyback to SSD on SMART Error   : ", false},
        {kDcmdCtrlGetInfo, 1568, 6, kPdOps, "Enable SSD Patrol Read                  : ", false},
        {kDcmdCtrlGetInfo, 1568, 2, kPdOps, "PR Correct Unconfigured Areas           : ", false},
        {kDcmdCtrlGetInfo, 1568, 7, kPdOps, "Enable Spin Down of UnConfigured Drives : ", false},
        {kDcmdCtrlGetInfo, 1569, 4, kPdOps, "Disable Spin Down of hot spares         : ", false},
        {kDcmdCtrlGetInfo, 1517, 2, kPdOps, "T10 Power State                         : ", false},
        {kDcmdCtrlGetDefaults, 64, 0, kDefaultsTitle, "TTY Log In Flash                 : ", false},
        {kDcmdCtrlGetDefaults, 64, 1, kDefaultsTitle, "Auto Enhanced Import             : ", false},
        {kDcmdCtrlGetDefaults, 64, 4, kDefaultsTitle, "Disable Join Mirror              : ", false},
        {kDcmdCtrlGetDefaults, 64, 7, kDefaultsTitle, "Enable Shield State              : ", false},
        {kDcmdCtrlGetDefaults, 64, 3, kDefaultsTitle, "BreakMirror RAID Support         : ", false},
    };
    // The defaults' flag bytes: any non-zero value counts.
    const std::vector<std::pair<unsigned, const char*>> bytes = {
        {15, "Cached IO                        : "}, {20, "Dirty LED Shows Drive Activity   : "},
        {21, "BIOS Continue on Error           : "}, {24, "Allow Mix in Enclosure           : "},
        {25, "Allow HDD SAS/SATA Mix in VD     : "}, {44, "Allow SSD SAS/SATA Mix in VD     : "},
        {45, "Allow HDD/SSD Mix in VD          : "}, {26, "Allow SATA in Cluster            : "},
        {28, "Disable Ctrl-R                   : "}, {29, "Enable PanelUI                   : "},
        {31, "Direct PD Mapping                : "}, {32, "BIOS Enumerate VDs               : "},
        {33, "Restore Hot Spare on Insertion   : "}, {34, "Expose Enclosure Devices         : "},
        {35, "Maintain PD Fail History         : "}, {36, "Disable Puncturing               : "},
        {37, "Zero Based Enclosure Enumeration : "}, {40, "LED Show Drive Activity          : "},
        {42, "Use FDE Only                     : "}, {43, "Enable Led Header                : "},
        {47, "EnableCrashDump                  : "}, {54, "Disable Online Controller Reset  : "},
        {48, "EnableLDBBM                      : "}, {50, "Treat Single span R1E as R10     : "},
        {63, "Enable JBOD                      : "},
    };
    for (const auto& [offset, label] : bytes)
        flags.push_back({kDcmdCtrlGetDefaults, offset, 0, kDefaultsTitle, label, false});
    flags.push_back({kDcmdCtrlGetDefaults, 17, 0, kDefaultsTitle, "Alarm Disable                    : ", true});
    flags.push_back({kDcmdCtrlGetDefaults, 38, 0, kDefaultsTitle, "PreBoot CLI Enabled              : ", true});
    return flags;
}

TEST_F(AdpAllInfoCapabilitiesTest, EveryFlagLineReadsItsOwnBit)
{
    const std::vector<Flag> flags = Flags();
    unsigned runs = 0;
    while ((flags.size() + 1) >> runs)
        ++runs;
    for (unsigned run = 0; run < runs; ++run) {
        // The gates of the protection-type and spin-down lines, and extended defaults, stay open.
        std::map<std::pair<unsigned, unsigned>, unsigned> bytes = {
            {{kDcmdCtrlGetInfo, 1956}, 0x01}, {{kDcmdCtrlGetInfo, 1517}, 0x01}, {{kDcmdCtrlGetDefaults, 62}, 65}};
        for (std::size_t i = 0; i < flags.size(); ++i) {
            if (((i + 1) >> run) & 1)
                bytes[{flags[i].block, flags[i].offset}] |= 1u << flags[i].bit;
        }
        std::vector<Patch> patches;
        for (const auto& [at, value] : bytes)
            patches.push_back(U8(at.first, at.second, value));
        const RunResult r = Report(patches);
        ASSERT_EQ(r.exitCode, 0) << r.out;
        for (std::size_t i = 0; i < flags.size(); ++i) {
            const bool set = ((i + 1) >> run) & 1;
            EXPECT_EQ(Value(r.out, flags[i].section, flags[i].label), set != flags[i].inverted ? "Yes" : "No")
                << "run " << run << ": " << flags[i].label;
        }
        EXPECT_EQ(Value(r.out, kAdapterOps, "Support PI                      : "), "Yes");
    }
}

TEST_F(AdpAllInfoCapabilitiesTest, GatedLinesAppearOnlyWithTheirGate)
{
    // Protection information and spin down supported, extended defaults: the gated lines.
    RunResult open = Report({U8(kDcmdCtrlGetInfo, 1956, 0x01), U8(kDcmdCtrlGetInfo, 1517, 0x01),
                             U16(kDcmdCtrlGetInfo, 1574, 1574), U8(kDcmdCtrlGetDefaults, 62, 65)});
    EXPECT_NE(Section(open.out, kAdapterOps).find("Support PI                      : Yes\n"
                                                  "Support LDPI Type1                      : No\n"
                                                  "Support LDPI Type2                      : No\n"
                                                  "Support LDPI Type3                      : No\n"
                                                  "Support Shield State            : No\n"),
              std::string::npos);
    EXPECT_NE(Section(open.out, kPdOps).find("PR Correct Unconfigured Areas           : No\n"
                                             "Enable Spin Down of UnConfigured Drives : No\n"
                                             "Disable Spin Down of hot spares         : No\n"
                                             "Spin Down time                          : 1574 \n"
                                             "T10 Power State                         : No\n"),
              std::string::npos);
    EXPECT_NE(open.out.find("Enable JBOD                      : No\n"
                            "TTY Log In Flash                 : No\n"
                            "Auto Enhanced Import             : No\n"
                            "BreakMirror RAID Support         : No\n"
                            "Disable Join Mirror              : No\n"
                            "Enable Shield State              : No\n"
                            "Time taken to detect CME         : 60s\n"),
              std::string::npos);

    // Closed: the types bits, the spin-down bits and an extent of 64 show nothing.
    RunResult closed =
        Report({U8(kDcmdCtrlGetInfo, 1956, 0x0E), U8(kDcmdCtrlGetInfo, 1517, 0x04), U8(kDcmdCtrlGetInfo, 1568, 0x80),
                U8(kDcmdCtrlGetDefaults, 62, 64), U8(kDcmdCtrlGetDefaults, 64, 0xFF)});
    EXPECT_EQ(closed.out.find("LDPI"), std::string::npos);
    EXPECT_EQ(closed.out.find("Spin Down of"), std::string::npos);
    EXPECT_EQ(closed.out.find("Spin Down time"), std::string::npos);
    EXPECT_EQ(closed.out.find("T10"), std::string::npos);
    EXPECT_NE(closed.out.find("Enable JBOD                      : No\n"
                              "Time taken to detect CME         : 60s\n"),
              std::string::npos);
}

TEST_F(AdpAllInfoCapabilitiesTest, NumbersComeFromTheirOffsets)
{
    RunResult r = Report({
        U8(kDcmdCtrlGetInfo, 1340, 60),    U8(kDcmdCtrlGetInfo, 1341, 61),    U8(kDcmdCtrlGetInfo, 1342, 62),
        U8(kDcmdCtrlGetInfo, 1343, 63),    U16(kDcmdCtrlGetInfo, 1464, 1464), U16(kDcmdCtrlGetInfo, 1466, 1466),
        U32(kDcmdCtrlGetInfo, 1468, 1468), U16(kDcmdCtrlGetInfo, 1498, 1498), U8(kDcmdCtrlGetInfo, 1928, 136),
        U16(kDcmdCtrlGetInfo, 1954, 1954), U16(kDcmdCtrlGetInfo, 1524, 1524), U16(kDcmdCtrlGetInfo, 1472, 1472),
        U16(kDcmdCtrlGetInfo, 1474, 1474), U16(kDcmdCtrlGetInfo, 1476, 1476), U16(kDcmdCtrlGetInfo, 1478, 1478),
        U16(kDcmdCtrlGetInfo, 1480, 1480), U16(kDcmdCtrlGetInfo, 1482, 1482), U16(kDcmdCtrlGetInfo, 1484, 1484),
        U16(kDcmdCtrlGetInfo, 1492, 1492), U16(kDcmdCtrlGetInfo, 1494, 1494), U8(kDcmdCtrlGetInfo, 1496, 7),
        U8(kDcmdCtrlGetDefaults, 8, 8),    U8(kDcmdCtrlGetDefaults, 9, 9),    U8(kDcmdCtrlGetDefaults, 11, 11),
        U8(kDcmdCtrlGetDefaults, 27, 27),  U8(kDcmdCtrlGetDefaults, 30, 30),  U8(kDcmdCtrlGetDefaults, 46, 46),
        U16(kDcmdCtrlGetDefaults, 56, 56),
    });
    EXPECT_EQ(Section(r.out, "Status\n"), "ECC Bucket Count                 : 1524\n\n");
    EXPECT_EQ(Section(r.out, "Limitations\n"),
              "Max Arms Per VD          : 60 \n"
              "Max Spans Per VD         : 61 \n"
              "Max Arrays               : 62 \n"
              "Max Number of VDs        : 63 \n"
              "Max Parallel Commands    : 1464 \n"
              "Max SGE Count            : 1466 \n"
              "Max Data Transfer Size   : 1468 sectors \n"
              "Max Strips PerIO         : 1498 \n"
              "Max LD per array         : 136 \n"
              "Min Strip Size           : 512Bytes\n"
              "Max Strip Size           : 512Bytes\n"
              "Max Configurable FlashTier Size: 0 GB\n"
              "Current Size of FlashTier      : 0 GB\n"
              "Current Size of FW Cache       : 1954 MB\n\n");
    EXPECT_EQ(Section(r.out, "Device Present\n"),
              "Virtual Drives    : 1472 \n  Degraded        : 1474 \n  Offline         : 1476 \n"
              "Physical Devices  : 1478 \n  Disks           : 1480 \n  Critical Disks  : 1482 \n"
              "  Failed Disks    : 1484 \n\n");
    EXPECT_EQ(Section(r.out, "Error Counters\n"),
              "Memory Correctable Errors   : 1492 \nMemory Uncorrectable Errors : 1494 \n\n");
    EXPECT_EQ(Section(r.out, "Cluster Information\n"), "Cluster Permitted     : Yes\nCluster Active        : No\n\n");
    for (const auto& [label, value] : std::vector<std::pair<std::string, std::string>>{
             {"Phy Polarity                     : ", "8 "},
             {"Background Rate                  : ", "9 "},
             {"Flush Time                       : ", "11 seconds"},
             {"Max Chained Enclosures           : ", "27 "},
             {"Phy PolaritySplit                : ", "30 "},
             {"Delay during POST                : ", "46 "},
             {"Default spin down time in minutes: ", "56 "},
         })
        EXPECT_EQ(Value(r.out, kDefaultsTitle, label), value) << label;
}

// Coded values, four runs with a value each: run i takes entry i of every field.
TEST_F(AdpAllInfoCapabilitiesTest, CodedValuesShowTheirTexts)
{
    struct Coded {
        unsigned block;
        unsigned offset;
        const char* label;
        unsigned values[4];
        const char* texts[4];
    };
    const Coded coded[] = {
        {kDcmdCtrlGetDefaults, 12, "Write Policy                     : ", {0, 1, 2, 7}, {"WT", "WB", "Adaptive", "WB"}},
        {kDcmdCtrlGetDefaults, 13, "Read Policy                      : ", {0, 1, 2, 9},
         {"None", "RA", "Adaptive", "RA"}},
        {kDcmdCtrlGetDefaults, 14, "Cache When BBU Bad               : ", {0, 1, 0, 5},
         {"Disabled", "Enabled", "Disabled", "Enabled"}},
        {kDcmdCtrlGetDefaults, 16, "SMART Mode                       : ", {0, 1, 2, 3},
         {"Mode 6", "Disabled", "Mode 2", "Disabled"}},
        {kDcmdCtrlGetDefaults, 18, "Coercion Mode                    : ", {0, 1, 2, 5},
         {"None", "128MB", "1GB", "128MB"}},
        {kDcmdCtrlGetDefaults, 19, "ZCR Config                       : ", {0, 1, 2, 5},
         {"Unknown", "RADIOS", "IDSEL", "IDSEL"}},
        {kDcmdCtrlGetDefaults, 22, "Spin Down Mode                   : ", {1, 2, 3, 4},
         {"Internal Only", "External Only", "Internal & External", "None"}},
        {kDcmdCtrlGetDefaults, 23, "Allowed Device Type              : ", {0, 1, 2, 3},
         {"SAS/SATA Mix", "SAS Only", "SATA Only", "SAS Only"}},
        {kDcmdCtrlGetDefaults, 41, "Auto Detect BackPlane Enable     : ", {1, 2, 3, 0},
         {"i2c SEP", "SGPIO", "None", "SGPIO/i2c SEP"}},
        {kDcmdCtrlGetDefaults, 49, "Un-Certified Hard Disk Drives    : ", {0, 1, 2, 3},
         {"Block", "Allow", "Warn & allow", "Not Defined"}},
        {kDcmdCtrlGetDefaults, 51, "Max LD per array                 : ", {0, 1, 2, 0},
         {"16", "64", "Not Defined", "16"}},
        {kDcmdCtrlGetDefaults, 10, "Strip Size                       : ", {0, 7, 31, 32},
         {"512Bytes", "64kB", "1073741824kB", "N/A"}},
        {kDcmdCtrlGetDefaults, 68, "Time taken to detect CME         : ", {0, 45, 1, 255},
         {"60s", "45s", "1s", "255s"}},
        {kDcmdCtrlGetInfo, 1512, "Min Strip Size           : ", {0, 4, 64, 65}, {"512Bytes", "8 KB", "8.0 ZB", "N/A"}},
        {kDcmdCtrlGetInfo, 1513, "Max Strip Size           : ", {1, 11, 2, 0}, {"1 KB", "1.0 MB", "2 KB", "512Bytes"}},
    };
    // RAID levels (1500, 1501), drive types and mixes (1520), SSD-cache sizes (1936, 1938).
    const unsigned levels[4][2] = {{0x03, 0x02}, {0xFF, 0x0D}, {0x00, 0x04}, {0x10, 0x02}};
    const char* const levelTexts[4] = {
        "RAID0, RAID1",
        ("RAID0, RAID1, RAID5, RAID1E, RAID6, RAID00, RAID10, RAID50, RAID60, PRL 11, PRL 11 with spanning, "
         "SRL 3 supported, PRL11-RLQ0 DDF layout with no span, PRL11-RLQ0 DDF layout with span"),
        "RAID00, PRL 11, PRL11-RLQ0 DDF layout with no span",
        "RAID6",
    };
    const unsigned drives[4] = {0x00, 0x7F, 0x12, 0x01};
    const char* const driveTexts[4] = {"NONE", "SAS, SATA", "SATA", "SAS"};
    const char* const mixTexts[4] = {
        "NONE",
        ("\nMix in Enclosure Allowed\nMix of SAS/SATA of HDD type in VD Allowed\nMix of SAS/SATA of SSD type in VD "
         "Allowed\nMix of SSD/HDD in VD Allowed\nSATA in Cluster Allowed"),
        "\nSATA in Cluster Allowed",
        "NONE",
    };
    const unsigned flashTier[4][2] = {{100, 200}, {300, 20}, {0, 0}, {65535, 65535}};
    // The power-saving option: its texts, up to the next label.
    const unsigned powerSaving[4] = {0x05, 0x80, 0, 0xFF};
    const char* const powerTexts[4] = {
        "Don't spin down unconfigured drives\nDon't Auto spin down Configured Drives\n",
        "",
        "All power saving options are enabled\n",
        "All power saving options are disabled\n",
    };
    for (unsigned run = 0; run < 4; ++run) {
        std::vector<Patch> patches = {
            U8(kDcmdCtrlGetInfo, 1500, levels[run][0]),     U8(kDcmdCtrlGetInfo, 1501, levels[run][1]),
            U8(kDcmdCtrlGetInfo, 1520, drives[run]),        U16(kDcmdCtrlGetInfo, 1936, flashTier[run][0]),
            U16(kDcmdCtrlGetInfo, 1938, flashTier[run][1]), U8(kDcmdCtrlGetDefaults, 55, powerSaving[run])};
        for (const Coded& c : coded)
            patches.push_back(U8(c.block, c.offset, c.values[run]));
        const RunResult r = Report(patches);
        ASSERT_EQ(r.exitCode, 0);
        for (const Coded& c : coded) {
            const char* section = c.block == kDcmdCtrlGetInfo ? "Limitations\n" : kDefaultsTitle;
            EXPECT_EQ(Value(r.out, section, c.label), c.texts[run]) << "run " << run << ": " << c.label;
        }
        EXPECT_EQ(Section(r.out, "Capabilities\n"),
                  std::string("RAID Level Supported             : ") + levelTexts[run] +
                      "\nSupported Drives                 : " + driveTexts[run] + "\n\nAllowed Mixing:\n" +
                      mixTexts[run] + "\n\n");
        const unsigned shown = std::min(flashTier[run][0], flashTier[run][1]);
        EXPECT_EQ(Value(r.out, "Limitations\n", "Max Configurable FlashTier Size: "),
                  std::to_string(flashTier[run][0]) + " GB");
        EXPECT_EQ(Value(r.out, "Limitations\n", "Current Size of FlashTier      : "), std::to_string(shown) + " GB");
        const std::string label = "Power Saving option              : ";
        const std::size_t at = r.out.find(label) + label.size();
        EXPECT_EQ(r.out.substr(at, r.out.find("Default spin down time in minutes: ") - at), powerTexts[run]);
    }
}

}  // namespace
