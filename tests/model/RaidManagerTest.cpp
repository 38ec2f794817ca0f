// The manager's drive and virtual-drive queries over a fake controller, the device list's
// bounds, the single-enclosure rule and the number of requests a snapshot costs.
#include <gtest/gtest.h>

#include "ModelFake.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/VirtualDisk.h"
#include "raidmodel/ids/EnclSlotId.h"
#include "raidmodel/ids/VdIdFwi.h"

using namespace model_test;

namespace {

std::vector<u16> Ids(List<PhysicalDevice*>* pds)
{
    std::vector<u16> ids;
    for (unsigned i = 0; i < pds->GetCount(); ++i) {
        u16 id = 0;
        pds->GetAt(static_cast<u8>(i))->GetDeviceId(&id);
        ids.push_back(id);
    }
    return ids;
}

TEST(DeviceListTest, CountsThatDoNotFitTheReplyAreRefused)
{
    {
        // The head announces a million devices: refused before anything that large is asked for.
        ModelRig rig;
        Bytes head = DeviceList({{10, 252, 0}});
        Put32(head, 4, 1000000);
        rig.provider->Reply(kDcmdPdGetList, head);
        u16 count = 0;
        EXPECT_NE(rig.manager->GetPdCount(&count), 0);
        EXPECT_EQ(rig.provider->Count(kDcmdPdGetList), 1);
        EXPECT_EQ(rig.manager->GetPdByDeviceId(10), nullptr);
    }
    {
        // Three devices announced, four in the full reply: they do not fit the bytes asked for.
        ModelRig rig;
        const Bytes three = DeviceList({{10, 252, 0}, {11, 252, 1}, {12, 252, 2}});
        const Bytes four = DeviceList({{10, 252, 0}, {11, 252, 1}, {12, 252, 2}, {13, 252, 3}});
        rig.provider->ReplySequence(kDcmdPdGetList, {three, four});
        List<PhysicalDevice*>* pds = nullptr;
        EXPECT_NE(rig.manager->GetPdList(&pds), 0);
        EXPECT_EQ(rig.provider->Count(kDcmdPdGetList), 2);
    }
    {
        // Fewer in the full reply than announced: the reply's own count holds.
        ModelRig rig;
        const Bytes three = DeviceList({{10, 252, 0}, {11, 252, 1}, {12, 252, 2}});
        const Bytes two = DeviceList({{10, 252, 0}, {11, 252, 1}});
        rig.provider->ReplySequence(kDcmdPdGetList, {three, two});
        u16 count = 0;
        ASSERT_EQ(rig.manager->GetPdCount(&count), 0);
        EXPECT_EQ(count, 2);
    }
    {
        // A list of one device fits the head: one request.
        ModelRig rig;
        rig.provider->Reply(kDcmdPdGetList, DeviceList({{10, 0xFFFF, 3}}));
        u16 count = 0;
        ASSERT_EQ(rig.manager->GetPdCount(&count), 0);
        EXPECT_EQ(count, 1);
        EXPECT_EQ(rig.provider->Count(kDcmdPdGetList), 1);
    }
}

TEST(DeviceListTest, CountsDisksAndTapesAndFindsEnclosuresById)
{
    ModelRig rig;
    rig.provider->Reply(kDcmdPdGetList, DeviceList({{252, 252, 0, 13}, {10, 252, 0, 0}, {11, 252, 1, 1}, {12, 252, 2, 5}}));
    u16 count = 0;
    ASSERT_EQ(rig.manager->GetPdCount(&count), 0);
    EXPECT_EQ(count, 2);
    PhysicalDevice* enclosure = rig.manager->GetPdByDeviceId(252);
    ASSERT_NE(enclosure, nullptr);
    EXPECT_TRUE(enclosure->IsEnclosure());
    // An enclosure is not a drive at its own slot 0.
    u16 id = 0;
    rig.manager->GetPdByEnclSlot(EnclSlotId(252, 0))->GetDeviceId(&id);
    EXPECT_EQ(id, 10);
    EXPECT_EQ(rig.manager->GetPdByEnclSlot(EnclSlotId(252, 9)), nullptr);
    EXPECT_EQ(rig.manager->GetPdByDeviceId(99), nullptr);
}

TEST(SingleEnclosureTest, FollowsTheEnclosureAndDriveCounts)
{
    struct Case {
        const char* what;
        std::vector<u16> enclosures;
        std::vector<DevEntry> devices;
        int status;
        u16 id;
    };
    const Case cases[] = {
        {"no enclosure", {}, {{10, 0xFFFF, 0}}, 0, 0xFFFF},
        {"one enclosure", {252}, {{252, 252, 0, 13}, {10, 252, 0}}, 0, 252},
        {"one enclosure and a direct drive", {252}, {{10, 252, 0}, {11, 0xFFFF, 1}}, 2, 0},
        {"one enclosure and no drives", {8}, {{8, 8, 0, 13}}, 0, 8},
        {"two enclosures", {8, 252}, {{10, 8, 0}}, 1, 0},
    };
    for (const Case& c : cases) {
        ModelRig rig;
        rig.provider->Reply(kDcmdEnclGetList, EnclosureList(c.enclosures));
        rig.provider->Reply(kDcmdPdGetList, DeviceList(c.devices));
        u16 id = 0;
        EXPECT_EQ(rig.manager->GetSingleEnclDeviceId(&id), c.status) << c.what;
        if (c.status == 0) {
            EXPECT_EQ(id, c.id) << c.what;
        }
    }
    ModelRig failing;
    failing.provider->Fail(kDcmdEnclGetList, 3);
    u16 id = 0;
    EXPECT_EQ(failing.manager->GetSingleEnclDeviceId(&id), -1);

    // With one enclosure, whether a drive is connected without one is not known without the
    // drive list: the only enclosure is not taken for the answer.
    ModelRig noDevices;
    noDevices.provider->Reply(kDcmdEnclGetList, EnclosureList({252}));
    noDevices.provider->Fail(kDcmdPdGetList, 3);
    id = 0;
    EXPECT_EQ(noDevices.manager->GetSingleEnclDeviceId(&id), -1);
    EXPECT_EQ(id, 0);
}

class ConfiguredRig : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Enclosure 252; drives 10-15 in slots 5,4,3,2,1,0; a RAID 1 (target 3) on 12+13, a
        // RAID 0 (target 1) on 14; drive 10 a global spare, 11 unconfigured, 15 a JBOD.
        rig.provider->Reply(kDcmdPdGetList, DeviceList({{252, 252, 0, 13}, {10, 252, 5}, {11, 252, 4}, {12, 252, 3},
                                                 {13, 252, 2}, {14, 252, 1}, {15, 252, 0}}));
        rig.provider->Reply(kDcmdCfgRead, CfgImage({{7, {12, 13}}, {8, {14}}}, {{3, 1, {{7}}, 2, false, 44}, {1, 0, {{8}}, 1}},
                                           {{10, {}}}));
        Bytes vdList(1032, 0);
        Put32(vdList, 0, 2);
        rig.provider->Reply(kDcmdLdGetList, vdList);
        const u16 states[] = {0x02, 0x00, 0x18, 0x18, 0x18, 0x40};
        for (u16 i = 0; i < 6; ++i) {
            Bytes record = PdRecord(static_cast<u16>(10 + i), 252, static_cast<u8>(5 - i));
            Put16(record, 184, states[i]);
            record[188] = i == 0 ? 0x04 : 0;  // drive 10: global spare
            rig.provider->Reply(kDcmdPdGetInfo, record, static_cast<u16>(10 + i));
        }
    }
    ModelRig rig;
};

TEST_F(ConfiguredRig, ListsDrivesOutsideArraysFirstThenMembers)
{
    ASSERT_EQ(rig.manager->Refresh(), 0);
    List<PhysicalDevice*>* pds = nullptr;
    ASSERT_EQ(rig.manager->GetPdList(&pds), 0);
    EXPECT_EQ(Ids(pds), (std::vector<u16>{10, 11, 15, 12, 13, 14}));
    List<PhysicalDevice*>* unassigned = nullptr;
    ASSERT_EQ(rig.manager->GetUnassignedPdList(&unassigned), 0);
    EXPECT_EQ(Ids(unassigned), (std::vector<u16>{10, 11}));  // the JBOD drive is left out
    ArrayList<PhysicalDevice*>* unconfigured = nullptr;
    ASSERT_EQ(rig.manager->GetUnconfiguredPdList(&unconfigured, 0), 0);
    EXPECT_EQ(Ids(unconfigured), std::vector<u16>{11});
    delete unconfigured;
    unconfigured = nullptr;
    EXPECT_EQ(rig.manager->GetUnconfiguredPdList(&unconfigured, 1), RaidManager::kStatusNoPd);  // 11 is not SATA
    EXPECT_EQ(unconfigured, nullptr);
}

TEST_F(ConfiguredRig, FindsVirtualDrivesByTargetIdAndSequenceNumber)
{
    u8 count = 0;
    ASSERT_EQ(rig.manager->GetVdCount(&count), 0);
    EXPECT_EQ(count, 2);
    VirtualDisk* vd = nullptr;
    VdIdFwi any(3, 3, VdIdFwi::kAnySeqNum);
    ASSERT_EQ(rig.manager->GetVd(&any, &vd), 0);
    EXPECT_EQ(any.GetSeqNum(), 44);  // filled in from the configuration
    VdIdFwi stale(3, 3, 43);
    EXPECT_EQ(rig.manager->GetVd(&stale, &vd), -1);
    VdId plain(1);
    ASSERT_EQ(rig.manager->GetVd(&plain, &vd), 0);
    EXPECT_EQ(vd->GetId()->GetFwTargetId(), 1);
    EXPECT_TRUE(rig.manager->IsTargetIdInUse(3, 0));
    EXPECT_FALSE(rig.manager->IsTargetIdInUse(2, 0));

    List<VirtualDisk*>* vds = nullptr;
    ASSERT_EQ(rig.manager->GetVdList(&vds), 0);
    EXPECT_EQ(vds->GetAt(0)->GetId()->GetTargetId(), 3);
    rig.manager->SortVdList(vds);
    EXPECT_EQ(vds->GetAt(0)->GetId()->GetTargetId(), 1);
    EXPECT_EQ(vds->GetAt(1)->GetId()->GetTargetId(), 3);
}

TEST_F(ConfiguredRig, ReadsEachBlockOnceAndDriveRecordsOnlyWhenNeeded)
{
    ASSERT_EQ(rig.manager->Refresh(), 0);
    EXPECT_EQ(rig.provider->Count(kDcmdPdGetList), 2);  // head, then the whole list
    EXPECT_EQ(rig.provider->Count(kDcmdCfgRead), 2);     // the first 616 bytes, then the whole image

    // Enclosure and slot come from the device list: no drive record is read.
    List<PhysicalDevice*>* pds = nullptr;
    ASSERT_EQ(rig.manager->GetPdList(&pds), 0);
    for (unsigned i = 0; i < pds->GetCount(); ++i) {
        u16 encl = 0;
        u8 slot = 0;
        pds->GetAt(static_cast<u8>(i))->GetEnclDeviceId(&encl);
        pds->GetAt(static_cast<u8>(i))->GetSlotNumber(&slot);
    }
    EXPECT_EQ(rig.provider->Count(kDcmdPdGetInfo), 0);

    // Printing every drive twice reads each record once; the spare's text needs no new
    // configuration read.
    for (int pass = 0; pass < 2; ++pass)
        for (unsigned i = 0; i < pds->GetCount(); ++i) {
            PhysicalDevice* pd = pds->GetAt(static_cast<u8>(i));
            pd->ToString();
            pd->PrintFirmwareState();
            pd->PrintSecurity();
        }
    EXPECT_EQ(rig.provider->Count(kDcmdPdGetInfo), 6);
    EXPECT_EQ(rig.provider->Count(kDcmdCfgRead), 2);

    // Virtual drives: the information block once per drive; the count once.
    List<VirtualDisk*>* vds = nullptr;
    ASSERT_EQ(rig.manager->GetVdList(&vds), 0);
    Bytes info(384, 0);
    rig.provider->Reply(kDcmdLdGetInfo, info, 3);
    rig.provider->Reply(kDcmdLdGetInfo, info, 1);
    u8 count = 0;
    for (int pass = 0; pass < 2; ++pass) {
        rig.manager->GetVdCount(&count);
        for (unsigned i = 0; i < vds->GetCount(); ++i)
            vds->GetAt(static_cast<u8>(i))->Print();
    }
    EXPECT_EQ(rig.provider->Count(kDcmdLdGetInfo), 2);
    EXPECT_EQ(rig.provider->Count(kDcmdLdGetList), 1);
    EXPECT_EQ(rig.provider->Count(0x01010000), 0);  // the controller information is not re-read

    // Refresh reads the snapshot again.
    ASSERT_EQ(rig.manager->Refresh(), 0);
    EXPECT_EQ(rig.provider->Count(kDcmdPdGetList), 4);
    EXPECT_EQ(rig.provider->Count(kDcmdCfgRead), 4);
}

TEST_F(ConfiguredRig, AFailedDriveRecordReadIsTriedAgain)
{
    PhysicalDevice* pd = rig.manager->GetPdByDeviceId(11);
    ASSERT_NE(pd, nullptr);
    rig.provider->Fail(kDcmdPdGetInfo, 45, 11);
    u16 state = 0xABCD;
    EXPECT_EQ(pd->GetFwState(&state), 45);
    EXPECT_EQ(state, 0xABCD);
    rig.provider->statuses.clear();
    ASSERT_EQ(pd->GetFwState(&state), 0);
    EXPECT_EQ(state, 0x00);
    EXPECT_EQ(rig.provider->Count(kDcmdPdGetInfo), 2);
}

TEST(VdListTest, MoreThanSixtyFourVirtualDrivesIsRefused)
{
    ModelRig rig;
    Bytes list(1032, 0);
    Put32(list, 0, 65);
    rig.provider->Reply(kDcmdLdGetList, list);
    u8 count = 0;
    EXPECT_NE(rig.manager->GetVdCount(&count), 0);
}

}  // namespace
