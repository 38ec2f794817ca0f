// -LDGetNum and -PDGetNum end to end: the count is printed and is the exit status, on every
// adapter of the list whatever the adapter before it gave.
#include <string>

#include "commands/ReportTestSupport.h"

namespace {

using namespace report_test;

class ObjNumTest : public ReportTest {};

TEST_F(ObjNumTest, EveryAdapterCountsAndTheLastCountIsTheStatus)
{
    nlohmann::json state = State(3);
    ClearConfig(Ctrl(state, 1));
    Ctrl(state, 1)["drives"] = {Drive(state, 20, 252, 0)};
    ClearConfig(Ctrl(state, 2));
    RunResult r = RunState(state, {"-LDGetNum", "-aALL"});
    EXPECT_EQ(r.out,
              " Number of Virtual Drives Configured on Adapter 0: 2\n"
              " Number of Virtual Drives Configured on Adapter 1: 0\n"
              " Number of Virtual Drives Configured on Adapter 2: 0\n\nExit Code: 0x00\n");
    EXPECT_EQ(r.exitCode, 0);
    // Ten disks on adapter 2 (the enclosure is not counted).
    r = Run({"-PDGetNum", "-a1,2"});
    EXPECT_EQ(r.out,
              " Number of Physical Drives on Adapter 1: 1\n"
              " Number of Physical Drives on Adapter 2: 10\n\nExit Code: 0x0a\n");
    EXPECT_EQ(r.exitCode, 10);
}

TEST_F(ObjNumTest, ListsThatCannotBeReadFailTheirAdapterOnly)
{
    nlohmann::json state = State(2);
    AddFault(state, 0, kDcmdLdGetList, 12);
    AddFault(state, 0, kDcmdPdGetList, 12);
    RunResult r = RunState(state, {"-LDGetNum", "-aALL"});
    EXPECT_EQ(r.out.rfind("Failed to get VD count on adapter 0.\n"
                          " Number of Virtual Drives Configured on Adapter 1: 2\n",
                          0),
              0u)
        << r.out;
    EXPECT_EQ(r.exitCode, 2);

    r = Run({"-PDGetNum", "-a1,0"});
    EXPECT_EQ(r.out.rfind(" Number of Physical Drives on Adapter 1: 10\n"
                          "Adapter 0: Failed to get PD Count\n",
                          0),
              0u)
        << r.out;
    EXPECT_NE(r.exitCode, 0);
}

}  // namespace
