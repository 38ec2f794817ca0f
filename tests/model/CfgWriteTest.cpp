// The configuration write of a new virtual drive: the image checked byte by byte against the
// layout of the configuration image, the new drive's id from the returned mailbox, the step
// that tells the operating system, and the snapshot read again after the change.
#include <gtest/gtest.h>

#include <cstring>

#include "CfgFake.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/UnCfgdVdOnFreeSpOnPd.h"
#include "raidmodel/UnCfgdVdOnFreshPd.h"
#include "raidmodel/VirtualDisk.h"

using namespace cfg_test;

namespace {

class CfgWriteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Slots 0-2 unconfigured good (sequence numbers 3, 4, 5); slot 3 holds array 0.
        rig.SetDrives({{10, 0, 0, 2000000, 2, 0, 3},
                       {11, 1, 0, 2000100, 2, 0, 4},
                       {12, 2, 0, 1999000, 2, 0, 5},
                       {13, 3, 0x18, 2000000}});
        rig.SetCfg(model_test::CfgImage({{0, {13}, 2000000}}, {{0, 0, {{0, 0, 2000000}}, 1}}, {}));
        rig.provider->Reply(kDcmdLdGetList, VdList({0}));
    }

    // A RAID 5 plan over slots 0-2 with every field set.
    std::unique_ptr<UnCfgdVdOnFreshPd> Raid5Plan()
    {
        std::unique_ptr<UnCfgdVdOnFreshPd> plan(UnCfgdVdOnFreshPd::Create(rig.manager.get()));
        EXPECT_NE(plan, nullptr);
        spans.Add({rig.Pd(0), rig.Pd(1), rig.Pd(2)});
        plan->BuildUnconfiguredPdList();
        plan->SetRaidLevel(raidlevel::kRaid5);
        plan->SetPdPerSpan(3);
        plan->GetSpanList() = &spans.outer;
        plan->SetStripSize(7);
        plan->SetWritePolicy(UnConfiguredVd::kWriteBack);
        plan->SetReadPolicy(UnConfiguredVd::kReadAhead);
        plan->SetIoPolicy(UnConfiguredVd::kIoCached);
        plan->SetCachedBadBbu(0);
        plan->SetDiskCachePolicy(2);
        plan->SetPsPolicy(1);
        plan->SetPiType(UnConfiguredVd::kPiOn);
        plan->SetName("db");
        plan->SetSize(1000001);
        return plan;
    }

    CfgRig rig;
    Spans spans;
};

TEST_F(CfgWriteTest, NewVirtualDriveImageFollowsTheLayout)
{
    auto plan = Raid5Plan();
    u64 used = 0;
    ASSERT_EQ(plan->GetVdSize(&used), 0);
    // Two data drives: 1000001 blocks take 500001 on each member.
    EXPECT_EQ(used, 1000002u);
    ASSERT_EQ(rig.manager->AddCfgForNewVd(plan.get()), 0);

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
    // The array: the smallest coerced size, three rows, the lowest reference not in use (1).
    Put64(expected, 32, 1999000);
    expected[32 + 8] = 3;
    Put16(expected, 32 + 10, 1);
    Put16(expected, 32 + 32, 10);
    Put16(expected, 32 + 34, 3);
    Put16(expected, 32 + 40, 11);
    Put16(expected, 32 + 42, 4);
    Put16(expected, 32 + 48, 12);
    Put16(expected, 32 + 50, 5);
    // The virtual drive.
    const std::size_t vd = 32 + 288;
    expected[vd + 0] = 0xFF;
    std::memcpy(&expected[vd + 4], "db", 2);
    expected[vd + 20] = 0x65;  // write back, read ahead, cached I/O
    expected[vd + 22] = 2;
    expected[vd + 25] = 1;
    expected[vd + 28] = 8;
    expected[vd + 32] = 5;
    expected[vd + 33] = 3;
    expected[vd + 35] = 7;
    expected[vd + 36] = 3;
    expected[vd + 37] = 1;
    Put64(expected, vd + 48, 1000002);
    Put64(expected, vd + 64, 0);
    Put64(expected, vd + 72, 500001);
    Put16(expected, vd + 80, 1);
    EXPECT_EQ(writes[0].data, expected);

    // The new drive's id came back in the mailbox; the OS was told of target id 2.
    VdId* id = nullptr;
    ASSERT_EQ(plan->GetVdId(&id), 0);
    ASSERT_NE(id, nullptr);
    EXPECT_EQ(id->GetTargetId(), 2);
    EXPECT_EQ(dynamic_cast<VdIdFwi*>(id)->GetSeqNum(), 7);
    delete id;
    const auto told = rig.provider->Of(kDriverVdChange);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].kind, DpKind::Driver);
    EXPECT_EQ(LeU32(told[0].mailbox.data(), 0), 1u);
    EXPECT_EQ(LeU32(told[0].mailbox.data(), 4), 2u);
}

TEST_F(CfgWriteTest, SpannedDriveGetsOneArrayPerSpan)
{
    rig.SetDrives({{10, 0}, {11, 1}, {12, 2}, {13, 3}});
    rig.SetCfg(model_test::CfgImage({}, {}, {}));
    std::unique_ptr<UnCfgdVdOnFreshPd> plan(UnCfgdVdOnFreshPd::Create(rig.manager.get()));
    ASSERT_NE(plan, nullptr);
    spans.Add({rig.Pd(0), rig.Pd(1)});
    spans.Add({rig.Pd(2), rig.Pd(3)});
    plan->SetRaidLevel(raidlevel::kRaid10);
    plan->GetSpanList() = &spans.outer;
    u64 capacity = 0;
    ASSERT_EQ(plan->ComputeCapacity(&capacity), 0);
    EXPECT_EQ(capacity, 2u * 2000000u);
    ASSERT_EQ(rig.manager->AddCfgForNewVd(plan.get()), 0);

    const Bytes image = rig.provider->Of(kDcmdCfgAdd).at(0).data;
    ASSERT_EQ(image.size(), 32u + 2 * 288 + 256);
    EXPECT_EQ(LeU16(image.data(), 4), 2);
    EXPECT_EQ(LeU16(image.data(), 32 + 10), 0);
    EXPECT_EQ(LeU16(image.data(), 32 + 288 + 10), 1);
    const u8* vd = image.data() + 32 + 2 * 288;
    EXPECT_EQ(vd[32], 1);  // RAID 1 spans
    EXPECT_EQ(vd[36], 2);
    EXPECT_EQ(vd[37], 2);
    EXPECT_EQ(LeU64(vd, 48), 4000000u);
    EXPECT_EQ(LeU64(vd, 64 + 8), 2000000u);
    EXPECT_EQ(LeU16(vd, 64 + 16), 0);
    EXPECT_EQ(LeU16(vd, 64 + 24 + 16), 1);
    // The plan started from the controller's defaults: 256 KB strips, write back, read ahead,
    // cached I/O.
    EXPECT_EQ(vd[35], 9);
    EXPECT_EQ(vd[20], 0x65);
}

TEST_F(CfgWriteTest, WriteFailuresAndTheOsStep)
{
    // A plan that is not valid is refused before anything is sent.
    std::unique_ptr<UnCfgdVdOnFreshPd> empty(UnCfgdVdOnFreshPd::Create(rig.manager.get()));
    EXPECT_EQ(rig.manager->AddCfgForNewVd(empty.get()), -1);
    EXPECT_EQ(rig.manager->AddCfgForNewVd(nullptr), -1);
    auto fresh = Raid5Plan();
    EXPECT_EQ(rig.manager->AddCfgForFreeSpaceVd(fresh.get()), -1);  // a plan of the other kind
    EXPECT_TRUE(rig.provider->Of(kDcmdCfgAdd).empty());
    spans = Spans();

    // The controller refuses: its status, no id, the OS is not told.
    auto refused = Raid5Plan();
    rig.provider->Fail(kDcmdCfgAdd, 3);
    EXPECT_EQ(rig.manager->AddCfgForNewVd(refused.get()), 3);
    VdId* id = nullptr;
    refused->GetVdId(&id);
    EXPECT_EQ(id, nullptr);
    EXPECT_TRUE(rig.provider->Of(kDriverVdChange).empty());

    // Written, but the OS step fails: -2 and the drive has its id.
    rig.provider->statuses.clear();
    rig.provider->Fail(kDriverVdChange, 1);
    EXPECT_EQ(rig.manager->AddCfgForNewVd(refused.get()), RaidManager::kStatusOsNotTold);
    refused->GetVdId(&id);
    ASSERT_NE(id, nullptr);
    delete id;
}

TEST_F(CfgWriteTest, SsdCacheDriveIsNotAnnouncedToTheOs)
{
    auto plan = Raid5Plan();
    plan->SetIsSscd(1);
    ASSERT_EQ(rig.manager->AddCfgForNewVd(plan.get()), 0);
    EXPECT_EQ(rig.provider->Of(kDcmdCfgAdd).at(0).data[32 + 288 + 47], 1);
    EXPECT_TRUE(rig.provider->Of(kDriverVdChange).empty());
}

TEST_F(CfgWriteTest, StateAfterTheWriteIsReadAgainWhileOldElementsStayValid)
{
    List<VirtualDisk*>* before = nullptr;
    ASSERT_EQ(rig.manager->GetVdList(&before), 0);
    ASSERT_EQ(before->GetCount(), 1);
    VirtualDisk* old = before->GetAt(0);
    u8 count = 0;
    ASSERT_EQ(rig.manager->GetVdCount(&count), 0);
    EXPECT_EQ(count, 1);

    auto plan = Raid5Plan();
    ASSERT_EQ(rig.manager->AddCfgForNewVd(plan.get()), 0);
    // The controller now reports the new drive.
    rig.provider->Reply(kDcmdLdGetList, VdList({0, 2}));
    rig.SetCfg(model_test::CfgImage({{0, {13}, 2000000}, {1, {10, 11, 12}, 1999000}},
                                    {{0, 0, {{0, 0, 2000000}}, 1}, {2, 5, {{1, 0, 500001}}, 3}}, {}));

    // The element handed out before is still usable.
    EXPECT_EQ(old->GetId()->GetTargetId(), 0);
    EXPECT_EQ(before->GetCount(), 1);
    // What is read now is the new state, without an explicit Refresh.
    EXPECT_TRUE(rig.manager->IsTargetIdInUse(2, 0));
    ASSERT_EQ(rig.manager->GetVdCount(&count), 0);
    EXPECT_EQ(count, 2);
    List<PhysicalDevice*>* unassigned = nullptr;
    ASSERT_EQ(rig.manager->GetUnassignedPdList(&unassigned), 0);
    EXPECT_EQ(unassigned->GetCount(), 0);
    ASSERT_EQ(rig.manager->Refresh(), 0);
    EXPECT_TRUE(rig.manager->IsTargetIdInUse(2, 0));
}

}  // namespace
