// The configuration snapshot built from configuration images: arrays, disk groups, virtual
// drives with their spans, spares; and images that are truncated or inconsistent.
#include <gtest/gtest.h>

#include "ModelFake.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/Array.h"
#include "raidmodel/DiskGroup.h"
#include "raidmodel/RmCfg.h"
#include "raidmodel/Span.h"
#include "raidmodel/Spare.h"
#include "raidmodel/VirtualDisk.h"

using namespace model_test;

namespace {


// Eight drives in enclosure 252, slots 0-7, device ids 10-17, and the enclosure itself.
std::vector<DevEntry> EightDrives()
{
    std::vector<DevEntry> devices{{252, 252, 0, 13}};
    for (u8 s = 0; s < 8; ++s)
        devices.push_back({static_cast<u16>(10 + s), 252, s});
    return devices;
}

class CfgModelTest : public ::testing::Test {
protected:
    void SetUp() override { rig.provider->Reply(kDcmdPdGetList, DeviceList(EightDrives())); }

    // Builds the snapshot from exactly `image` (a heap block of its own size) and returns the status.
    int Build(const Bytes& image) { return rig.manager->BuildRmCfg(image.data(), static_cast<u32>(image.size())); }

    std::vector<u16> DeviceIds(List<PhysicalDevice*>* pds)
    {
        std::vector<u16> ids;
        for (unsigned i = 0; i < pds->GetCount(); ++i) {
            u16 id = 0;
            pds->GetAt(static_cast<u8>(i))->GetDeviceId(&id);
            ids.push_back(id);
        }
        return ids;
    }

    ModelRig rig;
};

TEST_F(CfgModelTest, ArraysVirtualDrivesAndSparesAreLinked)
{
    // A RAID 5 on array 0, a RAID 10 spanning arrays 1 and 2, a plain array 3 without drive;
    // a dedicated spare for arrays 1 and 2, a global spare.
    const Bytes image = CfgImage({{100, {10, 11, 12}}, {101, {13, 14}}, {102, {15, 0xFFFF}}, {103, {16}}},
                                 {{0, 5, {{100}}, 3}, {1, 1, {{101}, {102}}, 2}},
                                 {{17, {101, 102}, true, true}, {9, {}}});
    ASSERT_EQ(Build(image), 0);

    List<VirtualDisk*>* vds = nullptr;
    ASSERT_EQ(rig.manager->GetVdList(&vds), 0);
    ASSERT_EQ(vds->GetCount(), 2);
    VirtualDisk* raid10 = vds->GetAt(1);
    EXPECT_EQ(raid10->GetId()->GetTargetId(), 1);
    List<Span*>* spans = nullptr;
    ASSERT_EQ(raid10->GetSpanList(&spans), 0);
    ASSERT_EQ(spans->GetCount(), 2);
    Array* second = nullptr;
    ASSERT_EQ(spans->GetAt(1)->GetArray(&second), 0);
    EXPECT_EQ(second->GetRef(), 102);

    // The missing row is kept as a row but has no drive.
    EXPECT_EQ(second->GetRowCount(), 2);
    EXPECT_EQ(second->GetRowDeviceId(1), 0xFFFF);
    EXPECT_EQ(second->GetRowPd(1), nullptr);
    List<PhysicalDevice*>* members = nullptr;
    ASSERT_EQ(second->GetPdList(&members), 0);
    EXPECT_EQ(DeviceIds(members), std::vector<u16>{15});

    // Disk groups: the spanned drive joins arrays 1 and 2; the array without drive is its own.
    List<DiskGroup*>* dgs = nullptr;
    ASSERT_EQ(rig.manager->GetDiskGroupList(&dgs), 0);
    ASSERT_EQ(dgs->GetCount(), 3);
    List<Array*>* dgArrays = nullptr;
    ASSERT_EQ(dgs->GetAt(1)->GetArrayList(&dgArrays), 0);
    EXPECT_EQ(dgArrays->GetCount(), 2);
    EXPECT_EQ(std::string(dgs->GetAt(1)->ToString().GetCStr()), "Number of Spans: 2\n");
    List<VirtualDisk*>* lastVds = nullptr;
    EXPECT_EQ(dgs->GetAt(2)->GetVdList(&lastVds), -1);

    // The dedicated spare serves the spanned drive once, though it names both of its arrays.
    List<Spare*>* spares = nullptr;
    ASSERT_EQ(raid10->GetSpareList(&spares), 0);
    ASSERT_EQ(spares->GetCount(), 1);
    EXPECT_EQ(spares->GetAt(0)->GetDeviceId(), 17);
    EXPECT_EQ(std::string(spares->GetAt(0)->ToString().GetCStr()),
              "Hotspare Information: \nType: Dedicated, is revertible, with enclosure affinity\nArray #: 1,2\n");
    ASSERT_EQ(vds->GetAt(0)->GetSpareList(&spares), 0);
    EXPECT_EQ(spares->GetCount(), 0);

    RmCfg* cfg = nullptr;
    ASSERT_EQ(rig.manager->GetRmCfg(&cfg), 0);
    EXPECT_EQ(std::string(cfg->FindSpare(9)->ToString().GetCStr()), "Hotspare Information: \nType: Global\n");
    EXPECT_EQ(std::string(second->ToString().GetCStr()),
              "Number of PDs: 2\nNumber of VDs: 1\nNumber of dedicated Hotspares: 1\n");

    // Member drives of a virtual drive, span by span.
    ArrayList<PhysicalDevice*> pds;
    ASSERT_EQ(rig.manager->GetVdPdList(&pds, 1), 0);
    EXPECT_EQ(DeviceIds(&pds), (std::vector<u16>{13, 14, 15}));
    EXPECT_EQ(rig.manager->GetVdPdList(&pds, 7), -1);
}

TEST_F(CfgModelTest, CapacityFollowsTheRaidLevel)
{
    const Bytes image = CfgImage({{1, {10, 11, 12, 13}}, {2, {14, 15}}, {3, {16, 17}}},
                                 {{0, 5, {{1, 0, 1000}}, 4}, {1, 17, {{2, 0, 500}, {3, 0, 500}}, 2},
                                  {2, 6, {{1, 1000, 100}}, 4}, {3, 0, {{2, 500, 10}}, 2}},
                                 {});
    ASSERT_EQ(Build(image), 0);
    List<VirtualDisk*>* vds = nullptr;
    ASSERT_EQ(rig.manager->GetVdList(&vds), 0);
    const u64 expected[] = {3000, 1000, 200, 20};
    for (u8 i = 0; i < 4; ++i) {
        u64 capacity = 0;
        ASSERT_EQ(vds->GetAt(i)->GetCapacity(&capacity), 0);
        EXPECT_EQ(capacity, expected[i]) << "drive " << int(i);
    }
    u8 level = 0;
    vds->GetAt(1)->GetRaidLevel(&level);
    EXPECT_EQ(level, 1);  // the firmware's 17 is RAID 1
}

TEST_F(CfgModelTest, BadImagesFailWithoutReadingPastThem)
{
    const Bytes good = CfgImage({{100, {10, 11}}}, {{0, 1, {{100}}}}, {{12, {100}}});
    ASSERT_EQ(Build(good), 0);

    struct Case {
        const char* what;
        Bytes image;
    };
    std::vector<Case> cases;
    cases.push_back({"shorter than the header", Bytes(good.begin(), good.begin() + 20)});
    cases.push_back({"records cut off", Bytes(good.begin(), good.end() - 1)});
    Bytes counts = good;
    Put16(counts, 8, 3);  // three virtual drives announced, one there
    cases.push_back({"count beyond the length", counts});
    Bytes huge = good;
    Put16(huge, 4, 0xFFFF);
    cases.push_back({"count beyond any list", huge});
    Bytes rows = good;
    rows[32 + 8] = 33;
    cases.push_back({"more than 32 rows", rows});
    Bytes span = good;
    Put16(span, 32 + 288 + 64 + 16, 555);
    cases.push_back({"span naming an absent array", span});
    Bytes depth = good;
    depth[32 + 288 + 37] = 9;
    cases.push_back({"more than 8 spans", depth});
    Bytes spare = good;
    Put16(spare, 32 + 288 + 256 + 8, 556);
    cases.push_back({"spare naming an absent array", spare});
    Bytes spareRefs = good;
    spareRefs[32 + 288 + 256 + 7] = 17;
    cases.push_back({"spare with more than 16 arrays", spareRefs});
    Bytes recordSize = good;
    Put16(recordSize, 6, 300);
    cases.push_back({"unknown record size", recordSize});
    cases.push_back({"two arrays with one reference", CfgImage({{5, {10}}, {5, {11}}}, {}, {})});

    for (const Case& c : cases) {
        EXPECT_NE(Build(c.image), 0) << c.what;
        List<VirtualDisk*>* vds = reinterpret_cast<List<VirtualDisk*>*>(1);
        List<DiskGroup*>* dgs = nullptr;
        // Nothing of a refused image is held; the lists are read again from the controller,
        // which has no configuration to give here.
        EXPECT_EQ(rig.manager->GetVdList(&vds), -1) << c.what;
        EXPECT_EQ(vds, nullptr) << c.what;
        EXPECT_EQ(rig.manager->GetDiskGroupList(&dgs), -1) << c.what;
    }
}

TEST_F(CfgModelTest, ReadsTheWholeImageWhenTheFirstReadIsTooShort)
{
    // Three arrays and two drives are more than the first 616 bytes.
    const Bytes image = CfgImage({{1, {10}}, {2, {11}}, {3, {12}}}, {{0, 0, {{1}}, 1}, {1, 0, {{2}}, 1}}, {});
    ASSERT_GT(image.size(), 616u);
    rig.provider->Reply(kDcmdCfgRead, image);
    List<VirtualDisk*>* vds = nullptr;
    ASSERT_EQ(rig.manager->GetVdList(&vds), 0);
    EXPECT_EQ(vds->GetCount(), 2);
    EXPECT_EQ(rig.provider->Count(kDcmdCfgRead), 2);

    // A small image is read once.
    ModelRig small;
    small.provider->Reply(kDcmdPdGetList, DeviceList(EightDrives()));
    small.provider->Reply(kDcmdCfgRead, CfgImage({{1, {10}}}, {{0, 0, {{1}}, 1}}, {}));
    ASSERT_EQ(small.manager->GetVdList(&vds), 0);
    EXPECT_EQ(small.provider->Count(kDcmdCfgRead), 1);
}

TEST_F(CfgModelTest, AnImageWhoseCountsGrowBetweenReadsIsRefused)
{
    // The first read announces three arrays; the full read then claims five, more than the
    // bytes asked for.
    const Bytes first = CfgImage({{1, {10}}, {2, {11}}, {3, {12}}}, {}, {});
    Bytes second = first;
    Put16(second, 4, 5);
    rig.provider->ReplySequence(kDcmdCfgRead, {first, second});
    List<VirtualDisk*>* vds = nullptr;
    EXPECT_EQ(rig.manager->GetVdList(&vds), -1);
    EXPECT_EQ(rig.provider->Count(kDcmdCfgRead), 2);
}

}  // namespace
