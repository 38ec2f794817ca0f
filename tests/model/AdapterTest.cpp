// The Adapter's flags, properties and lists, and the drive queries that depend on them.
#include <gtest/gtest.h>

#include "ModelFake.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/Adapter.h"
#include "raidmodel/PhysicalDevice.h"

using namespace model_test;

namespace {

Adapter* AdapterOf(ModelRig& rig)
{
    Adapter* adapter = nullptr;
    EXPECT_EQ(rig.manager->GetAdapter(&adapter), 0);
    return adapter;
}

TEST(AdapterTest, FlagsAndLimitsComeFromTheControllerInformation)
{
    ModelRig rig;
    Bytes info(2048, 0);
    info[1343] = 64;
    info[1506] = 0x60;
    info[1507] = 0x40;
    info[1956] = 0x80;
    Put16(info, 1936, 2);
    rig.provider->Reply(kDcmdCtrlGetInfo, info);
    Adapter* adapter = AdapterOf(rig);
    u8 flag = 9;
    EXPECT_EQ(adapter->IsConnectorInfoSupported(&flag), 0);
    EXPECT_EQ(flag, 1);
    adapter->IsAllowedOpsSupported(&flag);
    EXPECT_EQ(flag, 1);
    adapter->IsSnapshotSupported(&flag);
    EXPECT_EQ(flag, 1);
    adapter->IsMoreThan8PhysSupported(&flag);
    EXPECT_EQ(flag, 0);
    adapter->IsBgOpSuspendResumeSupported(&flag);
    EXPECT_EQ(flag, 1);
    adapter->IsPiSupported(&flag);
    EXPECT_EQ(flag, 0);
    adapter->IsSscSupported(&flag);
    EXPECT_EQ(flag, 1);
    u8 maximum = 0;
    adapter->GetMaxLdCount(&maximum);
    EXPECT_EQ(maximum, 64);
    EXPECT_EQ(rig.provider->Count(kDcmdCtrlGetInfo), 1);

    ModelRig failing;
    failing.provider->Fail(kDcmdCtrlGetInfo, 7);
    Adapter* none = nullptr;
    EXPECT_EQ(failing.manager->GetAdapter(&none), 7);
}

TEST(AdapterTest, PropertiesAreReadOnceAndDecoded)
{
    ModelRig rig;
    rig.provider->Reply(kDcmdCtrlGetInfo, Bytes(2048, 0));
    Bytes props(64, 0);
    Put16(props, 2, 300);
    props[8] = 30;
    props[16] = 5;
    props[32] = 0x11;
    props[47] = 0xFE;
    rig.provider->Reply(kDcmdCtrlGetProperties, props);
    Adapter* adapter = AdapterOf(rig);
    u16 interval = 0;
    u8 rate = 0;
    u8 cluster = 0;
    u32 copyback = 0;
    u32 ncq = 0;
    u8 perfMode = 0;
    EXPECT_EQ(adapter->GetPredFailPollInterval(&interval), 0);
    EXPECT_EQ(interval, 300);
    adapter->GetRebuildRate(&rate);
    EXPECT_EQ(rate, 30);
    adapter->GetClusterEnable(&cluster);
    EXPECT_EQ(cluster, 1);
    adapter->GetCopyBackDsbl(&copyback);
    EXPECT_EQ(copyback, 1u);
    adapter->GetNcqDsbl(&ncq);
    EXPECT_EQ(ncq, 1u);
    adapter->GetPerfMode(&perfMode);
    EXPECT_EQ(perfMode, 2);
    EXPECT_EQ(rig.provider->Count(kDcmdCtrlGetProperties), 1);

    ModelRig failing;
    failing.provider->Fail(kDcmdCtrlGetProperties, 4);
    u8 value = 77;
    Adapter direct(std::make_unique<AdapterDataFwi>(&failing.controller));
    EXPECT_EQ(direct.GetBgiRate(&value), 4);
    EXPECT_EQ(value, 77);
}

TEST(AdapterTest, ConnectorAndPhyListsAreBoundedByTheirBlocks)
{
    ModelRig rig;
    rig.provider->Reply(kDcmdCtrlGetInfo, Bytes(2048, 0));
    Bytes connectors(168, 0);
    connectors[0] = 200;  // more than the eight entries the block holds
    connectors[8 + 20 * 7] = 3;
    std::memcpy(connectors.data() + 8 + 20 * 7 + 4, "Port 7 external!", 16);  // fills its field
    rig.provider->Reply(kDcmdConnectorGetList, connectors);
    Bytes phys(264, 0);
    Put32(phys, 0, 1000);
    phys[8 + 16 * 15 + 11] = 255;
    rig.provider->Reply(kDcmdPhyGetList, phys);
    Adapter* adapter = AdapterOf(rig);

    u8 count = 0;
    ASSERT_EQ(adapter->GetConnectorInfoCount(&count), 0);
    EXPECT_EQ(count, 8);
    string* name = nullptr;
    ASSERT_EQ(adapter->GetConnectorName(7, &name), 0);
    EXPECT_EQ(std::string(name->GetCStr()), "Port 7 external!");
    delete name;
    EXPECT_EQ(adapter->GetConnectorName(8, &name), -1);
    EXPECT_EQ(name, nullptr);
    u8 type = 0;
    ASSERT_EQ(adapter->GetConnectorType(7, &type), 0);
    EXPECT_EQ(type, 3);

    u32 phyCount = 0;
    ASSERT_EQ(adapter->GetPhyCount(&phyCount), 0);
    EXPECT_EQ(phyCount, 16u);
    u8 disabled = 0;
    ASSERT_EQ(adapter->IsPhyDisabled(15, &disabled), 0);
    EXPECT_EQ(disabled, 1);
    EXPECT_EQ(adapter->IsPhyDisabled(16, &disabled), -1);
    EXPECT_EQ(rig.provider->Count(kDcmdConnectorGetList), 1);
    EXPECT_EQ(rig.provider->Count(kDcmdPhyGetList), 1);
}

TEST(AdapterTest, AFailedConnectorReadIsNotKept)
{
    ModelRig rig;
    rig.provider->Fail(kDcmdConnectorGetList, 3);
    Adapter adapter(std::make_unique<AdapterDataFwi>(&rig.controller));
    u8 count = 0;
    EXPECT_EQ(adapter.GetConnectorInfoCount(&count), 3);
    rig.provider->statuses.clear();
    Bytes connectors(168, 0);
    connectors[0] = 2;
    rig.provider->Reply(kDcmdConnectorGetList, connectors);
    ASSERT_EQ(adapter.GetConnectorInfoCount(&count), 0);
    EXPECT_EQ(count, 2);
}

TEST(AdapterTest, OemModeIsByteZero)
{
    ModelRig rig;
    Bytes oem(24, 0);
    oem[0] = 2;
    oem[1] = 1;
    rig.provider->Reply(0x010E8481, oem);
    Adapter adapter(std::make_unique<AdapterDataFwi>(&rig.controller));
    u32 mode = 0;
    ASSERT_EQ(adapter.GetOemMode(&mode), 0);
    EXPECT_EQ(mode, 2u);
}

TEST(DriveAllowedOpsTest, FirmwareDownloadFollowsBitSixteenOnlyWhenReported)
{
    ModelRig rig;
    Bytes info(2048, 0);
    rig.provider->Reply(kDcmdCtrlGetInfo, info);
    rig.provider->Reply(kDcmdPdGetList, DeviceList({{10, 252, 0}}));
    rig.provider->Reply(kDcmdPdGetInfo, PdRecord(10, 252, 0), 10);
    Bytes word(4, 0);
    rig.provider->Reply(kDcmdPdGetAllowedOps, word, 10);
    PhysicalDevice* pd = rig.manager->GetPdByDeviceId(10);
    u8 allowed = 0;
    // Without allowed-operation support: allowed, and nothing asked.
    ASSERT_EQ(pd->IsFwDownloadAllowed(&allowed), 0);
    EXPECT_EQ(allowed, 1);
    EXPECT_EQ(rig.provider->Count(kDcmdPdGetAllowedOps), 0);

    ModelRig reported;
    info[1506] = 0x40;
    reported.provider->Reply(kDcmdCtrlGetInfo, info);
    reported.provider->Reply(kDcmdPdGetList, DeviceList({{10, 252, 0}}));
    reported.provider->Reply(kDcmdPdGetAllowedOps, word, 10);
    pd = reported.manager->GetPdByDeviceId(10);
    ASSERT_EQ(pd->IsFwDownloadAllowed(&allowed), 0);
    EXPECT_EQ(allowed, 0);
    word[2] = 0x01;
    reported.provider->Reply(kDcmdPdGetAllowedOps, word, 10);
    ASSERT_EQ(pd->IsFwDownloadAllowed(&allowed), 0);
    EXPECT_EQ(allowed, 1);
    EXPECT_EQ(reported.provider->Count(kDcmdPdGetAllowedOps), 2);  // read anew on every call
}

TEST(DriveConnectorTest, AnIndexOutsideTheListHasNoConnector)
{
    ModelRig rig;
    rig.provider->Reply(kDcmdCtrlGetInfo, Bytes(2048, 0));
    Bytes connectors(168, 0);
    connectors[0] = 2;
    connectors[8 + 20] = 2;
    std::memcpy(connectors.data() + 8 + 20 + 4, "Int1", 4);
    rig.provider->Reply(kDcmdConnectorGetList, connectors);
    rig.provider->Reply(kDcmdPdGetList, DeviceList({{10, 252, 0}, {11, 252, 1}}));
    Bytes record = PdRecord(10, 252, 0);
    record[194] = 1;
    rig.provider->Reply(kDcmdPdGetInfo, record, 10);
    record = PdRecord(11, 252, 1);
    record[194] = 9;
    rig.provider->Reply(kDcmdPdGetInfo, record, 11);

    PhysicalDevice* attached = rig.manager->GetPdByDeviceId(10);
    EXPECT_TRUE(attached->HasConnector());
    string* name = nullptr;
    ASSERT_EQ(attached->GetConnectorName(&name), 0);
    EXPECT_EQ(std::string(name->GetCStr()), "Int1");
    delete name;
    u8 type = 0;
    ASSERT_EQ(attached->GetConnectorType(&type), 0);
    EXPECT_EQ(type, 2);

    PhysicalDevice* beyond = rig.manager->GetPdByDeviceId(11);
    EXPECT_FALSE(beyond->HasConnector());
    type = 77;
    EXPECT_EQ(beyond->GetConnectorType(&type), -1);
    EXPECT_EQ(type, 77);
}

}  // namespace
