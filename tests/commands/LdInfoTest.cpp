// -LDInfo end to end: virtual drives in target-id order or in the order named, drives that do
// not exist, dedicated hot spares, FlashTier drives, adapters without virtual drives, failures.
#include <string>
#include <vector>

#include "commands/AdpInfoTestSupport.h"
#include "commands/ReportTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace report_test;
using adp_test::HexLe;

class LdInfoTest : public ReportTest {};

const std::vector<std::string> kLdInfoLines = {"Adapter", "Virtual Drive", "FlashTier", "Name:", "Number of", "    ",
                                         "  Check"};
const std::string kTitle = "\nAdapter 0 -- Virtual Drive Information:\n";

TEST_F(LdInfoTest, AllDrivesInTargetIdOrderEachWithItsOwnBlock)
{
    nlohmann::json state = State();
    nlohmann::json& vds = Ctrl(state)["config"]["virtual_drives"];
    std::swap(vds[0], vds[1]);  // the configuration lists target 1 first
    // A consistency check running on target 1 only, from its own information block.
    PatchVdInfo(state, 1, 264, HexLe(1, 4));
    PatchVdInfo(state, 1, 268, HexLe(32768, 2) + HexLe(600, 2));

    // -force is taken and changes nothing.
    RunResult r = RunState(state, {"-LDInfo", "-LALL", "-force", "-a0"});
    EXPECT_EQ(r.out.rfind(kTitle + "Virtual Drive: 0 (Target Id: 0)\nName: data\n", 0), 0u) << r.out;
    EXPECT_EQ(Outline(r.out, kLdInfoLines), "Adapter 0 -- Virtual Drive Information:\n"
                                      "Virtual Drive: 0 (Target Id: 0)\nName: data\n"
                                      "Virtual Drive: 1 (Target Id: 1)\nName: system\n"
                                      "  Check Consistency: Completed 50%, Taken 10 min.\n");
    // Each block is followed by two line ends; no spare section without dedicated spares.
    EXPECT_NE(r.out.find("\n\n\nVirtual Drive: 1 (Target Id: 1)\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("Taken 10 min.\n\n\n" + kExitOk)) << r.out;
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(LdInfoTest, NamedDrivesInTheOrderGivenAndAMissingOneFailsTheCommand)
{
    WriteState(State());
    RunResult r = Run({"-LDInfo", "-L1,5,1", "-a0"});
    EXPECT_EQ(Outline(r.out, kLdInfoLines),
              "Adapter 0 -- Virtual Drive Information:\n"
              "Virtual Drive: 1 (Target Id: 1)\nName: system\n"
              "Adapter 0: Virtual Drive 5 Does not Exist.\n"
              "Virtual Drive: 1 (Target Id: 1)\nName: system\n");
    EXPECT_EQ(r.exitCode, 1);

    r = Run({"-LDInfo", "-L0,5", "-a0"});
    EXPECT_EQ(Outline(r.out, kLdInfoLines),
              "Adapter 0 -- Virtual Drive Information:\n"
              "Virtual Drive: 0 (Target Id: 0)\nName: data\n"
              "Adapter 0: Virtual Drive 5 Does not Exist.\n");
    EXPECT_EQ(r.exitCode, 1);
}

TEST_F(LdInfoTest, WithoutVirtualDrivesOnlyTheTitleAndTheNotice)
{
    nlohmann::json state = State(2);
    ClearConfig(Ctrl(state, 0));
    ClearConfig(Ctrl(state, 1));
    WriteState(state);
    for (const char* lds : {"-LALL", "-L0"}) {
        RunResult r = Run({"-LDInfo", lds, "-aALL"});
        EXPECT_EQ(r.out, kTitle + "Adapter 0: No Virtual Drive Configured.\n"
                                  "\nAdapter 1 -- Virtual Drive Information:\n"
                                  "Adapter 1: No Virtual Drive Configured.\n" +
                             kExitOk)
            << lds;
        EXPECT_EQ(r.exitCode, 0);
    }
}

TEST_F(LdInfoTest, DedicatedSparesAndFlashTierHeadings)
{
    nlohmann::json state = State();
    nlohmann::json& c = Ctrl(state);
    c["config"]["spares"][0]["arrays"] = {0};
    nlohmann::json direct = Drive(state, 30, nullptr, 2);
    direct["state"] = "hot_spare";
    c["drives"].push_back(direct);
    c["config"]["spares"].push_back({{"device_id", 30}, {"arrays", {0, 1}}});
    c["config"]["virtual_drives"][1]["ssd_cache"] = true;

    RunResult r = RunState(state, {"-LDInfo", "-LALL", "-a0"});
    EXPECT_EQ(Outline(r.out, kLdInfoLines),
              "Adapter 0 -- Virtual Drive Information:\n"
              "Virtual Drive: 0 (Target Id: 0)\nName: data\n"
              "Number of Dedicated Hot Spares: 2\n"
              "    0 : EnclId - 252 SlotId - 6 \n"
              "    1 : EnclId - N/A SlotId - 2 \n"
              "FlashTier Virtual Drive: 1 (Target Id: 1)\nName: system\n"
              "Number of Dedicated Hot Spares: 1\n"
              "    0 : EnclId - N/A SlotId - 2 \n");
    EXPECT_TRUE(r.out.ends_with("\n\n\nNumber of Dedicated Hot Spares: 1\n    0 : EnclId - N/A SlotId - 2 \n" + kExitOk));
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(LdInfoTest, FirmwareFailuresAndInconsistentReplies)
{
    // The virtual-drive list claims three drives; the configuration holds two.
    nlohmann::json state = State();
    AddPatch(state, 0, kDcmdLdGetList, 0, HexLe(3, 4));
    RunResult r = RunState(state, {"-LDInfo", "-LALL", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Virtual Drive:"}), "Virtual Drive: 0 (Target Id: 0)\nVirtual Drive: 1 (Target Id: 1)\n");
    EXPECT_EQ(r.exitCode, 0);

    // No count: nothing else is printed.
    state = State();
    AddFault(state, 0, kDcmdLdGetList, 12);
    r = RunState(state, {"-LDInfo", "-LALL", "-a0"});
    EXPECT_EQ(r.out.rfind("Failed to get VD count on adapter 0.\n", 0), 0u) << r.out;
    EXPECT_EQ(r.exitCode, 12);

    // No configuration: the title, then the failure.
    state = State();
    AddFault(state, 0, kDcmdCfgRead, 12);
    r = RunState(state, {"-LDInfo", "-L0", "-a0"});
    EXPECT_EQ(r.out.rfind(kTitle + "\nFW error description: ", 0), 0u) << r.out;
    EXPECT_EQ(r.exitCode, 12);
}

// A drive's information block holds the progress of what runs on it: when it cannot be read, the
// report says so in place of the progress lines, shows the other drives and ends non-zero.
TEST_F(LdInfoTest, AnUnreadableInformationBlockIsNamedAndFailsTheReport)
{
    for (const bool byLibrary : {false, true}) {
        nlohmann::json state = State();
        PatchVdInfo(state, 1, 264, HexLe(1, 4));
        PatchVdInfo(state, 1, 268, HexLe(32768, 2) + HexLe(600, 2));
        // The second information block read is target 1's.
        nlohmann::json fault = {{"controller", 0}, {"opcode", "0x03020000"}, {"nth", 2}};
        fault[byLibrary ? "lib_error" : "status"] = byLibrary ? 5 : 3;
        state["faults"].push_back(fault);
        RunResult r = RunState(state, {"-LDInfo", "-LALL", "-a0"});
        EXPECT_EQ(Outline(r.out, {"Virtual Drive:", "Adapter 0:", "  Check"}),
                  "Virtual Drive: 0 (Target Id: 0)\nVirtual Drive: 1 (Target Id: 1)\n"
                  "Adapter 0: Failed to read the information of virtual drive 1.\n")
            << r.out;
        EXPECT_NE(r.out.find("Cached by the SSD Cache: No\nAdapter 0: Failed to read the information of virtual "
                             "drive 1.\n\n\n"),
                  std::string::npos)
            << r.out;
        EXPECT_EQ(r.exitCode, byLibrary ? 1 : 3) << r.out;
    }
}

}  // namespace
