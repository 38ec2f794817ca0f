// The drive reports when a read fails: a drive's information record, a hot spare's configuration,
// the enclosure list behind "?", a virtual drive's mirror or the list of virtual drives, the
// drives a foreign configuration would leave behind. Each report shows all else it can, says in
// a line what it could not read, and ends with the failed read's status: the firmware status
// with its description, or 1 for a failure of the controller access.
#include <cstdio>
#include <string>
#include <vector>

#include "commands/CfgTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace cfg_e2e;
using report_test::DriveBlock;
using report_test::DriveIds;
using report_test::Outline;
using report_test::Slots;

// The end of a run whose first failed read answered firmware status 3.
const std::string kEndAfterStatus3 = "\nFW error description: Invalid parameter\n" + Exit(3);

std::string DriveReadFailed(unsigned adapter, unsigned slot)
{
    return "Adapter " + std::to_string(adapter) +
           ": Failed to read the information of the device at Enclosure - 252, Slot - " + std::to_string(slot) + ".\n";
}

// The lines a drive that cannot be read leaves in a report: its place in the drive list, the
// failure, and the empty lines that end a drive.
std::string UnreadDrive(unsigned adapter, unsigned slot)
{
    return "Enclosure Device ID: 252\nSlot Number: " + std::to_string(slot) + "\n" + DriveReadFailed(adapter, slot) +
           "\n\n";
}

class DriveReportReadTest : public CfgTest {
protected:
    // The n-th call of the opcode fails by the controller-access library (error 5).
    static void AddLibraryFault(nlohmann::json& state, unsigned controller, unsigned opcode, int nth)
    {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08X", opcode);
        state["faults"].push_back({{"controller", controller}, {"opcode", text}, {"lib_error", 5}, {"nth", nth}});
    }

    // The default configuration with a second RAID 1, "boot" (target 2), on drives 15 and 16
    // (slots 7 and 8): both RAID 1 drives keep a mirror.
    nlohmann::json TwoMirrorsState()
    {
        nlohmann::json state = State();
        nlohmann::json& c = Ctrl(state);
        for (auto& drive : c["drives"])
            if (drive["device_id"] == 15 || drive["device_id"] == 16)
                drive["state"] = "online";
        c["config"]["arrays"].push_back({{"ref", 2}, {"drives", {15, 16}}});
        nlohmann::json boot = c["config"]["virtual_drives"][1];
        boot["target_id"] = 2;
        boot["name"] = "boot";
        boot["arrays"] = {2};
        c["config"]["virtual_drives"].push_back(boot);
        return state;
    }
};

TEST_F(DriveReportReadTest, DriveListShowsEveryOtherDriveWhole)
{
    // The second record read is slot 1's; the drive after it is shown whole, and slot 1 is not
    // read again for its other blocks.
    nlohmann::json state = State();
    AddFault(state, 0, kDcmdPdGetInfo, 3, 2);
    RunResult r = RunState(state, {"-PDList", "-a0"});
    EXPECT_EQ(DriveIds(r.out), Slots("252", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(DriveBlock(r.out, 1), UnreadDrive(0, 1));
    EXPECT_NE(r.out.find("S.M.A.R.T alert : No\n\n\n" + UnreadDrive(0, 1) +
                         "Enclosure Device ID: 252\nSlot Number: 2\nDevice Id: 10\nSequence Number: 1\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\n" + kEndAfterStatus3)) << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // A failure of the controller access ends with 1, without a firmware description.
    state = State();
    AddLibraryFault(state, 0, kDcmdPdGetInfo, 10);
    r = RunState(state, {"-PDList", "-a0"});
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\n" + UnreadDrive(0, 9) + kExitFailed)) << r.out;
    EXPECT_EQ(r.exitCode, 1);

    // Every adapter still reports.
    state = State(2);
    AddFault(state, 0, kDcmdPdGetInfo, 3, 1);
    r = RunState(state, {"-PDList", "-a0,1"});
    EXPECT_EQ(Outline(r.out, {"Adapter", "Slot Number: 0", "Device Id: 8"}),
              "Adapter #0\nSlot Number: 0\n" + DriveReadFailed(0, 0) + "Adapter #1\nSlot Number: 0\nDevice Id: 8\n");
    EXPECT_NE(r.exitCode, 0);
}

TEST_F(DriveReportReadTest, DriveInformationNamesWhatItCouldNotRead)
{
    // The hot spare's block needs the configuration, which -PDInfo reads only for it.
    nlohmann::json state = State();
    AddFault(state, 0, kDcmdCfgRead, 3);
    RunResult r = RunState(state, {"-PDInfo", "-PhysDrv[252:6]", "-a0"});
    EXPECT_NE(r.out.find("Last Predictive Failure Event Seq Number: 0\nPD Type: SAS\n"
                         "Adapter 0: Failed to read the hot-spare information of the device at Enclosure - 252, "
                         "Slot - 6.\nFirmware state: Hotspare\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\n" + kEndAfterStatus3)) << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // A drive that cannot be read, one that is not there: each is said, the others shown, and
    // the first failure is the status.
    state = State();
    AddFault(state, 0, kDcmdPdGetInfo, 3, 1);
    r = RunState(state, {"-PDInfo", "-PhysDrv[252:1,252:99,252:2]", "-a0"});
    EXPECT_EQ(r.out.rfind(UnreadDrive(0, 1) + "Adapter 0: Device at Enclosure - 252, Slot - 99 is not found.\n"
                                              "Enclosure Device ID: 252\nSlot Number: 2\nDevice Id: 10\n",
                          0),
              0u)
        << r.out;
    EXPECT_TRUE(r.out.ends_with(kEndAfterStatus3)) << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // "?" cannot be resolved without the enclosure list; the drives named before it are shown.
    state = State();
    AddFault(state, 0, kDcmdEnclGetList, 3);
    r = RunState(state, {"-PDInfo", "-PhysDrv[252:0,?:1]", "-a0"});
    EXPECT_EQ(DriveIds(r.out), std::vector<std::string>{"252:0"});
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\nAdapter 0: Failed to read the enclosure list.\n" +
                                kEndAfterStatus3))
        << r.out;
    EXPECT_EQ(r.exitCode, 3);
}

TEST_F(DriveReportReadTest, MemberReportAndConfigurationDisplayGoOnPastADrive)
{
    // Slot 1, the second member of virtual drive 0, is the second record read by both reports.
    nlohmann::json state = State();
    AddFault(state, 0, kDcmdPdGetInfo, 3, 2);
    WriteState(state);
    RunResult r = Run({"-LdPdInfo", "-a0"});
    EXPECT_NE(r.out.find("\nPD: 1 Information\n" + UnreadDrive(0, 1) + "\nPD: 2 Information\nEnclosure Device ID: 252\n"
                         "Slot Number: 2\nDevice Id: 10\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(Outline(r.out, {"Virtual Drive:", "Slot Number"}),
              "Virtual Drive: 0 (Target Id: 0)\nSlot Number: 0\nSlot Number: 1\nSlot Number: 2\nSlot Number: 3\n"
              "Virtual Drive: 1 (Target Id: 1)\nSlot Number: 4\nSlot Number: 5\n");
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\n" + kEndAfterStatus3)) << r.out;
    EXPECT_EQ(r.exitCode, 3);

    r = Run({"-CfgDsply", "-a0"});
    EXPECT_NE(r.out.find("Physical Disk: 1\n" + UnreadDrive(0, 1) + "Physical Disk: 2\nEnclosure Device ID: 252\n"
                         "Slot Number: 2\nDevice Id: 10\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(Outline(r.out, {"DISK GROUP", "Slot Number"}),
              "DISK GROUP: 0\nSlot Number: 0\nSlot Number: 1\nSlot Number: 2\nSlot Number: 3\n"
              "DISK GROUP: 1\nSlot Number: 4\nSlot Number: 5\n");
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\n" + kEndAfterStatus3)) << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // The FlashTier display shows the cache's one drive (slot 8).
    state = State();
    AddFlashTierCache(state);
    AddLibraryFault(state, 0, kDcmdPdGetInfo, 1);
    r = RunState(state, {"-CfgFlashTierDsply", "-a0"});
    EXPECT_TRUE(r.out.ends_with("Physical Disk Information:\nPhysical Disk: 0\n" + UnreadDrive(0, 8) + kExitFailed))
        << r.out;
    EXPECT_EQ(r.exitCode, 1);
}

TEST_F(DriveReportReadTest, MirrorViewGoesOnToTheNextVirtualDrive)
{
    // The mirror of virtual drive 1 cannot be read; that of 2 (drive 16, slot 8) is shown.
    nlohmann::json state = TwoMirrorsState();
    AddFault(state, 0, kDcmdLdGetMirrorInfo, 3, 1);
    RunResult r = RunState(state, {"-LDViewMirror", "-L1,2", "-a0"});
    EXPECT_EQ(r.out.rfind("Adapter 0: Failed to read the mirror of virtual drive 1.\nNumber of DISK GROUPS: 1\n", 0), 0u)
        << r.out;
    EXPECT_EQ(Outline(r.out, {"Virtual Drive:", "Slot Number"}), "Virtual Drive: 0 (Target Id: 2)\nSlot Number: 8\n");
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\n" + kEndAfterStatus3)) << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // The first mirror's drive (slot 5) cannot be read: the second mirror follows.
    state = TwoMirrorsState();
    AddFault(state, 0, kDcmdPdGetInfo, 3, 1);
    r = RunState(state, {"-LDViewMirror", "-L1,2", "-a0"});
    EXPECT_NE(r.out.find("Physical Disk: 0\n" + UnreadDrive(0, 5) + "Number of DISK GROUPS: 1\n"), std::string::npos)
        << r.out;
    EXPECT_EQ(Outline(r.out, {"Virtual Drive:", "Slot Number"}),
              "Virtual Drive: 0 (Target Id: 1)\nSlot Number: 5\nVirtual Drive: 0 (Target Id: 2)\nSlot Number: 8\n");
    EXPECT_TRUE(r.out.ends_with(kEndAfterStatus3)) << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // -LALL visits the drives of the configuration: without it there is nothing to show, which
    // is said rather than taken for success.
    state = TwoMirrorsState();
    AddFault(state, 0, kDcmdCfgRead, 3);
    r = RunState(state, {"-LDViewMirror", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the configuration.\n" + kEndAfterStatus3);
    EXPECT_EQ(r.exitCode, 3);
    state = TwoMirrorsState();
    AddLibraryFault(state, 0, kDcmdPdGetList, 2);
    r = RunState(state, {"-LDViewMirror", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the configuration.\n" + kExitFailed);
    EXPECT_EQ(r.exitCode, 1);
}

TEST_F(DriveReportReadTest, ForeignDisplayAndPreviewSayWhatTheyCouldNotRead)
{
    // The moved RAID 1's drives are the second controller's slots 10 and 11.
    nlohmann::json state = MovedState();
    AddFault(state, 1, kDcmdPdGetInfo, 3, 1);
    RunResult r = RunState(state, {"-CfgForeign", "-Dsply", "-a1"});
    EXPECT_NE(r.out.find("Physical Disk Information:\nPhysical Disk: 0\n" + UnreadDrive(1, 10) +
                         "Physical Disk: 1\nEnclosure Device ID: 252\nSlot Number: 11\nDevice Id: 1\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\n" + kEndAfterStatus3)) << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // The combined preview is shown; the drives that would stay foreign after it (read from a
    // second preview) cannot be listed.
    state = MovedState();
    AddFault(state, 1, kDcmdCfgForeignPreview, 3, 2);
    r = RunState(state, {"-CfgForeign", "-Preview", "-a1"});
    EXPECT_EQ(Outline(r.out, {"Foreign", "Slot Number", "Adapter"}),
              "Foreign configuration on controller 1(After import):\nSlot Number: 10\nSlot Number: 11\n"
              "Adapter 1: Failed to read the drives that would stay foreign.\n");
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\nAdapter 1: Failed to read the drives that would stay "
                                "foreign.\n" +
                                kEndAfterStatus3))
        << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // A drive whose record cannot be read may be one that would stay foreign: the list is not
    // known without it (the third drive record read is the first drive checked for it).
    state = MovedState();
    AddFault(state, 1, kDcmdPdGetInfo, 3, 3);
    r = RunState(state, {"-CfgForeign", "-Preview", "-a1"});
    EXPECT_TRUE(r.out.ends_with("S.M.A.R.T alert : No\n\n\nAdapter 1: Failed to read the drives that would stay "
                                "foreign.\n" +
                                kEndAfterStatus3))
        << r.out;
    EXPECT_EQ(r.exitCode, 3);
}

}  // namespace
