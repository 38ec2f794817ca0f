#include <gtest/gtest.h>

#include <cstring>

#include "controller/Controller.h"
#include "controller/FwiDpErrors.h"

namespace {

// A provider that accepts one kind and answers a fixed status.
class ScriptedProvider : public DataProvider {
public:
    ScriptedProvider(DpKind kind, int status, int* calls) : kind_(kind), status_(status), calls_(calls) {}
    bool Accepts(DpKind kind) const override { return kind == kind_; }
    int Execute(DpParams& request) override
    {
        ++*calls_;
        seenId_ = request.GetControllerId();
        return status_;
    }
    u32 seenId_ = 0;

private:
    DpKind kind_;
    int status_;
    int* calls_;
};

class ControllerExecute : public ::testing::Test {
protected:
    void SetUp() override { FwiDpErrors::Reset(); }
    void TearDown() override { FwiDpErrors::Reset(); }

    int Run(int status)
    {
        Controller controller(ControllerId(42, 3), PciIdentity{});
        controller.AddDataProvider(std::make_unique<ScriptedProvider>(DpKind::Dcmd, status, &calls_));
        return controller.Execute(request_);
    }

    u8 buffer_[32] = {};
    DcmdFwiDpParams request_{0x010E0301, static_cast<const u32*>(nullptr), buffer_, sizeof buffer_};
    int calls_ = 0;
};

TEST_F(ControllerExecute, FirstAcceptingProviderRunsWithTheLibraryId)
{
    Controller controller(ControllerId(42, 3), PciIdentity{});
    int scsiCalls = 0;
    int dcmdCalls = 0;
    int laterCalls = 0;
    controller.AddDataProvider(std::make_unique<ScriptedProvider>(DpKind::ScsiPassThru, 0, &scsiCalls));
    auto dcmd = std::make_unique<ScriptedProvider>(DpKind::Dcmd, 0, &dcmdCalls);
    ScriptedProvider* dcmdProvider = dcmd.get();
    controller.AddDataProvider(std::move(dcmd));
    controller.AddDataProvider(std::make_unique<ScriptedProvider>(DpKind::Dcmd, 0, &laterCalls));

    EXPECT_EQ(controller.Execute(request_), 0);
    EXPECT_EQ(scsiCalls, 0);
    EXPECT_EQ(dcmdCalls, 1);
    EXPECT_EQ(laterCalls, 0);
    EXPECT_EQ(dcmdProvider->seenId_, 42u);
    EXPECT_EQ(request_.GetControllerId(), 42u);
}

TEST_F(ControllerExecute, NoAcceptingProviderFails)
{
    Controller controller(ControllerId(42, 3), PciIdentity{});
    controller.AddDataProvider(std::make_unique<ScriptedProvider>(DpKind::ScsiPassThru, 0, &calls_));
    FwiDpErrors::Record(FwiDpErrors::kFirmware, 12);
    EXPECT_EQ(controller.Execute(request_), -1);
    EXPECT_EQ(calls_, 0);
    // A stale firmware status must not be reported for this failure.
    EXPECT_EQ(FwiDpErrors::LastClass(), FwiDpErrors::kTransport);
}

TEST_F(ControllerExecute, OutcomeIsClassified)
{
    EXPECT_EQ(Run(12), 12);
    EXPECT_EQ(FwiDpErrors::LastClass(), FwiDpErrors::kFirmware);
    EXPECT_EQ(FwiDpErrors::LastStatus(), 12);

    EXPECT_EQ(Run(-1), -1);
    EXPECT_EQ(FwiDpErrors::LastClass(), FwiDpErrors::kTransport);

    // A success clears the earlier failure.
    EXPECT_EQ(Run(0), 0);
    EXPECT_EQ(FwiDpErrors::LastClass(), FwiDpErrors::kSuccess);
    EXPECT_EQ(FwiDpErrors::LastStatus(), 0);
}

TEST(ControllerPciInfo, DetectorOffersNoPciInformation)
{
    Controller controller(ControllerId(1, 0), PciIdentity{});
    u8 block[112];
    std::memset(block, 0x3C, sizeof block);
    EXPECT_EQ(controller.GetPciInfo(block), 255);
    for (u8 b : block)
        ASSERT_EQ(b, 0x3C);
}

}  // namespace
