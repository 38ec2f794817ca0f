// A controller that answers a read with fewer bytes than its block: the command reports it as it
// reports a request the controller library fails, and never prints the missing bytes as zeros.
#include <cstdio>
#include <string>
#include <vector>

#include "support/ToolRunner.h"

namespace {

class ShortReplyTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        base_ = DefaultState();
    }

    // The run with the opcode's successful replies cut to `cut` bytes (only the drive's when
    // `deviceId` is given), and the same run with every request of the opcode failed by the
    // library. With `file`, each run starts without it and `cutFile` gets what the cut run left
    // there ("(none)" when nothing).
    void RunCutAndFailed(const std::vector<std::string>& args, const std::string& opcode, unsigned cut, int deviceId,
                         RunResult& cutRun, RunResult& failedRun, const char* file = nullptr,
                         std::string* cutFile = nullptr)
    {
        if (file != nullptr)
            std::remove((Dir() + "/" + file).c_str());
        nlohmann::json state = base_;
        Json patch = {{"opcode", opcode}, {"cut", cut}};
        if (deviceId >= 0)
            patch["device_id"] = deviceId;
        state["patches"] = Json::array({patch});
        WriteState(state);
        cutRun = Run(args);
        if (file != nullptr) {
            *cutFile = FileExists(file) ? ReadFile(file) : "(none)";
            std::remove((Dir() + "/" + file).c_str());
        }

        state = base_;
        state["faults"] = Json::array({Json{{"opcode", opcode}, {"lib_error", 5}}});
        WriteState(state);
        failedRun = Run(args);
    }

    // A run whose replies are cut prints, exits and writes (to `file`, when given) as the run
    // where the library fails the request, and not as the full run.
    void ExpectCutRunIsFailedRun(const std::vector<std::string>& args, const std::string& opcode, unsigned cut,
                                 const char* file)
    {
        if (file != nullptr)
            std::remove((Dir() + "/" + file).c_str());
        WriteState(base_);
        const RunResult full = Run(args);
        const std::string fullFile = file != nullptr && FileExists(file) ? ReadFile(file) : "(none)";

        RunResult cutRun;
        RunResult failed;
        std::string cutFile = "(none)";
        RunCutAndFailed(args, opcode, cut, -1, cutRun, failed, file, &cutFile);
        const std::string failedFile = file != nullptr && FileExists(file) ? ReadFile(file) : "(none)";
        EXPECT_EQ(WithoutHostClock(cutRun.out), WithoutHostClock(failed.out));
        EXPECT_EQ(cutRun.exitCode, failed.exitCode);
        EXPECT_EQ(cutFile, failedFile);
        EXPECT_TRUE(full.out != cutRun.out || full.exitCode != cutRun.exitCode || fullFile != cutFile) << full.out;
        if (failed.exitCode != 0) {
            EXPECT_NE(cutRun.exitCode, 0);
        }
    }

    nlohmann::json base_;
};

TEST_F(ShortReplyTest, ShortBlocksAndListsAreReportedAsFailedRequests)
{
    struct Case {
        std::vector<std::string> args;
        const char* opcode;
        unsigned cut;
        int deviceId;
        const char* failure;  // the command's failure message
        const char* shown;    // a line of the full report that the failure does not print
    };
    const Case cases[] = {
        // The controller information, the drive list, the virtual-drive list: each cut inside a
        // field the report prints, and the drive list also inside its head.
        {{"-AdpAllInfo", "-a0"}, "0x01010000", 1000, -1, "Adapter #0: Failed communicating to adapter...",
         "Product Name    : "},
        {{"-PDList", "-a0"}, "0x02010000", 40, -1, "Adapter #0: Failed to initialize RM", "Slot Number: 1\n"},
        {{"-PDList", "-a0"}, "0x02010000", 7, -1, "Adapter #0: Failed to initialize RM", "Slot Number: 0\n"},
        {{"-LDInfo", "-LALL", "-a0"}, "0x03010000", 10, -1, "Failed to get VD count on adapter 0.",
         "Virtual Drive: 0 (Target Id: 0)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " cut to " + std::to_string(c.cut));
        WriteState(base_);
        const RunResult full = Run(c.args);
        ASSERT_EQ(full.exitCode, 0) << full.out;
        ASSERT_NE(full.out.find(c.shown), std::string::npos) << full.out;

        RunResult cut;
        RunResult failed;
        RunCutAndFailed(c.args, c.opcode, c.cut, c.deviceId, cut, failed);
        EXPECT_NE(cut.out.find(c.failure), std::string::npos) << cut.out;
        EXPECT_EQ(cut.out.find(c.shown), std::string::npos) << cut.out;
        EXPECT_NE(cut.exitCode, 0);
        EXPECT_EQ(cut.out, failed.out);
        EXPECT_EQ(cut.exitCode, failed.exitCode);
    }
}

TEST_F(ShortReplyTest, ShortDriveRecordIsReportedAsAFailedRead)
{
    // The drive information command prints only the drive's address for a record it cannot
    // read, as for any failed read of it.
    const std::vector<std::string> args = {"-PDInfo", "-PhysDrv[252:0]", "-a0"};
    RunResult cut;
    RunResult failed;
    RunCutAndFailed(args, "0x02020000", 100, 8, cut, failed);
    EXPECT_EQ(cut.out.rfind("Enclosure Device ID: 252\nSlot Number: 0\n", 0), 0u) << cut.out;
    EXPECT_EQ(cut.out.find("Device Id: "), std::string::npos) << cut.out;
    EXPECT_EQ(cut.out.find("Raw Size: "), std::string::npos) << cut.out;
    EXPECT_EQ(cut.out, failed.out);
    EXPECT_EQ(cut.exitCode, failed.exitCode);
}

TEST_F(ShortReplyTest, CountOfAdaptersNeedsNoControllerInformation)
{
    WriteState(base_);
    const RunResult full = Run({"-AdpCount"});
    nlohmann::json state = base_;
    state["patches"] = Json::array({Json{{"opcode", "0x01010000"}, {"cut", 100}}});
    WriteState(state);
    const RunResult cut = Run({"-AdpCount"});
    EXPECT_EQ(cut.out, full.out);
    EXPECT_EQ(cut.exitCode, full.exitCode);
}

TEST_F(ShortReplyTest, CommandsReadingTheirOwnListsAndImagesFailOnAShortOne)
{
    // The summary reads the drive list itself; the hot-spare and replace-missing commands read
    // the configuration image themselves. A cut inside an entry or a record fails them as the
    // library's failure of the same request does.
    struct Case {
        std::vector<std::string> args;
        const char* opcode;
        unsigned cut;
    };
    const Case cases[] = {
        {{"-ShowSummary", "-a0"}, "0x02010000", 40},
        {{"-PDHSP", "-Set", "-PhysDrv[252:7]", "-a0"}, "0x04010000", 40},
        {{"-PdReplaceMissing", "-PhysDrv[252:7]", "-Array0", "-row0", "-a0"}, "0x04010000", 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " cut to " + std::to_string(c.cut));
        RunResult cut;
        RunResult failed;
        RunCutAndFailed(c.args, c.opcode, c.cut, -1, cut, failed);
        EXPECT_NE(cut.exitCode, 0) << cut.out;
        EXPECT_EQ(cut.out, failed.out);
        EXPECT_EQ(cut.exitCode, failed.exitCode);
    }
}

TEST_F(ShortReplyTest, RepliesShorterThanTheirOwnCountsFailTheirReads)
{
    // Lists, logs and results whose length the command gives: a reply cut inside what its own
    // count, size or strings say it holds fails the command as the library's failure of the same
    // request does, with what it writes to its file; never records, text or figures of zeros.
    struct Case {
        std::vector<std::string> args;
        const char* opcode;
        unsigned cut;
        const char* file;  // the file the command writes, or nullptr
    };
    const Case cases[] = {
        {{"-AdpEventLog", "-GetEvents", "-f", "ev.txt", "-a0"}, "0x01040300", 300, "ev.txt"},
        {{"-AdpEventLog", "-GetLatest", "3", "-f", "ev.txt", "-a0"}, "0x01040300", 100, "ev.txt"},
        {{"-AdpEventLog", "-GetCCIncon", "-f", "cc.txt", "-LALL", "-a0"}, "0x01040300", 300, "cc.txt"},
        {{"-AdpAlILog", "-a0"}, "0x01040300", 300, nullptr},
        {{"-FwTermLog", "-Dsply", "-a0"}, "0x01090200", 20, nullptr},
        {{"-PerfMon", "-getresults", "-f", "perf.csv", "-a0"}, "0x01170200", 100, "perf.csv"},
        {{"-LDViewMirror", "-L1", "-a0"}, "0x03110200", 40, nullptr},
        {{"-DpmStat", "-Dsply", "hist", "-PhysDrv[252:0]", "-a0"}, "0x0A020000", 100, nullptr},
        {{"-PhyErrorCounters", "-a0"}, "0x07040000", 40, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.args[1] + " cut to " + std::to_string(c.cut));
        ExpectCutRunIsFailedRun(c.args, c.opcode, c.cut, c.file);
    }
}

TEST_F(ShortReplyTest, ShortBatteryModesAreAFailedRead)
{
    // The head read and the whole list, each cut inside an entry its count gives.
    Json& battery = base_["controllers"][0]["battery"];
    battery["type"] = 5;
    battery["modes_supported"] = true;
    battery["modes"] = Json::array({Json{{"id", 1}, {"retention_hours", 48}}, Json{{"id", 2}, {"retention_hours", 24}}});
    for (unsigned cut : {6u, 14u}) {
        SCOPED_TRACE("cut to " + std::to_string(cut));
        ExpectCutRunIsFailedRun({"-AdpBbuCmd", "-getBbumodes", "-a0"}, "0x05070100", cut, nullptr);
    }
}

TEST_F(ShortReplyTest, KeyValueStringsCutShortAreAFailedRead)
{
    // Cut inside the post delay's value: the report shows the delay of a block it cannot read,
    // not the value's first digit.
    base_["controllers"][0]["kv"] = Json{{"delaySOD", "123"}};
    ExpectCutRunIsFailedRun({"-AdpAllInfo", "-a0"}, "0x010B0100", 14, nullptr);
}

}  // namespace
