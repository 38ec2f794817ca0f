// The checks before a new virtual drive: CheckSpanPdLists on named drives, CanCreateVd and
// CanCreateVdOnDiskGroup.
#include <gtest/gtest.h>

#include "CfgFake.h"
#include "raidmodel/DiskGroup.h"

using namespace cfg_test;

namespace {

class SpanCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Slots 0-2: a RAID 5 (array 0); slots 3-6: a RAID 10 over arrays 1 and 2; slot 7 and
        // 9 unconfigured good, slot 8 a hot spare.
        rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}, {12, 2, 0x18}, {13, 3, 0x18}, {14, 4, 0x18},
                       {15, 5, 0x18}, {16, 6, 0x18}, {17, 7}, {18, 8, 0x02}, {19, 9}});
        SetCfg({});
    }

    // The configuration above plus further virtual drives.
    void SetCfg(std::vector<model_test::VdShape> more)
    {
        std::vector<model_test::VdShape> vds{{0, 5, {{0, 0, 400000}}, 3}, {1, 1, {{1, 0, 500000}, {2, 0, 500000}}, 2}};
        vds.insert(vds.end(), more.begin(), more.end());
        rig.SetCfg(model_test::CfgImage(
            {{0, {10, 11, 12}, 2000000}, {1, {13, 14}, 2000000}, {2, {15, 16}, 2000000}}, vds, {{18, {}}}));
        ASSERT_EQ(rig.manager->Refresh(), 0);
    }

    int Check(std::vector<std::vector<u8>> slots, DiskGroup** dg = nullptr)
    {
        Spans spans;
        for (const auto& group : slots) {
            std::vector<PhysicalDevice*> drives;
            for (u8 slot : group)
                drives.push_back(rig.Pd(slot));
            spans.Add(drives);
        }
        DiskGroup* found = reinterpret_cast<DiskGroup*>(1);
        const int status = rig.manager->CheckSpanPdLists(&spans.outer, &found);
        if (dg != nullptr)
            *dg = found;
        return status;
    }

    DiskGroup* Group(u8 index)
    {
        List<DiskGroup*>* dgs = nullptr;
        EXPECT_EQ(rig.manager->GetDiskGroupList(&dgs), 0);
        return dgs->GetAt(index);
    }

    CfgRig rig;
};

TEST_F(SpanCheckTest, UnconfiguredDrivesFormANewGroup)
{
    DiskGroup* dg = nullptr;
    EXPECT_EQ(Check({{7, 9}}, &dg), RaidManager::kSpanOk);
    EXPECT_EQ(dg, nullptr);
    EXPECT_EQ(Check({{7}, {9}}), RaidManager::kSpanOk);
    EXPECT_EQ(Check({{0, 7}}), RaidManager::kSpanMix);
    EXPECT_EQ(Check({{7, 8}}), RaidManager::kSpanAttributes);  // a hot spare
    EXPECT_EQ(Check({{7, 7}}), RaidManager::kSpanAttributes);  // named twice
    EXPECT_EQ(Check({{7, 9}, {7}}), RaidManager::kSpanCount);
}

TEST_F(SpanCheckTest, ConfiguredDrivesMustNameTheirDiskGroup)
{
    DiskGroup* dg = nullptr;
    EXPECT_EQ(Check({{2, 0, 1}}, &dg), RaidManager::kSpanOk);  // any order
    EXPECT_EQ(dg, Group(0));
    EXPECT_EQ(Check({{3, 4}, {5, 6}}, &dg), RaidManager::kSpanOk);
    EXPECT_EQ(dg, Group(1));

    EXPECT_EQ(Check({{0, 1}}, &dg), RaidManager::kSpanCount);  // the array has three drives
    EXPECT_EQ(dg, nullptr);
    EXPECT_EQ(Check({{0, 1, 3}}), RaidManager::kSpanArrayMismatch);
    EXPECT_EQ(Check({{3, 4}}), RaidManager::kSpanDgMismatch);          // one array of two
    EXPECT_EQ(Check({{3, 4}, {3, 4}}), RaidManager::kSpanDgMismatch);  // an array twice
}

TEST_F(SpanCheckTest, MissingListsAndEmptySpans)
{
    DiskGroup* dg = reinterpret_cast<DiskGroup*>(1);
    EXPECT_EQ(rig.manager->CheckSpanPdLists(nullptr, &dg), RaidManager::kSpanNoList);
    EXPECT_EQ(dg, nullptr);
    Spans spans;
    EXPECT_EQ(rig.manager->CheckSpanPdLists(&spans.outer, &dg), RaidManager::kSpanEmpty);
    spans.Add({});
    EXPECT_EQ(rig.manager->CheckSpanPdLists(&spans.outer, &dg), RaidManager::kSpanEmpty);
    Spans holes;
    holes.outer.Add(nullptr);
    EXPECT_EQ(rig.manager->CheckSpanPdLists(&holes.outer, &dg), RaidManager::kSpanNoList);
    Spans nullDrive;
    nullDrive.Add({rig.Pd(7), nullptr});
    EXPECT_EQ(rig.manager->CheckSpanPdLists(&nullDrive.outer, &dg), RaidManager::kSpanNoList);
    // The configuration cannot be read: no status of the table.
    rig.provider->Fail(kDcmdCfgRead, 3);
    ASSERT_NE(rig.manager->Refresh(), 0);
    Spans fine;
    fine.Add({rig.Pd(7)});
    EXPECT_EQ(rig.manager->CheckSpanPdLists(&fine.outer, &dg), -1);
}

TEST_F(SpanCheckTest, FreeSpaceOfTheGroup)
{
    // The RAID 5 array filled up to less than the smallest usable extent.
    SetCfg({{3, 5, {{0, 400000, 1600000 - 0x31000}}, 3}});
    EXPECT_EQ(Check({{0, 1, 2}}), RaidManager::kSpanNoFreeSpace);
    // A second RAID 10 whose spans lie at different places on the two arrays.
    SetCfg({{3, 1, {{1, 500000, 100000}, {2, 1000000, 100000}}, 2}});
    EXPECT_EQ(Check({{3, 4}, {5, 6}}), RaidManager::kSpanFreeSpaceMismatch);
}

class CanCreateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}, {12, 2}, {13, 3, 0, 2000000, 2, 0, 3, 0, true}});
        rig.SetCfg(model_test::CfgImage({{0, {10, 11}, 2000000}}, {{0, 1, {{0, 0, 500000}}, 2}}, {}));
        rig.provider->Reply(kDcmdLdGetList, VdList({0}));
    }

    void Limits(u8 maxVds, u8 perArray)
    {
        Bytes info = CtrlInfo();
        info[1343] = maxVds;
        info[1928] = perArray;
        rig.provider->Reply(kDcmdCtrlGetInfo, info);
        ASSERT_EQ(rig.manager->RefreshAdapter(), 0);
    }

    DiskGroup* Group()
    {
        List<DiskGroup*>* dgs = nullptr;
        EXPECT_EQ(rig.manager->GetDiskGroupList(&dgs), 0);
        return dgs->GetAt(0);
    }

    CfgRig rig;
};

TEST_F(CanCreateTest, OnUnconfiguredDrives)
{
    u8 possible = 9, notEligible = 9;
    EXPECT_EQ(rig.manager->CanCreateVd(&possible, &notEligible), 0);
    EXPECT_EQ(possible, 1);
    EXPECT_EQ(notEligible, 0);  // slot 3 is PI-eligible

    rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}, {12, 2}});
    ASSERT_EQ(rig.manager->Refresh(), 0);
    EXPECT_EQ(rig.manager->CanCreateVd(&possible, &notEligible), 0);
    EXPECT_EQ(notEligible, 1);

    rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}});
    ASSERT_EQ(rig.manager->Refresh(), 0);
    EXPECT_EQ(rig.manager->CanCreateVd(&possible, nullptr), RaidManager::kStatusNoUsablePd);
    EXPECT_EQ(possible, 0);
}

TEST_F(CanCreateTest, AtTheControllersLimit)
{
    Limits(1, 16);
    u8 possible = 9;
    EXPECT_EQ(rig.manager->CanCreateVd(&possible, nullptr), RaidManager::kStatusVdLimit);
    EXPECT_EQ(possible, 0);
    EXPECT_EQ(rig.manager->CanCreateVdOnDiskGroup(Group(), &possible), RaidManager::kStatusVdLimit);
    EXPECT_EQ(possible, 0);
    rig.provider->Fail(kDcmdLdGetList, 5);
    ASSERT_EQ(rig.manager->Refresh(), 0);
    EXPECT_EQ(rig.manager->CanCreateVd(&possible, nullptr), 5);
}

TEST_F(CanCreateTest, OnADiskGroup)
{
    u8 possible = 9;
    EXPECT_EQ(rig.manager->CanCreateVdOnDiskGroup(Group(), &possible), 0);
    EXPECT_EQ(possible, 1);
    EXPECT_EQ(rig.manager->CanCreateVdOnDiskGroup(nullptr, &possible), RaidManager::kStatusNoFreeExtent);

    Limits(64, 1);  // one virtual drive per array
    EXPECT_EQ(rig.manager->CanCreateVdOnDiskGroup(Group(), &possible), RaidManager::kStatusVdLimit);
}

TEST_F(CanCreateTest, RebuildingMemberOrFullArray)
{
    rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x14}, {12, 2}});
    ASSERT_EQ(rig.manager->Refresh(), 0);
    u8 possible = 9;
    EXPECT_EQ(rig.manager->CanCreateVdOnDiskGroup(Group(), &possible), RaidManager::kStatusRebuilding);
    EXPECT_EQ(possible, 0);

    rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}});
    rig.SetCfg(model_test::CfgImage({{0, {10, 11}, 2000000}}, {{0, 1, {{0, 0, 2000000}}, 2}}, {}));
    ASSERT_EQ(rig.manager->Refresh(), 0);
    EXPECT_EQ(rig.manager->CanCreateVdOnDiskGroup(Group(), &possible), RaidManager::kStatusNoFreeExtent);
}

TEST_F(CanCreateTest, SixteenVirtualDrivesInAGroupIsOnlyAWarning)
{
    Limits(64, 64);
    std::vector<model_test::VdShape> vds;
    std::vector<u8> targets;
    for (u8 t = 0; t < 16; ++t) {
        vds.push_back({t, 1, {{0, 100000u * t, 100000}}, 2});
        targets.push_back(t);
    }
    rig.SetCfg(model_test::CfgImage({{0, {10, 11}, 2000000}}, vds, {}));
    rig.provider->Reply(kDcmdLdGetList, VdList(targets));
    ASSERT_EQ(rig.manager->Refresh(), 0);
    u8 possible = 9;
    EXPECT_EQ(rig.manager->CanCreateVdOnDiskGroup(Group(), &possible), RaidManager::kStatus16VdsPerDg);
    EXPECT_EQ(possible, 1);
}

}  // namespace
