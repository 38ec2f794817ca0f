// The drive list as the hot-spare and replace-missing commands read it themselves: the head,
// then the whole list of the announced size, and only the entries that lie inside it.
#include <gtest/gtest.h>

#include "CpMgmt/CmdPro/PdListImage.h"
#include "CpMgmt/CpController.h"
#include "fwdata/layout/Opcodes.h"
#include "model/ModelFake.h"

namespace model_test {
namespace {

TEST(PdListImage, FindsEntriesByEnclosureAndSlotAndDisksOnlyWhenAsked)
{
    ModelRig rig;
    rig.provider->Reply(kDcmdPdGetList, DeviceList({{9, 252, 0, 13}, {10, 252, 0}, {11, 0xFFFF, 4}}));
    PdListImage list;
    ASSERT_EQ(list.Read(&rig.controller, 16), 0);
    EXPECT_EQ(rig.provider->Count(kDcmdPdGetList), 2);  // the head, then the whole list
    EXPECT_EQ(list.GetCount(), 3u);
    EXPECT_EQ(list.Find(252, 0, false), 0);             // the enclosure's own entry comes first
    EXPECT_EQ(list.Find(252, 0, true), 1);              // the disk in that slot
    EXPECT_EQ(list.GetDeviceId(1), 10);
    EXPECT_EQ(list.Find(0xFFFF, 4, true), 2);
    EXPECT_EQ(list.Find(252, 4, false), -1);
}

TEST(PdListImage, NeverWalksPastTheListTheHeadAnnounced)
{
    ModelRig rig;
    // The second reply claims five entries; only the two the head announced were read.
    rig.provider->ReplySequence(kDcmdPdGetList, {DeviceList({{20, 252, 1}, {21, 252, 2}}),
                                                 DeviceList({{20, 252, 1}, {21, 252, 2}, {22, 252, 3},
                                                             {23, 252, 4}, {24, 252, 5}})});
    PdListImage list;
    ASSERT_EQ(list.Read(&rig.controller, 16), 0);
    EXPECT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.Find(252, 3, false), -1);

    // A head that announces more than the caller takes is refused before the second read.
    ModelRig big;
    big.provider->Reply(kDcmdPdGetList, DeviceList({{1, 252, 1}, {2, 252, 2}, {3, 252, 3}}));
    EXPECT_EQ(list.Read(&big.controller, 2), -1);
    EXPECT_EQ(big.provider->Count(kDcmdPdGetList), 1);
    EXPECT_EQ(list.GetCount(), 0u);

    ModelRig failing;
    failing.provider->Fail(kDcmdPdGetList, 12);
    EXPECT_EQ(list.Read(&failing.controller, 16), 12);
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.Read(nullptr, 16), -1);
}

// The reports that list every drive (summary, diagnostic log) read at most as many entries as
// a list can hold and walk only those, where the hot-spare and replace commands refuse.
TEST(PdListImage, ReadUpToTakesTheFirstEntriesOfALongerList)
{
    ModelRig rig;
    rig.provider->Reply(kDcmdPdGetList, DeviceList({{1, 252, 1}, {2, 252, 2}, {3, 252, 3}}));
    CpController cp(&rig.controller, nullptr, 0);
    PdListImage list;
    ASSERT_EQ(list.ReadUpTo(&cp, 2), 0);
    EXPECT_EQ(rig.provider->Count(kDcmdPdGetList), 2);
    EXPECT_EQ(list.GetCount(), 2u);
    EXPECT_EQ(list.GetDeviceId(1), 2);
    EXPECT_EQ(list.Find(252, 3, false), -1);

    ModelRig failing;
    failing.provider->Fail(kDcmdPdGetList, 12);
    CpController failingCp(&failing.controller, nullptr, 0);
    EXPECT_EQ(list.ReadUpTo(&failingCp, 2), 12);
    EXPECT_EQ(list.GetCount(), 0u);
    EXPECT_EQ(list.ReadUpTo(static_cast<CpController*>(nullptr), 2), -1);
}

TEST(PdListImage, ReadsTheRecordOfTheDeviceNamedInTheMailbox)
{
    ModelRig rig;
    Bytes record(pdrec::kSize, 0);
    Put16(record, pdrec::kOffDeviceId, 10);
    rig.provider->Reply(kDcmdPdGetInfo, record, 10);
    rig.provider->Fail(kDcmdPdGetInfo, 3, 11);
    CpController cp(&rig.controller, nullptr, 0);
    u8 block[pdrec::kSize] = {};
    ASSERT_EQ(ReadPdInfoRecord(&cp, 10, block), 0);
    EXPECT_EQ(ByteView(block).U16(pdrec::kOffDeviceId), 10);
    EXPECT_EQ(ReadPdInfoRecord(&rig.controller, 11, block), 3);
    EXPECT_EQ(ReadPdInfoRecord(static_cast<Controller*>(nullptr), 10, block), -1);
}

}  // namespace
}  // namespace model_test
