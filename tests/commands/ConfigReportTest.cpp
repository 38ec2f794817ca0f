// -LdPdInfo, -CfgDsply and -CfgFlashTierDsply end to end on a configuration of every kind of
// disk group (plain, spanned, FlashTier), on an empty configuration, and with failures.
#include <string>
#include <vector>

#include "commands/AdpInfoTestSupport.h"
#include "commands/ReportTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace report_test;
using adp_test::HexLe;
using adp_test::HexText;

class ConfigReportTest : public ReportTest {
protected:
    // Arrays: 0 (slots 0-3) RAID 5 target 0; 1 (slots 4, 5) and 2 (slots 7, 8) RAID 10 target 1;
    // 3 (slot 9) two FlashTier RAID 0 drives, targets 4 and 5; 4 (slot 6) RAID 0 target 2.
    nlohmann::json MixedState()
    {
        nlohmann::json state = State();
        nlohmann::json& c = Ctrl(state);
        for (auto& drive : c["drives"])
            drive["state"] = "online";
        nlohmann::json& cfg = c["config"];
        cfg["spares"] = nlohmann::json::array();
        cfg["arrays"].push_back({{"ref", 2}, {"drives", {15, 16}}});
        cfg["arrays"].push_back({{"ref", 3}, {"drives", {17}}});
        cfg["arrays"].push_back({{"ref", 4}, {"drives", {14}}});
        const nlohmann::json data = cfg["virtual_drives"][0];
        const nlohmann::json base = cfg["virtual_drives"][1];
        auto vd = [&base](unsigned target, const char* name, unsigned level, nlohmann::json arrays) {
            nlohmann::json v = base;
            v["target_id"] = target;
            v["name"] = name;
            v["raid_level"] = level;
            v["arrays"] = arrays;
            return v;
        };
        nlohmann::json cache = vd(4, "cache", 0, {3});
        cache["blocks"] = 1000000;
        cache["ssd_cache"] = true;
        nlohmann::json cache2 = cache;
        cache2["target_id"] = 5;
        cache2["name"] = "cache2";
        cache2["start_block"] = 1000000;
        cfg["virtual_drives"] = {data, vd(1, "mirror", 10, {1, 2}), cache, cache2, vd(2, "scratch", 0, {4})};
        return state;
    }
};

const std::vector<std::string> kCfgLines = {"Number of DISK", "DISK GROUP", "SPANNED", "FLASHTIER", "SPAN:",
                                            "Virtual Drive", "FlashTier", "Physical Disk:", "Slot Number", " \n"};

TEST_F(ConfigReportTest, MemberReportListsEveryVirtualDriveSpanBySpan)
{
    RunResult r = RunState(MixedState(), {"-LdPdInfo", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter #0\n\nNumber of Virtual Disks: 5\nVirtual Drive: 0 (Target Id: 0)\nName: data\n", 0), 0u)
        << r.out;
    EXPECT_EQ(Outline(r.out, {"Virtual Drive", "FlashTier", "Number of Spans", "Span:", "PD:", "Slot Number"}),
              "Virtual Drive: 0 (Target Id: 0)\nNumber of Spans: 1\nSpan: 0 - Number of PDs: 4\n"
              "PD: 0 Information\nSlot Number: 0\nPD: 1 Information\nSlot Number: 1\n"
              "PD: 2 Information\nSlot Number: 2\nPD: 3 Information\nSlot Number: 3\n"
              "Virtual Drive: 1 (Target Id: 1)\nNumber of Spans: 2\nSpan: 0 - Number of PDs: 2\n"
              "PD: 0 Information\nSlot Number: 4\nPD: 1 Information\nSlot Number: 5\n"
              "Span: 1 - Number of PDs: 2\nPD: 0 Information\nSlot Number: 7\nPD: 1 Information\nSlot Number: 8\n"
              "Virtual Drive: 2 (Target Id: 2)\nNumber of Spans: 1\nSpan: 0 - Number of PDs: 1\n"
              "PD: 0 Information\nSlot Number: 6\n"
              "FlashTier Virtual Drive: 4 (Target Id: 4)\nNumber of Spans: 1\nSpan: 0 - Number of PDs: 1\n"
              "PD: 0 Information\nSlot Number: 9\n"
              "FlashTier Virtual Drive: 5 (Target Id: 5)\nNumber of Spans: 1\nSpan: 0 - Number of PDs: 1\n"
              "PD: 0 Information\nSlot Number: 9\n");
    // Every member drive starts with a line end of its own.
    EXPECT_NE(r.out.find("Span: 1 - Number of PDs: 2\n\nPD: 0 Information\nEnclosure Device ID: 252\nSlot Number: 7\n"),
              std::string::npos);
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(ConfigReportTest, FullDisplayNumbersDiskGroupsPerKind)
{
    nlohmann::json state = MixedState();
    // The summary's fields at their offsets: a full 80-character name, a full 32-character
    // serial number, no battery, 512 MB.
    const std::string name(80, 'N');
    const std::string serial(32, 'S');
    AddPatch(state, 0, kDcmdCtrlGetInfo, 1344, HexText(name));
    AddPatch(state, 0, kDcmdCtrlGetInfo, 1424, HexText(serial));
    AddPatch(state, 0, kDcmdCtrlGetInfo, 1456, "00");
    AddPatch(state, 0, kDcmdCtrlGetInfo, 1488, HexLe(512, 2));
    RunResult r = RunState(state, {"-CfgDsply", "-a0"});
    const std::string ruler = std::string(78, '=') + "\n";
    const std::string summary = ruler + "Adapter: 0\nProduct Name: " + name + "\nMemory: 512MB\nBBU: Absent\nSerial No: " +
                                serial + "\n" + ruler;
    EXPECT_EQ(r.out.rfind(summary + "Number of DISK GROUPS: 4\n\nDISK GROUP: 0\nNumber of Spans: 1\nSPAN: 0\n", 0), 0u)
        << r.out;
    EXPECT_EQ(Outline(r.out, kCfgLines),
              "Number of DISK GROUPS: 4\n"
              "DISK GROUP: 0\nSPAN: 0\nVirtual Drive Information:\nVirtual Drive: 0 (Target Id: 0)\n"
              "Physical Disk: 0\nSlot Number: 0\nPhysical Disk: 1\nSlot Number: 1\n"
              "Physical Disk: 2\nSlot Number: 2\nPhysical Disk: 3\nSlot Number: 3\n"
              // A spanned drive under every span of its disk group.
              "SPANNED DISK GROUP: 0\nSPAN: 0\nVirtual Drive Information:\nVirtual Drive: 1 (Target Id: 1)\n"
              "Physical Disk: 0\nSlot Number: 4\nPhysical Disk: 1\nSlot Number: 5\n"
              "SPAN: 1\nVirtual Drive Information:\nVirtual Drive: 1 (Target Id: 1)\n"
              "Physical Disk: 0\nSlot Number: 7\nPhysical Disk: 1\nSlot Number: 8\n"
              // Only the first FlashTier drive of the array, numbered 0.
              "FLASHTIER DISK GROUP: 0\nFlashTier Virtual Drive Information:\nFlashTier Virtual Drive: 0 (Target Id: 4)\n"
              " \nPhysical Disk: 0\nSlot Number: 9\n"
              "DISK GROUP: 1\nSPAN: 0\nVirtual Drive Information:\nVirtual Drive: 2 (Target Id: 2)\n"
              "Physical Disk: 0\nSlot Number: 6\n");
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(ConfigReportTest, FlashTierDisplayShowsOnlyFlashTierArraysWithARunningNumber)
{
    RunResult r = RunState(MixedState(), {"-CfgFlashTierDsply", "-a0"});
    EXPECT_EQ(Outline(r.out, kCfgLines),
              "SPANNED DISK GROUP: 0\n"
              "FLASHTIER DISK GROUP: 0\nSPAN: 0\nVirtual Drive Information:\n"
              "Virtual Drive: 0 (Target Id: 4)\nVirtual Drive: 1 (Target Id: 5)\n"
              "Physical Disk: 0\nSlot Number: 9\n");
    EXPECT_NE(r.out.find(std::string(78, '=') + "\nSPANNED DISK GROUP: 0\nFLASHTIER DISK GROUP: 0\nNumber of Spans: 1\n"),
              std::string::npos);
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(ConfigReportTest, EmptyConfiguration)
{
    nlohmann::json state = State();
    ClearConfig(Ctrl(state));
    WriteState(state);
    RunResult r = Run({"-CfgDsply", "-a0"});
    EXPECT_TRUE(r.out.ends_with("Serial No: QV40A2311004\n" + std::string(78, '=') + "\nNumber of DISK GROUPS: 0\n\n" +
                                kExitOk))
        << r.out;
    EXPECT_EQ(r.exitCode, 0);
    r = Run({"-CfgFlashTierDsply", "-a0"});
    EXPECT_TRUE(r.out.ends_with("Serial No: QV40A2311004\n" + std::string(78, '=') + "\n" + kExitOk)) << r.out;
    EXPECT_EQ(r.exitCode, 0);
    r = Run({"-LdPdInfo", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\nNumber of Virtual Disks: 0\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(ConfigReportTest, FirmwareFailures)
{
    // The summary's own read of the controller information (the second, after the adapter check).
    nlohmann::json state = State();
    AddFault(state, 0, kDcmdCtrlGetInfo, 12, 2);
    RunResult r = RunState(state, {"-CfgDsply", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter #0: Failed to Perform get/print controller properties Operation.\n", 0), 0u) << r.out;
    EXPECT_EQ(r.exitCode, 12);

    // The snapshot cannot be read.
    for (unsigned opcode : {kDcmdPdGetList, kDcmdCfgRead}) {
        state = State();
        AddFault(state, 0, opcode, 12);
        WriteState(state);
        r = Run({"-CfgFlashTierDsply", "-a0"});
        EXPECT_NE(r.out.find("Serial No: QV40A2311004\n" + std::string(78, '=') + "\n\nAdapter #0: Failed to initialize RM\n"),
                  std::string::npos)
            << r.out;
        EXPECT_EQ(r.exitCode, 12);
        r = Run({"-LdPdInfo", "-a0"});
        EXPECT_EQ(r.out.rfind("\nAdapter #0: Failed to initialize RM\n", 0), 0u) << r.out;
        EXPECT_EQ(r.exitCode, 12);
    }
}

}  // namespace
