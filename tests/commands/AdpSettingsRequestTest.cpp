// The blocks the adapter settings commands write, byte by byte: each goes back as it was read
// except for the bytes the command changes (the BIOS data with its checksum), on a controller
// whose replies the test prepares.
#include <gtest/gtest.h>

#include <string>

#include "CpMgmt/CmdPro/AdBiosCp.h"
#include "CpMgmt/CmdPro/AdBootDrvCp.h"
#include "CpMgmt/CmdPro/AdCcSchedCp.h"
#include "CpMgmt/CmdPro/AdPrCp.h"
#include "CpMgmt/CmdPro/AdPropCp.h"
#include "CpMgmt/CmdPro/MuxModeCp.h"
#include "model/CfgFake.h"
#include "raidmodel/RaidManager.h"
#include "support/ScreenCapture.h"

namespace {

using namespace cfg_test;

constexpr u32 kPropsRead = 0x01020100;
constexpr u32 kPropsWrite = 0x01020200;
constexpr u32 kAlarmEnable = 0x01030200;
constexpr u32 kPrRead = 0x01070200;
constexpr u32 kPrWrite = 0x01070300;
constexpr u32 kBiosRead = 0x010C0100;
constexpr u32 kBiosWrite = 0x010C0200;
constexpr u32 kCcRead = 0x01140200;
constexpr u32 kCcWrite = 0x01140300;
constexpr u32 kModesRead = 0x07020100;
constexpr u32 kModesWrite = 0x07020200;

// A block whose every byte differs from its neighbours, so that a shifted or lost byte shows.
Bytes Pattern(std::size_t size)
{
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i)
        b[i] = static_cast<u8>(i * 7 + 3);
    return b;
}

class AdpSettingsRequestTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        rig.SetDrives({{10, 0, 0x18}, {11, 1, 0x18}});
        rig.SetCfg(model_test::CfgImage({{0, {10, 11}, 2000000}}, {{0, 1, {{0, 0, 1000}}, 2}}, {}));
        rig.provider->Reply(kDcmdLdGetList, VdList({0}));
        for (u32 opcode : {kPropsWrite, kAlarmEnable, kPrWrite, kBiosWrite, kCcWrite, kModesWrite})
            rig.provider->Reply(opcode, {});
    }
    void TearDown() override
    {
        RaidManager::ClearAll();
        ScreenTest::TearDown();
    }

    // Runs the line and answers the one block written with the opcode.
    template <typename Processor>
    Bytes Written(const std::string& line, u32 opcode)
    {
        RaidManager::ClearAll();
        rig.provider->sent.clear();
        EXPECT_EQ(RunProcessorLine<Processor>(rig, line), 0) << line << Screen();
        const auto writes = rig.provider->Of(opcode);
        EXPECT_EQ(writes.size(), 1u) << line;
        return writes.empty() ? Bytes{} : writes[0].data;
    }

    CfgRig rig;
};

TEST_F(AdpSettingsRequestTest, PropertiesGoBackWithOnlyTheFieldChanged)
{
    const Bytes read = Pattern(64);
    rig.provider->Reply(kPropsRead, read);

    Bytes expected = read;
    expected[8] = 55;
    EXPECT_EQ(Written<AdpPropertyCp>("-AdpSetProp RebuildRate 55 -a0", kPropsWrite), expected);

    expected = read;
    Put16(expected, 2, 600);
    EXPECT_EQ(Written<AdpPropertyCp>("-AdpSetProp PredFailPollInterval 600 -a0", kPropsWrite), expected);

    expected = read;
    expected[33] = static_cast<u8>(read[33] & ~(1u << 5));
    EXPECT_EQ(Written<AdpPropertyCp>("-AdpSetProp EnableJBOD 0 -a0", kPropsWrite), expected);

    expected = read;
    expected[47] = static_cast<u8>((read[47] & ~0x03u) | 1u);
    expected[50] = 8;
    expected[51] = 4;  // 40 ordered I/Os in units of 10
    Bytes info = CtrlInfo();
    info[1957] |= 1u << 5;  // performance tuning
    rig.provider->Reply(kDcmdCtrlGetInfo, info);
    EXPECT_EQ(Written<AdpPropertyCp>("-AdpSetProp Perfmode 1 MaxFlushLines 8 NumIOsToOrder 40 -a0", kPropsWrite),
              expected);

    // The alarm has a request of its own; the properties are not written for it.
    RaidManager::ClearAll();
    rig.provider->sent.clear();
    EXPECT_EQ(RunProcessorLine<AdpPropertyCp>(rig, "-AdpSetProp AlarmEnbl -a0"), 0);
    EXPECT_EQ(rig.provider->Of(kAlarmEnable).size(), 1u);
    EXPECT_TRUE(rig.provider->Of(kPropsWrite).empty());
}

TEST_F(AdpSettingsRequestTest, PatrolReadAndScheduleBlocksChangeOnlyTheirField)
{
    Bytes pr = Pattern(208);
    rig.provider->Reply(kPrRead, pr);
    Bytes expected = pr;
    Put32(expected, 200, 18000);
    EXPECT_EQ(Written<AdpPatrolReadCp>("-AdpPR -SetDelay 5 -a0", kPrWrite), expected);
    expected = pr;
    expected[1] = 3;
    EXPECT_EQ(Written<AdpPatrolReadCp>("-AdpPR -maxConcurrentPD 3 -a0", kPrWrite), expected);

    Bytes cc = Pattern(168);
    cc[3] = 2;  // two excluded virtual drives
    rig.provider->Reply(kCcRead, cc);
    expected = cc;
    Put32(expected, 156, 3 * 3600);
    EXPECT_EQ(Written<AdpCCSchedulingCp>("-AdpCcSched -SetDelay 3 -a0", kCcWrite), expected);
    expected = cc;
    expected[0] = 1;
    expected[3] = 1;
    Put16(expected, 4, 0);
    EXPECT_EQ(Written<AdpCCSchedulingCp>("-AdpCcSched -ModeSeq -ExcludeLD -L0 -a0", kCcWrite), expected);
}

TEST_F(AdpSettingsRequestTest, BiosDataKeepsItsOtherBytesAndSumsToZero)
{
    const Bytes bios = Pattern(64);
    rig.provider->Reply(kBiosRead, bios);
    const auto sum = [](const Bytes& b) {
        unsigned s = 0;
        for (u8 v : b)
            s += v;
        return s % 256;
    };
    Bytes written = Written<AdpBiosCp>("-AdpBIOS -Dsbl -a0", kBiosWrite);
    Bytes expected = bios;
    expected[2] = 1;
    expected[63] = written.size() == 64 ? written[63] : 0;
    EXPECT_EQ(written, expected);
    EXPECT_EQ(sum(written), 0u);

    written = Written<AdpBootDriveCp>("-AdpBootDrive -Set -L0 -a0", kBiosWrite);
    expected = bios;
    Put16(expected, 0, 0);
    expected[8] = 0;
    expected[63] = written.size() == 64 ? written[63] : 0;
    EXPECT_EQ(written, expected);
    EXPECT_EQ(sum(written), 0u);
}

TEST_F(AdpSettingsRequestTest, ConnectorModesAreWrittenInOneRequest)
{
    rig.provider->Reply(kModesRead, {3, 1, 2, 3, 0x5A});
    EXPECT_EQ(Written<MuxModeCp>("-AdpSetConnectorMode -External -Connector2,0 -a0", kModesWrite),
              (Bytes{3, 2, 2, 2, 0x5A}));
}

}  // namespace
