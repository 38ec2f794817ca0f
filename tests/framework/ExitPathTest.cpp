// The exit path: the firmware error line, -1 becoming 1, and the Exit Code line on every run.
#include <gtest/gtest.h>

#include <string>

#include "cmdtool/Entry.h"
#include "controller/FwiDpErrors.h"
#include "support/ScreenCapture.h"

namespace {

class ExitPathTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        FwiDpErrors::Reset();
    }
};

TEST_F(ExitPathTest, SuccessPrintsOnlyTheExitCode)
{
    EXPECT_EQ(FinishRun(0), 0);
    EXPECT_EQ(Screen(), "\nExit Code: 0x00\n");
}

TEST_F(ExitPathTest, MinusOneBecomesOne)
{
    EXPECT_EQ(FinishRun(-1), 1);
    EXPECT_EQ(Screen(), "\nExit Code: 0x01\n");
}

TEST_F(ExitPathTest, FirmwareFailureNamesTheStatus)
{
    FwiDpErrors::Record(FwiDpErrors::kFirmware, 12);
    EXPECT_EQ(FinishRun(12), 12);
    EXPECT_EQ(Screen(), "\nFW error description: Device not found\n\nExit Code: 0x0c\n");
}

TEST_F(ExitPathTest, FirmwareStatusOutsideTheTableIsUnknown)
{
    FwiDpErrors::Record(FwiDpErrors::kFirmware, 102);
    EXPECT_EQ(FinishRun(-1), 102);
    EXPECT_EQ(Screen(), "\nFW error description: Unknown error\n\nExit Code: 0x66\n");
}

TEST_F(ExitPathTest, ToleratedFirmwareFailureDoesNotTurnSuccessIntoFailure)
{
    FwiDpErrors::Record(FwiDpErrors::kFirmware, 35);
    EXPECT_EQ(FinishRun(0), 0);
    EXPECT_EQ(Screen(), "\nExit Code: 0x00\n");
}

TEST_F(ExitPathTest, AStatusTakenAsAnAnswerIsNotBlamedForALaterFailure)
{
    FwiDpErrors::Record(FwiDpErrors::kFirmware, 35);
    FwiDpErrors::TakeAsAnswer(35);
    EXPECT_EQ(FinishRun(-1), 1);
    EXPECT_EQ(Screen(), "\nExit Code: 0x01\n");

    // Only the status that was taken as an answer is cleared.
    FwiDpErrors::Record(FwiDpErrors::kFirmware, 12);
    FwiDpErrors::TakeAsAnswer(35);
    FwiDpErrors::TakeAsAnswer(0);
    EXPECT_EQ(FwiDpErrors::LastStatus(), 12);
}

TEST_F(ExitPathTest, RequestsAsideLeaveTheFailureThatCameBefore)
{
    FwiDpErrors::Record(FwiDpErrors::kFirmware, 12);
    {
        FwiDpErrors::KeepLast keep;
        FwiDpErrors::Record(FwiDpErrors::kSuccess, 0);  // a clean-up that succeeds
        FwiDpErrors::Record(FwiDpErrors::kFirmware, 3);  // and one that fails
    }
    EXPECT_EQ(FinishRun(12), 12);
    EXPECT_EQ(Screen(), "\nFW error description: Device not found\n\nExit Code: 0x0c\n");
}

TEST_F(ExitPathTest, TransportFailureIsNotDescribedAsFirmware)
{
    FwiDpErrors::Record(FwiDpErrors::kTransport, -1);
    EXPECT_EQ(FinishRun(-1), 1);
    EXPECT_EQ(Screen(), "\nExit Code: 0x01\n");
}

TEST_F(ExitPathTest, CountsKeepTheirValue)
{
    EXPECT_EQ(FinishRun(3), 3);
    EXPECT_EQ(Screen(), "\nExit Code: 0x03\n");
}

}  // namespace
