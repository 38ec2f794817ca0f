// -LDRecon, -LdExpansion and -getLdExpansionInfo end to end: the RAID 1 becomes a RAID 5 with
// an added drive once the reconstruction completes, with its new level and size in -LDInfo;
// the request block carries what the command line named; an expansion grows a drive into the
// room left on its members.
#include <string>
#include <vector>

#include "commands/PdBgOpTestSupport.h"

namespace {

using namespace bgop_test;

constexpr unsigned kReconstruct = 0x03070100;

class LdReconstructTest : public BgOpTest {
protected:
    std::string Outline(unsigned targetId)
    {
        return report_test::Outline(Tool({"-LDInfo", "-L" + std::to_string(targetId), "-a0"}).out,
                                    {"RAID Level", "Size", "Number Of Drives"});
    }
};

TEST_F(LdReconstructTest, RaidOneBecomesRaidFiveWithAnAddedDrive)
{
    WriteState(State());
    const std::string before = Outline(1);
    RunResult r = Tool({"-LDRecon", "-Start", "-r5", "-Add", "-PhysDrv[252:7]", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Start Reconstruction of Virtual Drive Success.\n" + kExitOk);
    SteerOperation("reconstruction", 600);
    const u64 start = Now();
    SetClock(start, 150);
    r = Tool({"-LDRecon", "-ShowProg", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Reconstruction on VD #1 (target id #1) Completed 24% in 2 Minutes.\n" + kExitOk);
    EXPECT_EQ(Outline(1), before);

    r = Tool({"-LDRecon", "-Suspend", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Reconstrution Suspend Successful on VD = 1 \n" + kExitOk);
    r = Tool({"-LDRecon", "-Resume", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Reconstrution Resume Successful on this VD = 1 \n" + kExitOk);

    SetClock(start, 700);
    r = Tool({"-LDRecon", "-ShowProg", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Reconstruction on VD #1 is not in Progress.\n" + kExitOk);
    EXPECT_EQ(VdOf(1)["raid_level"], 5);
    EXPECT_NE(Outline(1), before);
    EXPECT_NE(Outline(1).find("Primary-5"), std::string::npos) << Outline(1);
    EXPECT_EQ(DriveState(15), "online");
    // The configuration display shows both virtual drives at RAID 5 now, the second one on an
    // array of three drives.
    const std::string cfg = Tool({"-CfgDsply", "-a0"}).out;
    std::size_t raid5 = 0;
    for (std::size_t at = cfg.find("Primary-5"); at != std::string::npos; at = cfg.find("Primary-5", at + 1))
        ++raid5;
    EXPECT_EQ(raid5, 2u) << cfg;
    EXPECT_NE(cfg.find("Number of PDs: 3\n"), std::string::npos) << cfg;
}

TEST_F(LdReconstructTest, TheRequestCarriesTheLevelTheKindAndTheDrives)
{
    nlohmann::json state = State();
    AddFault(state, 0, kReconstruct, 3, 1);
    WriteState(state);
    RunResult r = Tool({"-LDRecon", "-Start", "-r6", "-Add", "-PhysDrv[252:7]", "-L0", "-a0"});
    EXPECT_EQ(r.out.rfind("Failed to Start Reconstruction of Virtual Drive.\n", 0), 0u) << r.out;
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(Operations().empty());

    // The drive reference (target 0, sequence 1) in the mailbox; level, kind and drives as the
    // controller took them from the block.
    state = ReadState();
    state.erase("faults");
    WriteState(state);
    std::string trace;
    r = TracedTool({"-LDRecon", "-Start", "-r6", "-Add", "-PhysDrv[252:7]", "-L0", "-a0"}, &trace);
    EXPECT_EQ(r.out, "Start Reconstruction of Virtual Drive Success.\n" + kExitOk);
    EXPECT_NE(trace.find("opcode=0x03070100 mbox=000001000000000000000000 len=136 dir=to"), std::string::npos)
        << trace;
    const nlohmann::json op = Operations().at(0);
    EXPECT_EQ(op["kind"], "reconstruction");
    EXPECT_EQ(op["raid_level"], 6);
    EXPECT_EQ(op["change"], "add");
    EXPECT_EQ(op["drives"], nlohmann::json::array({15}));

    r = Tool({"-LDRecon", "-Start", "-r5", "-Rmv", "-PhysDrv[252:99]", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0: Failed to Perform LD reconstruction Operation.\n\nExit Code: 0x01\n");
    r = Tool({"-LDRecon", "-ShowProg", "-L9", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Virtual Drive 9 Does not Exist.\n\nExit Code: 0x01\n");
    r = Tool({"-LDRecon", "-Suspend", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Reconstrution Suspend not allowed operation on VD = 1 \n\nExit Code: 0x01\n");
}

TEST_F(LdReconstructTest, ExpansionGrowsIntoTheRoomLeftOnTheMembers)
{
    nlohmann::json state = State();
    auto& vd1 = Ctrl(state)["config"]["virtual_drives"][1];
    vd1["blocks"] = 2 * 1024 * 1024;  // 1 GB of the RAID 1's drives
    WriteState(state);

    RunResult r = Tool({"-getLdExpansionInfo", "-L1", "-a0"});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    EXPECT_EQ(r.out.rfind("\nVirtual Disk: 1 (Target Id: 1)\nExpansion                                                     : "
                          "Possible\nSize available to grow within Array                           : ",
                          0),
              0u)
        << r.out;

    r = Tool({"-LdExpansion", "-p300", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Invalid input, Percentage of expansion cannot be more than 100 \n" + kExitFailed);
    EXPECT_EQ(r.exitCode, 1);
    r = Tool({"-LdExpansion", "-p100", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Expansion of Virtual Drive 1 on Adapter 0 Success.\n" + kExitOk);
    SetClock(Now(), 1000000);
    r = Tool({"-getLdExpansionInfo", "-L1", "-a0"});
    EXPECT_EQ(r.out, "\nVirtual Disk: 1 (Target Id: 1)\nExpansion                                                     : "
                     "Not Possible\n" + kExitOk);
    EXPECT_GT(VdOf(1)["blocks"].get<unsigned long long>(), 2ull * 1024 * 1024);
}

// The information goes on past a drive or a member that cannot be read, names it and ends with
// the failed read's status; a drive whose allowed operations are unknown is not shown as one that
// cannot grow.
TEST_F(LdReconstructTest, ExpansionInformationNamesWhatCouldNotBeRead)
{
    nlohmann::json state = State();
    Ctrl(state)["config"]["virtual_drives"][1]["blocks"] = 2 * 1024 * 1024;
    const std::string notPossible = "\nVirtual Disk: 0 (Target Id: 0)\nExpansion                                 "
                                    "                    : Not Possible\n";
    const std::string possible = "\nVirtual Disk: 1 (Target Id: 1)\nExpansion                                    "
                                 "                 : Possible\nSize available to grow within Array               "
                                 "            : 1.089 TB\n";
    const std::string invalidParameter = "\nFW error description: Invalid parameter\n" + Exit(3);
    const unsigned kAllowedOps = 0x030B0000;
    const unsigned kDriveInfo = 0x02020000;

    nlohmann::json faulty = state;
    AddFault(faulty, 0, kAllowedOps, 3, 1);
    WriteState(faulty);
    RunResult r = Tool({"-getLdExpansionInfo", "-L1,0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the allowed operations of virtual drive 1.\n" + notPossible +
                         invalidParameter);
    EXPECT_EQ(r.exitCode, 3);

    // The smallest member of the RAID 1 (slots 4 and 5) cannot be known.
    faulty = state;
    AddFault(faulty, 0, kDriveInfo, 3, 1);
    WriteState(faulty);
    r = Tool({"-getLdExpansionInfo", "-LALL", "-a0"});
    EXPECT_EQ(r.out, notPossible + possible +
                         "Adapter 0: Failed to read the information of the device at Enclosure - 252, Slot - 4.\n" +
                         invalidParameter);
    EXPECT_EQ(r.exitCode, 3);

    faulty = state;
    faulty["faults"].push_back({{"controller", 0}, {"opcode", "0x04010000"}, {"lib_error", 5}});
    WriteState(faulty);
    r = Tool({"-getLdExpansionInfo", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the configuration.\n" + kExitFailed);
}

// -DontExpandArray keeps the array at the blocks it has; it counts only between the percentage
// and the drive list, and a line that puts it elsewhere is refused rather than run without it.
TEST_F(LdReconstructTest, AnExpansionThatKeepsTheArrayFindsNoRoomWithinIt)
{
    nlohmann::json state = State();
    const unsigned long long blocks = 2ull * 1024 * 1024;
    Ctrl(state)["config"]["virtual_drives"][1]["blocks"] = blocks;
    Ctrl(state)["config"]["arrays"][1]["blocks"] = blocks;
    WriteState(state);
    const nlohmann::json before = ReadState()["controllers"];

    RunResult r = Tool({"-LdExpansion", "-p100", "-L1", "-DontExpandArray", "-a0"});
    EXPECT_EQ(r.out, "Failed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n");
    r = Tool({"-LdExpansion", "-L1", "-p100", "-a0"});
    EXPECT_EQ(r.out, "Failed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n");
    EXPECT_EQ(ReadState()["controllers"], before);

    r = Tool({"-LdExpansion", "-p100", "-DontExpandArray", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Expansion of Virtual Drive 1 on Adapter 0 is not possible due to space limitation.\n" + kExitFailed);
    EXPECT_EQ(VdOf(1)["blocks"].get<unsigned long long>(), blocks);
    r = Tool({"-LdExpansion", "-p100", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Expansion of Virtual Drive 1 on Adapter 0 Success.\n" + kExitOk);
}

}  // namespace
