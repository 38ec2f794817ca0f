// -AdpEventLog -GetCCIncon end to end: the consistency-check inconsistency events of the selected
// virtual drives since the controller's last reboot, written drive by drive.
#include "AdpEventLogTestSupport.h"

namespace evtest {
namespace {

const std::string kAdapterTitle = "Adapter #0\n\n";
const std::string kNoCcErrors = "There are no CC errors logged. \n\n";

// An inconsistency event of the virtual drive with that target id (the default topology has
// target ids 0 and 1).
EventRow Inconsistency(unsigned seq, int targetId, unsigned strip)
{
    EventRow e{seq};
    e.code = 0x3F;
    e.eventClass = 1;
    e.locale = "0x0001";
    e.description = "Consistency check found inconsistent parity";
    e.args = Json{{"type", "ld_strip"}, {"strip", strip}, {"ld", Ld(targetId)}};
    return e;
}

std::string InconsistencyText(unsigned seq, int targetId, unsigned strip)
{
    return Head(seq, TimeLine(kNowText), 0x3F, 1, 0x01, "Consistency check found inconsistent parity") +
           "Target Id: " + std::to_string(targetId) + "\nStrip: " + std::to_string(strip) + "\n";
}

class AdpEventLogCcInconTest : public EventLogToolTest {
protected:
    RunResult CcIncon(const std::string& drives, const std::string& file = "cc.txt")
    {
        return EventLog({"-GetCCIncon", "-f", file, drives, "-a0"});
    }
};

TEST_F(AdpEventLogCcInconTest, EachDrivesEventsSinceTheReboot)
{
    EventRow otherCode = Inconsistency(4, 0, 1);
    otherCode.code = 0x38;
    EventRow otherLayout = Inconsistency(7, 0, 0);
    otherLayout.args = Json{{"type", "ld"}, {"ld", Ld(0)}};
    EventRow otherLocale = Inconsistency(8, 1, 4);
    otherLocale.locale = "0x0002";
    SetEvents({Inconsistency(1, 0, 1), Inconsistency(2, 1, 2), Inconsistency(3, 1, 5), otherCode,
               Inconsistency(5, 0, 9), Inconsistency(6, 0, 10), otherLayout, otherLocale});
    SetNumbers(0, 0, 3);
    RunResult r = CcIncon("-LALL");
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("cc.txt"), kAdapterTitle + InconsistencyText(5, 0, 9) + InconsistencyText(6, 0, 10) +
                                      InconsistencyText(3, 1, 5));
    EXPECT_EQ(requests[1], "c0 01040400 00000003 00000001 len=4 fw=0");
    EXPECT_EQ(requests[2], "c0 01040300 00000003 00000001 len=1288 fw=0");

    // Drives in the order given; one named twice is written twice; one that does not exist is
    // reported on the console and in the file, and fails the command after the others.
    r = CcIncon("-L1,5,1");
    EXPECT_EQ(r.out, "Adapter 0: Virtual Drive 5 Does not Exist.\n" + kFailed + Exit(1));
    EXPECT_EQ(ReadFile("cc.txt"), kAdapterTitle + InconsistencyText(3, 1, 5) +
                                      "Adapter 0: Virtual Drive 5 Does not Exist.\n" + InconsistencyText(3, 1, 5));
}

TEST_F(AdpEventLogCcInconTest, NothingSinceTheRebootLeavesTheFileAlone)
{
    SetEvents({Inconsistency(1, 0, 1), Inconsistency(2, 1, 2)});
    SetNumbers(0, 0, 3);
    WriteFile("cc.txt", "older output\n");
    RunResult r = CcIncon("-LALL");
    EXPECT_EQ(r.out, "Adapter 0: No VD related event logged.\n" + kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("cc.txt"), "older output\n");
}

TEST_F(AdpEventLogCcInconTest, EventsButNoInconsistencies)
{
    EventRow other = Inconsistency(1, 0, 1);
    other.code = 0x39;
    SetEvents({other});
    RunResult r = CcIncon("-L0");
    EXPECT_EQ(r.out, kNoCcErrors + kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("cc.txt"), kAdapterTitle + kNoCcErrors);
}

TEST_F(AdpEventLogCcInconTest, ManyEventsAreFetchedInBatches)
{
    std::vector<EventRow> events;
    std::string expected = kAdapterTitle;
    for (unsigned seq = 1; seq <= 200; ++seq) {
        events.push_back(Inconsistency(seq, 1, seq * 3));
        expected += InconsistencyText(seq, 1, seq * 3);
    }
    SetEvents(events);
    RunResult r = CcIncon("-L1");
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("cc.txt"), expected);
    EXPECT_EQ(CountRequests(0x01040300), 2u);
    EXPECT_EQ(requests.back(), "c0 01040300 00000081 00000001 len=18440 fw=0");
}

TEST_F(AdpEventLogCcInconTest, Failures)
{
    SetEvents({Inconsistency(1, 0, 1)});
    const Json withEvents = state;

    // No virtual drive configured.
    state["controllers"][0]["config"] = Json::object();
    for (Json& drive : state["controllers"][0]["drives"])
        drive["state"] = "unconfigured_good";
    RunResult r = CcIncon("-LALL");
    EXPECT_EQ(r.out, "Adapter 0: No Virtual Drive Configured.\n" + kFailed + Exit(1));

    state = withEvents;
    r = CcIncon("-LALL", Dir());
    EXPECT_EQ(r.out, "ERROR: Failed to open file " + Dir() + ".\nReason: Is a directory.\n" + kFailed + Exit(1));
    r = CcIncon("-LALL", "/dev/full");
    EXPECT_EQ(r.out, "ERROR: Failed to open file /dev/full.\nReason: it is a device, not a regular file.\n" + kFailed +
                         Exit(1));
    // A file that cannot be written whole (limited to a size below what is written) leaves an
    // earlier one as it was.
    WriteFile("cc.txt", "earlier\n");
    WriteState(state);
    r = RunWithFileSizeLimit({"-AdpEventLog", "-GetCCIncon", "-f", "cc.txt", "-LALL", "-a0"}, 160);
    EXPECT_EQ(r.out, "ERROR: Failed to write file cc.txt.\nReason: File too large.\n\n File write failed \n" + kFailed +
                         Exit(1));
    EXPECT_EQ(ReadFile("cc.txt"), "earlier\n");

    // A batch of more records than asked for, or one ending before its start, cannot be right.
    for (const char* hex : {"02000000", "FFFFFFFF"}) {
        state = withEvents;
        AddPatch(state, 0, 0x01040300, 0, hex);
        std::remove((Dir() + "/cc.txt").c_str());
        r = CcIncon("-LALL");
        EXPECT_EQ(r.out, kFailed + Exit(1)) << hex;
        EXPECT_FALSE(FileExists("cc.txt"));
    }
    state = withEvents;
    SetEvents({Inconsistency(5, 0, 1)});
    SetNumbers(0, 0, 3);
    AddPatch(state, 0, 0x01040300, 8, "02000000");
    EXPECT_EQ(CcIncon("-LALL").out, kFailed + Exit(1));

    for (unsigned opcode : {0x01040100u, 0x01040400u, 0x01040300u}) {
        state = withEvents;
        AddFault(state, 0, opcode, 9);
        std::remove((Dir() + "/cc.txt").c_str());
        r = CcIncon("-LALL");
        EXPECT_EQ(r.out.rfind(kFailed + "\nFW error description: ", 0), 0u) << r.out;
        EXPECT_EQ(r.exitCode, 9);
        EXPECT_FALSE(FileExists("cc.txt"));
    }
}

}  // namespace
}  // namespace evtest
