// Foreign configurations end to end: drives moved from one simulated controller to another carry
// their configuration; the second controller scans, shows, previews, imports (its virtual drives
// back under its own target ids) and clears it. Refusals and failed requests leave the state file
// as it was.
#include <string>
#include <vector>

#include "commands/CfgTestSupport.h"

namespace {

using namespace cfg_e2e;
using report_test::Outline;

constexpr unsigned kForeignScan = 0x04060100;
constexpr unsigned kForeignImport = 0x04060400;
constexpr unsigned kForeignPreview = 0x04060300;
constexpr unsigned kForeignRead = 0x04060200;
constexpr unsigned kForeignClear = 0x04060500;
constexpr unsigned kEscrowKey = 0x01150800;

class ForeignCfgTest : public CfgTest {
protected:
    nlohmann::json Controller1() { return ReadState()["controllers"][1]; }
    std::vector<std::string> VdNames(unsigned controller)
    {
        std::vector<std::string> names;
        const nlohmann::json state = ReadState();
        for (const auto& vd : state["controllers"][controller]["config"]["virtual_drives"])
            names.push_back(std::to_string(vd["target_id"].get<unsigned>()) + ":" + vd["name"].get<std::string>());
        return names;
    }
    // A line that must change nothing on the second controller.
    void ExpectRefused1(const std::vector<std::string>& args, const std::string& out, int exitCode)
    {
        const nlohmann::json before = Controller1();
        RunResult r = Run(args);
        EXPECT_EQ(r.out, out);
        EXPECT_EQ(r.exitCode, exitCode);
        const nlohmann::json after = Controller1();
        EXPECT_EQ(after["config"], before["config"]);
        EXPECT_EQ(after["drives"], before["drives"]);
        EXPECT_EQ(after.value("foreign", nlohmann::json()), before.value("foreign", nlohmann::json()));
    }
};

TEST_F(ForeignCfgTest, MovedDrivesAreScannedShownPreviewedAndImported)
{
    WriteState(MovedState());
    RunResult r = Run({"-CfgForeign", "-Scan", "-a1"});
    EXPECT_EQ(r.out, "There are 1 foreign configuration(s) on controller 1.\n" + kExitOk);
    r = Run({"-CfgForeign", "-Scan", "-a0"});
    EXPECT_EQ(r.out, "There is no foreign configuration on controller 0.\n" + kExitOk);

    // As the drives carry it: the other controller's target id.
    r = Run({"-CfgForeign", "-Dsply", "-a1"});
    EXPECT_EQ(Outline(r.out, {"Foreign", "Number of DISK", "DISK GROUP", "SPAN", "Virtual Drive:", "Name:", "Slot Number",
                              "Physical Disk:"}),
              "Foreign configuration 0 on controller 1:\nNumber of DISK GROUPS: 1\nDISK GROUP: 0\nSPAN: 0\n"
              "Virtual Drive: 0 (Target Id: 1)\nName: system\nPhysical Disk: 0\nSlot Number: 10\n"
              "Physical Disk: 1\nSlot Number: 11\n");
    EXPECT_EQ(r.exitCode, 0);

    // As an import would add it: the second controller's next target id.
    r = Run({"-CfgForeign", "-Preview", "-a1"});
    EXPECT_EQ(Outline(r.out, {"Foreign", "Virtual Drive:", "Name:", "EnclId"}),
              "Foreign configuration on controller 1(After import):\nVirtual Drive: 0 (Target Id: 2)\nName: system\n");
    r = Run({"-CfgForeign", "-Preview", "0", "-a1"});
    EXPECT_EQ(Outline(r.out, {"Foreign", "Virtual Drive:"}),
              "Foreign configuration 0 on controller 1(after import):\nVirtual Drive: 0 (Target Id: 2)\n");

    r = Run({"-CfgForeign", "-Import", "-a1"});
    EXPECT_EQ(r.out, "Foreign configuration is imported on controller 1.\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(VdNames(1), (std::vector<std::string>{"0:data", "1:system", "2:system"}));
    r = Run({"-LDInfo", "-L2", "-a1"});
    EXPECT_EQ(Outline(r.out, {"Virtual Drive:", "Name:", "State"}), "Virtual Drive: 2 (Target Id: 2)\nName: system\n"
                                                                      "State: Optimal\n");
    r = Run({"-CfgForeign", "-Scan", "-a1"});
    EXPECT_EQ(r.out, "There is no foreign configuration on controller 1.\n" + kExitOk);
}

TEST_F(ForeignCfgTest, OneConfigurationByIndexAndAllClearedInTurn)
{
    WriteState(MovedState(true));
    RunResult r = Run({"-CfgForeign", "-Scan", "-a1"});
    EXPECT_EQ(r.out, "There are 2 foreign configuration(s) on controller 1.\n" + kExitOk);
    r = Run({"-CfgForeign", "-Dsply", "3", "-a1"});
    EXPECT_EQ(r.out, "Foreign configuration 3 does not exist on controller 1.\n" + kExitFailed);

    r = Run({"-CfgForeign", "-Import", "1", "-a1"});
    EXPECT_EQ(r.out, "Foreign configuration 1 is imported on controller 1.\n" + kExitOk);
    EXPECT_EQ(Controller1()["foreign"].size(), 1u);

    WriteState(MovedState(true));
    r = Run({"-CfgForeign", "-Clear", "-a1"});
    EXPECT_EQ(r.out, "Foreign configuration 0 is cleared on controller 1.\nForeign configuration 1 is cleared on "
                     "controller 1.\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(Controller1().value("foreign", nlohmann::json::array()).empty());
    EXPECT_TRUE(VdNames(1).empty());
}

TEST_F(ForeignCfgTest, MembersLeftBehindAreShownMissingAndWarnedOf)
{
    // Half of the RAID 5 "data" moves: its other rows are missing on the second controller.
    nlohmann::json state = State(2);
    WriteState(MoveDrives(state, 0, 1, {{8, 252, 10}, {9, 252, 11}}));
    RunResult r = Run({"-CfgForeign", "-Dsply", "-a1"});
    EXPECT_EQ(Outline(r.out, {"Virtual Drive:", "Physical Disk:", "This Physical", "Slot Number", "Drives of"}),
              "Virtual Drive: 0 (Target Id: 0)\nPhysical Disk: 0\nSlot Number: 10\nPhysical Disk: 1\nSlot Number: 11\n"
              "Physical Disk: 2\nThis Physical Disk is Missing.\nPhysical Disk: 3\nThis Physical Disk is Missing.\n");
    // Only the preview of all checks: the drives-missing warning once for the virtual drive.
    r = Run({"-CfgForeign", "-Preview", "-a1"});
    EXPECT_EQ(Outline(r.out, {"Drives of", "A drive of", "This Physical"}),
              "Drives of this virtual drive are missing: its data may be lost if it is imported.\n"
              "This Physical Disk is Missing.\nThis Physical Disk is Missing.\n");
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(ForeignCfgTest, ASpanLeftBehindIsShownAsAMissingSpan)
{
    // The first controller's RAID 5 made a RAID 10 of two spans; the drives of the second span move.
    nlohmann::json state = State(2);
    nlohmann::json& config = Ctrl(state)["config"];
    config["arrays"][0] = {{"ref", 0}, {"drives", {8, 9}}};
    config["arrays"].push_back({{"ref", 2}, {"drives", {10, 11}}});
    config["virtual_drives"][0]["raid_level"] = 10;
    config["virtual_drives"][0]["arrays"] = {0, 2};
    config["virtual_drives"][0].erase("blocks");
    WriteState(MoveDrives(state, 0, 1, {{10, 252, 10}, {11, 252, 11}}));
    RunResult r = Run({"-CfgForeign", "-Dsply", "-a1"});
    EXPECT_EQ(Outline(r.out, {"SPAN", "(Missing", "Virtual Drive:", "Physical Disk:", "Slot Number"}),
              "SPANNED DISK GROUP: 0\nSPAN: 0\nVirtual Drive: 0 (Target Id: 0)\nPhysical Disk: 0\nSlot Number: 10\n"
              "Physical Disk: 1\nSlot Number: 11\nSPAN: 1\n(Missing Span)\nVirtual Drive: 0 (Target Id: 0)\n");
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(ForeignCfgTest, RefusedImportsAndFailedRequestsChangeNothing)
{
    nlohmann::json state = MovedState();
    AddFault(state, 1, kForeignImport, 26);
    WriteState(state);
    // With drive security on and no key, the failure names the missing key first.
    ExpectRefused1({"-CfgForeign", "-Import", "-a1"},
                   "FW does not have Security key, create Security key first. \n"
                   "Failed to import foreign configuration on controller 1.\n\nFW error description: "
                   "No free space or virtual drive limit reached\n" + Exit(26),
                   26);

    // A scan that fails is not read as "no foreign configuration".
    state = MovedState();
    AddFault(state, 1, kForeignScan, 3);
    WriteState(state);
    ExpectRefused1({"-CfgForeign", "-Import", "-a1"},
                   "Adapter #1: Failed to Perform Foreign Config Operation.\n\nFW error description: Invalid "
                   "parameter\n" + Exit(3),
                   3);

    state = MovedState();
    AddFault(state, 1, kForeignRead, 3);
    WriteState(state);
    RunResult r = Run({"-CfgForeign", "-Dsply", "-a1"});
    EXPECT_EQ(Outline(r.out, {"Failed", "Foreign"}), "Failed to get foreign configuration 0 on controller 1.\n");
    EXPECT_EQ(r.exitCode, 3);

    // Without the combined preview nothing is imported.
    state = MovedState();
    AddFault(state, 1, kForeignPreview, 3);
    WriteState(state);
    ExpectRefused1({"-CfgForeign", "-Import", "-a1"},
                   "Failed to get Foreign configuration on controller 1.\n\nFW error description: Invalid parameter\n" +
                       Exit(3),
                   3);

    state = MovedState();
    AddFault(state, 1, kForeignClear, 3);
    WriteState(state);
    r = Run({"-CfgForeign", "-Clear", "0", "-a1"});
    EXPECT_EQ(Outline(r.out, {"Failed", "Foreign"}), "Failed to clear Foreign configuration 0 on controller 1.\n");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(Controller1()["foreign"].size(), 1u);
}

TEST_F(ForeignCfgTest, KeysAreCheckedBeforeAnythingIsSent)
{
    nlohmann::json state = MovedState();
    AddFault(state, 1, kEscrowKey, 66);
    WithoutDriveSecurity(state, 1);
    WriteState(state);
    // Encryption is off: the key is refused before it is sent.
    ExpectRefused1({"-CfgForeign", "-Scan", "-SecurityKey", "k", "-a1"}, "Encryption is disabled on adapter 1 \n" + Exit(1),
                   1);
    // A pass phrase needs the other OEM mode; a key longer than the controller's block is refused.
    ExpectRefused1({"-CfgForeign", "-Scan", "-Passphrase", "words", "-a1"}, "Invalid input\n" + Exit(1), 1);
    ExpectRefused1({"-CfgForeign", "-Scan", "-SecurityKey", std::string(104, 'k'), "-a1"},
                   "Invalid input\n" + Exit(1), 1);

    Ctrl(state, 1)["info"]["capabilities"].push_back("security");
    WriteState(state);
    RunResult r = Run({"-CfgForeign", "-Scan", "-SecurityKey", std::string(103, 'k'), "-a1"});
    EXPECT_EQ(Outline(r.out, {"\nAdapter", "Adapter"}), "Adapter 1: Could not set escrow key.\n");
    EXPECT_EQ(r.exitCode, 66);
}

}  // namespace
