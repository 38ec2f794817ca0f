// Drive lookups by device id, whatever order they are asked in.
#include <gtest/gtest.h>

#include "sim/Topology.h"

namespace {

using sim::u16;

sim::Controller WithDrives(std::initializer_list<u16> ids)
{
    sim::Controller controller;
    for (const u16 id : ids) {
        sim::Drive drive;
        drive.deviceId = id;
        controller.drives.push_back(drive);
    }
    return controller;
}

TEST(SimTopologyTest, FindDriveFindsEachDriveInAnyOrderOfLookups)
{
    sim::Controller first = WithDrives({9, 4, 7, 12});
    const sim::Controller second = WithDrives({4, 9});
    // In list order, backwards, repeated, absent ids between, and switching controllers, whose
    // lists hold the same ids at other places.
    const std::vector<std::pair<const sim::Controller*, u16>> lookups = {
        {&first, 9},  {&first, 4},  {&first, 7},  {&first, 12}, {&first, 12}, {&first, 7}, {&first, 4},
        {&first, 5},  {&first, 9},  {&second, 9}, {&second, 4}, {&first, 7},  {&second, 4}, {&second, 12},
        {&first, 12}, {&first, 9},
    };
    for (const auto& [controller, id] : lookups) {
        const sim::Drive* drive = sim::FindDrive(*controller, id);
        const bool present = id == 9 || id == 4 || (controller == &first && (id == 7 || id == 12));
        ASSERT_EQ(drive != nullptr, present) << id;
        if (drive != nullptr) {
            EXPECT_EQ(drive->deviceId, id);
            EXPECT_GE(drive, controller->drives.data());
            EXPECT_LT(drive, controller->drives.data() + controller->drives.size());
        }
    }
    // A list that shrank below the place found last.
    first.drives.resize(1);
    EXPECT_EQ(sim::FindDrive(first, 12), nullptr);
    EXPECT_NE(sim::FindDrive(first, 9), nullptr);
    EXPECT_EQ(sim::FindDrive(WithDrives({}), 9), nullptr);
}

}  // namespace
