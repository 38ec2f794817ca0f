// -LDSetProp and -LDGetProp end to end: each change lands in the property record the
// controller keeps (and shows in -LDInfo), the queries read it back, the write-back check looks
// at the battery, and every refusal leaves the state file as it was.
#include <string>
#include <vector>

#include "commands/PdBgOpTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace bgop_test;

class LdPropertyTest : public BgOpTest {
protected:
    // The command refused: its output, exit status 1 and the state file unchanged.
    std::string Refused(const std::vector<std::string>& args)
    {
        const nlohmann::json before = ReadState();
        RunResult r = Tool(args);
        EXPECT_EQ(r.exitCode, 1) << r.out;
        EXPECT_EQ(ReadState()["controllers"], before["controllers"]) << args[1];
        return r.out;
    }
};

TEST_F(LdPropertyTest, ChangesAreKeptAndShownBackByTheQueriesAndLdInfo)
{
    WriteState(State());
    RunResult r = Tool({"-LDSetProp", "WT", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Set Write Policy to WriteThrough on Adapter 0, VD 0 (target id: 0) success\n" + kExitOk);
    EXPECT_EQ(VdOf(0)["write_policy"], "write_through");

    r = Tool({"-LDSetProp", "-NORA", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Set Read Policy to NoReadAhead on Adapter 0, VD 0 (target id: 0) success\n"
                     "Set Read Policy to NoReadAhead on Adapter 0, VD 1 (target id: 1) success\n" + kExitOk);
    EXPECT_EQ(VdOf(1)["read_policy"], "none");

    EXPECT_EQ(Tool({"-LDSetProp", "Cached", "-L1", "-a0"}).exitCode, 0);
    EXPECT_EQ(Tool({"-LDSetProp", "CachedBadBBU", "-L1", "-a0"}).exitCode, 0);
    EXPECT_EQ(Tool({"-LDSetProp", "RO", "-L1", "-a0"}).exitCode, 0);
    EXPECT_EQ(Tool({"-LDSetProp", "DisDskCache", "-L1", "-a0"}).exitCode, 0);
    r = Tool({"-LDSetProp", "-Name", "Archive", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Set name to Archive on Adapter 0, VD 1 (target id: 1) success\n" + kExitOk);

    const nlohmann::json vd1 = VdOf(1);
    EXPECT_EQ(vd1["io_policy"], "cached");
    EXPECT_EQ(vd1["write_back_with_bad_bbu"], true);
    EXPECT_EQ(vd1["access_policy"], "read_only");
    EXPECT_EQ(vd1["disk_cache_policy"], "disabled");
    EXPECT_EQ(vd1["name"], "Archive");
    // Neighbouring fields of the record stay as they were.
    EXPECT_EQ(vd1["write_policy"], "write_back");
    EXPECT_EQ(VdOf(0)["name"], DefaultState()["controllers"][0]["config"]["virtual_drives"][0]["name"]);

    r = Tool({"-LDGetProp", "-Cache", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0-VD 1(target id: 1): Cache Policy:WriteBack, ReadAheadNone, Cached, "
                     "Write Cache OK if bad BBU\n" + kExitOk);
    r = Tool({"-LDGetProp", "-Access", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0-VD 1(target id: 1): Access Policy: ReadOnly\nCurrent Access Policy: ReadOnly\n\n" +
                         kExitOk);
    r = Tool({"-LDGetProp", "-DskCache", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0-VD 1(target id: 1): Disk Write Cache : Disabled\n" + kExitOk);
    // The word after -Name is its value, which the query does not use.
    r = Tool({"-LDGetProp", "-Name", "-", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0-VD 1(target id: 1): Name: Archive\n" + kExitOk);

    const std::string info = Tool({"-LDInfo", "-L1", "-a0"}).out;
    EXPECT_NE(info.find("Archive"), std::string::npos) << info;
}

TEST_F(LdPropertyTest, AChangeKeepsTheOtherBitsOfTheRecordAsRead)
{
    // The record read for VD 1 says: write back, adaptive read ahead, write back with a bad
    // battery, cached I/O (0x7D at byte 20). NORA clears only the read bits.
    nlohmann::json state = State();
    AddPatch(state, 0, kDcmdLdGetProperties, 20, "7d");
    state["patches"].back()["mailbox_byte0"] = 1;
    WriteState(state);
    EXPECT_EQ(Tool({"-LDSetProp", "NORA", "-L1", "-a0"}).exitCode, 0);
    const nlohmann::json vd = VdOf(1);
    EXPECT_EQ(vd["write_policy"], "write_back");
    EXPECT_EQ(vd["read_policy"], "none");
    EXPECT_EQ(vd["write_back_with_bad_bbu"], true);
    EXPECT_EQ(vd["io_policy"], "cached");
    EXPECT_EQ(VdOf(0)["io_policy"], "direct");
}

TEST_F(LdPropertyTest, ConsistencyIsItsOwnRequestAndLeavesTheRecord)
{
    WriteState(State());
    RunResult r = Tool({"-LDSetProp", "INCONSISTENT", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Set target Inconsistent on Adapter 0, VD 0 (target id: 0) success\n" + kExitOk);
    EXPECT_EQ(VdOf(0)["consistent"], false);
    r = Tool({"-LDGetProp", "-Consistency", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Virtual Drive:00(Target ID 00): Inconsistent.\n" + kExitOk);
}

TEST_F(LdPropertyTest, WriteBackWaitsForAHealthyBattery)
{
    nlohmann::json state = State();
    Ctrl(state)["config"]["virtual_drives"][0]["write_policy"] = "write_through";
    AddPatch(state, 0, kDcmdBbuGetStatus, 8, "00040000");  // the pack must be replaced
    WriteState(state);
    // Without -Immediate the policy is set and takes effect once the battery allows.
    RunResult r = Tool({"-LDSetProp", "WB", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Battery needs replacement\n\nSo policy Change to WB will not come into effect immediately\n\n"
                     "Set Write Policy to WriteBack on Adapter 0, VD 0 (target id: 0) success\n" + kExitOk);
    EXPECT_EQ(VdOf(0)["write_policy"], "write_back");

    state = ReadState();
    Ctrl(state)["config"]["virtual_drives"][0]["write_policy"] = "write_through";
    state["patches"] = nlohmann::json::array();
    Ctrl(state)["battery"]["present"] = false;
    WriteState(state);
    const std::string out = Refused({"-LDSetProp", "WB", "-Immediate", "-L0", "-a0"});
    EXPECT_EQ(out, "No battery present\n\nAdapter 0: Set Property Failed on Vd object\n\nExit Code: 0x01\n");
}

// A battery or a progress that cannot be read is not taken for a healthy one: the change
// without -Immediate is made with the note that it may wait, -Immediate refuses it, and the
// command ends with the failed read's status.
TEST_F(LdPropertyTest, AWriteBackCheckThatCannotBeMadeKeepsTheGuard)
{
    nlohmann::json state = State();
    Ctrl(state)["config"]["virtual_drives"][0]["write_policy"] = "write_through";
    Ctrl(state)["config"]["virtual_drives"][1]["write_policy"] = "write_through";
    const std::string later = "\nSo policy Change to WB will not come into effect immediately\n\n";
    const std::string invalidParameter = "\nFW error description: Invalid parameter\n" + Exit(3);

    nlohmann::json faulty = state;
    AddFault(faulty, 0, kDcmdBbuGetStatus, 3);
    WriteState(faulty);
    RunResult r = Tool({"-LDSetProp", "WB", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Get BBU Status Failed.\n" + later +
                         "Set Write Policy to WriteBack on Adapter 0, VD 0 (target id: 0) success\n" + invalidParameter);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(VdOf(0)["write_policy"], "write_back");

    // The check of the first drive reads the progress of both; the second drive's check passes.
    faulty = state;
    AddFault(faulty, 0, kDcmdLdGetProgress, 3, 2);
    WriteState(faulty);
    r = Tool({"-LDSetProp", "WB", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the progress of virtual drive 1.\n" + later +
                         "Set Write Policy to WriteBack on Adapter 0, VD 0 (target id: 0) success\n"
                         "Set Write Policy to WriteBack on Adapter 0, VD 1 (target id: 1) success\n" +
                         invalidParameter);
    EXPECT_EQ(VdOf(1)["write_policy"], "write_back");

    faulty = state;
    AddFault(faulty, 0, kDcmdLdGetProgress, 3, 1);
    WriteState(faulty);
    const nlohmann::json before = ReadState();
    r = Tool({"-LDSetProp", "WB", "-Immediate", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the progress of virtual drive 0.\n\n"
                     "Adapter 0: Set Property Failed on Vd object\n" + invalidParameter);
    EXPECT_EQ(ReadState()["controllers"], before["controllers"]);
}

TEST_F(LdPropertyTest, RefusalsLeaveTheStateAlone)
{
    nlohmann::json state = State();
    WriteState(state);
    // The record holds 15 characters: a longer name is refused, not cut.
    EXPECT_EQ(Refused({"-LDSetProp", "-Name", "ABCDEFGHIJKLMNOP", "-L0", "-a0"}),
              "\nAdapter 0: Set Property Failed on Vd object\n\nExit Code: 0x01\n");
    EXPECT_EQ(Refused({"-LDGetProp", "WB", "-L0", "-a0"}),
              "\nInvalid option specified.\nFailed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n");

    for (auto& vd : Ctrl(state)["config"]["virtual_drives"])
        vd["blocked_by_offline_cache"] = false;
    WriteState(state);
    RunResult r = Tool({"-LDSetProp", "RemoveBlocked", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Access Policy is not Blocked on Vd object or SSCD is not Offline \n" + kExitOk);

    // A failed write is reported for its drive and the next drive still follows; the failure
    // stays the command's status.
    AddFault(state, 0, kDcmdLdSetProperties, 4, 1);
    WriteState(state);
    r = Tool({"-LDSetProp", "RO", "-L0,1", "-a0"});
    EXPECT_EQ(r.out, "Failed to set Access Policy to Read Only on Adapter 0, VD 0.\n"
                     "Set Access Policy to Read Only on Adapter 0, VD 1 (target id: 1) success\n\nExit Code: 0x04\n");
    EXPECT_EQ(VdOf(0)["access_policy"], "read_write");
    EXPECT_EQ(VdOf(1)["access_policy"], "read_only");
}

// The property word stands right after the command word; the other options and the drive list
// may come in any order before the adapters, and -Name chooses its property from anywhere.
TEST_F(LdPropertyTest, OptionsMoveButThePropertyWordFollowsTheCommand)
{
    nlohmann::json state = State();
    Ctrl(state)["config"]["virtual_drives"][0]["write_policy"] = "write_through";
    Ctrl(state)["battery"]["present"] = false;
    WriteState(state);
    EXPECT_EQ(Refused({"-LDSetProp", "WB", "-L0", "-Immediate", "-a0"}),
              "No battery present\n\nAdapter 0: Set Property Failed on Vd object\n\nExit Code: 0x01\n");
    const std::string misplaced = "Failed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n";
    EXPECT_EQ(Refused({"-LDSetProp", "-L0", "WB", "-a0"}), misplaced);
    EXPECT_EQ(Refused({"-LDSetProp", "-Name", "Scratch", "WT", "-L0", "-a0"}), misplaced);
    EXPECT_EQ(Refused({"-LDGetProp", "-L0", "-Cache", "-a0"}), misplaced);

    RunResult r = Tool({"-LDSetProp", "-L1", "-Name", "Archive", "-Force", "-a0"});
    EXPECT_EQ(r.out, "Set name to Archive on Adapter 0, VD 1 (target id: 1) success\n" + kExitOk);
    // A property word followed by -Name: the name is what changes.
    r = Tool({"-LDSetProp", "RO", "-L1", "-Name", "Backup", "-a0"});
    EXPECT_EQ(r.out, "Set name to Backup on Adapter 0, VD 1 (target id: 1) success\n" + kExitOk);
    EXPECT_EQ(VdOf(1)["access_policy"], "read_write");
    r = Tool({"-LDGetProp", "-Access", "-Force", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0-VD 1(target id: 1): Access Policy: Read/Write\nCurrent Access Policy: Read/Write\n\n" +
                         kExitOk);
}

}  // namespace
