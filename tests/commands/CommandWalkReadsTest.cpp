// The read sweep: every line of the command walk (CommandWalkCases.cpp) runs again once for each
// controller read it makes, with that read failed: by firmware status 3, then by a library error.
// A run in which a read failed may go on and print all else it can, but it then says in a line
// what could not be read and ends with a non-zero status: a script or a monitoring agent that
// reads the exit status never sees success while part of what it asked for is missing or stands
// in for an answer that never came. So a failed run that ends with 0 prints exactly what the
// run without the fault printed: the read was not needed, or was made again. No run ends by a
// signal or with a sanitizer report.
//
// The exceptions are named with their rule: a placeholder that the command prints for an optional
// value the controller may not have, and a read that the command makes again another way. The
// host's clock, which the all-in-one log prints twice, is no controller read: it is left out of
// the comparison.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/CommandWalkCases.h"
#include "support/RequestTrace.h"

namespace command_walk {

struct ReadGoesOn {
    const char* word;
    unsigned opcode;
    const char* rule;
};

const std::vector<ReadGoesOn>& Exceptions()
{
    static const std::vector<ReadGoesOn> exceptions = {
        {"ADPALLINFO", 0x010E0302, "the battery FRU shows \"N/A\", as for a battery without FRU data"},
        {"ADPBBUCMD", 0x010E0302, "the battery FRU shows \"N/A\", as for a battery without FRU data"},
        {"ADPALILOG", 0x37, "a drive's defect counts show \"---\", as for a drive that does not report them"},
    };
    return exceptions;
}

const ReadGoesOn* ExceptionFor(const char* word, unsigned opcode)
{
    for (const ReadGoesOn& e : Exceptions()) {
        if (std::string(e.word) == word && e.opcode == opcode)
            return &e;
    }
    return nullptr;
}

class CommandWalkReads : public WalkFixture, public ::testing::WithParamInterface<const char*> {
public:
    RunResult Traced(const Line& line, std::vector<TracedRequest>& requests)
    {
        const std::string trace = Dir() + "/read-sweep-trace.txt";
        std::remove(trace.c_str());
        setenv("DRIVEKIT_SIM_TRACE", trace.c_str(), 1);
        RunResult result = Run(line);
        unsetenv("DRIVEKIT_SIM_TRACE");
        requests = ParseTrace(FileExists("read-sweep-trace.txt") ? ReadFile("read-sweep-trace.txt") : "");
        return result;
    }

    void Sweep(const WalkCase& c)
    {
        if (!Prepare(c))
            return;
        if (!FileExists("drivekit-sim.json"))
            DefaultState();
        const Json initial = ReadState();
        std::vector<TracedRequest> requests;
        const RunResult good = Traced(c.line, requests);
        ASSERT_EQ(good.exitCode, c.status) << good.out;

        for (std::size_t i = 0; i < requests.size(); ++i) {
            if (requests[i].write || !CanFail(requests[i]))
                continue;
            for (const int libError : {0, 5}) {
                Json faulty = initial;
                faulty["faults"] = Json::array({FaultFor(requests, i, 3, libError)});
                WriteState(faulty);
                const RunResult r = Run(c.line);
                const std::string where = ::testing::PrintToString(c.line) + ", request " + std::to_string(i) +
                                          (libError ? " failed by the library: " : " failed with status 3: ") +
                                          requests[i].text + "\n" + r.out + r.err;
                EXPECT_LT(r.exitCode, 128) << where << "(ended by a signal)";
                EXPECT_EQ(r.err.find("Sanitizer"), std::string::npos) << where;
                EXPECT_EQ(r.err.find("runtime error"), std::string::npos) << where;
                if (ExceptionFor(c.word, requests[i].opcode) != nullptr)
                    continue;
                if (r.exitCode == 0) {
                    EXPECT_EQ(WithoutHostClock(r.out), WithoutHostClock(good.out))
                        << where << "(success that prints another report)";
                }
            }
        }
    }
};

TEST_P(CommandWalkReads, AFailedReadIsReportedAndEndsNonZero)
{
    const WalkCase* c = CaseFor(GetParam());
    ASSERT_NE(c, nullptr) << GetParam() << " has no walk line";
    Sweep(*c);
}

INSTANTIATE_TEST_SUITE_P(EveryCommandWord, CommandWalkReads, ::testing::ValuesIn(CommandWords()),
                         [](const ::testing::TestParamInfo<const char*>& info) { return WordTestName(info.param); });

TEST(CommandWalkReadsList, EveryExceptionNamesAWalkedWord)
{
    for (const ReadGoesOn& e : Exceptions())
        EXPECT_NE(CaseFor(e.word), nullptr) << e.word;
}

}  // namespace command_walk
