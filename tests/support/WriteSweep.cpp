#include "support/WriteSweep.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

constexpr int kInjectedStatus = 3;

std::string SweepLogField(const std::string& line, const std::string& name)
{
    const std::size_t at = line.find(" " + name + "=");
    if (at == std::string::npos)
        return "";
    const std::size_t start = at + name.size() + 2;
    return line.substr(start, line.find(' ', start) - start);
}

bool Parse(const std::string& line, TracedRequest& request)
{
    request.function = line.substr(0, line.find(' '));
    request.text = line;
    if (request.function != "DCMD" && request.function != "DCMD_PRIVATE" && request.function != "DRIVER_REQUEST" &&
        request.function != "SCSI_PASSTHRU" && request.function != "SATA_PASSTHRU")
        return false;
    request.controller = static_cast<unsigned>(std::strtoul(SweepLogField(line, "ctrl").c_str(), nullptr, 10));
    if (request.function == "SCSI_PASSTHRU" || request.function == "SATA_PASSTHRU")
        request.opcode = static_cast<unsigned>(std::strtoul(SweepLogField(line, "cdb").substr(0, 2).c_str(), nullptr, 16));
    else
        request.opcode = static_cast<unsigned>(std::strtoul(SweepLogField(line, "opcode").c_str(), nullptr, 16));
    const std::string dir = SweepLogField(line, "dir");
    request.write = dir == "to" || dir == "none";
    return true;
}

// The simulator counts a fault rule's calls over the requests the rule matches: DCMDs, private
// DCMDs and driver requests by opcode, pass-throughs by their CDB's operation code.
bool SameRule(const TracedRequest& a, const TracedRequest& b)
{
    const bool passA = a.function == "SCSI_PASSTHRU" || a.function == "SATA_PASSTHRU";
    const bool passB = b.function == "SCSI_PASSTHRU" || b.function == "SATA_PASSTHRU";
    return passA == passB && (!passA || a.function == b.function) && a.controller == b.controller &&
           a.opcode == b.opcode;
}

nlohmann::json FaultFor(const std::vector<TracedRequest>& requests, std::size_t index)
{
    const TracedRequest& failed = requests[index];
    int nth = 0;
    for (std::size_t i = 0; i <= index; ++i)
        nth += SameRule(requests[i], failed) ? 1 : 0;
    char opcode[16];
    std::snprintf(opcode, sizeof opcode, "0x%08X", failed.opcode);
    nlohmann::json fault = {{"controller", failed.controller}, {"opcode", opcode}, {"status", kInjectedStatus},
                            {"nth", nth}};
    if (failed.function == "SCSI_PASSTHRU")
        fault["function"] = "scsi_passthru";
    return fault;
}

bool AnyWrite(const std::vector<TracedRequest>& requests)
{
    for (const TracedRequest& request : requests) {
        if (request.write)
            return true;
    }
    return false;
}

// The output without its Exit Code line holds a message.
bool SaysSomething(const std::string& out)
{
    const std::size_t exitLine = out.rfind("\nExit Code: ");
    const std::string before = out.substr(0, exitLine == std::string::npos ? out.size() : exitLine);
    return before.find_first_not_of(" \n\r") != std::string::npos;
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
        t.Setup(state, lines);
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

void WriteSweepTest::Setup(nlohmann::json& state, const std::vector<std::vector<std::string>>& lines)
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
    requests.clear();
    std::istringstream lines(ReadFile(trace));
    for (std::string line; std::getline(lines, line);) {
        TracedRequest request;
        if (Parse(line, request))
            requests.push_back(request);
    }
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
        if (good[i].function == "SATA_PASSTHRU")
            continue;
        ++swept;
        nlohmann::json faulty = initial;
        faulty["faults"] = nlohmann::json::array({FaultFor(good, i)});
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
