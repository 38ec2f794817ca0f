// Drive state changes end to end, over several runs on one state file: offline and online of a
// RAID 5 member, mark missing and replace, make good, make system drive, prepare for removal,
// locate; every drive-list command walks its list in the order given and stops at the first
// drive that is not found or refused, leaving the state as it was.
#include <string>
#include <vector>

#include "commands/ReportTestSupport.h"

namespace {

using namespace report_test;


class PdStateChangeTest : public ReportTest {
protected:
    // The default state without its hot spare (slot 6 unconfigured good), so that nothing
    // rebuilds on its own when a member goes.
    nlohmann::json NoSpareState()
    {
        nlohmann::json state = State();
        Ctrl(state)["properties"]["jbod_enabled"] = true;
        Ctrl(state)["config"]["spares"] = nlohmann::json::array();
        for (auto& drive : Ctrl(state)["drives"])
            if (drive["slot"] == 6)
                drive["state"] = "unconfigured_good";
        return state;
    }

    // The firmware state line of a drive, from -PDInfo.
    std::string FwState(const std::string& drive)
    {
        RunResult r = Run({"-PDInfo", "-PhysDrv[" + drive + "]", "-a0"});
        return Outline(r.out, {"Firmware state: "});
    }
    std::string VdState(unsigned target)
    {
        RunResult r = Run({"-LDInfo", "-L" + std::to_string(target), "-a0"});
        return Outline(r.out, {"State: "});
    }

    // What a command may change: the drives, the configuration, the background work, the
    // conversion count and the event log.
    nlohmann::json Changeable()
    {
        nlohmann::json c = ReadState()["controllers"][0];
        return {{"drives", c["drives"]},
                {"config", c["config"]},
                {"operations", c["operations"]},
                {"jbod_conversions", c["jbod_conversions"]},
                {"events", c["events"]}};
    }

    // Runs a command that must be refused: its output and status, and nothing changed.
    void ExpectRefused(const std::vector<std::string>& args, const std::string& out, int exitCode = 1)
    {
        const nlohmann::json before = Changeable();
        RunResult r = Run(args);
        EXPECT_EQ(r.out, out) << args[0];
        EXPECT_EQ(r.exitCode, exitCode) << args[0];
        EXPECT_EQ(Changeable(), before) << args[0];
    }
};

TEST_F(PdStateChangeTest, AMemberTakenOfflineDegradesItsVirtualDriveUntilItIsBackOnline)
{
    WriteState(NoSpareState());
    RunResult r = Run({"-PDOffline", "-PhysDrv[252:1]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: EnclId-252 SlotId-1 state changed to OffLine.\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(FwState("252:1"), "Firmware state: Offline\n");
    EXPECT_EQ(VdState(0), "State: Degraded\n");
    EXPECT_EQ(VdState(1), "State: Optimal\n");

    // Already offline: refused without a request.
    ExpectRefused({"-PDOffline", "-PhysDrv[252:1]", "-a0"},
                  "Adapter: 0: Failed to change PD state at EnclId-252 SlotId-1.\n" + kExitFailed);

    r = Run({"-PDOnline", "-PhysDrv[252:1]", "-a0"});
    EXPECT_EQ(r.out, "EnclId-252 SlotId-1 state changed to OnLine.\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(FwState("252:1"), "Firmware state: Online\n");
    EXPECT_EQ(VdState(0), "State: Optimal\n");

    ExpectRefused({"-PDOnline", "-PhysDrv[252:1]", "-a0"},
                  "Adapter: 0: Failed to change PD state at EnclId-252 SlotId-1.\n" + kExitFailed);
}

TEST_F(PdStateChangeTest, AMissingDriveLeavesAnEmptyRowThatAnotherDriveTakes)
{
    WriteState(NoSpareState());
    ASSERT_EQ(Run({"-PDOffline", "-PhysDrv[252:2]", "-a0"}).exitCode, 0);
    RunResult r = Run({"-PdMarkMissing", "-physdrv[252:2]", "-a0"});
    EXPECT_EQ(r.out, "EnclId-252 SlotId-2 is marked Missing.\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);

    const unsigned long long blocks = ReadState()["controllers"][0]["config"]["arrays"][0]["blocks"];
    r = Run({"-PdGetMissing", "-a0"});
    EXPECT_EQ(r.out, "    Adapter 0 - Missing Physical drives\n\n    No.   Array   Row   Size Expected\n"
                     "    0     0       2     " +
                         std::to_string(blocks >> 11) + " MB\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(VdState(0), "State: Degraded\n");

    // Rows that cannot take a drive.
    ExpectRefused({"-PdReplaceMissing", "-physdrv[252:7]", "-array0", "-row1", "-a0"},
                  "Adapter: 0: Physical drive in array 0 at row 1 is not missing.\n" + kExitFailed);
    ExpectRefused({"-PdReplaceMissing", "-physdrv[252:7]", "-array0", "-row4", "-a0"},
                  "Adapter: 0: Row number specified is out of range.\n" + kExitFailed);
    ExpectRefused({"-PdReplaceMissing", "-physdrv[252:7]", "-array2", "-row0", "-a0"},
                  "Adapter: 0: Row number specified is out of range.\n" + kExitFailed);
    ExpectRefused({"-PdReplaceMissing", "-physdrv[252:11]", "-array0", "-row2", "-a0"},
                  "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n" + kExitFailed);

    r = Run({"-PdReplaceMissing", "-physdrv[252:7,252:8]", "-array0", "-row2", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Missing PD at Array 0, Row 2 is replaced.\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    const nlohmann::json rows = ReadState()["controllers"][0]["config"]["arrays"][0]["drives"];
    EXPECT_EQ(rows, nlohmann::json({8, 9, 15, 11}));
    // The drive that took the row waits for its rebuild.
    EXPECT_EQ(FwState("252:7"), "Firmware state: Offline\n");
    ExpectRefused({"-PdReplaceMissing", "-physdrv[252:8]", "-array0", "-row2", "-a0"},
                  "Adapter: 0: Physical drive in array 0 at row 2 is not missing.\n" + kExitFailed);

    r = Run({"-PdGetMissing", "-a0"});
    EXPECT_EQ(r.out, "    Adapter 0 - No Missing Drive is Found.\n" + kExitOk);
}

TEST_F(PdStateChangeTest, GetMissingPrintsNothingWithoutVirtualDrivesAndListsRowsInArrayOrder)
{
    nlohmann::json state = NoSpareState();
    Ctrl(state)["config"]["arrays"][1]["drives"][1] = nullptr;
    Ctrl(state)["config"]["arrays"][0]["drives"][0] = nullptr;
    for (auto& drive : Ctrl(state)["drives"])
        if (drive["slot"] == 0 || drive["slot"] == 5)
            drive["state"] = "unconfigured_good";
    WriteState(state);
    const nlohmann::json arrays = ReadState()["controllers"][0]["config"]["arrays"];
    RunResult r = Run({"-PdGetMissing", "-a0"});
    EXPECT_EQ(Outline(r.out, {"    0 ", "    1 "}),
              "    0     0       0     " + std::to_string(arrays[0]["blocks"].get<unsigned long long>() >> 11) +
                  " MB\n    1     1       1     " +
                  std::to_string(arrays[1]["blocks"].get<unsigned long long>() >> 11) + " MB\n");
    EXPECT_EQ(r.exitCode, 0);

    ClearConfig(Ctrl(state));
    WriteState(state);
    r = Run({"-PdGetMissing", "-a0"});
    EXPECT_EQ(r.out, kExitOk);
    EXPECT_EQ(r.exitCode, 0);

    // A configuration that cannot be read is reported by the status alone.
    state = NoSpareState();
    AddFault(state, 0, kDcmdCfgRead, 3);
    WriteState(state);
    r = Run({"-PdGetMissing", "-a0"});
    EXPECT_EQ(r.out, "\nFW error description: Invalid parameter\n\nExit Code: 0x03\n");
}

// An array record holds 32 rows: a larger row count from the controller is not followed into the
// next record (whose first bytes here read as an empty row).
TEST_F(PdStateChangeTest, MissingRowsAreLookedForOnlyInTheArraysOwnRows)
{
    nlohmann::json state = NoSpareState();
    Ctrl(state)["config"]["arrays"][0]["drives"][0] = nullptr;
    Ctrl(state)["drives"][0]["state"] = "unconfigured_good";
    AddPatch(state, 0, kDcmdCfgRead, 32 + 8, "ff");    // array 0: 255 rows
    AddPatch(state, 0, kDcmdCfgRead, 32 + 288, "ffff");  // array 1 starts where array 0's row 32 would be
    WriteState(state);
    const unsigned long long blocks = Ctrl(state)["config"]["arrays"][0]["blocks"];
    RunResult r = Run({"-PdGetMissing", "-a0"});
    EXPECT_EQ(r.out, "    Adapter 0 - Missing Physical drives\n\n    No.   Array   Row   Size Expected\n"
                     "    0     0       0     " +
                         std::to_string(blocks >> 11) + " MB\n" + kExitOk);
    ExpectRefused({"-PdReplaceMissing", "-physdrv[252:6]", "-array0", "-row31", "-a0"},
                  "Adapter: 0: Physical drive in array 0 at row 31 is not missing.\n" + kExitFailed);
    r = Run({"-PdReplaceMissing", "-physdrv[252:6]", "-array0", "-row0", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Missing PD at Array 0, Row 0 is replaced.\n" + kExitOk);
}

TEST_F(PdStateChangeTest, MakeGoodFromBadAndFromASystemDriveOnlyWithForce)
{
    nlohmann::json state = NoSpareState();
    Ctrl(state)["drives"][7]["state"] = "unconfigured_bad";
    Ctrl(state)["drives"][8]["state"] = "jbod";
    WriteState(state);

    RunResult r = Run({"-PDMakeGood", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: EnclId-252 SlotId-7 state changed to Unconfigured-Good.\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(FwState("252:7"), "Firmware state: Unconfigured(good), Spun Up\n");

    ExpectRefused({"-PDMakeGood", "-PhysDrv[252:8]", "-a0"},
                  "To prevent data loss and adverse effect on system, please stop all the IOs to this drive.If it is "
                  "a file system drive, please unmount it.\n\n use -force option if you are sure to perform this "
                  "operation\n" +
                      kExitFailed);
    // Already unconfigured good: refused without a request.
    ExpectRefused({"-PDMakeGood", "-PhysDrv[252:7]", "-Force", "-a0"},
                  "Adapter: 0: Failed to change PD state at EnclId-252 SlotId-7.\n" + kExitFailed);

    r = Run({"-PDMakeGood", "-PhysDrv[252:8]", "-Force", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: EnclId-252 SlotId-8 state changed to Unconfigured-Good.\n" + kExitOk);
    EXPECT_EQ(FwState("252:8"), "Firmware state: Unconfigured(good), Spun Up\n");
}

TEST_F(PdStateChangeTest, TheControllersConversionLimitEndsMakeGoodWithStatus95)
{
    nlohmann::json state = NoSpareState();
    Ctrl(state)["drives"][7]["state"] = "jbod";
    Ctrl(state)["drives"][8]["state"] = "jbod";
    Ctrl(state)["jbod_conversions"] = {{"done", 0}, {"limit", 1}};
    WriteState(state);
    RunResult r = Run({"-PDMakeGood", "-PhysDrv[252:7,252:8,252:9]", "-Force", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: EnclId-252 SlotId-7 state changed to Unconfigured-Good.\n"
                     "The drive cannot be converted from JBOD to Unconfigured Good because, Maximum allowed drive "
                     "conversion has been reached. \n"
                     "\nFW error description: JBOD conversion limit reached\n\nExit Code: 0x5f\n");
    EXPECT_EQ(r.exitCode, 95);
    EXPECT_EQ(FwState("252:8"), "Firmware state: JBOD\n");
    EXPECT_EQ(ReadState()["controllers"][0]["jbod_conversions"]["done"], 1);
}

TEST_F(PdStateChangeTest, MakeSystemDrivesInTheOrderGivenUntilOneIsRefused)
{
    WriteState(NoSpareState());
    RunResult r = Run({"-PDMakeJBOD", "-PhysDrv[252:9,252:7]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: EnclId-252 SlotId-9 state changed to JBOD.\n"
                     "Adapter: 0: EnclId-252 SlotId-7 state changed to JBOD.\n" +
                         kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(FwState("252:7"), "Firmware state: JBOD\n");

    // The first drive changes; the controller refuses a member of an array, and the drive after
    // it is left alone. The controller's status is the command's.
    r = Run({"-PDMakeJBOD", "-PhysDrv[252:8,252:0,252:6]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: EnclId-252 SlotId-8 state changed to JBOD.\n"
                     "Adapter: 0: Failed to change PD state at EnclId-252 SlotId-0.\n"
                     "\nFW error description: Drive is in an unsuitable state\n\nExit Code: 0x32\n");
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_EQ(FwState("252:0"), "Firmware state: Online\n");
    EXPECT_EQ(FwState("252:6"), "Firmware state: Unconfigured(good), Spun Up\n");

    ExpectRefused({"-PDMakeJBOD", "-PhysDrv[:3]", "-a0"},
                  "Adapter 0: Device at Enclosure - N/A, Slot - 3 is not found.\n" + kExitFailed);
}

TEST_F(PdStateChangeTest, ChangingCommandsStopAtTheFirstDriveNotFound)
{
    WriteState(NoSpareState());
    RunResult r = Run({"-PDOffline", "-PhysDrv[252:1,252:11,252:2]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: EnclId-252 SlotId-1 state changed to OffLine.\n"
                     "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n" +
                         kExitFailed);
    EXPECT_EQ(FwState("252:2"), "Firmware state: Online\n");

    // The drive before the missing one is changed, the one after it is not.
    r = Run({"-PDOnline", "-PhysDrv[252:1,252:10,252:2]", "-a0"});
    EXPECT_EQ(r.out, "EnclId-252 SlotId-1 state changed to OnLine.\n"
                     "Adapter 0: Device at Enclosure - 252, Slot - 10 is not found.\n" +
                         kExitFailed);
    EXPECT_EQ(r.exitCode, 1);

    ExpectRefused({"-PdMarkMissing", "-physdrv[252:11,252:1]", "-a0"},
                  "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n" + kExitFailed);
    // A drive in no array cannot be missing from one.
    ExpectRefused({"-PdMarkMissing", "-physdrv[252:7,252:1]", "-a0"},
                  "Adapter: 0: Failed to change PD state at EnclId-252 SlotId-7.\n"
                  "\nFW error description: Drive is in an unsuitable state\n\nExit Code: 0x32\n",
                  50);
    ExpectRefused({"-PdLocate", "-physdrv[252:11]", "-a0"},
                  "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n" + kExitFailed);

    // "?" is the adapter's only enclosure; with two the command ends before any change.
    r = Run({"-PDOffline", "-PhysDrv[?:4]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: EnclId-252 SlotId-4 state changed to OffLine.\n" + kExitOk);
    nlohmann::json state = ReadState();
    nlohmann::json second = Ctrl(state)["enclosures"][0];
    second["device_id"] = 40;
    second["sas_address"] = "0x500A4B0000C0A040";
    Ctrl(state)["enclosures"].push_back(second);
    WriteState(state);
    ExpectRefused({"-PDMakeJBOD", "-PhysDrv[?:7]", "-a0"},
                  "Enclosure ID could not be resolved. \nMultiple enclosures detected.\n\nExit Code: 0x01\n");
}

TEST_F(PdStateChangeTest, PrepareForRemovalAndUndo)
{
    WriteState(NoSpareState());
    RunResult r = Run({"-PdPrpRmv", "-physdrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "\nPrepare for removal Success\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(FwState("252:7"), "Firmware state: Unconfigured(good), Spun down\n");
    r = Run({"-PdPrpRmv", "-UnDo", "-physdrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "\nUndo Prepare for removal Success\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(FwState("252:7"), "Firmware state: Unconfigured(good), Spun Up\n");

    for (const char* undo : {"", "-UnDo"}) {
        std::vector<std::string> args = {"-PdPrpRmv", "-physdrv[252:7,252:11,252:8]", "-a0"};
        if (*undo)
            args.insert(args.begin() + 1, undo);
        r = Run(args);
        EXPECT_EQ(r.out, std::string("\n") + (*undo ? "Undo " : "") + "Prepare for removal Success\n" +
                             "Adapter #0: Failed to Perform prepare for removal Operation.\n" + kExitFailed);
        EXPECT_EQ(r.exitCode, 1);
    }

    // The controller refuses a member of an array: the command ends with its status there.
    r = Run({"-PdPrpRmv", "-physdrv[252:8,252:0,252:9]", "-a0"});
    EXPECT_EQ(r.out, "\nPrepare for removal Success\n\nAdapter: 0: Prepare for removal Failed\n"
                     "\nFW error description: Drive is in an unsuitable state\n\nExit Code: 0x32\n");
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_EQ(FwState("252:8"), "Firmware state: Unconfigured(good), Spun down\n");
    EXPECT_EQ(FwState("252:9"), "Firmware state: Unconfigured(good), Spun Up\n");
}

TEST_F(PdStateChangeTest, LocateStartsAndStops)
{
    auto line = [](const char* slot, const char* what) {
        return std::string("Adapter: 0: Device at EnclId-252 SlotId-") + slot + "  -- PD Locate " + what +
               " Command was successfully sent to Firmware \n";
    };
    WriteState(NoSpareState());
    RunResult r = Run({"-PdLocate", "-physdrv[252:3,252:9]", "-a0"});
    EXPECT_EQ(r.out, line("3", "Start") + line("9", "Start") + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
    r = Run({"-PdLocate", "-stop", "-physdrv[252:3]", "-a0"});
    EXPECT_EQ(r.out, line("3", "Stop") + kExitOk);

    nlohmann::json state = ReadState();
    AddFault(state, 0, 0x02070100, 1);
    WriteState(state);
    r = Run({"-PdLocate", "-start", "-physdrv[252:4,252:5]", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter: 0: Physical Device at EnclId-252 SlotId-4 could not be located\n", 0), 0u)
        << r.out;
    EXPECT_EQ(r.out.find("SlotId-5"), std::string::npos);
    EXPECT_EQ(r.exitCode, 1);
}

}  // namespace
