// The extents of an array held by their owner and handed over as lists: the owned and the listed
// extents agree, the free ones are the gaps, and what a list cannot take is freed, not lost.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "CfgFake.h"
#include "raidmodel/Array.h"
#include "raidmodel/ArraySpaceInfo.h"
#include "raidmodel/DiskGroup.h"

namespace {

struct ArrayExtentsRow {
    u64 start;
    u64 size;
    bool free;
    bool operator==(const ArrayExtentsRow&) const = default;
};

std::vector<ArrayExtentsRow> ArrayExtentsRows(const ArraySpaceInfos& extents)
{
    std::vector<ArrayExtentsRow> rows;
    for (const std::unique_ptr<ArraySpaceInfo>& e : extents)
        rows.push_back({e->GetStart(), e->GetSize(), e->IsFree()});
    return rows;
}

std::vector<ArrayExtentsRow> ArrayExtentsRows(const OwnedList<ArraySpaceInfo>& list)
{
    std::vector<ArrayExtentsRow> rows;
    for (unsigned i = 0; list && i < list->GetCount(); ++i) {
        const ArraySpaceInfo* e = list->GetAt(static_cast<u8>(i));
        rows.push_back({e->GetStart(), e->GetSize(), e->IsFree()});
    }
    return rows;
}

// The first array of the configuration image on drives 10-12 (2000000 blocks each).
class ArrayExtentsTest : public ::testing::Test {
protected:
    Array* LoadArray(const std::vector<model_test::VdShape>& vds)
    {
        rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}, {12, 2, 0x18}});
        rig.SetCfg(model_test::CfgImage({{0, {10, 11, 12}, 2000000}}, vds, {}));
        List<DiskGroup*>* dgs = nullptr;
        List<Array*>* arrays = nullptr;
        if (rig.manager->GetDiskGroupList(&dgs) != 0 || dgs->GetAt(0)->GetArrayList(&arrays) != 0)
            return nullptr;
        return arrays->GetAt(0);
    }

    cfg_test::CfgRig rig;
};

TEST_F(ArrayExtentsTest, OwnedAndListedExtentsAgree)
{
    // Two virtual drives listed out of start order, a gap between them and room after them.
    Array* array = LoadArray({{1, 5, {{0, 404096, 200000}}, 3}, {0, 5, {{0, 0, 400000}}, 3}});
    ASSERT_NE(array, nullptr);
    const std::vector<ArrayExtentsRow> all{
        {0, 400000, false}, {400000, 4096, true}, {404096, 200000, false}, {604096, 1395904, true}};
    const std::vector<ArrayExtentsRow> free{{400000, 4096, true}, {604096, 1395904, true}};
    EXPECT_EQ(ArrayExtentsRows(array->SpaceExtents()), all);
    EXPECT_EQ(ArrayExtentsRows(array->FreeExtents()), free);

    ArrayList<ArraySpaceInfo*>* listed = nullptr;
    ASSERT_EQ(array->GetSpaceInfoList(&listed), 0);
    EXPECT_EQ(ArrayExtentsRows(OwnedList<ArraySpaceInfo>(listed)), all);
    listed = nullptr;
    ASSERT_EQ(array->GetFreeSpaceList(&listed), 0);
    EXPECT_EQ(ArrayExtentsRows(OwnedList<ArraySpaceInfo>(listed)), free);
}

TEST_F(ArrayExtentsTest, FreeExtentHoldsOnlyWhatLiesInsideOneGap)
{
    Array* array = LoadArray({{1, 5, {{0, 404096, 200000}}, 3}, {0, 5, {{0, 0, 400000}}, 3}});
    ASSERT_NE(array, nullptr);
    EXPECT_TRUE(array->HasFreeExtent(400000, 4096));      // the gap exactly
    EXPECT_TRUE(array->HasFreeExtent(604096, 1395904));   // the room after, to the array's end
    EXPECT_TRUE(array->HasFreeExtent(700000, 1000));
    EXPECT_FALSE(array->HasFreeExtent(400000, 4097));     // into the second virtual drive
    EXPECT_FALSE(array->HasFreeExtent(399999, 2));        // from the first virtual drive
    EXPECT_FALSE(array->HasFreeExtent(604096, 1395905));  // past the array's end
    EXPECT_FALSE(array->HasFreeExtent(400000, 300000));   // across a virtual drive into the next gap
}

TEST_F(ArrayExtentsTest, FullArrayHasNoFreeList)
{
    Array* array = LoadArray({{0, 5, {{0, 0, 2000000}}, 3}});
    ASSERT_NE(array, nullptr);
    EXPECT_TRUE(array->FreeExtents().empty());
    EXPECT_EQ(ArrayExtentsRows(array->SpaceExtents()), (std::vector<ArrayExtentsRow>{{0, 2000000, false}}));
    ArrayList<ArraySpaceInfo*>* untouched = nullptr;
    EXPECT_EQ(array->GetFreeSpaceList(&untouched), Array::kStatusNoFreeSpace);
    EXPECT_EQ(untouched, nullptr);
    EXPECT_FALSE(array->HasFreeExtent(0, 1));
}

TEST(ArrayExtentsHandOver, ListTakesWhatItHoldsAndTheRestIsFreed)
{
    // More extents than a list holds: the list keeps the first ones in order; the others are
    // freed here (the leak check of the sanitized suite sees any that is not).
    ArraySpaceInfos extents;
    for (u64 i = 0; i < List<ArraySpaceInfo*>::kMaxCount + 3; ++i)
        extents.push_back(std::make_unique<ArraySpaceInfo>(i * 10, 10, nullptr));
    const OwnedList<ArraySpaceInfo> list(ReleaseExtentList(std::move(extents)));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->GetCount(), List<ArraySpaceInfo*>::kMaxCount);
    EXPECT_EQ(list->GetAt(0)->GetStart(), 0u);
    EXPECT_EQ(list->GetAt(static_cast<u8>(List<ArraySpaceInfo*>::kMaxCount - 1))->GetStart(),
              (List<ArraySpaceInfo*>::kMaxCount - 1) * 10u);

    const OwnedList<ArraySpaceInfo> empty(ReleaseExtentList({}));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->GetCount(), 0);
}

}  // namespace
