// The terminal log command end to end: the log read piece by piece, cleared, and the battery
// setting of its history set and shown across runs; failed requests.
#include "support/ToolRunner.h"

namespace {


class FwTermLogTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        state = DefaultState();
    }
    Json& Log() { return state["controllers"][0]["term_log"]; }
    RunResult TermLog(const std::string& option, const std::string& adapters = "-a0")
    {
        WriteState(state);
        return RunTraced({"-FwTermLog", option, adapters}, requests);
    }
    // The read offsets of the log requests sent.
    std::vector<unsigned> ReadOffsets() const
    {
        std::vector<unsigned> offsets;
        for (const std::string& r : requests) {
            if (r.find("opcode=0x01090200") == std::string::npos)
                continue;
            const std::string mbox = r.substr(r.find("mbox=") + 5, 8);
            unsigned word = 0;
            for (int i = 3; i >= 0; --i)
                word = word * 256 + std::stoul(mbox.substr(2 * i, 2), nullptr, 16);
            offsets.push_back(word);
        }
        return offsets;
    }

    Json state;
    std::vector<std::string> requests;
};

TEST_F(FwTermLogTest, DisplayReadsPiecesUntilOneIsNotFull)
{
    RunResult r = TermLog("-Dsply");
    EXPECT_EQ(r.out, "Firmware Term Log Information on controller 0:\n"
                     "T0: Firmware 4.720.00-0047 starting\n"
                     "T0: ROC temperature 58 C, memory 4096 MB, ECC enabled\n"
                     "T1: Battery present, type 3, charge 100%\n"
                     "T2: Port 0-3: expander 0x500a4b0000c0a0ff found, 12 slots\n"
                     "T5: 10 drives found, 2 virtual drives, 1 hot spare\n"
                     "T6: VD 0 optimal, VD 1 optimal\n"
                     "T7: Controller ready\n" +
                         Exit(0));
    EXPECT_EQ(ReadOffsets(), std::vector<unsigned>{0});

    // 2072 bytes: two full pieces and one of 40.
    std::string line(253, 'a');
    Log()["lines"] = Json::array();
    for (int i = 0; i < 8; ++i)
        Log()["lines"].push_back(line);
    Log()["lines"].push_back(std::string(39, 'z'));
    r = TermLog("-Dsply");
    EXPECT_EQ(ReadOffsets(), (std::vector<unsigned>{0, 1016, 2032}));
    std::string text;
    for (int i = 0; i < 8; ++i)
        text += line + "\n";
    text += std::string(39, 'z') + "\n";
    EXPECT_EQ(r.out, "Firmware Term Log Information on controller 0:\n" + text + Exit(0));

    // Exactly one full piece: a second, empty one is asked for and ends the display.
    Log()["lines"] = Json::array({line, line, line, line});  // 4 x 254 bytes
    TermLog("-Dsply");
    EXPECT_EQ(ReadOffsets(), (std::vector<unsigned>{0, 1016}));
    Log()["lines"] = Json::array({line, line, line, std::string(252, 'b')});  // 1015 bytes
    TermLog("-Dsply");
    EXPECT_EQ(ReadOffsets(), std::vector<unsigned>{0});
}

TEST_F(FwTermLogTest, FailedReadStopsAfterThePiecesPrinted)
{
    const std::string line(253, 'c');
    Log()["lines"] = Json::array({line, line, line, line, "tail"});
    AddFault(state, 0, 0x01090200, 12, 2);
    RunResult r = TermLog("-Dsply");
    const std::string piece = line + "\n" + line + "\n" + line + "\n" + line + "\n";
    EXPECT_EQ(r.out.substr(0, 47 + 1016), "Firmware Term Log Information on controller 0:\n" + piece);
    EXPECT_NE(r.out.find("\nError reading firmware term log data.\n"), std::string::npos);
    EXPECT_EQ(r.out.find("tail"), std::string::npos);
    EXPECT_EQ(r.exitCode, 12);
}

TEST_F(FwTermLogTest, APieceCountThatCannotBeRightEndsTheDisplayAsAFailure)
{
    // A piece's byte count above what a piece holds: nothing of it is printed.
    for (const char* count : {"ffffffff", "f9030000"}) {  // 0xFFFFFFFF, 1017
        Json patched = state;
        patched["patches"] = Json::array({{{"controller", 0}, {"opcode", "0x01090200"}, {"offset", 4}, {"hex", count}}});
        WriteState(patched);
        RunResult r = RunTraced({"-FwTermLog", "-Dsply", "-a0"}, requests);
        EXPECT_EQ(r.out, "Firmware Term Log Information on controller 0:\nError reading firmware term log data.\n" +
                             Exit(1))
            << count;
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(ReadOffsets(), std::vector<unsigned>{0});
    }
}

TEST_F(FwTermLogTest, BatterySettingIsSetAndShownAcrossRuns)
{
    const Json before = state;
    struct Case {
        const char* option;
        const char* text;
        int stored;
    } cases[] = {{"-BBUoff", "OFF", 0}, {"-BBUoffTemp", "temporarily off for this boot", 2}, {"-BBUon", "ON", 1}};
    for (const Case& c : cases) {
        RunResult r = TermLog(c.option);
        EXPECT_EQ(r.out, std::string("Battery is set to ") + c.text + " for TTY history on Adapter 0\n" + Exit(0));
        state = ReadState();
        EXPECT_EQ(Log()["battery"], c.stored);
        r = TermLog("-BBUGet");
        EXPECT_EQ(r.out, std::string("Battery is ") + c.text + " for TTY history on Adapter 0\n" + Exit(0));
    }
    Log()["battery"] = 7;
    EXPECT_EQ(TermLog("-bbuget").out, "Battery is Unknown for TTY history on Adapter 0\n" + Exit(0));

    // A refused request: the adapter line and the firmware status; nothing changes.
    state = before;
    AddFault(state, 0, 0x010A0200, 3);
    RunResult r = TermLog("-BBUoff");
    EXPECT_EQ(r.out.substr(0, 38), "Failed sending command to Adapter 0\n\nF");
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(ReadState()["controllers"][0]["term_log"], before["controllers"][0]["term_log"]);
}

TEST_F(FwTermLogTest, ClearEmptiesTheLogOnEveryAdapterListed)
{
    Json second = state["controllers"][0];
    second["pci"]["bus"] = 4;
    state["controllers"].push_back(second);
    RunResult r = TermLog("-Clear", "-aALL");
    EXPECT_EQ(r.out, "Firmware termlog is cleared on Adapter 0\nFirmware termlog is cleared on Adapter 1\n" + Exit(0));
    state = ReadState();
    for (const Json& c : state["controllers"])
        EXPECT_TRUE(c["term_log"]["lines"].empty());
    EXPECT_EQ(TermLog("-Dsply").out, "Firmware Term Log Information on controller 0:\n" + Exit(0));

    // The first failure ends the list.
    AddFault(state, 0, 0x01090100, 4);
    r = TermLog("-Clear", "-a0,1");
    EXPECT_EQ(r.out.find("Adapter 1"), std::string::npos);
    EXPECT_EQ(r.exitCode, 4);
}

TEST_F(FwTermLogTest, AnOptionIsRequired)
{
    WriteState(state);
    for (const std::vector<std::string>& line :
         {std::vector<std::string>{"-FwTermLog", "-a0"}, {"-FwTermLog", "-Dsply", "-Clear", "-a0"}, {"-FwTermLog", "-Dsply"}}) {
        RunResult r = Run(line);
        EXPECT_EQ(r.out, "Failed to parse command. Use -h option for usage.\n" + Exit(1));
    }
}

}  // namespace
