// -AdpAEC end to end: each sub-command's request, the settings report read from the bytes at
// their places, and the captured-data file checked byte by byte, also when the controller still
// captures, a read fails or the file cannot be created.
#include <string>
#include <vector>

#include "commands/PdBgOpTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace bgop_test;
using report_test::Outline;

constexpr std::size_t kSegmentSize = 32768;
constexpr std::size_t kRecordSize = 256;

class AdpAecTest : public BgOpTest {
protected:
    // The default controller's capture buffer filled with `events` copies of its first event.
    nlohmann::json WithEvents(unsigned events)
    {
        nlohmann::json state = State();
        nlohmann::json& aec = Ctrl(state)["aec"];
        const nlohmann::json first = aec["events"][0];
        aec["events"] = nlohmann::json::array();
        for (unsigned i = 0; i < events; ++i) {
            nlohmann::json record = first;
            record["seq"] = i + 1;
            aec["events"].push_back(record);
        }
        return state;
    }
};

TEST_F(AdpAecTest, ControlRequestsCarryTheirArguments)
{
    WriteState(State());
    struct Case {
        std::vector<std::string> args;
        std::string out;
        std::string mbox;
    };
    const std::vector<Case> cases = {
        {{"-start", "-numEvents", "5"}, "Advanced Event Capture is started.\n", "020000000500000000000000"},
        {{"-start"}, "Advanced Event Capture is started.\n", "020000000000000000000000"},
        {{"-stop"}, "Advanced Event Capture is stopped.\n", "010000000000000000000000"},
        {{"-captureMode", "-full"}, "Advanced Event Capture mode is set.\n", "030000000100000000000000"},
        {{"-captureMode", "-continuous"}, "Advanced Event Capture mode is set.\n", "030000000000000000000000"},
        {{"-filter", "300", "-group", "1"}, "Advanced Event Capture filter mask is set. \n", "04000000010000002c010000"},
        {{"-clear", "4", "-group", "1"}, "Advanced Event Capture mode filter mask is cleared. \n",
         "050000000100000004000000"},
        {{"-disable"}, "Advanced Event Capture is disabled.\n", "000000000000000000000000"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"-AdpAEC"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back("-a0");
        std::string trace;
        RunResult r = TracedTool(args, &trace);
        EXPECT_EQ(r.out, c.out + kExitOk) << c.args[0];
        EXPECT_EQ(Mailbox(trace, kDcmdCtrlAecControl), c.mbox) << c.args[0];
    }
    const nlohmann::json aec = Controller0()["aec"];
    EXPECT_EQ(aec["enabled"], false);
    EXPECT_EQ(aec["mode"], "continuous");
    EXPECT_EQ(aec["firmware_filter_mask"], 300 & ~4);

    // A group that does not fit its byte, a word other than -numEvents, a mode other than the two.
    for (const std::vector<std::string>& args : {std::vector<std::string>{"-filter", "300", "-group", "258"},
                                                 {"-start", "-numEvents"}, {"-start", "5"}, {"-captureMode", "-a0"},
                                                 {"-filter", "3"}, {"-start", "-stop"}}) {
        std::vector<std::string> line = {"-AdpAEC"};
        line.insert(line.end(), args.begin(), args.end());
        if (line.back() != "-a0")
            line.push_back("-a0");
        EXPECT_EQ(Tool(line).out, kParseFailed) << args[0];
    }

    // A refused request fails without a message.
    nlohmann::json state = State();
    AddFault(state, 0, kDcmdCtrlAecControl, 3);
    WriteState(state);
    RunResult r = Tool({"-AdpAEC", "-stop", "-a0"});
    EXPECT_EQ(r.out.find("Advanced"), std::string::npos);
    EXPECT_EQ(r.exitCode, 3);
}

TEST_F(AdpAecTest, ShowReadsEachSettingAtItsPlace)
{
    nlohmann::json state = State();
    AddPatch(state, 0, kDcmdCtrlAecGetSettings, 0, "00010100" "07000000" "08000000" "09000000" "0a000000" "0b000000");
    WriteState(state);
    RunResult r = Tool({"-AdpAEC", "-show", "-a0"});
    EXPECT_EQ(r.out, "Advanced Event Capture Settings: \n\n"
                     "AEC enabled : No \nAdvanced Event Capture : Started \nCapture Mode : Full \n"
                     "Number of events to capture : 7 \nNumber of events captured in buffer : 8 \n"
                     "Number of segments in buffer : 9 \nHost filter mask : 10 \nFirmware filter mask : 11 \n" +
                         kExitOk);

    state = State();
    AddFault(state, 0, kDcmdCtrlAecGetSettings, 3);
    WriteState(state);
    r = Tool({"-AdpAEC", "-show", "-a0"});
    EXPECT_EQ(r.out.find("Advanced"), std::string::npos);
    EXPECT_NE(r.exitCode, 0);
}

TEST_F(AdpAecTest, GetWritesEverySegmentWhole)
{
    nlohmann::json state = WithEvents(300);  // segments of 128, 128 and 44 events
    AddPatch(state, 0, kDcmdCtrlAecGetSegment, 0, "a1a2a3a4");
    state["patches"].back()["mailbox_byte0"] = 2;
    WriteState(state);
    WriteFile(Dir() + "/VOVOR.dat", std::string(200000, 'x'));  // an older file is replaced
    std::string trace;
    RunResult r = TracedTool({"-AdpAEC", "-get", "-a0"}, &trace);
    EXPECT_EQ(r.out, "Events are captured in the file VOVOR.dat\n" + kExitOk);
    EXPECT_EQ(Mailbox(trace, kDcmdCtrlAecGetSegment), "000000000000000000000000");
    EXPECT_NE(trace.find("opcode=0x01180200 mbox=020000000000000000000000"), std::string::npos);

    const std::string data = ReadFile(Dir() + "/VOVOR.dat");
    ASSERT_EQ(data.size(), 3 * kSegmentSize);
    const std::string third = data.substr(2 * kSegmentSize);
    EXPECT_EQ(third.substr(0, 4), "\xa1\xa2\xa3\xa4");
    // The segments in their order: records 1 and 129 begin the first two (the sequence number
    // leads a record).
    EXPECT_EQ(data.substr(0, 4), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(data.substr(kSegmentSize, 4), std::string("\x81\0\0\0", 4));
    // 44 records, then zeros to the segment's end.
    EXPECT_NE(third.substr(43 * kRecordSize, kRecordSize), std::string(kRecordSize, '\0'));
    EXPECT_EQ(third.substr(44 * kRecordSize), std::string(kSegmentSize - 44 * kRecordSize, '\0'));
    EXPECT_NE(data.substr(kSegmentSize - kRecordSize, kRecordSize), std::string(kRecordSize, '\0'));

    r = Tool({"-AdpAEC", "-get", "-f", "ev.bin", "-a0"});
    EXPECT_EQ(r.out, "Events are captured in the file ev.bin\n" + kExitOk);
    EXPECT_EQ(ReadFile(Dir() + "/ev.bin"), data);
}

TEST_F(AdpAecTest, GetFailsWithoutClaimingACapture)
{
    // Capture still running: the first read answers 97 and the file stays empty.
    nlohmann::json state = WithEvents(3);
    Ctrl(state)["aec"]["started"] = true;
    WriteState(state);
    RunResult r = Tool({"-AdpAEC", "-get", "-a0"});
    EXPECT_EQ(Outline(r.out, {"Advanced", "Events"}), "Advanced Event Capture is not stopped.\n");
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(FileExists("VOVOR.dat"));
    EXPECT_EQ(ReadFile(Dir() + "/VOVOR.dat"), "");

    // A failed settings read, a failed segment read and a count past the controller's buffer.
    for (int which = 0; which < 3; ++which) {
        state = WithEvents(200);
        if (which == 0)
            AddFault(state, 0, kDcmdCtrlAecGetSettings, 3);
        else if (which == 1)
            AddFault(state, 0, kDcmdCtrlAecGetSegment, 4, 2);
        else
            AddPatch(state, 0, kDcmdCtrlAecGetSettings, 12, "05000000");
        WriteState(state);
        r = Tool({"-AdpAEC", "-get", "-f", "out.dat", "-a0"});
        EXPECT_EQ(r.out.find("Events are captured"), std::string::npos) << which;
        EXPECT_NE(r.exitCode, 0) << which;
        EXPECT_LE(ReadFile(Dir() + "/out.dat").size(), 2 * kSegmentSize) << which;
    }

    // A count no buffer holds is not believed.
    state = WithEvents(3);
    AddPatch(state, 0, kDcmdCtrlAecGetSettings, 12, "ffffffff");
    WriteState(state);
    std::string trace;
    r = TracedTool({"-AdpAEC", "-get", "-a0"}, &trace);
    EXPECT_EQ(Outline(r.out, {"Failed", "Events"}), "Failed to get Advanced Event Capture settings\n");
    EXPECT_EQ(CountRequests(trace, kDcmdCtrlAecGetSegment), 0u);

    // A file that cannot be created: no segment is read.
    WriteState(WithEvents(3));
    r = TracedTool({"-AdpAEC", "-get", "-f", Dir() + "/no/such/dir/x.dat", "-a0"}, &trace);
    EXPECT_EQ(r.out, "ERROR: Failed to open file " + Dir() + "/no/such/dir/x.dat.\n"
                     "Reason: No such file or directory.\n\nExit Code: 0x01\n");
    EXPECT_EQ(CountRequests(trace, kDcmdCtrlAecGetSegment), 0u);
    EXPECT_EQ(CountRequests(trace, kDcmdCtrlAecGetSettings), 0u);
}

}  // namespace
