// Standard output that cannot be written: a run that lost its report says so once on standard
// error and does not end with 0; a closed pipe ends the run by SIGPIPE.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

#include "support/ToolRunner.h"

namespace {

const char kCannotWrite[] = "tarnbek: cannot write standard output: No space left on device\n";

class StandardOutputTest : public ToolTest {
protected:
    RunResult RunOnFullDevice(const std::vector<std::string>& args)
    {
        const int fd = open("/dev/full", O_WRONLY);
        EXPECT_GE(fd, 0);
        RunResult r = RunWithStdout(args, fd);
        close(fd);
        return r;
    }

    RunResult RunIntoClosedPipe(const std::vector<std::string>& args)
    {
        int ends[2];
        EXPECT_EQ(pipe(ends), 0);
        close(ends[0]);
        RunResult r = RunWithStdout(args, ends[1]);
        close(ends[1]);
        return r;
    }
};

TEST_F(StandardOutputTest, AReportLostOnAFullDeviceFailsTheRun)
{
    DefaultState();
    RunResult r = RunOnFullDevice({"-AdpAllInfo", "-aALL"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, kCannotWrite);

    // A short report, buffered to the end of the run, is lost the same way.
    r = RunOnFullDevice({"-LDGetNum", "-a0"});
    EXPECT_EQ(r.exitCode, 2);  // the count stays the status
    EXPECT_EQ(r.err, kCannotWrite);

    // Nothing written, nothing lost.
    r = RunOnFullDevice({"-AdpAllInfo", "-aALL", "-Silent"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
}

TEST_F(StandardOutputTest, AFailedCommandKeepsItsStatusAndAChangeMadeStaysMade)
{
    const nlohmann::json fresh = DefaultState();
    nlohmann::json state = fresh;
    AddFault(state, 0, 0x04050000, 50);  // the hot-spare removal is refused
    WriteState(state);
    RunResult r = RunOnFullDevice({"-PDHSP", "-Rmv", "-PhysDrv[252:6]", "-a0"});
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_EQ(r.err, kCannotWrite);

    WriteState(fresh);
    r = RunOnFullDevice({"-PDHSP", "-Rmv", "-PhysDrv[252:6]", "-a0"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, kCannotWrite);
    EXPECT_TRUE(ReadState()["controllers"][0]["config"]["spares"].empty());
}

TEST_F(StandardOutputTest, AClosedPipeEndsTheRunBySigpipe)
{
    DefaultState();
    RunResult r = RunIntoClosedPipe({"-AdpAllInfo", "-aALL"});
    EXPECT_EQ(r.exitCode, 128 + SIGPIPE);
    EXPECT_EQ(r.err, "");

    // Also when the run inherits SIGPIPE ignored.
    void (*previous)(int) = std::signal(SIGPIPE, SIG_IGN);
    r = RunIntoClosedPipe({"-AdpAllInfo", "-aALL"});
    std::signal(SIGPIPE, previous);
    EXPECT_EQ(r.exitCode, 128 + SIGPIPE);
    EXPECT_EQ(r.err, "");
}

}  // namespace
