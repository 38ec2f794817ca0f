// Planning a virtual drive: on unconfigured drives (candidates, mixing, levels, capacity,
// validity) and in the free space of a disk group (extents in start order, the smallest
// usable extent, capacity, the spans of the write); the array extents behind both; and the
// adapter limits planning reads.
#include <gtest/gtest.h>

#include "CfgFake.h"
#include "raidmodel/ArrayHmg.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/UnCfgdVdOnFreeSpOnPd.h"
#include "raidmodel/UnCfgdVdOnFreshPd.h"

using namespace cfg_test;

namespace {

std::vector<u8> Codes(ArrayList<u8>* list)
{
    std::vector<u8> codes;
    for (unsigned i = 0; list != nullptr && i < list->GetCount(); ++i)
        codes.push_back(list->GetAt(static_cast<u8>(i)));
    delete list;
    return codes;
}

struct Extent {
    u64 start;
    u64 size;
    bool free;
    bool operator==(const Extent&) const = default;
};

std::vector<Extent> Extents(ArrayList<ArraySpaceInfo*>* list)
{
    std::vector<Extent> extents;
    for (unsigned i = 0; list != nullptr && i < list->GetCount(); ++i) {
        ArraySpaceInfo* e = list->GetAt(static_cast<u8>(i));
        extents.push_back({e->GetStart(), e->GetSize(), e->IsFree()});
        delete e;
    }
    delete list;
    return extents;
}

class FreshPlanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // SAS disks in slots 0-2, a SATA disk in 3, SAS SSDs in 4 and 5, a SATA SSD in 6, an
        // online disk in 7 (array 0).
        rig.SetDrives({{10, 0, 0, 3000000},
                       {11, 1, 0, 2000000},
                       {12, 2, 0, 2500000},
                       {13, 3, 0, 2000000, 3},
                       {14, 4, 0, 1000000, 2, 1},
                       {15, 5, 0, 1000000, 2, 1},
                       {16, 6, 0, 1000000, 3, 1},
                       {17, 7, 0x18}});
        rig.SetCfg(model_test::CfgImage({{0, {17}}}, {{0, 0, {{0}}, 1}}, {}));
        plan.reset(UnCfgdVdOnFreshPd::Create(rig.manager.get()));
        ASSERT_NE(plan, nullptr);
        ASSERT_EQ(plan->BuildUnconfiguredPdList(), 0);
    }

    CfgRig rig;
    Spans spans;
    std::unique_ptr<UnCfgdVdOnFreshPd> plan;
};

TEST_F(FreshPlanTest, AcceptsOnlyFreeDrivesThatMix)
{
    plan->SetRaidLevel(raidlevel::kRaid1);
    plan->GetSpanList() = &spans.outer;
    spans.Add({});
    EXPECT_FALSE(plan->CanAddPd(rig.Pd(7)));   // online
    EXPECT_FALSE(plan->CanAddPd(nullptr));
    ASSERT_TRUE(plan->CanAddPd(rig.Pd(0)));
    spans.inner[0]->Add(rig.Pd(0));
    EXPECT_FALSE(plan->CanAddPd(rig.Pd(0)));   // already planned
    EXPECT_TRUE(plan->CanAddPd(rig.Pd(3)));    // SATA disk: the controller mixes disk interfaces
    EXPECT_FALSE(plan->CanAddPd(rig.Pd(4)));   // an SSD does not join disks

    // Among SSDs the interfaces do not mix here.
    Spans ssd;
    std::unique_ptr<UnCfgdVdOnFreshPd> other(UnCfgdVdOnFreshPd::Create(rig.manager.get()));
    other->GetSpanList() = &ssd.outer;
    ssd.Add({rig.Pd(4)});
    EXPECT_TRUE(other->CanAddPd(rig.Pd(5)));
    EXPECT_FALSE(other->CanAddPd(rig.Pd(6)));
}

TEST_F(FreshPlanTest, EnoughMixableDrivesForASpan)
{
    // Three SSDs exist, two of them SAS (mixable with a SAS SSD).
    plan->SetRaidLevel(raidlevel::kRaid1);
    EXPECT_TRUE(plan->HasEnoughMixablePds(rig.Pd(4)));    // the level needs 2
    plan->SetPdPerSpan(3);
    EXPECT_FALSE(plan->HasEnoughMixablePds(rig.Pd(4)));
    EXPECT_TRUE(plan->HasEnoughMixablePds(rig.Pd(0)));    // four disks mix
    EXPECT_FALSE(plan->HasEnoughMixablePds(nullptr));
}

TEST_F(FreshPlanTest, PossibleLevelsFollowTheCandidateCount)
{
    ArrayList<u8>* levels = nullptr;
    ASSERT_EQ(plan->GetPossibleRaidLevels(&levels), 0);
    // Seven candidates: every level the controller supports (spanned ones need two spans).
    EXPECT_EQ(Codes(levels), (std::vector<u8>{0, 1, 5, 6, 32, 33, 34}));

    // Only the two SAS disks of slots 0-1 free: RAID 0 and 1.
    rig.SetDrives({{10, 0}, {11, 1}});
    rig.SetCfg(model_test::CfgImage({}, {}, {}));
    ASSERT_EQ(rig.manager->Refresh(), 0);
    std::unique_ptr<UnCfgdVdOnFreshPd> small(UnCfgdVdOnFreshPd::Create(rig.manager.get()));
    ASSERT_EQ(small->GetPossibleRaidLevels(&levels), 0);
    EXPECT_EQ(Codes(levels), (std::vector<u8>{0, 1}));
}

TEST_F(FreshPlanTest, CapacityAndTheSizeReallyUsed)
{
    plan->SetRaidLevel(raidlevel::kRaid5);
    plan->GetSpanList() = &spans.outer;
    spans.Add({rig.Pd(0), rig.Pd(1), rig.Pd(2)});
    u64 capacity = 0;
    ASSERT_EQ(plan->ComputeCapacity(&capacity), 0);
    EXPECT_EQ(capacity, 4000000u);  // the smallest drive times two data drives

    u64 used = 0;
    ASSERT_EQ(plan->GetVdSize(&used), 0);
    EXPECT_EQ(used, 4000000u);  // no size: the whole capacity
    plan->SetSize(204801);
    ASSERT_EQ(plan->GetVdSize(&used), 0);
    EXPECT_EQ(used, 204802u);   // whole blocks on each member
    plan->SetSize(4000001);
    ASSERT_EQ(plan->GetVdSize(&used), 0);
    EXPECT_EQ(used, 4000000u);  // never above the capacity
    EXPECT_FALSE(plan->IsValid());  // but the size asked for is
    plan->SetSize(0);
    EXPECT_TRUE(plan->IsValid());
}

TEST_F(FreshPlanTest, ValidityOfSpansAndLevels)
{
    plan->GetSpanList() = &spans.outer;
    EXPECT_FALSE(plan->IsValid());  // no level, no drives
    u64 capacity = 0;
    EXPECT_EQ(plan->ComputeCapacity(&capacity), -1);

    plan->SetRaidLevel(raidlevel::kRaid1);
    spans.Add({rig.Pd(0), rig.Pd(1)});
    EXPECT_TRUE(plan->IsValid());
    spans.Add({rig.Pd(2), rig.Pd(3)});
    EXPECT_FALSE(plan->IsValid());  // RAID 1 has one span
    plan->SetRaidLevel(raidlevel::kRaid10);
    EXPECT_TRUE(plan->IsValid());
    spans.inner[1]->RemoveAt(1);
    EXPECT_FALSE(plan->IsValid());  // unequal spans

    // RAID 5 needs three drives per array; an online drive is no candidate.
    Spans two;
    plan->GetSpanList() = &two.outer;
    plan->SetRaidLevel(raidlevel::kRaid5);
    two.Add({rig.Pd(0), rig.Pd(1)});
    EXPECT_FALSE(plan->IsValid());
    two.inner[0]->Add(rig.Pd(7));
    EXPECT_FALSE(plan->IsValid());
}

TEST_F(FreshPlanTest, PoliciesChangeOnlyTheirOwnBits)
{
    // From the controller's defaults: write back, read ahead, cached I/O.
    EXPECT_EQ(plan->GetCachePolicy(), 0x65);
    plan->SetReadPolicy(UnConfiguredVd::kNoReadAhead);
    plan->SetWritePolicy(UnConfiguredVd::kWriteThrough);
    plan->SetCachedBadBbu(1);
    EXPECT_EQ(plan->GetCachePolicy(), 0x70);
    EXPECT_EQ(plan->SetReadPolicy(3), -1);
    EXPECT_EQ(plan->GetCachePolicy(), 0x70);
    EXPECT_EQ(plan->SetRaidLevel(10), -1);  // a -r value, not a level code
    EXPECT_EQ(plan->SetName("sixteen-letters!"), -1);
    EXPECT_EQ(plan->SetName("fifteen-letters"), 0);
}

TEST(PlanDefaultsTest, NoPlanWithoutTheControllerDefaults)
{
    CfgRig rig;
    rig.provider->Fail(kDcmdCtrlGetDefaults, 12);
    int defaultsStatus = 0;
    EXPECT_EQ(UnCfgdVdOnFreshPd::Create(rig.manager.get(), &defaultsStatus), nullptr);
    EXPECT_EQ(defaultsStatus, 12);
    rig.provider->statuses.erase({kDcmdCtrlGetDefaults, 0});
    std::unique_ptr<UnCfgdVdOnFreshPd> plan(UnCfgdVdOnFreshPd::Create(rig.manager.get(), &defaultsStatus));
    ASSERT_NE(plan, nullptr);  // a failed read is asked again, and answers this time
    EXPECT_EQ(defaultsStatus, 0);
    EXPECT_EQ(plan->GetStripSize(), 9);
    // Without the controller information there is no plan either, and no defaults status.
    CfgRig blind;
    blind.provider->Fail(kDcmdCtrlGetInfo, 1);
    EXPECT_EQ(UnCfgdVdOnFreshPd::Create(blind.manager.get()), nullptr);
    EXPECT_EQ(UnCfgdVdOnFreshPd::Create(static_cast<RaidManager*>(nullptr)), nullptr);
}

// A RAID 5 disk group on drives 10-12 (2000000 blocks each) with two virtual drives, listed
// out of start order, and a gap too small to use between them.
class FreeSpacePlanTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}, {12, 2, 0x18}});
        model_test::VdShape later{1, 5, {{0, 404096, 200000}}, 3};
        model_test::VdShape first{0, 5, {{0, 0, 400000}}, 3};
        Bytes image = model_test::CfgImage({{0, {10, 11, 12}, 2000000}}, {later, first}, {});
        image[32 + 288 + 27] = 1;  // the first listed drive is encrypted
        rig.SetCfg(image);
        List<DiskGroup*>* dgs = nullptr;
        ASSERT_EQ(rig.manager->GetDiskGroupList(&dgs), 0);
        dg = dgs->GetAt(0);
        List<Array*>* arrays = nullptr;
        ASSERT_EQ(dg->GetArrayList(&arrays), 0);
        array = arrays->GetAt(0);
    }

    CfgRig rig;
    DiskGroup* dg = nullptr;
    Array* array = nullptr;
};

TEST_F(FreeSpacePlanTest, ArrayExtentsInStartOrder)
{
    ArrayList<ArraySpaceInfo*>* all = nullptr;
    ASSERT_EQ(array->GetSpaceInfoList(&all), 0);
    EXPECT_EQ(Extents(all), (std::vector<Extent>{{0, 400000, false},
                                                 {400000, 4096, true},
                                                 {404096, 200000, false},
                                                 {604096, 1395904, true}}));
    ArrayList<ArraySpaceInfo*>* free = nullptr;
    ASSERT_EQ(array->GetFreeSpaceList(&free), 0);
    EXPECT_EQ(Extents(free), (std::vector<Extent>{{400000, 4096, true}, {604096, 1395904, true}}));

    // Capacity of an extent: its size times the data drives of RAID 5 on three rows.
    ArraySpaceInfo tail(604096, 1395904, nullptr);
    u64 capacity = 0;
    ASSERT_EQ(array->GetVdCapacity(&tail, &capacity), 0);
    EXPECT_EQ(capacity, 2u * 1395904u);
    EXPECT_EQ(array->GetVdCapacity(nullptr, &capacity), -1);
    EXPECT_NE(dynamic_cast<ArrayHmg*>(array), nullptr);
}

TEST_F(FreeSpacePlanTest, PlanTakesUsableExtentsAndTheGroupsLevel)
{
    std::unique_ptr<UnCfgdVdOnFreeSpOnPd> plan(UnCfgdVdOnFreeSpOnPd::Create(rig.manager.get(), dg));
    ASSERT_NE(plan, nullptr);
    ArrayList<ArraySpaceInfo*>* usable = nullptr;
    ASSERT_EQ(plan->GetFreeSpaceList(&usable), 0);
    ASSERT_NE(usable, nullptr);
    ASSERT_EQ(usable->GetCount(), 1);  // the 4096-block gap is below 0x32000
    ArraySpaceInfo extent = *usable->GetAt(0);
    Extents(usable);

    ArrayList<u8>* levels = nullptr;
    ASSERT_EQ(plan->GetPossibleRaidLevels(&levels), 0);
    EXPECT_EQ(Codes(levels), std::vector<u8>{5});
    u8 encryption = 0;
    plan->GetEncryptionType(&encryption);
    EXPECT_EQ(encryption, 1);

    EXPECT_FALSE(plan->IsValid());  // no extent yet
    ASSERT_EQ(plan->SetArraySpaceInfo(&extent), 0);
    EXPECT_TRUE(plan->CheckArraySpaceInfo());
    u64 capacity = 0;
    ASSERT_EQ(plan->ComputeCapacity(&capacity), 0);
    EXPECT_EQ(capacity, 2u * 1395904u);
    plan->SetSize(0x32000);
    ASSERT_EQ(rig.manager->AddCfgForFreeSpaceVd(plan.get()), 0);

    const Bytes image = rig.provider->Of(kDcmdCfgAdd).at(0).data;
    ASSERT_EQ(image.size(), 32u + 256);  // no array record
    EXPECT_EQ(LeU16(image.data(), 4), 0);
    const u8* vd = image.data() + 32;
    EXPECT_EQ(vd[32], 5);
    EXPECT_EQ(vd[27], 1);
    EXPECT_EQ(vd[36], 3);
    EXPECT_EQ(vd[37], 1);
    EXPECT_EQ(LeU64(vd, 48), 0x32000u);
    EXPECT_EQ(LeU64(vd, 64), 604096u);
    EXPECT_EQ(LeU64(vd, 72), 0x19000u);
    EXPECT_EQ(LeU16(vd, 80), 0);
}

TEST_F(FreeSpacePlanTest, OccupiedOrOversizedExtentIsNotValid)
{
    std::unique_ptr<UnCfgdVdOnFreeSpOnPd> plan(UnCfgdVdOnFreeSpOnPd::Create(rig.manager.get(), dg));
    ArraySpaceInfo occupied(0, 400000, nullptr);
    plan->SetArraySpaceInfo(&occupied);
    EXPECT_FALSE(plan->IsValid());
    ArraySpaceInfo tail(604096, 1395904, nullptr);
    plan->SetArraySpaceInfo(&tail);
    plan->SetSize(2u * 1395904u + 1);
    EXPECT_FALSE(plan->IsValid());
    plan->SetRaidLevel(raidlevel::kRaid6);
    plan->SetSize(0);
    EXPECT_FALSE(plan->IsValid());  // not the group's level
    EXPECT_EQ(rig.manager->AddCfgForFreeSpaceVd(plan.get()), -1);
    EXPECT_EQ(UnCfgdVdOnFreeSpOnPd::Create(rig.manager.get(), nullptr), nullptr);
}

TEST(SpannedFreeSpaceTest, EveryArrayOfTheGroupGetsASpanAtTheExtent)
{
    CfgRig rig;
    rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}, {12, 2, 0x18}, {13, 3, 0x18}});
    rig.SetCfg(model_test::CfgImage({{4, {10, 11}, 2000000}, {9, {12, 13}, 2000000}},
                                    {{0, 1, {{4, 0, 500000}, {9, 0, 500000}}, 2}}, {}));
    List<DiskGroup*>* dgs = nullptr;
    ASSERT_EQ(rig.manager->GetDiskGroupList(&dgs), 0);
    ASSERT_EQ(dgs->GetCount(), 1);
    std::unique_ptr<UnCfgdVdOnFreeSpOnPd> plan(UnCfgdVdOnFreeSpOnPd::Create(rig.manager.get(), dgs->GetAt(0)));
    ArrayList<u8>* levels = nullptr;
    ASSERT_EQ(plan->GetPossibleRaidLevels(&levels), 0);
    EXPECT_EQ(Codes(levels), std::vector<u8>{raidlevel::kRaid10});
    ArraySpaceInfo tail(500000, 1500000, nullptr);
    plan->SetArraySpaceInfo(&tail);
    u64 capacity = 0;
    ASSERT_EQ(plan->ComputeCapacity(&capacity), 0);
    EXPECT_EQ(capacity, 3000000u);
    ASSERT_EQ(rig.manager->AddCfgForFreeSpaceVd(plan.get()), 0);
    const Bytes image = rig.provider->Of(kDcmdCfgAdd).at(0).data;
    ASSERT_EQ(image.size(), 32u + 256);
    const u8* vd = image.data() + 32;
    EXPECT_EQ(vd[37], 2);
    EXPECT_EQ(LeU64(vd, 64), 500000u);
    EXPECT_EQ(LeU16(vd, 64 + 16), 4);
    EXPECT_EQ(LeU64(vd, 64 + 24), 500000u);
    EXPECT_EQ(LeU16(vd, 64 + 24 + 16), 9);
}

TEST(AdapterLimitsTest, LevelsFromTheirBitsAndLimitsByLevelCode)
{
    Bytes info = CtrlInfo();
    info[1500] = 0x21;  // RAID 0 and RAID 10
    CfgRig rig;
    rig.provider->Reply(kDcmdCtrlGetInfo, info);
    Adapter* adapter = nullptr;
    ASSERT_EQ(rig.manager->GetAdapter(&adapter), 0);
    ArrayList<u8>* levels = nullptr;
    ASSERT_EQ(adapter->GetSupportedRaidLevels(&levels), 0);
    EXPECT_EQ(Codes(levels), (std::vector<u8>{0, 32}));
    u8 value = 0;
    ASSERT_EQ(adapter->GetMinPdsPerArray(&value, raidlevel::kRaid50), 0);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(adapter->GetMaxPdsPerArray(&value, 50), -1);  // a -r value, not a level code
}

}  // namespace
