// -PDInfo end to end: the named drives in the order named, drives that do not exist, the "?"
// enclosure with zero, one and several enclosures, several adapters, firmware failures.
#include <string>
#include <vector>

#include "commands/ReportTestSupport.h"

namespace {

using namespace report_test;

class PdInfoTest : public ReportTest {};

const std::vector<std::string> kPdInfoLines = {"Adapter", "Enclosure Device ID", "Slot Number", "Device Id",
                                         "Enclosure ID could not", "Multiple", "Enclosure with"};

TEST_F(PdInfoTest, NamedDrivesInTheOrderGivenAndMissingOnesReported)
{
    RunResult r = RunState(State(), {"-PDInfo", "-PhysDrv[252:3,252:11,252:1,252:3,:4]", "-a0"});
    EXPECT_EQ(Outline(r.out, kPdInfoLines),
              "Enclosure Device ID: 252\nSlot Number: 3\nDevice Id: 11\n"
              "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n"
              "Enclosure Device ID: 252\nSlot Number: 1\nDevice Id: 9\n"
              "Enclosure Device ID: 252\nSlot Number: 3\nDevice Id: 11\n"
              "Adapter 0: Device at Enclosure - N/A, Slot - 4 is not found.\n");
    const std::string block = DriveBlock(r.out, 0);
    EXPECT_LT(block.find("Firmware state: Online\n"), block.find("FDE Capable: "));
    // The drives that are not found fail the command, after every drive has been reported.
    EXPECT_TRUE(r.out.ends_with("is not found.\n" + kExitFailed));
    EXPECT_EQ(r.exitCode, 1);
}

TEST_F(PdInfoTest, UnknownEnclosureIsTheAdaptersOnlyOne)
{
    RunResult r = RunState(State(), {"-PDInfo", "-PhysDrv[?:4]", "-a0"});
    EXPECT_EQ(DriveIds(r.out), std::vector<std::string>{"252:4"});
    EXPECT_EQ(r.exitCode, 0);

    // No enclosure: the drive attached directly in that slot.
    nlohmann::json state = State();
    Ctrl(state)["enclosures"] = nlohmann::json::array();
    for (auto& drive : Ctrl(state)["drives"])
        drive["enclosure"] = nullptr;
    r = RunState(state, {"-PDInfo", "-PhysDrv[?:4,?:11]", "-a0"});
    EXPECT_EQ(Outline(r.out, kPdInfoLines), "Enclosure Device ID: N/A\nSlot Number: 4\nDevice Id: 12\n"
                                      "Adapter 0: Device at Enclosure - N/A, Slot - 11 is not found.\n");
    EXPECT_EQ(r.exitCode, 1);

    // Two enclosures: status 1, after the drives named before.
    state = State();
    nlohmann::json second = Ctrl(state)["enclosures"][0];
    second["device_id"] = 40;
    second["sas_address"] = "0x500A4B0000C0A040";
    Ctrl(state)["enclosures"].push_back(second);
    r = RunState(state, {"-PDInfo", "-PhysDrv[252:0,?:4,252:1]", "-a0"});
    EXPECT_EQ(Outline(r.out, kPdInfoLines), "Enclosure Device ID: 252\nSlot Number: 0\nDevice Id: 8\n"
                                      "Enclosure ID could not be resolved. \nMultiple enclosures detected.\n");
    EXPECT_EQ(r.exitCode, 1);

    // One enclosure and a drive attached without one: status 2.
    state = State();
    Ctrl(state)["drives"].push_back(Drive(state, 30, nullptr, 0));
    r = RunState(state, {"-PDInfo", "-PhysDrv[?:4]", "-a0"});
    EXPECT_EQ(r.out, "Enclosure ID could not be resolved. \nEnclosure with direct connected device detected.\n"
                     "\nExit Code: 0x02\n");
    EXPECT_EQ(r.exitCode, 2);
}

TEST_F(PdInfoTest, EveryAdapterLooksUpTheSameListItself)
{
    // Adapter 1 holds its drives in enclosure 40 and has no drive in slot 5.
    nlohmann::json state = State(2);
    nlohmann::json& second = Ctrl(state, 1);
    ClearConfig(second);
    second["enclosures"][0]["device_id"] = 40;
    nlohmann::json drives = nlohmann::json::array();
    for (auto& drive : second["drives"])
        if (drive["slot"] != 5) {
            drive["enclosure"] = 40;
            drives.push_back(drive);
        }
    second["drives"] = drives;

    // "?" resolves on each adapter to its own enclosure.
    RunResult r = RunState(state, {"-PDInfo", "-PhysDrv[?:5,?:6]", "-aALL"});
    EXPECT_EQ(DriveIds(r.out), (std::vector<std::string>{"252:5", "252:6", "40:6"}));
    EXPECT_NE(r.out.find("Adapter 1: Device at Enclosure - 40, Slot - 5 is not found.\n"), std::string::npos);
    EXPECT_EQ(r.exitCode, 1);
}

TEST_F(PdInfoTest, FirmwareFailuresAreNotReportedAsMissingDrives)
{
    // Without the device list no drive can be called missing.
    nlohmann::json state = State();
    AddFault(state, 0, kDcmdPdGetList, 12);
    RunResult r = RunState(state, {"-PDInfo", "-PhysDrv[252:0]", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter #0: Failed to Perform get PD list Operation.\n", 0), 0u) << r.out;
    EXPECT_EQ(r.out.find("is not found."), std::string::npos);
    EXPECT_EQ(r.exitCode, 12);

    // Enclosures that cannot be read leave "?" unresolved.
    state = State();
    AddFault(state, 0, kDcmdEnclGetList, 12);
    r = RunState(state, {"-PDInfo", "-PhysDrv[252:0,?:1]", "-a0"});
    EXPECT_EQ(DriveIds(r.out), std::vector<std::string>{"252:0"});
    EXPECT_NE(r.exitCode, 0);
}

}  // namespace
