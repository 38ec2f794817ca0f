// The requests the configuration processors send for a command line, byte by byte: the
// configuration write of a new virtual drive on fresh drives and in a free extent, the
// FlashTier association block of -Cache, and the deletion of a drive a cache serves. The
// processors run on a controller whose replies the test prepares.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "CpMgmt/CmdPro/LdAddCp.h"
#include "CpMgmt/CmdPro/LdDelCp.h"
#include "CpMgmt/CpController.h"
#include "cmdtool/Grammar.h"
#include "cmdtool/ParserFactory.h"
#include "cmdtool/Tokenizer.h"
#include "model/CfgFake.h"
#include "raidmodel/RaidManager.h"
#include "support/ScreenCapture.h"

namespace {

using namespace cfg_test;

constexpr u32 kAssocSet = 0x03100100;
constexpr u32 kAssocGet = 0x03100200;

class CfgRequestTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        Bytes info = CtrlInfo();
        info[1509] |= 0x30;  // power saving per virtual drive, also the maximum level
        rig.provider->Reply(kDcmdCtrlGetInfo, info);
        rig.SetDrives({{10, 0}, {11, 1, 0, 2000100}, {12, 2, 0, 1999000}, {13, 3}});
    }
    // The processors find the controller's manager in the process-wide table.
    void TearDown() override
    {
        RaidManager::ClearAll();
        ScreenTest::TearDown();
    }

    template <typename Processor>
    int RunLine(const std::string& line)
    {
        return RunProcessorLine<Processor>(rig, line);
    }

    CfgRig rig;
};

TEST_F(CfgRequestTest, NewVirtualDriveOnFreshDrivesCarriesTheCommandLine)
{
    ASSERT_EQ(RunLine<LdAddCp>("-CfgLdAdd -r5[252:0,252:1,252:2,252:3] WT NORA Direct NoCachedBadBBU -sz1GB "
                               "-strpsz128 -Automatic -a0"),
              0);
    EXPECT_EQ(Screen(), "Adapter 0: Created VD 2\n\nAdapter 0: Configured the Adapter!!\n");

    const auto writes = rig.provider->Of(kDcmdCfgAdd);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].mailbox, Bytes(12, 0));
    Bytes expected(32 + 288 + 256, 0);
    Put32(expected, 0, 576);
    Put16(expected, 4, 1);
    Put16(expected, 6, 288);
    Put16(expected, 8, 1);
    Put16(expected, 10, 256);
    Put16(expected, 14, 40);
    // One new array of the four drives in the order named, at the smallest coerced size.
    Put64(expected, 32, 1999000);
    expected[32 + 8] = 4;
    Put16(expected, 32 + 10, 0);
    const u16 rows[4] = {10, 11, 12, 13};
    for (int r = 0; r < 4; ++r) {
        Put16(expected, 32 + 32 + 8 * r, rows[r]);
        Put16(expected, 32 + 34 + 8 * r, 3);
    }
    const std::size_t vd = 32 + 288;
    expected[vd + 0] = 0xFF;
    expected[vd + 20] = 0x00;  // write through, no read ahead, direct, no write back on a bad battery
    expected[vd + 25] = 1;     // automatic power saving
    expected[vd + 32] = 5;
    expected[vd + 33] = 3;
    expected[vd + 35] = 8;     // 128 KB strips
    expected[vd + 36] = 4;
    expected[vd + 37] = 1;
    // 1 GB over three data drives, whole blocks on each member.
    Put64(expected, vd + 48, 699051ULL * 3);
    Put64(expected, vd + 64, 0);
    Put64(expected, vd + 72, 699051);
    Put16(expected, vd + 80, 0);
    EXPECT_EQ(writes[0].data, expected);

    // The operating system is told of the new drive.
    const auto told = rig.provider->Of(kDriverVdChange);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(LeU32(told[0].mailbox.data(), 0), 1u);
    EXPECT_EQ(LeU32(told[0].mailbox.data(), 4), 2u);
}

TEST_F(CfgRequestTest, SecondVirtualDriveTakesTheFreeExtentOfTheNamedArray)
{
    // Array 0 holds slots 0 and 1; RAID 1 target 0 takes blocks 0-999 on each.
    rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}, {12, 2}});
    rig.SetCfg(model_test::CfgImage({{0, {10, 11}, 2000000}}, {{0, 1, {{0, 0, 1000}}, 2}}, {}));
    rig.provider->Reply(kDcmdLdGetList, VdList({0}));
    ASSERT_EQ(RunLine<LdAddCp>("-CfgLdAdd -r1[252:1,252:0] WB RA Cached -sz100MB -a0"), 0);

    const auto writes = rig.provider->Of(kDcmdCfgAdd);
    ASSERT_EQ(writes.size(), 1u);
    Bytes expected(32 + 256, 0);
    Put32(expected, 0, 288);
    Put16(expected, 6, 288);
    Put16(expected, 8, 1);
    Put16(expected, 10, 256);
    Put16(expected, 14, 40);
    const std::size_t vd = 32;
    expected[vd + 0] = 0xFF;
    expected[vd + 20] = 0x65;  // write back, read ahead, cached
    expected[vd + 32] = 1;
    expected[vd + 35] = 9;     // the controller's default strip size
    expected[vd + 36] = 2;
    expected[vd + 37] = 1;
    Put64(expected, vd + 48, 204800);
    Put64(expected, vd + 64, 1000);
    Put64(expected, vd + 72, 204800);
    Put16(expected, vd + 80, 0);
    EXPECT_EQ(writes[0].data, expected);
}

TEST_F(CfgRequestTest, CacheOptionAddsTheNewDriveToTheFlashTierList)
{
    Bytes info = CtrlInfo();
    info[1509] |= 0x30;
    info[1510] |= 1;           // virtual drives may be associated
    Put16(info, 1936, 1);      // one FlashTier drive allowed
    Put16(info, 1938, 1);      // and present
    rig.provider->Reply(kDcmdCtrlGetInfo, info);
    rig.SetDrives({{10, 0}, {11, 1}, {13, 3, 0x18}});
    // Target 1 is the FlashTier drive on slot 3 and serves target 0 (not configured here).
    model_test::VdShape cache{1, 0, {{5, 0, 1000}}, 1, true};
    const Bytes before = model_test::CfgImage({{5, {13}, 2000000}}, {cache}, {});
    const Bytes after = model_test::CfgImage({{5, {13}, 2000000}, {0, {10, 11}, 2000000}},
                                             {cache, {2, 1, {{0, 0, 1000}}, 2}}, {});
    rig.provider->ReplySequence(kDcmdCfgRead, {before, after});
    rig.provider->Reply(kDcmdLdGetList, VdList({1}));
    Bytes served(12, 0);
    Put32(served, 0, 12);
    Put32(served, 4, 1);
    served[11] = 0;
    rig.provider->Reply(kAssocGet, served);
    rig.provider->Reply(kAssocSet, {});

    ASSERT_EQ(RunLine<LdAddCp>("-CfgLdAdd -r1[252:0,252:1] -Cache -a0"), 0);
    EXPECT_EQ(Screen(), "Adapter 0: Created VD 2\nSuccessfully assigned VD to Cache  \n"
                        "\nAdapter 0: Configured the Adapter!!\n");
    const auto reads = rig.provider->Of(kAssocGet);
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[0].mailbox[0], 1);
    const auto sets = rig.provider->Of(kAssocSet);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].mailbox[0], 0xFF);
    Bytes block(24, 0);
    Put32(block, 0, 24);
    Put32(block, 4, 2);
    block[11] = 0;
    block[12] = 2;
    EXPECT_EQ(sets[0].data, block);
}

TEST_F(CfgRequestTest, DriveServedByTheCacheIsDeletedOnlyWithForce)
{
    Bytes info = CtrlInfo();
    Put16(info, 1936, 1);
    rig.provider->Reply(kDcmdCtrlGetInfo, info);
    rig.SetDrives({{10, 0, 0x18}, {13, 3, 0x18}});
    model_test::VdShape cache{1, 0, {{5, 0, 1000}}, 1, true};
    rig.SetCfg(model_test::CfgImage({{5, {13}, 2000000}, {0, {10}, 2000000}}, {{0, 0, {{0, 0, 1000}}, 1}, cache}, {}));
    rig.provider->Reply(kDcmdLdGetList, VdList({0, 1}));
    Bytes served(12, 0);
    Put32(served, 0, 12);
    Put32(served, 4, 1);
    served[11] = 0;
    rig.provider->Reply(kAssocGet, served);

    EXPECT_EQ(RunLine<LdDelCp>("-CfgLdDel -L0 -a0"), -1);
    EXPECT_EQ(Screen(), " Virtual Disk is associate with FlashTier. Please Use force option to delete \n");
    EXPECT_TRUE(rig.provider->Of(kDcmdLdDelete).empty());

    EXPECT_EQ(RunLine<LdDelCp>("-CfgLdDel -L0 -Force -a0"), 0);
    const auto deletes = rig.provider->Of(kDcmdLdDelete);
    ASSERT_EQ(deletes.size(), 1u);
    // Target 0 with its sequence number (1); option byte 0; the host is not asked first.
    EXPECT_EQ(LeU32(deletes[0].mailbox.data(), 0), 0x00010000u);
    EXPECT_EQ(deletes[0].mailbox[4], 0);
    EXPECT_TRUE(rig.provider->Of(kDriverVdChange).empty());
}

}  // namespace

namespace {

TEST_F(CfgRequestTest, DriveCheckStatusOutsideItsTableIsPassedThrough)
{
    // The configuration cannot be read when the drives are checked: not one of the check's
    // statuses 1-12, so no table entry is printed; the command fails with it and writes nothing.
    rig.provider->Fail(kDcmdCfgRead, 5);
    EXPECT_EQ(RunLine<LdAddCp>("-CfgLdAdd -r1[252:0,252:1] -a0"), -1);
    EXPECT_EQ(Screen(), "\nAdapter 0: Configure Adapter Failed\n");
    EXPECT_TRUE(rig.provider->Of(kDcmdCfgAdd).empty());
}

}  // namespace
