// The adapter report processor against a controller whose requests answer chosen statuses:
// which requests it sends, in what order, where it stops and what it returns.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "CpMgmt/CmdPro/AdAlInCp.h"
#include "CpMgmt/CpController.h"
#include "framework/FakeController.h"
#include "fwdata/layout/Opcodes.h"
#include "parsers/AdpAllInfoParsedObject.h"
#include "parsers/AdpCountParsedObject.h"
#include "runtime/RuntimeTestDir.h"

namespace {

const std::vector<u32> kAllRequests = {kDcmdCtrlGetMfgData,  kDcmdCtrlGetKeyValues, kDcmdCtrlGetOemData,
                                       kDcmdCtrlGetDefaults, kDcmdCtrlGetInfo,      kDcmdCtrlGetTime,
                                       kDcmdCtrlGetBatteryFru};

constexpr const char* kFailureLine = "Adapter #3: Failed to Perform AdpAll information Operation.\n";

class AdpAllInfoCpTest : public runtime_test::InTempDir {
protected:
    // Runs the processor on adapter 3 with the given parsed object.
    int Run(ParsedObject* parsedObject)
    {
        auto provider = std::make_unique<FakeProvider>();
        provider->statuses = statuses;
        FakeProvider* seenBy = provider.get();
        Controller controller(ControllerId(7, 3), PciIdentity{});
        controller.AddDataProvider(std::move(provider));
        CpController cpController(&controller, parsedObject, 5);
        AdpAllInfoCp processor;
        int status = processor.Process(&cpController, cpController.GetParsedObject());
        seen = seenBy->seen;
        return status;
    }
    int Run() { return Run(new AdpAllInfoParsedObject(5, 3)); }

    // Starts the screen afresh between the cases of one test.
    void FreshScreen()
    {
        std::fclose(screen_);
        screen_ = std::tmpfile();
        CtPrint::Instance().SetScreen(screen_);
    }

    std::map<u32, int> statuses;
    std::vector<u32> seen;
};

TEST_F(AdpAllInfoCpTest, ReadsTheSevenBlocksThenPrintsTheReport)
{
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(seen, kAllRequests);
    EXPECT_EQ(Screen().rfind("Adapter #3\n\n==========", 0), 0u);
}

TEST_F(AdpAllInfoCpTest, WithoutDefaultsOrInformationNothingMoreIsSentOrPrinted)
{
    for (u32 failing : {kDcmdCtrlGetDefaults, kDcmdCtrlGetInfo}) {
        statuses = {{failing, 12}};
        FreshScreen();
        EXPECT_EQ(Run(), 12);
        std::vector<u32> expected(kAllRequests.begin(), std::find(kAllRequests.begin(), kAllRequests.end(), failing) + 1);
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(Screen(), kFailureLine);
    }
}

TEST_F(AdpAllInfoCpTest, AnotherParsedObjectIsRefused)
{
    EXPECT_EQ(Run(new AdpCountParsedObject(6)), -1);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(Screen(), "Adapter #3: Dynamic cast failed on AdpAllInfoParsedObject *.\n");

    FreshScreen();
    EXPECT_EQ(Run(nullptr), -1);
    EXPECT_EQ(Screen(), "Adapter #3: Dynamic cast failed on AdpAllInfoParsedObject *.\n");
}

}  // namespace
