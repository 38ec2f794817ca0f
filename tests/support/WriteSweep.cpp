#include "support/WriteSweep.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

constexpr int kInjectedStatus = 3;

bool AnyWrite(const std::vector<TracedRequest>& requests)
{
    for (const TracedRequest& request : requests) {
        if (request.write)
            return true;
    }
    return false;
}

const SweepGoesOn* GoesOnFor(const WriteSweepCase& sweep, unsigned opcode)
{
    for (const SweepGoesOn& rule : sweep.goesOn) {
        if (rule.opcode == opcode)
            return &rule;
    }
    return nullptr;
}

}  // namespace

std::vector<SweepGoesOn> ModelReads(std::vector<SweepGoesOn> more)
{
    more.insert(more.begin(), {{0x02010000, "the drive list of the model: not checked at the refresh, read again when needed"},
                               {0x04010000, "the configuration of the model: not checked at the refresh, read again when needed"}});
    return more;
}

SweepPrepare After(SweepPrepare first, std::vector<SweepLine> lines)
{
    return [first, lines](WriteSweepTest& t, nlohmann::json& state) {
        if (first)
            first(t, state);
        t.RunOnState(state, lines);
    };
}

nlohmann::json& SweepDrive(nlohmann::json& state, unsigned deviceId)
{
    for (nlohmann::json& drive : state["controllers"][0]["drives"]) {
        if (drive["device_id"] == deviceId)
            return drive;
    }
    return state["controllers"][0]["drives"][0];
}

void WriteSweepTest::RunOnState(nlohmann::json& state, const std::vector<std::vector<std::string>>& lines)
{
    WriteState(state);
    for (const std::vector<std::string>& line : lines) {
        RunResult r = Run(line);
        EXPECT_EQ(r.exitCode, 0) << line[0] << " (setting the sweep up)\n" << r.out;
    }
    state = ReadState();
}

RunResult WriteSweepTest::Traced(const std::vector<std::string>& args, std::vector<TracedRequest>& requests)
{
    const std::string trace = Dir() + "/sweep-trace.txt";
    std::remove(trace.c_str());
    setenv("DRIVEKIT_SIM_TRACE", trace.c_str(), 1);
    RunResult result = Run(args);
    unsetenv("DRIVEKIT_SIM_TRACE");
    requests = ParseTrace(ReadFile(trace));
    return result;
}

void WriteSweepTest::Sweep(const WriteSweepCase& sweep)
{
    nlohmann::json state = DefaultState();
    if (sweep.prepare) {
        sweep.prepare(*this, state);
        if (HasFailure())
            return;
    }
    WriteState(state);
    const nlohmann::json initial = ReadState();

    std::vector<TracedRequest> good;
    const RunResult goodRun = Traced(sweep.args, good);
    ASSERT_EQ(goodRun.exitCode, 0) << sweep.name << ": the line must succeed on its state\n" << goodRun.out;
    ASSERT_TRUE(AnyWrite(good)) << sweep.name << ": the line writes nothing";
    const nlohmann::json goodState = ReadState()["controllers"];

    std::size_t swept = 0;
    for (std::size_t i = 0; i < good.size() && !good[i].write; ++i) {
        // The simulator's fault rules cannot name a SATA pass-through.
        if (!CanFail(good[i]))
            continue;
        ++swept;
        nlohmann::json faulty = initial;
        faulty["faults"] = nlohmann::json::array({FaultFor(good, i, kInjectedStatus)});
        WriteState(faulty);
        std::vector<TracedRequest> requests;
        const RunResult r = Traced(sweep.args, requests);
        const nlohmann::json after = ReadState()["controllers"];
        const SweepGoesOn* goesOn = GoesOnFor(sweep, good[i].opcode);
        const std::string where = std::string(sweep.name) + ", request " + std::to_string(i) + " failed: " +
                                  good[i].text + "\n" + r.out;
        if (!AnyWrite(requests)) {
            EXPECT_NE(r.exitCode, 0) << where << "(success without the good run's write)";
            EXPECT_TRUE(SaysSomething(r.out)) << where << "(no message)";
            EXPECT_EQ(after, initial["controllers"]) << where << "(the state changed)";
            continue;
        }
        EXPECT_NE(goesOn, nullptr) << where << "(wrote after a failure no rule goes on past)";
        if (r.exitCode == 0) {
            EXPECT_EQ(r.out, goodRun.out) << where << "(success that prints another result)";
            EXPECT_EQ(after, goodState) << where << "(success that leaves another state)";
        }
    }
    EXPECT_GT(swept, 0u) << sweep.name << ": no request before the first write";
}
