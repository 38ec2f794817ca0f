// -PhyInfo and -PhyErrorCounters end to end: the PHY list's fields byte by byte, the PHY number
// checks, the error log request in its grouped and direct forms, disabled PHYs and failures.
#include <string>
#include <vector>

#include "commands/AdpInfoTestSupport.h"

namespace {

using namespace adp_test;

constexpr unsigned kPhyList = 0x07010000;
constexpr unsigned kErrorLog = 0x07040000;

std::string Counters(int phy, int invalid, int disparity, int sync, int reset)
{
    return "Phy No: " + std::to_string(phy) + " \nInvalid DWord Count           : " + std::to_string(invalid) +
           " \nRunning Disparity Error Count : " + std::to_string(disparity) +
           " \nLoss of DWord Synch Count     : " + std::to_string(sync) +
           " \nPhy Reset problem Count       : " + std::to_string(reset) + " \n\n";
}

class PhyCommandsTest : public AdpInfoTest {
protected:
    void SetUp() override
    {
        AdpInfoTest::SetUp();
        state = DefaultState();
    }
    nlohmann::json& Phys() { return state["controllers"][0]["phys"]; }
    // A PHY list entry's byte, at the entry of `phy`.
    void PatchEntry(unsigned phy, unsigned offset, const std::string& hex)
    {
        AddPatch(state, 0, kPhyList, 8 + 16 * phy + offset, hex);
    }

    nlohmann::json state;
};

TEST_F(PhyCommandsTest, PhyInfoPrintsTheEntryFieldByField)
{
    PatchEntry(3, 0, HexLe(0x5000C500AB12CD34ull, 8));
    PatchEntry(3, 8, "2a");
    PatchEntry(3, 12, "0801");  // no device type: the first protocol bit that applies, SATA device
    PatchEntry(3, 14, "0c");     // code 3
    WriteState(state);
    RunResult r = Run({"-PhyInfo", "-phy3", "-a0"});
    EXPECT_EQ(r.out, "    Phy 3 Information:\n    SAS Address   : 0x5000C500AB12CD34\n    Phy Identifier: 42\n"
                     "    Device Type   : SATA Device\n    Link Speed is : Not In Range  \n\nExit Code: 0x00\n");
    EXPECT_EQ(r.exitCode, 0);

    struct Case {
        std::string typeBytes, speed, type, speedText;
    };
    for (const Case& c : std::vector<Case>{{"0300", "00", "Fanout Expander", "No limit "},
                                           {"8002", "04", "SMP Target", "1.5Gb/s "},
                                           {"0002", "08", "SSP Target", "3.0Gb/s "},
                                           {"0001", "10", "STP Target", "6.0Gb/s "},
                                           {"0000", "14", "", "Not In Range "}}) {
        nlohmann::json s = state;
        AddPatch(s, 0, kPhyList, 8 + 16 * 3 + 12, c.typeBytes);
        AddPatch(s, 0, kPhyList, 8 + 16 * 3 + 14, c.speed);
        WriteState(s);
        r = Run({"-PhyInfo", "-phy3", "-a0"});
        EXPECT_NE(r.out.find("    Device Type   : " + c.type + "\n    Link Speed is : " + c.speedText + " \n"),
                  std::string::npos)
            << c.typeBytes << " " << r.out;
    }
}

TEST_F(PhyCommandsTest, PhyNumbersTheControllerDoesNotHaveAreInvalid)
{
    WriteState(state);  // eight PHYs
    EXPECT_EQ(Run({"-PhyInfo", "-phy7", "-a0"}).exitCode, 0);
    for (const char* phy : {"8", "256"}) {
        RunResult r = Run({"-PhyInfo", std::string("-phy") + phy, "-a0"});
        EXPECT_EQ(r.out, std::string("Phy No. ") + phy + "  is Invalid\n\nExit Code: 0x01\n");
        EXPECT_EQ(r.exitCode, 1);
    }
    // Never past the sixteen entries of the list, whatever the count says.
    AddPatch(state, 0, kPhyList, 0, HexLe(40, 4));
    WriteState(state);
    EXPECT_EQ(Run({"-PhyInfo", "-phy16", "-a0"}).out, "Phy No. 16  is Invalid\n\nExit Code: 0x01\n");
    EXPECT_EQ(Run({"-PhyInfo", "-a0"}).exitCode, 1);  // the grammar wants -phy and a number
}

TEST_F(PhyCommandsTest, ErrorCountersOfEveryPhyAndDisabledPhys)
{
    Phys()[1]["disabled"] = true;
    WriteState(state);
    RunResult r = Run({"-PhyErrorCounters", "-a0"});
    std::string expected = "Adapter #0\n\n================\n" + Counters(0, 0, 0, 0, 0) + "Phy No. 1 is Disabled.\n" +
                           Counters(2, 14, 9, 2, 1);
    for (int phy = 3; phy < 8; ++phy)
        expected += Counters(phy, 0, 0, 0, 0);
    EXPECT_EQ(r.out, expected + "\nExit Code: 0x00\n");
    EXPECT_EQ(r.exitCode, 0);

    // The counter words are read from byte 31 on, one by one.
    AddPatch(state, 0, kErrorLog, 31 + 12, HexLe(0xFFFFFFFF, 4) + HexLe(7, 4) + HexLe(8, 4) + HexLe(9, 4));
    WriteState(state);
    EXPECT_NE(Run({"-PhyErrorCounters", "-a0"}).out.find(Counters(0, -1, 7, 8, 9)), std::string::npos);

    state = DefaultState();
    Phys() = nlohmann::json::array();
    WriteState(state);
    EXPECT_EQ(Run({"-PhyErrorCounters", "-a0"}).out, "Adapter #0\n\n================\n\nExit Code: 0x00\n");
}

TEST_F(PhyCommandsTest, PhysBeyondEightInTheGroupedAndTheDirectForm)
{
    for (int i = 8; i < 10; ++i) {
        nlohmann::json phy = Phys()[0];
        phy["phy_id"] = i;
        phy["error_counters"] = {{"invalid_dwords", 100 + i}, {"disparity_errors", 0}, {"dword_sync_losses", 0},
                                 {"reset_problems", 0}};
        Phys().push_back(phy);
    }
    nlohmann::json& capabilities = state["controllers"][0]["info"]["capabilities"];
    for (bool direct : {false, true}) {
        if (direct)
            capabilities.push_back("more_than_8_phys");
        WriteState(state);
        RunResult r = Run({"-PhyErrorCounters", "-a0"});
        EXPECT_NE(r.out.find(Counters(8, 108, 0, 0, 0) + Counters(9, 109, 0, 0, 0)), std::string::npos) << direct;
        EXPECT_EQ(r.exitCode, 0);
    }
}

TEST_F(PhyCommandsTest, FailedRequestsFailTheReportWithTheirStatus)
{
    nlohmann::json s = state;
    AddFault(s, 0, kPhyList, 4);
    WriteState(s);
    RunResult r = Run({"-PhyInfo", "-phy0", "-a0"});
    EXPECT_EQ(r.out.rfind("Failed to Get Phy Information on Adapter 0\n", 0), 0u);
    EXPECT_EQ(r.exitCode, 4);
    r = Run({"-PhyErrorCounters", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter #0: Failed to perform Display Phy Error Counters operation.\n", 0), 0u);
    EXPECT_EQ(r.exitCode, 4);

    // A PHY whose counters cannot be read is named; the PHYs after it are reported, and the run
    // ends with the failed read's status.
    std::string others;
    for (int phy = 3; phy < 8; ++phy)
        others += Counters(phy, 0, 0, 0, 0);
    const std::string head = "Adapter #0\n\n================\n" + Counters(0, 0, 0, 0, 0) + Counters(1, 0, 0, 0, 0) +
                             "Adapter 0: Failed to read the error counters of PHY 2.\n" + others;
    s = state;
    AddFault(s, 0, kErrorLog, 4, 3);
    WriteState(s);
    r = Run({"-PhyErrorCounters", "-a0"});
    EXPECT_EQ(r.out, head + "\nFW error description: Invalid sequence number\n" + Exit(4));
    EXPECT_EQ(r.exitCode, 4);

    s = state;
    s["faults"].push_back({{"controller", 0}, {"opcode", "0x07040000"}, {"lib_error", 5}, {"nth", 3}});
    WriteState(s);
    r = Run({"-PhyErrorCounters", "-a0"});
    EXPECT_EQ(r.out, head + kExitFailed);
    EXPECT_EQ(r.exitCode, 1);
}

}  // namespace
