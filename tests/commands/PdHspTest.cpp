// -PDHSP end to end: global and dedicated hot spares with their choices as the controller
// records them, removal, the walk of the drive list, and the refusals that leave the state
// file as it was.
#include <algorithm>
#include <string>

#include "commands/PdBgOpTestSupport.h"

namespace {

using namespace bgop_test;

const std::string kRefused = "Adapter #0: Failed to Perform PD hotspare Operation.\n";

class PdHspTest : public BgOpTest {
protected:
    // The default state with array references 5 and 7 in place of 0 and 1, so that an array's
    // number (its position) and its reference differ; slot 6 (device 14) is no spare yet.
    nlohmann::json RenumberedState()
    {
        nlohmann::json state = State();
        Ctrl(state)["config"]["spares"] = nlohmann::json::array();
        SetDriveState(state, 14, "unconfigured_good");
        auto& config = Ctrl(state)["config"];
        config["arrays"][0]["ref"] = 5;
        config["arrays"][1]["ref"] = 7;
        for (auto& vd : config["virtual_drives"])
            for (auto& ref : vd["arrays"])
                ref = ref == 0 ? 5 : 7;
        return state;
    }
    nlohmann::json Spare(unsigned deviceId)
    {
        const nlohmann::json controller = Controller0();
        for (const auto& spare : controller["config"]["spares"])
            if (spare["device_id"] == deviceId)
                return spare;
        return nullptr;
    }
    // Runs a line that must be refused: its output and status, and the state file unchanged.
    void ExpectRefused(const std::vector<std::string>& args, const std::string& out, int exitCode)
    {
        const std::string before = ReadFile(StatePath());
        RunResult r = Tool(args);
        EXPECT_EQ(report_test::Outline(r.out, {"Adapter", "Exit"}), out) << args[1] << " " << args[args.size() - 2];
        EXPECT_EQ(r.exitCode, exitCode) << args[args.size() - 2];
        EXPECT_EQ(ReadFile(StatePath()), before) << args[args.size() - 2];
    }
};

TEST_F(PdHspTest, SparesCarryTheirArraysAffinityAndRevertibleChoice)
{
    WriteState(RenumberedState());
    RunResult r = Tool({"-PDHSP", "-Set", "-Dedicated", "-Array1", "-EnclAffinity", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Set Physical Drive at EnclId-252 SlotId-7 as Hot Spare Success.\n" + kExitOk);
    EXPECT_EQ(Spare(15), (nlohmann::json{{"device_id", 15}, {"arrays", {7}}, {"revertible", true},
                                         {"enclosure_affinity", true}}));
    EXPECT_EQ(DriveState(15), "hot_spare");

    // "?" is the adapter's only enclosure.
    r = Tool({"-PDHSP", "-Set", "-Dedicated", "-Array0,1", "-nonRevertible", "-PhysDrv[?:6]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Set Physical Drive at EnclId-252 SlotId-6 as Hot Spare Success.\n" + kExitOk);
    EXPECT_EQ(Spare(14), (nlohmann::json{{"device_id", 14}, {"arrays", {5, 7}}, {"revertible", false},
                                         {"enclosure_affinity", false}}));

    // A controller without revertible spares gets none, whatever the command line says.
    nlohmann::json state = ReadState();
    auto& caps = Ctrl(state)["info"]["capabilities"];
    caps.erase(std::find(caps.begin(), caps.end(), "revertible_hot_spares"));
    WriteState(state);
    r = Tool({"-PDHSP", "-Set", "-PhysDrv[252:8]", "-a0"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Spare(16), (nlohmann::json{{"device_id", 16}, {"arrays", nlohmann::json::array()},
                                         {"revertible", false}, {"enclosure_affinity", false}}));

    r = Tool({"-PDHSP", "-Rmv", "-PhysDrv[252:7,252:6]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Remove Physical Drive at EnclId-252 SlotId-7 as Hot Spare Success.\n"
                     "Adapter: 0: Remove Physical Drive at EnclId-252 SlotId-6 as Hot Spare Success.\n" +
                         kExitOk);
    EXPECT_EQ(Spare(15), nullptr);
    EXPECT_EQ(Spare(14), nullptr);
    EXPECT_EQ(DriveState(14), "unconfigured_good");
    EXPECT_EQ(DriveState(16), "hot_spare");
}

TEST_F(PdHspTest, RefusedDrivesAndArraysChangeNothing)
{
    WriteState(RenumberedState());
    // A member of an array, a drive that does not exist, an array number past the arrays.
    ExpectRefused({"-PDHSP", "-Set", "-PhysDrv[252:0]", "-a0"}, kRefused + "Exit Code: 0x0b\n", 11);
    ExpectRefused({"-PDHSP", "-Rmv", "-PhysDrv[252:3]", "-a0"}, kRefused + "Exit Code: 0x0b\n", 11);
    ExpectRefused({"-PDHSP", "-Set", "-PhysDrv[252:11]", "-a0"},
                  "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\nExit Code: 0x0c\n", 12);
    ExpectRefused({"-PDHSP", "-Set", "-Dedicated", "-Array1,2", "-PhysDrv[252:7]", "-a0"}, kRefused + "Exit Code: 0x09\n", 9);
    // The record holds 16 arrays: a longer list is refused before anything is sent.
    ExpectRefused({"-PDHSP", "-Set", "-Dedicated", "-Array0,1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,0", "-PhysDrv[252:7]", "-a0"},
                  kRefused + "Exit Code: 0x01\n", 1);
    // The controller's own refusals: a drive too small for the array, a drive that is no spare.
    ExpectRefused({"-PDHSP", "-Set", "-Dedicated", "-Array0", "-PhysDrv[252:8]", "-a0"},
                  "Adapter: 0: Set Physical Drive at EnclId-252 SlotId-8 as Hot Spare Failed.\nExit Code: 0x30\n", 0x30);
    ExpectRefused({"-PDHSP", "-Rmv", "-PhysDrv[252:7]", "-a0"},
                  "Adapter: 0: Remove Physical Drive at EnclId-252 SlotId-7 as Hot Spare Failed.\nExit Code: 0x32\n", 50);

    // A controller that reports more drives than device ids exist is not believed.
    nlohmann::json bogus = ReadState();
    AddPatch(bogus, 0, 0x02010000, 4, "ffffff00");
    WriteState(bogus);
    ExpectRefused({"-PDHSP", "-Set", "-PhysDrv[252:7]", "-a0"}, kRefused + "Exit Code: 0x01\n", 1);

    // An enclosure device is not a disk: slot 0 names only the enclosure once its drive is gone.
    nlohmann::json state = State();
    ClearConfig(Ctrl(state));
    auto& drives = Ctrl(state)["drives"];
    drives.erase(drives.begin());
    WriteState(state);
    ExpectRefused({"-PDHSP", "-Set", "-PhysDrv[252:0]", "-a0"}, kRefused + "Exit Code: 0x0c\n", 12);
}

TEST_F(PdHspTest, DrivesBeforeAFailingOneKeepTheirNewState)
{
    WriteState(State());
    RunResult r = Tool({"-PDHSP", "-Set", "-PhysDrv[252:7,252:1,252:8]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Set Physical Drive at EnclId-252 SlotId-7 as Hot Spare Success.\n" + kRefused +
                         "\nExit Code: 0x0b\n");
    EXPECT_EQ(DriveState(15), "hot_spare");
    EXPECT_EQ(DriveState(16), "unconfigured_good");

    // A drive whose information cannot be read.
    nlohmann::json state = ReadState();
    AddFault(state, 0, 0x02020000, 3);
    WriteState(state);
    r = Tool({"-PDHSP", "-Set", "-PhysDrv[252:8]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Adapter", "Exit"}),
              "Adapter 0: Failed to Get Drive Information on Device(Encl-252 Slot-8)\nExit Code: 0x03\n");
    EXPECT_EQ(DriveState(16), "unconfigured_good");
}

}  // namespace
