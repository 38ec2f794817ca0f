// -PDList end to end: every drive of each adapter, sorted by enclosure and slot, each with its
// own three blocks; the firmware failures of the drive list.
#include <string>
#include <vector>

#include "commands/AdpInfoTestSupport.h"
#include "commands/ReportTestSupport.h"

namespace {

using namespace report_test;
using adp_test::HexLe;

class PdListTest : public ReportTest {};

std::size_t Find(const std::string& text, const std::string& what) { return text.find(what); }

TEST_F(PdListTest, EveryDriveBySlotWithItsOwnBlocksInOrder)
{
    nlohmann::json state = State();
    // A media error count of its own in each drive's record shows whose record a block prints.
    for (unsigned slot = 0; slot < 10; ++slot)
        PatchRecord(state, 8 + slot, 168, HexLe(100 + slot, 4));
    RunResult r = RunState(state, {"-PDList", "-a0"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.rfind("Adapter #0\n\n", 0), 0u);
    EXPECT_EQ(DriveIds(r.out), Slots("252", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (unsigned slot = 0; slot < 10; ++slot) {
        const std::string block = DriveBlock(r.out, slot);
        const std::size_t id = Find(block, "Device Id: " + std::to_string(8 + slot) + "\n");
        const std::size_t errors = Find(block, "Media Error Count: " + std::to_string(100 + slot) + "\n");
        const std::size_t state = Find(block, "Firmware state: ");
        const std::size_t security = Find(block, "FDE Capable: ");
        const std::size_t smart = Find(block, "S.M.A.R.T alert");
        EXPECT_TRUE(id < errors && errors < state && state < security && security < smart) << block;
        // Only the hot spare carries the hot-spare block, between the information and the state.
        const std::size_t spare = Find(block, "Hotspare Information: \nType: Global");
        EXPECT_EQ(spare != std::string::npos, slot == 6) << block;
        if (slot == 6) {
            EXPECT_TRUE(errors < spare && spare < state) << block;
        }
    }
    EXPECT_TRUE(r.out.ends_with(kExitOk));
}

TEST_F(PdListTest, EnclosuresInIdOrderThenSlotsThenDirectlyAttachedDrives)
{
    nlohmann::json state = State();
    nlohmann::json& c = Ctrl(state);
    nlohmann::json small = c["enclosures"][0];
    small["device_id"] = 7;
    small["slots"] = 4;
    small["sas_address"] = "0x500A4B0000C0A007";
    c["enclosures"].push_back(small);
    // The state lists the drives in an order of its own.
    nlohmann::json drives = nlohmann::json::array();
    for (const nlohmann::json& drive : {Drive(state, 30, 7, 3), Drive(state, 31, 252, 10), Drive(state, 32, nullptr, 4),
                                        Drive(state, 33, 7, 0)})
        drives.push_back(drive);
    for (auto it = c["drives"].rbegin(); it != c["drives"].rend(); ++it)
        drives.push_back(*it);
    c["drives"] = drives;

    RunResult r = RunState(state, {"-PDList", "-a0"});
    std::vector<std::string> expected = {"7:0", "7:3"};
    for (const std::string& id : Slots("252", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}))
        expected.push_back(id);
    expected.push_back("N/A:4");
    EXPECT_EQ(DriveIds(r.out), expected);
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(PdListTest, AdaptersAreListedAndSortedEachOnItsOwn)
{
    nlohmann::json state = State(3);
    // Adapter 1: two drives listed slot 3 first; adapter 2: no drive at all.
    ClearConfig(Ctrl(state, 1));
    Ctrl(state, 1)["drives"] = {Drive(state, 21, 252, 3), Drive(state, 20, 252, 1)};
    ClearConfig(Ctrl(state, 2));
    Ctrl(state, 2)["drives"] = nlohmann::json::array();

    RunResult r = RunState(state, {"-PDList", "-aALL"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Outline(r.out, {"Adapter", "Slot Number"}),
              "Adapter #0\nSlot Number: 0\nSlot Number: 1\nSlot Number: 2\nSlot Number: 3\nSlot Number: 4\n"
              "Slot Number: 5\nSlot Number: 6\nSlot Number: 7\nSlot Number: 8\nSlot Number: 9\n"
              "Adapter #1\nSlot Number: 1\nSlot Number: 3\nAdapter #2\n");
    EXPECT_TRUE(r.out.ends_with("Adapter #2\n\n" + kExitOk)) << r.out;
}

TEST_F(PdListTest, UnreadableDriveListOrConfigurationEndsTheAdapter)
{
    for (unsigned opcode : {kDcmdPdGetList, kDcmdCfgRead}) {
        nlohmann::json state = State(2);
        AddFault(state, 0, opcode, 12);
        // Every listed adapter runs; the run ends as adapter 0 ended, on its firmware status,
        // however adapter 1's requests went after it.
        RunResult r = RunState(state, {"-PDList", "-a0,1"});
        EXPECT_EQ(r.out.rfind("\nAdapter #0: Failed to initialize RM\n", 0), 0u) << r.out;
        EXPECT_EQ(Outline(r.out, {"Adapter", "Slot Number: 0"}),
                  "Adapter #0: Failed to initialize RM\nAdapter #1\nSlot Number: 0\n");
        EXPECT_NE(r.out.find("\nFW error description: "), std::string::npos) << r.out;
        EXPECT_EQ(r.exitCode, 12);
    }
}

}  // namespace
