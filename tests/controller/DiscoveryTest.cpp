#include <gtest/gtest.h>

#include <algorithm>

#include "FakeLibrary.h"
#include "controller/ControllerMgmt.h"
#include "controller/DrivekitDp.h"
#include "runtime/RuntimeTestDir.h"

using namespace libpacket;

namespace {

class Discovery : public runtime_test::InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        FakeLibrary::Reset();
        ControllerMgmt::Instance().Release();
        DrivekitDp::SetEntryForTest(FakeLibrary::Entry);
    }
    void TearDown() override
    {
        ControllerMgmt::Instance().Release();
        DrivekitDp::SetEntryForTest(nullptr);
        DrivekitDp::SearchPaths() = savedPaths_;
        InTempDir::TearDown();
    }

    std::vector<std::string> savedPaths_ = DrivekitDp::SearchPaths();
};

TEST_F(Discovery, KeepsSupportedControllersNumberedInListOrder)
{
    FakeLibrary& fake = FakeLibrary::Get();
    fake.listEntries = {FakeLibrary::ListEntry(10, 0x7A4B, 0x0002, 3), FakeLibrary::ListEntry(11, 0x1234, 0x0002),
                        FakeLibrary::ListEntry(12, 0x7A4B, 0x0009), FakeLibrary::ListEntry(13, 0x7A4B, 0x0001, 5)};
    fake.listCount = 4;

    ControllerMgmt& mgmt = ControllerMgmt::Instance();
    ASSERT_EQ(mgmt.Discover(), 0);
    ASSERT_EQ(mgmt.GetControllerCount(), 2);
    Controller* first = mgmt.GetController(0);
    Controller* second = mgmt.GetController(1);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->GetControllerId().GetLibraryId(), 10u);
    EXPECT_EQ(first->GetPciIdentity().bus, 3);
    EXPECT_EQ(second->GetControllerId().GetLibraryId(), 13u);
    EXPECT_EQ(second->GetControllerId().GetAdapterNumber(), 1);
    EXPECT_EQ(mgmt.GetController(2), nullptr);

    // Later calls answer from the first listing.
    ASSERT_EQ(mgmt.Discover(), 0);
    EXPECT_EQ(std::count(fake.functions.begin(), fake.functions.end(), kFnListControllers), 1);
}

TEST_F(Discovery, CountIsBoundedByTheReply)
{
    // A count word and a byte count that both claim more than the list buffer holds.
    FakeLibrary& fake = FakeLibrary::Get();
    for (u32 i = 0; i < kMaxListedControllers + 5; ++i)
        fake.listEntries.push_back(FakeLibrary::ListEntry(i, 0x7A4B, 0x0003));
    fake.listCount = 100000;
    fake.overstateDataCount = true;
    fake.dataCount = 0xFFFFFFF0;
    EXPECT_EQ(ControllerMgmt::Instance().GetControllerCount(), kMaxListedControllers);

    // Entries past the bytes the library says it placed are not taken.
    ControllerMgmt::Instance().Release();
    fake.listEntries.resize(10);
    fake.listCount = 50;
    fake.overstateDataCount = false;
    fake.dataCount = kListEntriesOffset + 3 * kListEntrySize;
    EXPECT_EQ(ControllerMgmt::Instance().GetControllerCount(), 3);
}

TEST_F(Discovery, NoLibraryMeansNoController)
{
    DrivekitDp::SetEntryForTest(nullptr);
    DrivekitDp::SearchPaths() = {"/nonexistent/libdrivekit.so"};
    EXPECT_EQ(DrivekitDp::Instance(0), nullptr);
    EXPECT_EQ(ControllerMgmt::Instance().Discover(), -1);
    EXPECT_EQ(ControllerMgmt::Instance().GetControllerCount(), 0);
    EXPECT_EQ(ControllerMgmt::Instance().GetController(0), nullptr);
}

}  // namespace
