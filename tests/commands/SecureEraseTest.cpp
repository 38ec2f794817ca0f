// -SecureErase end to end, across runs on one state file: the overwrite erase of drives and of
// virtual drives with its type and pattern bytes in the requests, its progress following the
// controller clock to completion, stop, the virtual drive deleted when asked; every refusal with
// its message and no request sent; failures injected on each request. Then the parser: actions,
// erase types, pattern words and the shared drive list.
#include <string>
#include <vector>

#include "cmdtool/SharedDriveList.h"
#include "cmdtool/TokenIds.h"
#include "commands/PdBgOpTestSupport.h"
#include "fwdata/layout/Opcodes.h"
#include "parsers/SecureErasePo.h"
#include "support/ParseLine.h"

namespace {

using namespace bgop_test;

const std::string kInvalidParameterEnd = "\nFW error description: Invalid parameter\n\nExit Code: 0x03\n";

std::string PdStarted(int slot)
{
    return "Adapter 0: Secure Erase is started on Physical Device at EnclId-252 SlotId-" + std::to_string(slot) + ".\n";
}

class SecureEraseCmdTest : public BgOpTest {
protected:
    // The erase requests a run sent.
    unsigned EraseRequests(const std::string& trace)
    {
        return CountRequests(trace, kDcmdPdSecureEraseStart) + CountRequests(trace, kDcmdPdSecureEraseStop) +
               CountRequests(trace, kDcmdLdSecureEraseStart) + CountRequests(trace, kDcmdLdSecureEraseStop);
    }
    // A run that must send no erase request and leave the state file as it was.
    RunResult Unchanged(const std::vector<std::string>& args)
    {
        const std::string before = ReadFile(StatePath());
        std::string trace;
        RunResult r = TracedTool(args, &trace);
        EXPECT_EQ(EraseRequests(trace), 0u);
        EXPECT_EQ(ReadFile(StatePath()), before);
        return r;
    }
    void Fail(unsigned opcode, int status = 3)
    {
        nlohmann::json state = ReadState();
        AddFault(state, 0, opcode, status);
        WriteState(state);
    }
};

TEST_F(SecureEraseCmdTest, DriveEraseRunsWithTheClockUntilDoneOrStopped)
{
    WriteState(State());
    std::string trace;
    RunResult r = TracedTool({"-SecureErase", "Start", "Thorough", "ErasePattern", "11110000", "ErasePattern",
                              "00001111", "-PhysDrv[252:7,252:8]", "-a0"},
                             &trace);
    EXPECT_EQ(r.out, PdStarted(7) + PdStarted(8) + kExitOk);
    // Reference of drive 15 (sequence number 1), type 2, patterns 0xF0 and 0x0F.
    EXPECT_EQ(Mailbox(trace, kDcmdPdSecureEraseStart), "0f000100" "02f00f00" "00000000");
    EXPECT_EQ(Operations().size(), 2u);

    const u64 start = Now();
    SteerOperation("secure_erase", 4000);
    SetClock(start, 1000);  // progress 16383: 24 % in 16 minutes
    r = Tool({"-SecureErase", "ShowProg", "-PhysDrv[252:8,252:9]", "-a0"});
    EXPECT_EQ(r.out, "Secure Erase Progress on Device at Enclosure 252, Slot 8 Completed 24% in 16 Minutes.\n"
                     "Secure Erase is not in progress on Device(Encl-252 Slot-9)\n" +
                         kExitOk);

    r = TracedTool({"-SecureErase", "Abort", "-PhysDrv[252:7,252:9]", "-a0"}, &trace);
    EXPECT_EQ(r.out, "Adapter 0: Secure Erase is stopped on Physical Device at EnclId-252 SlotId-7.\n"
                     "Secure Erase is not in progress on Device(Encl-252 Slot-9)\n" +
                         kExitOk);
    EXPECT_EQ(CountRequests(trace, kDcmdPdSecureEraseStop), 1u);  // none for the drive that is not erasing
    EXPECT_EQ(Operations().size(), 1u);

    // Without a type or a pattern: type 0 and the default patterns.
    r = TracedTool({"-SecureErase", "Start", "-PhysDrv[252:7]", "-a0"}, &trace);
    EXPECT_EQ(r.out, PdStarted(7) + kExitOk);
    EXPECT_EQ(Mailbox(trace, kDcmdPdSecureEraseStart), "0f000100" "00aa5500" "00000000");

    SetClock(start, 100000);  // both erases have completed
    r = Tool({"-SecureErase", "ShowProg", "-PhysDrv[252:7,252:8]", "-a0"});
    EXPECT_EQ(r.out, "Secure Erase is not in progress on Device(Encl-252 Slot-7)\n"
                     "Secure Erase is not in progress on Device(Encl-252 Slot-8)\n" +
                         kExitOk);
    EXPECT_TRUE(Operations().empty());
    EXPECT_EQ(DriveState(15), "unconfigured_good");
}

TEST_F(SecureEraseCmdTest, DriveRefusalsSkipTheDriveAndFailTheCommand)
{
    WriteState(State());
    // An array member is skipped; the drive after it still starts; the command reports the refusal.
    std::string trace;
    RunResult r = TracedTool({"-SecureErase", "Start", "-PhysDrv[252:0,252:7]", "-a0"}, &trace);
    EXPECT_EQ(r.out, "Adapter: 0: Physical Device at EnclId-252 SlotId-0 is not in appropriate state to start the "
                     "requested operation\n" +
                         PdStarted(7) + kExitFailed);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(CountRequests(trace, kDcmdPdSecureEraseStart), 1u);

    // A drive that is not there ends the walk.
    r = Unchanged({"-SecureErase", "Start", "-PhysDrv[252:12,252:8]", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Device at Enclosure - 252, Slot - 12 is not found.\n" + kExitFailed);
    // ProgDsply touches nothing and prints nothing of its own.
    EXPECT_EQ(Unchanged({"-SecureErase", "ProgDsply", "-PhysDrv[252:7]", "-a0"}).out, kExitOk);

    // A stop the controller does not allow (its allowed operations cannot be read).
    Fail(kDcmdPdGetAllowedOps);
    r = Unchanged({"-SecureErase", "Stop", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Secure Erase can not be stopped on Physical Device at EnclId-252 SlotId-7 \n" +
                         kInvalidParameterEnd);
}

TEST_F(SecureEraseCmdTest, FailedDriveRequestsEndTheCommandWithTheirStatus)
{
    WriteState(State());
    Fail(kDcmdPdSecureEraseStart);
    RunResult r = Tool({"-SecureErase", "Start", "-PhysDrv[252:7,252:8]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Failed to start Secure Erase on Physical Device at EnclId-252 SlotId-7 \n" +
                         kInvalidParameterEnd);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(Operations().empty());

    WriteState(State());
    ASSERT_EQ(Tool({"-SecureErase", "Start", "-PhysDrv[252:7]", "-a0"}).exitCode, 0);
    Fail(kDcmdPdSecureEraseStop);
    r = Tool({"-SecureErase", "Stop", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Failed to stop Secure Erase on Physical Device at EnclId-252 SlotId-7 \n" +
                         kInvalidParameterEnd);
    EXPECT_EQ(Operations().size(), 1u);

    Fail(kDcmdPdGetProgress);
    r = Tool({"-SecureErase", "ShowProg", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Adapter", "Exit"}),
              "Adapter: 0: Failed to get Secure Erase progress on Physical Device at EnclId-252 SlotId-7 \n"
              "Exit Code: 0x03\n");
    // A stop whose progress read fails does not take the erase for stopped.
    r = Unchanged({"-SecureErase", "Stop", "-PhysDrv[252:7]", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Failed to get Secure Erase progress on Physical Device at EnclId-252 SlotId-7 \n" +
                         kInvalidParameterEnd);
}

TEST_F(SecureEraseCmdTest, VirtualDriveEraseCompletesAndDeletesTheDriveWhenAsked)
{
    WriteState(State());
    std::string trace;
    // The drive list is not looked at when virtual drives are named.
    RunResult r = TracedTool({"-SecureErase", "Start", "Normal", "ErasePattern", "00000000", "ErasePattern",
                              "01001101", "DeleteVd", "-PhysDrv[252:7]", "-L1", "-a0"},
                             &trace);
    EXPECT_EQ(r.out, "Adapter 0: Secure Erase is started on Virtual Drive 1.\n" + kExitOk);
    EXPECT_EQ(CountRequests(trace, kDcmdPdSecureEraseStart), 0u);
    // Target 1 (sequence number from the list), type 1, pattern A 0x4D, pattern B default, delete.
    const std::string mbox = Mailbox(trace, kDcmdLdSecureEraseStart);
    EXPECT_EQ(mbox.substr(0, 4), "0100");
    EXPECT_EQ(mbox.substr(8), "014d5501" "00000000");

    const u64 start = Now();
    SteerOperation("vd_secure_erase", 600);
    SetClock(start, 300);
    r = Tool({"-SecureErase", "ShowProg", "-LALL", "-a0"});
    EXPECT_EQ(r.out, "Secure Erase on VD #0 is not in progress.\n"
                     "Secure Erase on VD #1 (target id #1) Completed 49% in 5 Minutes.\n" +
                         kExitOk);
    SetClock(start, 600);
    r = Tool({"-SecureErase", "ShowProg", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Secure Erase on VD #0 is not in progress.\n" + kExitOk);
    EXPECT_TRUE(VdOf(1).is_null());
    EXPECT_EQ(DriveState(12), "unconfigured_good");
    EXPECT_EQ(DriveState(13), "unconfigured_good");

    // Started and stopped: the virtual drive stays.
    r = Tool({"-SecureErase", "Start", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Secure Erase is started on Virtual Drive 0.\n" + kExitOk);
    r = Tool({"-SecureErase", "Stop", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Secure Erase is stopped on Virtual Drive 0.\n" + kExitOk);
    EXPECT_TRUE(Operations().empty());
    EXPECT_FALSE(VdOf(0).is_null());
}

TEST_F(SecureEraseCmdTest, VirtualDriveRefusalsAndFailures)
{
    nlohmann::json state = State();
    Ctrl(state)["config"]["virtual_drives"][1]["encryption"] = "fde";
    WriteState(state);
    RunResult r = Unchanged({"-SecureErase", "Start", "-L1,5", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Failed to start Secure Erase on Virtual Drive 1 \n"
                     "Adapter 0: Virtual Drive 5 Does not Exist.\n" +
                         kExitFailed);
    r = Unchanged({"-SecureErase", "Stop", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Secure Erase on VD #0 is not in progress.\n" + kExitOk);

    SetDriveState(state, 12, "offline");
    SetDriveState(state, 13, "offline");
    WriteState(state);
    r = Unchanged({"-SecureErase", "Start", "-L1", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Virtual Drive 1 is not in appropriate state to start the requested operation\n" +
                         kExitFailed);

    WriteState(State());
    Fail(kDcmdLdSecureEraseStart);
    r = Tool({"-SecureErase", "Start", "-L0,1", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Failed to start Secure Erase on Virtual Drive 0 \n" + kInvalidParameterEnd);
    EXPECT_TRUE(Operations().empty());
    WriteState(State());
    ASSERT_EQ(Tool({"-SecureErase", "Start", "-L0", "-a0"}).exitCode, 0);
    Fail(kDcmdLdSecureEraseStop);
    r = Tool({"-SecureErase", "Stop", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Failed to stop Secure Erase on Virtual Drive 0 \n" + kInvalidParameterEnd);
    Fail(kDcmdLdGetAllowedOps);
    r = Unchanged({"-SecureErase", "Stop", "-L0", "-a0"});
    EXPECT_EQ(r.out, "Adapter: 0: Secure Erase can not be stopped on Virtual Drive 0 \n" + kInvalidParameterEnd);
    Fail(kDcmdLdGetProgress);
    for (const char* action : {"ShowProg", "Stop"}) {
        r = Unchanged({"-SecureErase", action, "-L0", "-a0"});
        EXPECT_EQ(r.out, "Adapter: 0: Failed to get Secure Erase progress on Virtual Drive 0 \n" + kInvalidParameterEnd)
            << action;
    }
    Fail(kDcmdLdGetList);
    r = Unchanged({"-SecureErase", "Start", "-LALL", "-a0"});
    EXPECT_EQ(report_test::Outline(r.out, {"Adapter", "Exit"}),
              "Adapter #0: Failed to Perform LD Operation.\nExit Code: 0x03\n");

    WriteState(State());
    ASSERT_EQ(Tool({"-CfgLdDel", "-LALL", "-a0"}).exitCode, 0);
    EXPECT_EQ(Unchanged({"-SecureErase", "Start", "-LALL", "-a0"}).out,
              "Adapter 0: No Virtual Drive Configured.\n" + kExitFailed);
}

// The parsed object of a line, or null.
const SecureErasePo* Parsed(const ParsedObjects& parsed) { return FirstParsed<SecureErasePo>(parsed); }

TEST(SecureEraseParserTest, ActionsTypesAndPatternWords)
{
    ParsedObjects p = ParseLine("-SecureErase -Start -Thorough -ErasePattern 11110000 -ErasePattern 00001111 "
                                "-PhysDrv[252:1,:3] -a0,1");
    ASSERT_NE(Parsed(p), nullptr);
    EXPECT_EQ(p->GetCount(), 2u);
    const SecureErasePo* o = Parsed(p);
    EXPECT_EQ(o->GetAction(), TOKEN_START);
    EXPECT_EQ(o->GetEraseType(), TOKEN_THOROUGH);
    EXPECT_EQ(o->GetErasePatternA(), 0xF0);
    EXPECT_EQ(o->GetErasePatternB(), 0x0F);
    ASSERT_EQ(o->GetPdList()->GetCount(), 2u);
    EXPECT_EQ(o->GetPdList()->GetAt(1)->GetEnclId(), 0xFFFF);

    // Eight zeros leave pattern A free for the next word; a third word replaces pattern B.
    o = Parsed(p = ParseLine("-SecureErase Start ErasePattern 00000000 ErasePattern 00000001 ErasePattern 00000010 "
                             "ErasePattern 10000000 -L0 -a0"));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->GetErasePatternA(), 0x01);
    EXPECT_EQ(o->GetErasePatternB(), 0x80);
    EXPECT_EQ(o->GetEraseType(), 0);

    // Only an erase type goes with Start: a pattern or -L right after it keeps its meaning.
    o = Parsed(p = ParseLine("-SecureErase Start ErasePattern 01001101 -L2 -a0"));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->GetErasePatternA(), 0x4D);
    o = Parsed(p = ParseLine("-SecureErase -PhysDrv[252:1] -Start -L2,3 DeleteVd -a0"));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->GetLdCount(), 2u);
    EXPECT_EQ(o->GetDeleteVd(), 1);

    // A line without an action parses; two actions, a missing target and -L64 do not.
    o = Parsed(p = ParseLine("-SecureErase -PhysDrv[252:1] -a0"));
    ASSERT_NE(o, nullptr);
    EXPECT_EQ(o->GetAction(), 0);
    for (const char* bad : {"-SecureErase Start -PhysDrv[252:1] Stop -a0", "-SecureErase Start -a0",
                            "-SecureErase Start -L64 -a0", "-SecureErase Start -PhysDrv[252:256] -a0",
                            "-SecureErase Stop Thorough -L0 -a0"})
        EXPECT_EQ(ParseLine(bad), nullptr) << bad;
}

TEST(SecureEraseParserTest, BadPatternWordsAreNamedAndFailTheParse)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(ParseLine("-SecureErase Start ErasePattern 0101 -L0 -a0"), nullptr);
    EXPECT_EQ(ParseLine("-SecureErase Start ErasePattern 0101010x -L0 -a0"), nullptr);
    EXPECT_EQ(ParseLine("-SecureErase Start ErasePattern 010101010 -L0 -a0"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Invalid pattern\nInvalid pattern 0101010x\nInvalid pattern\n");
}

TEST(SecureEraseParserTest, OneDriveListServesEveryAdapterAndItsClones)
{
    const u32 before = SharedDriveList::OwnerCount();
    {
        ParsedObjects p = ParseLine("-SecureErase Stop -PhysDrv[252:1,252:2] -a0,1,2");
        ASSERT_NE(Parsed(p), nullptr);
        std::unique_ptr<ParsedObject> clone(p->GetAt(1)->Clone());
        EXPECT_EQ(SharedDriveList::OwnerCount(), before + 4);
        EXPECT_EQ(static_cast<SecureErasePo*>(clone.get())->GetPdList(), Parsed(p)->GetPdList());
    }
    EXPECT_EQ(SharedDriveList::OwnerCount(), before);
}

}  // namespace
