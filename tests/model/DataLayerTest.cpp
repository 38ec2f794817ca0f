// The model reaches the firmware data layer only through the layer registered for the run: a
// RaidManager's data objects come from it, and without a layer there is no RaidManager.
#include <gtest/gtest.h>

#include "ModelFake.h"
#include "dataif/AdapterData.h"
#include "dataif/DataLayer.h"
#include "dataif/RmData.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/RaidManager.h"

namespace model_test {
namespace {

class DataLayerTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        RaidManager::ClearAll();
        DataLayer::Register(registered_);
    }
    const DataLayer* registered_ = DataLayer::Get();
};

TEST_F(DataLayerTest, TheFirmwareLayerIsRegisteredAndReadsThroughTheController)
{
    ASSERT_NE(registered_, nullptr);
    ModelRig rig;
    rig.provider->Reply(kDcmdCtrlGetInfo, Bytes(ctrlinfo::kSize, 0));
    std::unique_ptr<AdapterData> adapter = registered_->CreateAdapterData(&rig.controller);
    ASSERT_NE(adapter, nullptr);
    EXPECT_EQ(adapter->ReadControllerInfo(false), 0);
    EXPECT_EQ(adapter->GetControllerInfo().Size(), ctrlinfo::kSize);
    EXPECT_EQ(rig.provider->Count(kDcmdCtrlGetInfo), 1);

    std::unique_ptr<RmData> data = registered_->CreateRmData(&rig.controller);
    ASSERT_NE(data, nullptr);
    rig.provider->Reply(kDcmdEnclGetList, EnclosureList({0x40, 0x41}));
    std::vector<u16> ids;
    EXPECT_EQ(data->GetEnclosureDeviceIds(&ids), 0);
    EXPECT_EQ(ids, (std::vector<u16>{0x40, 0x41}));

    RaidManager* manager = RaidManager::GetRaidManager(&rig.controller);
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(RaidManager::GetRaidManager(&rig.controller), manager);
}

TEST_F(DataLayerTest, WithoutALayerThereIsNoRaidManager)
{
    ModelRig rig;
    DataLayer::Register(nullptr);
    EXPECT_EQ(RaidManager::GetRaidManager(&rig.controller), nullptr);
}

}  // namespace
}  // namespace model_test
