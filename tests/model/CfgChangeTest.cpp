// Deleting a virtual drive, clearing the configuration and spinning drives up before a
// configuration: the requests sent, their order, and the -2 paths where the controller did the
// work but the operating system was not told.
#include <gtest/gtest.h>

#include <string>

#include "CfgFake.h"
#include "raidmodel/ids/VdIdFwi.h"
#include "runtime/System.h"

using namespace cfg_test;

namespace {

class CfgChangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}});
        rig.SetCfg(model_test::CfgImage({{0, {10, 11}, 2000000}}, {{1, 1, {{0, 0, 500000}}, 2, false, 9}}, {}));
    }

    std::vector<u32> Opcodes() const
    {
        std::vector<u32> opcodes;
        for (const Sent& s : rig.provider->sent)
            if (s.opcode == kDcmdLdDelete || s.opcode == kDcmdCfgClear || s.opcode == kDriverVdChange)
                opcodes.push_back(s.opcode);
        return opcodes;
    }

    CfgRig rig;
};

TEST_F(CfgChangeTest, DeleteTellsTheOsFirstAndNamesTheDrive)
{
    VdIdFwi id(1, 1, VdIdFwi::kAnySeqNum);
    ASSERT_EQ(rig.manager->DeleteVd(&id, 0, 0), 0);
    EXPECT_EQ(Opcodes(), (std::vector<u32>{kDriverVdChange, kDcmdLdDelete}));
    const Sent told = rig.provider->Of(kDriverVdChange).at(0);
    EXPECT_EQ(LeU32(told.mailbox.data(), 0), 2u);
    EXPECT_EQ(LeU32(told.mailbox.data(), 4), 1u);
    const Bytes mbox = rig.provider->Of(kDcmdLdDelete).at(0).mailbox;
    EXPECT_EQ(LeU32(mbox.data(), 0), 0x00090001u);  // target id 1, sequence number 9
    EXPECT_EQ(mbox[4], 0);
}

TEST_F(CfgChangeTest, DeleteWithoutHostStepPassesTheOption)
{
    VdIdFwi id(1, 1, 9);
    ASSERT_EQ(rig.manager->DeleteVd(&id, 1, 1), 0);
    EXPECT_EQ(Opcodes(), std::vector<u32>{kDcmdLdDelete});
    EXPECT_EQ(rig.provider->Of(kDcmdLdDelete).at(0).mailbox[4], 1);
}

TEST_F(CfgChangeTest, DeleteOfADriveNotInTheConfiguration)
{
    VdIdFwi missing(5, 5, VdIdFwi::kAnySeqNum);
    EXPECT_EQ(rig.manager->DeleteVd(&missing, 0, 0), -1);
    VdIdFwi stale(1, 1, 8);
    EXPECT_EQ(rig.manager->DeleteVd(&stale, 0, 0), -1);
    EXPECT_EQ(rig.manager->DeleteVd(nullptr, 0, 0), -1);
    EXPECT_TRUE(Opcodes().empty());
}

TEST_F(CfgChangeTest, DeleteStatusesAndTheOsStep)
{
    VdIdFwi id(1, 1, VdIdFwi::kAnySeqNum);
    rig.provider->Fail(kDriverVdChange, 1);
    EXPECT_EQ(rig.manager->DeleteVd(&id, 0, 0), RaidManager::kStatusOsNotTold);
    // Refused by the controller: its status, whatever the OS step did.
    ASSERT_EQ(rig.manager->Refresh(), 0);
    rig.provider->Fail(kDcmdLdDelete, 50);
    EXPECT_EQ(rig.manager->DeleteVd(&id, 0, 0), 50);
}

TEST_F(CfgChangeTest, DeleteMakesTheSnapshotStale)
{
    VdIdFwi id(1, 1, VdIdFwi::kAnySeqNum);
    ASSERT_TRUE(rig.manager->IsTargetIdInUse(1, 0));
    ASSERT_EQ(rig.manager->DeleteVd(&id, 1, 0), 0);
    rig.SetCfg(model_test::CfgImage({}, {}, {}));
    EXPECT_FALSE(rig.manager->IsTargetIdInUse(1, 0));
    EXPECT_EQ(rig.manager->DeleteVd(&id, 1, 0), -1);
}

TEST_F(CfgChangeTest, ClearWithoutForce)
{
    ASSERT_EQ(rig.manager->ClearCfg(0), 0);
    EXPECT_EQ(Opcodes(), std::vector<u32>{kDcmdCfgClear});
    EXPECT_EQ(rig.provider->Of(kDcmdCfgClear).at(0).mailbox, Bytes(12, 0));
    rig.provider->Fail(kDcmdCfgClear, RaidManager::kStatusDataLoss);
    EXPECT_EQ(rig.manager->ClearCfg(0), RaidManager::kStatusDataLoss);
}

TEST_F(CfgChangeTest, ForcedClearTellsTheOsFirst)
{
    ASSERT_EQ(rig.manager->ClearCfg(1), 0);
    EXPECT_EQ(Opcodes(), (std::vector<u32>{kDriverVdChange, kDcmdCfgClear}));
    const Sent told = rig.provider->Of(kDriverVdChange).at(0);
    EXPECT_EQ(LeU32(told.mailbox.data(), 0), 2u);
    EXPECT_EQ(LeU32(told.mailbox.data(), 4), 0xFFu);
    Bytes mbox(12, 0);
    mbox[0] = 1;
    EXPECT_EQ(rig.provider->Of(kDcmdCfgClear).at(0).mailbox, mbox);

    rig.provider->Fail(kDriverVdChange, 1);
    EXPECT_EQ(rig.manager->ClearCfg(1), RaidManager::kStatusOsNotTold);
    rig.provider->Fail(kDcmdCfgClear, 7);
    EXPECT_EQ(rig.manager->ClearCfg(1), 7);
}

// Records shell commands instead of running them.
class ShellRecorder : public SystemLinux {
public:
    int RunShell(const char* command) override
    {
        commands.emplace_back(command);
        return 0;
    }
    std::vector<std::string> commands;
};

class SpinUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSystemForTest(&shell);
        // Slots 0 and 2 spun down.
        rig.SetDrives({{10, 0, 0, 2000000, 2, 0, 3, 1}, {11, 1}, {12, 2, 0, 2000000, 2, 0, 3, 1}});
        spans.Add({rig.Pd(0), rig.Pd(1)});
        spans.Add({rig.Pd(2)});
    }
    void TearDown() override { SetSystemForTest(nullptr); }

    void Require()
    {
        Bytes info = CtrlInfo();
        info[1517] = 0x02;
        rig.provider->Reply(kDcmdCtrlGetInfo, info);
    }

    ShellRecorder shell;
    CfgRig rig;
    Spans spans;
};

TEST_F(SpinUpTest, NothingToDoWithoutTheCapability)
{
    u32 up = 9, total = 9;
    EXPECT_EQ(rig.manager->SendSpanPdList(&spans.outer, &up, &total), 0);
    EXPECT_EQ(total, 0u);
    EXPECT_TRUE(rig.provider->Of(kDcmdPdSpinUp).empty());
    EXPECT_TRUE(shell.commands.empty());
}

TEST_F(SpinUpTest, SpunDownDrivesAreSentUntilTheyAreUp)
{
    Require();
    rig.provider->spunUpReply = 1;
    rig.provider->spinUpStatus = RaidManager::kStatusSpinningUp;
    u32 up = 0, total = 0;
    EXPECT_EQ(rig.manager->SendSpanPdList(&spans.outer, &up, &total), RaidManager::kStatusSpinningUp);
    EXPECT_EQ(up, 1u);
    EXPECT_EQ(total, 2u);

    Bytes expected(14, 0);
    Put32(expected, 0, 14);
    Put32(expected, 4, 2);
    Put16(expected, 10, 10);
    Put16(expected, 12, 12);
    EXPECT_EQ(rig.provider->Of(kDcmdPdSpinUp).at(0).data, expected);
    EXPECT_EQ(shell.commands, std::vector<std::string>{"sleep 5"});

    // The drives were collected once: the same list goes again, now answered in full.
    rig.provider->spinUpStatus = 0;
    rig.provider->spunUpReply = 7;  // more than were asked for: not believed
    EXPECT_EQ(rig.manager->SendSpanPdList(&spans.outer, &up, &total), 0);
    EXPECT_EQ(up, 2u);
    EXPECT_EQ(total, 2u);
    EXPECT_EQ(rig.provider->Of(kDcmdPdSpinUp).at(1).data, expected);
    EXPECT_EQ(shell.commands.size(), 2u);
}

TEST_F(SpinUpTest, OtherSetSpinningAndNoSpunDownDrive)
{
    Require();
    rig.provider->Fail(kDcmdPdSpinUp, RaidManager::kStatusOtherSetSpinning);
    u32 up = 0, total = 0;
    EXPECT_EQ(rig.manager->SendSpanPdList(&spans.outer, &up, &total), RaidManager::kStatusOtherSetSpinning);

    CfgRig awake;
    Bytes info = CtrlInfo();
    info[1517] = 0x02;
    awake.provider->Reply(kDcmdCtrlGetInfo, info);
    awake.SetDrives({{10, 0}});
    Spans one;
    one.Add({awake.Pd(0)});
    EXPECT_EQ(awake.manager->SendSpanPdList(&one.outer, &up, &total), 0);
    EXPECT_EQ(total, 0u);
    EXPECT_TRUE(awake.provider->Of(kDcmdPdSpinUp).empty());
}

}  // namespace
