// The command walk: every command word of the keyword table is run once through the built tool in
// a line that is valid for it (CommandWalkCases.cpp). No run may end by a signal or with a
// sanitizer report, none may be refused as not built, and each ends with the exit status its
// command gives for that case and prints the line that shows the case was reached. The cases are
// taken from the keyword table itself: a new command word without a walk line fails here.
#include <gtest/gtest.h>

#include <string>

#include "cmdtool/KeywordTable.h"
#include "commands/CommandWalkCases.h"

namespace command_walk {

class CommandWalk : public WalkFixture, public ::testing::WithParamInterface<const char*> {
public:
    void Walk(const WalkCase& c)
    {
        if (!Prepare(c))
            return;
        const RunResult r = Run(c.line);
        const std::string line = ::testing::PrintToString(c.line);
        if (c.status < 128) {
            EXPECT_LT(r.exitCode, 128) << line << " ended by a signal\n" << r.err;
        }
        EXPECT_EQ(r.err.find("Sanitizer"), std::string::npos) << line << "\n" << r.err;
        EXPECT_EQ(r.err.find("runtime error"), std::string::npos) << line << "\n" << r.err;
        EXPECT_EQ(r.out.find("Failed to parse command."), std::string::npos) << line << " is refused\n" << r.out;
        EXPECT_EQ(r.out.find("Un-supported command"), std::string::npos) << line << " has no processor\n" << r.out;
        EXPECT_EQ(r.exitCode, c.status) << line << "\n" << r.out << r.err;
        EXPECT_NE(r.out.find(c.shows), std::string::npos) << line << " does not print \"" << c.shows << "\"\n" << r.out;
    }
};

TEST_P(CommandWalk, RunsInAValidLineWithItsStatus)
{
    const WalkCase* c = CaseFor(GetParam());
    ASSERT_NE(c, nullptr) << GetParam() << " has no walk line: add one to the list";
    Walk(*c);
}

INSTANTIATE_TEST_SUITE_P(EveryCommandWord, CommandWalk, ::testing::ValuesIn(CommandWords()),
                         [](const ::testing::TestParamInfo<const char*>& info) { return WordTestName(info.param); });

TEST(CommandWalkList, EveryLineNamesACommandWordOfTheTable)
{
    for (const WalkCase& c : Cases()) {
        const KeywordEntry* entry = KeywordTable::Find(c.word);
        EXPECT_TRUE(entry != nullptr && entry->context == KeywordTable::kCommandContext) << c.word;
    }
}

}  // namespace command_walk
