// The dispatcher's selection, stop and repeat rules, with a test command registered in the test
// binary and fake controllers.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "CpMgmt/CommandProcessorFactory.h"
#include "CpMgmt/CpController.h"
#include "CpMgmt/CpControllerMgmt.h"
#include "controller/Controller.h"
#include "controller/FwiDpErrors.h"
#include "framework/FakeController.h"
#include "support/ScreenCapture.h"

namespace {

// Command ids used only by these tests (no keyword has them).
constexpr u16 kTestCmdStop = 200;      // stops at the first failure
constexpr u16 kTestCmdListed = 36;     // a drive command id: runs every listed adapter
constexpr u16 kTestCmdCount = 26;      // an object count
constexpr u16 kTestCmdReport = 27;     // a report (-LDInfo): every adapter reports
constexpr u16 kTestCmdRepeat = 201;    // asks for repeat passes
constexpr u16 kTestCmdHelp = 2;        // runs without a controller
constexpr u16 kTestCmdNoKeyword = 25;  // skips the pre-checks, as 137 does
constexpr u16 kTestCmdNoKeyword2 = 137;

struct Script {
    std::map<int, int> statusByAdapter;  // adapter -> status (0 by default)
    std::vector<int> calls;              // adapters in call order (-1 for no controller)
    int passesWanted = 0;                // repeat processor: unfinished until this many calls
    bool nullObjectSeen = false;
};
Script g_script;

class ScriptedObject : public ParsedObject {
public:
    ScriptedObject(u16 id, u8 adapter, bool cloneable = true, bool onlyReads = false)
        : ParsedObject(id, adapter), cloneable_(cloneable), onlyReads_(onlyReads)
    {
    }
    ParsedObject* Clone() const override { return cloneable_ ? new ScriptedObject(*this) : nullptr; }
    bool OnlyReads() const override { return onlyReads_; }

private:
    ScriptedObject(const ScriptedObject&) = default;
    bool cloneable_;
    bool onlyReads_;
};

class ScriptedCp : public CommandProcessor {
public:
    int Process(CpController* cp, ParsedObject* po) override
    {
        if (po == nullptr)
            g_script.nullObjectSeen = true;
        Controller* c = cp->GetController();
        int adapter = c ? c->GetControllerId().GetAdapterNumber() : -1;
        g_script.calls.push_back(adapter);
        ++calls_;
        auto it = g_script.statusByAdapter.find(adapter);
        const int status = it == g_script.statusByAdapter.end() ? 0 : it->second;
        // The status as the adapter's last request left it.
        FwiDpErrors::Record(status == 0 ? FwiDpErrors::kSuccess : FwiDpErrors::kFirmware, status);
        return status;
    }
    int IsDone() override { return calls_ >= g_script.passesWanted ? 1 : 0; }

    static ArrayList<u16>* GetCommandCodes()
    {
        auto* codes = new ArrayList<u16>();
        for (u16 id : {kTestCmdStop, kTestCmdListed, kTestCmdCount, kTestCmdReport, kTestCmdRepeat, kTestCmdHelp,
                       kTestCmdNoKeyword, kTestCmdNoKeyword2})
            codes->Add(id);
        return codes;
    }
    static CommandProcessor* Create(u16 value) { return value == 0 ? new ScriptedCp : nullptr; }

private:
    int calls_ = 0;
};
class DispatchTest : public ScreenTest {
protected:
    // The scripted processor stands in for every id these tests use, the real commands'
    // processors included, for the length of a test.
    void SetUp() override
    {
        ScreenTest::SetUp();
        g_script = Script{};
        ArrayList<u16>* codes = ScriptedCp::GetCommandCodes();
        for (unsigned i = 0; i < codes->GetCount(); ++i) {
            u16 id = codes->GetAt(static_cast<u8>(i));
            saved_.emplace_back(id, CommandProcessorFactory::Instance().SwapForTest(id, {&ScriptedCp::Create}));
        }
        delete codes;
    }
    void TearDown() override
    {
        FwiDpErrors::Reset();
        for (auto& [id, creators] : saved_)
            CommandProcessorFactory::Instance().SwapForTest(id, creators);
        ScreenTest::TearDown();
    }

    int Process(std::vector<ParsedObject*> objects)
    {
        ParsedObjectList list;
        for (auto* o : objects)
            list.Add(std::unique_ptr<ParsedObject>(o));
        return CpControllerMgmt::Instance().ProcessCommands(std::move(list));
    }

    std::vector<std::pair<u16, std::vector<CommandProcessorFactory::Creator>>> saved_;

};

TEST_F(DispatchTest, AllAdaptersRunsEveryControllerInOrder)
{
    InstallFakeControllers(3);
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdStop, ParsedObject::kAllAdapters)}), 0);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1, 2}));
}

TEST_F(DispatchTest, AllAdaptersStopsAtFirstFailure)
{
    InstallFakeControllers(3);
    g_script.statusByAdapter[1] = 7;
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdStop, ParsedObject::kAllAdapters)}), 7);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1}));
}

TEST_F(DispatchTest, ExplicitListOfOtherCommandsStopsAtFirstFailure)
{
    InstallFakeControllers(3);
    g_script.statusByAdapter[0] = 5;
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdStop, 0), new ScriptedObject(kTestCmdStop, 2)}), 5);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0}));
}

TEST_F(DispatchTest, ExplicitListOfDriveCommandsRunsAllAndKeepsFirstFailure)
{
    InstallFakeControllers(3);
    g_script.statusByAdapter[0] = 5;
    g_script.statusByAdapter[1] = 9;
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdListed, 0), new ScriptedObject(kTestCmdListed, 1),
                       new ScriptedObject(kTestCmdListed, 2)}),
              5);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1, 2}));
}

// A failed read on one adapter never keeps the others from reporting, with -aALL as with a list,
// for a report command and for the report form of a command that can also change the controller.
TEST_F(DispatchTest, ReportsRunOnEveryAdapterAndKeepTheFirstFailure)
{
    InstallFakeControllers(3);
    g_script.statusByAdapter = {{0, 3}, {1, 0}, {2, -1}};
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdReport, ParsedObject::kAllAdapters)}), 3);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1, 2}));
    // The run ends on the first failure's firmware status, not on the later adapters' requests.
    EXPECT_EQ(FwiDpErrors::LastClass(), FwiDpErrors::kFirmware);
    EXPECT_EQ(FwiDpErrors::LastStatus(), 3);

    InstallFakeControllers(3);
    g_script.calls.clear();
    g_script.statusByAdapter = {{1, -1}, {2, 3}};
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdReport, 1), new ScriptedObject(kTestCmdReport, 2),
                       new ScriptedObject(kTestCmdReport, 0)}),
              -1);
    EXPECT_EQ(g_script.calls, (std::vector<int>{1, 2, 0}));

    InstallFakeControllers(3);
    g_script.calls.clear();
    g_script.statusByAdapter = {{0, 3}};
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdStop, ParsedObject::kAllAdapters, true, true)}), 3);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1, 2}));
    InstallFakeControllers(3);
    g_script.calls.clear();
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdStop, ParsedObject::kAllAdapters, true, false)}), 3);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0}));
}

TEST_F(DispatchTest, ExplicitListFailureIsNotHiddenByLaterSuccess)
{
    InstallFakeControllers(2);
    g_script.statusByAdapter[0] = 3;
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdListed, 0), new ScriptedObject(kTestCmdListed, 1)}), 3);
}

TEST_F(DispatchTest, AdapterNotPresentFailsButListedDriveCommandGoesOn)
{
    InstallFakeControllers(2);
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdListed, 5), new ScriptedObject(kTestCmdListed, 1)}), -1);
    EXPECT_EQ(g_script.calls, (std::vector<int>{1}));
}

TEST_F(DispatchTest, AdapterNotPresentStopsOtherCommands)
{
    InstallFakeControllers(2);
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdStop, 5), new ScriptedObject(kTestCmdStop, 1)}), -1);
    EXPECT_TRUE(g_script.calls.empty());
    EXPECT_EQ(Screen(), "User specified controller is not present.\n");
}

TEST_F(DispatchTest, ObjectCountsRunEveryControllerAndAnswerTheLast)
{
    InstallFakeControllers(3);
    g_script.statusByAdapter = {{0, 4}, {1, 0}, {2, 2}};
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdCount, ParsedObject::kAllAdapters)}), 2);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1, 2}));
}

TEST_F(DispatchTest, NoControllerFailsUnlessHelp)
{
    InstallFakeControllers(0);
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdStop, ParsedObject::kAllAdapters)}), -1);
    EXPECT_TRUE(g_script.calls.empty());
    EXPECT_EQ(Screen(), "Failed to get ControllerId List.\n");

    InstallFakeControllers(0);
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdHelp, ParsedObject::kAllAdapters)}), 0);
    EXPECT_EQ(g_script.calls, (std::vector<int>{-1}));

    InstallFakeControllers(0);
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdHelp, 3)}), 0);
    EXPECT_EQ(g_script.calls, (std::vector<int>{-1, -1}));
}

TEST_F(DispatchTest, NullCloneStillRunsWithNullObject)
{
    InstallFakeControllers(2);
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdStop, ParsedObject::kAllAdapters, false)}), 0);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1}));
    EXPECT_TRUE(g_script.nullObjectSeen);
}

TEST_F(DispatchTest, UnfinishedProcessorsRunAgainWhileStatusIsZero)
{
    InstallFakeControllers(2);
    g_script.passesWanted = 3;
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdRepeat, ParsedObject::kAllAdapters)}), 0);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1, 0, 1, 0, 1}));
}

TEST_F(DispatchTest, RepeatPassesStopWhenAProcessorFails)
{
    InstallFakeControllers(2);
    g_script.passesWanted = 5;
    g_script.statusByAdapter[1] = 4;
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdRepeat, 0), new ScriptedObject(kTestCmdRepeat, 1)}), 4);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1}));
}

TEST_F(DispatchTest, PreCheckFailureStopsTheCommand)
{
    auto providers = InstallFakeControllers(2);
    providers[1]->statuses[0x01010000] = 12;
    EXPECT_EQ(Process({new ScriptedObject(kTestCmdStop, ParsedObject::kAllAdapters)}), 12);
    EXPECT_EQ(g_script.calls, (std::vector<int>{0}));
    EXPECT_EQ(Screen(), "Adapter #1: Failed communicating to adapter...");
}

TEST_F(DispatchTest, IdsWithoutKeywordSkipThePreChecks)
{
    // As PreCheckFailureStopsTheCommand, but the exempt ids run on the controller whose pre-check
    // fails.
    for (u16 id : {kTestCmdNoKeyword, kTestCmdNoKeyword2}) {
        SCOPED_TRACE(id);
        g_script.calls.clear();
        auto providers = InstallFakeControllers(2);
        providers[1]->statuses[0x01010000] = 12;
        EXPECT_EQ(Process({new ScriptedObject(id, ParsedObject::kAllAdapters)}), 0);
        EXPECT_EQ(g_script.calls, (std::vector<int>{0, 1}));
    }
}

TEST_F(DispatchTest, UnsupportedCommandFails)
{
    InstallFakeControllers(1);
    EXPECT_EQ(Process({new ScriptedObject(250, 0)}), -1);
    EXPECT_EQ(Screen(), "Un-supported command\n");
}

}  // namespace
