// A controller that answers a read with fewer bytes than its block: the command reports it as it
// reports a request the controller library fails, and never prints the missing bytes as zeros.
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
    // library.
    void RunCutAndFailed(const std::vector<std::string>& args, const std::string& opcode, unsigned cut, int deviceId,
                         RunResult& cutRun, RunResult& failedRun)
    {
        nlohmann::json state = base_;
        Json patch = {{"opcode", opcode}, {"cut", cut}};
        if (deviceId >= 0)
            patch["device_id"] = deviceId;
        state["patches"] = Json::array({patch});
        WriteState(state);
        cutRun = Run(args);

        state = base_;
        state["faults"] = Json::array({Json{{"opcode", opcode}, {"lib_error", 5}}});
        WriteState(state);
        failedRun = Run(args);
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

}  // namespace
