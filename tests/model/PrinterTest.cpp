// The drive and virtual-drive information printers, field by field: a byte of the record set,
// the line that shows it.
#include <gtest/gtest.h>

#include <string>

#include "ModelFake.h"
#include "fwdata/layout/Opcodes.h"
#include "raidmodel/PhysicalDevice.h"
#include "raidmodel/VirtualDisk.h"

using namespace model_test;

namespace {


bool HasLine(const std::string& text, const std::string& line)
{
    return text.find(line + "\n") != std::string::npos;
}

class PdPrinterTest : public ::testing::Test {
protected:
    PdPrinterTest() : record(PdRecord(10, 252, 4)) {}

    // The three blocks of drive 10 with the record as the test left it.
    std::string Blocks()
    {
        ModelRig rig;
        rig.provider->Reply(kDcmdPdGetList, DeviceList({{10, enclosure, 4}}));
        rig.provider->Reply(kDcmdPdGetInfo, record, 10);
        PhysicalDevice* pd = rig.manager->GetPdByDeviceId(10);
        return std::string(pd->ToString().GetCStr()) + pd->PrintFirmwareState().GetCStr() + pd->PrintSecurity().GetCStr();
    }

    Bytes record;
    u16 enclosure = 252;
};

TEST_F(PdPrinterTest, InformationBlock)
{
    Put16(record, 2, 7);
    Put32(record, 168, 3);
    Put32(record, 172, 4);
    Put32(record, 176, 5);
    Put32(record, 180, 6);
    record[189] = 0x30;
    const std::string text = Blocks();
    EXPECT_EQ(text.rfind("Enclosure Device ID: 252\nSlot Number: 4\nDevice Id: 10\nSequence Number: 7\n", 0), 0u) << text;
    EXPECT_TRUE(HasLine(text, "Media Error Count: 3"));
    EXPECT_TRUE(HasLine(text, "Other Error Count: 4"));
    EXPECT_TRUE(HasLine(text, "Predictive Failure Count: 5"));
    EXPECT_TRUE(HasLine(text, "Last Predictive Failure Event Seq Number: 6"));
    EXPECT_TRUE(HasLine(text, "PD Type: SATA"));
    // Not a spare: the block ends with an empty line before the firmware state.
    EXPECT_NE(text.find("PD Type: SATA\n\nFirmware state: "), std::string::npos) << text;
    enclosure = 0xFFFF;
    EXPECT_EQ(Blocks().rfind("Enclosure Device ID: N/A\n", 0), 0u);
}

TEST_F(PdPrinterTest, FirmwareStateBlock)
{
    struct State {
        u16 code;
        u8 spunDown;
        const char* text;
    };
    const State states[] = {{0x00, 0, "Unconfigured(good), Spun Up"}, {0x00, 1, "Unconfigured(good), Spun down"},
                            {0x01, 0, "Unconfigured(bad)"},           {0x02, 0, "Hotspare"},
                            {0x10, 0, "Offline"},                      {0x11, 0, "Failed"},
                            {0x14, 0, "Rebuild"},                      {0x18, 0, "Online"},
                            {0x20, 0, "Copyback"},                     {0x40, 0, "JBOD"},
                            {0x80, 0, "Shielded"},                     {0x33, 0, "Unknown"}};
    for (const State& s : states) {
        Put16(record, 184, s.code);
        record[358] = s.spunDown;
        EXPECT_TRUE(HasLine(Blocks(), std::string("Firmware state: ") + s.text)) << s.text;
    }
    Put64(record, 232, 0x22ecb25c);
    Put64(record, 240, 0x22dcb25c);
    Put64(record, 248, 2048);
    std::memcpy(record.data() + 4 + 32, "A1B2", 4);
    record[192] = 2;
    Put64(record, 200, 0x5000c50012345678ull);
    Put64(record, 208, 0x5000c50012345679ull);
    record[164] = 0x05;
    std::memcpy(record.data() + 4 + 8, "VENDOR  PRODUCT-NAME    ", 24);
    std::memcpy(record.data() + 4 + 36, "SERIAL42", 8);
    const std::string text = Blocks();
    EXPECT_TRUE(HasLine(text, "Raw Size: 279.396 GB [0x22ecb25c Sectors]")) << text;
    EXPECT_TRUE(HasLine(text, "Non Coerced Size: 278.896 GB [0x22dcb25c Sectors]")) << text;
    EXPECT_TRUE(HasLine(text, "Coerced Size: 1.0 MB [0x800 Sectors]")) << text;
    EXPECT_TRUE(HasLine(text, "Device Firmware Level: A1B2"));
    EXPECT_TRUE(HasLine(text, "SAS Address(0): 0x5000c50012345678"));
    EXPECT_TRUE(HasLine(text, "SAS Address(1): 0x5000c50012345679"));
    EXPECT_TRUE(HasLine(text, "Connected Port Number: 0,2"));
    EXPECT_TRUE(HasLine(text, "Inquiry Data: VENDOR  PRODUCT-NAME    SERIAL42")) << text;
    record[192] = 200;  // more paths than the record holds: four are shown
    EXPECT_TRUE(HasLine(Blocks(), "SAS Address(3): 0x0"));
    EXPECT_FALSE(HasLine(Blocks(), "SAS Address(4): 0x0"));
}

TEST_F(PdPrinterTest, SecurityBlock)
{
    std::string text = Blocks();
    EXPECT_NE(text.find("FDE Capable: Not Capable\nFDE Enable: Disable\nSecured: Unsecured\nLocked: Unlocked\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(HasLine(text, "Drive Temperature : N/A"));
    EXPECT_TRUE(HasLine(text, "Drive has flagged a S.M.A.R.T alert : No"));
    EXPECT_TRUE(HasLine(text, "Media Type: Hard Disk Device"));
    record[368] = 0x1F;
    record[166] = 4;
    record[167] = 3;
    record[370] = 1;
    record[187] = 35;
    record[190] = 1;
    record[188] = 0x20;
    record[192] = 1;
    record[164] = 1;
    text = Blocks();
    EXPECT_TRUE(HasLine(text, "FDE Capable: Capable"));
    EXPECT_TRUE(HasLine(text, "FDE Enable: Enable"));
    EXPECT_TRUE(HasLine(text, "Secured: Secured"));
    EXPECT_TRUE(HasLine(text, "Locked: Locked"));
    EXPECT_TRUE(HasLine(text, "Secured by Foreign Key: Yes"));
    EXPECT_TRUE(HasLine(text, "Device Speed: 12.0Gb/s"));
    EXPECT_TRUE(HasLine(text, "Link Speed: 6.0Gb/s"));
    EXPECT_TRUE(HasLine(text, "Media Type: Solid State Device"));
    EXPECT_TRUE(HasLine(text, "Drive Temperature : 35C (95.0 F)"));
    EXPECT_TRUE(HasLine(text, "PI Eligible: Yes"));
    EXPECT_NE(text.find("Port-0 :\nPort status: Active\nPort's Linkspeed: 6.0Gb/s\n"), std::string::npos) << text;
    EXPECT_TRUE(HasLine(text, "Drive has flagged a S.M.A.R.T alert : Yes"));
}

TEST(PdPrinterFailureTest, AnUnreadableRecordLeavesOnlyTheListFields)
{
    ModelRig rig;
    rig.provider->Reply(kDcmdPdGetList, DeviceList({{10, 252, 4}}));
    rig.provider->Fail(kDcmdPdGetInfo, 12, 10);
    PhysicalDevice* pd = rig.manager->GetPdByDeviceId(10);
    EXPECT_EQ(std::string(pd->ToString().GetCStr()), "Enclosure Device ID: 252\nSlot Number: 4\n\n");
    EXPECT_EQ(std::string(pd->PrintFirmwareState().GetCStr()), "");
    EXPECT_EQ(std::string(pd->PrintSecurity().GetCStr()), "");
}

class VdPrinterTest : public ::testing::Test {
protected:
    // The information block of target 2, a two-drive RAID 1 whose configuration record (and
    // information block) the test edits through `record` (256 bytes) and `info` (from byte 256).
    std::string Block()
    {
        ModelRig rig;
        rig.provider->Reply(kDcmdPdGetList, DeviceList({{10, 252, 0}, {11, 252, 1}}));
        Bytes image = CfgImage({{1, {10, 11}}}, {{2, 1, {{1}}, 2}}, {});
        std::copy(record.begin(), record.end(), image.begin() + 32 + 288);
        rig.provider->Reply(kDcmdCfgRead, image);
        Bytes block(record);
        block.insert(block.end(), info.begin(), info.end());
        rig.provider->Reply(kDcmdLdGetInfo, block, 2);
        List<VirtualDisk*>* vds = nullptr;
        EXPECT_EQ(rig.manager->GetVdList(&vds), 0);
        return vds->GetAt(0)->Print().GetCStr();
    }

    void SetUp() override
    {
        const Bytes image = CfgImage({{1, {10, 11}}}, {{2, 1, {{1}}, 2}}, {});
        record.assign(image.begin() + 32 + 288, image.begin() + 32 + 288 + 256);
        info.assign(128, 0);
    }

    Bytes record;
    Bytes info;
};

TEST_F(VdPrinterTest, Fields)
{
    std::memcpy(record.data() + 4, "data", 5);
    record[33] = 3;
    record[35] = 7;
    Put64(record, 48, 2097152);
    record[20] = 0x01 | 0x0C | 0x60;
    record[23] = 0x04;
    record[21] = 2;
    record[29] = 3;
    record[22] = 2;
    record[27] = 1;
    record[41] = 1;
    record[28] = 2;
    record[25] = 6;
    record[26] = 0xFE;
    record[43] = 1;
    record[47] = 1;
    const std::string text = Block();
    EXPECT_EQ(text.rfind("Name: data\nRAID Level: Primary-1, Secondary-0, RAID Level Qualifier-3\nSize: 1.0 GB\n"
                         "State: Optimal\nStrip Size: 64 KB\nNumber Of Drives: 2\nSpan Depth: 1\n",
                         0),
              0u)
        << text;
    EXPECT_TRUE(HasLine(text, "Default Cache Policy: WriteBack, ReadAdaptive, Cached, No Write Cache if Bad BBU"));
    EXPECT_TRUE(HasLine(text, "Current Cache Policy: WriteThrough, ReadAhead, Direct, No Write Cache if Bad BBU"));
    EXPECT_TRUE(HasLine(text, "Default Access Policy: Read Only"));
    EXPECT_TRUE(HasLine(text, "Current Access Policy: Blocked"));
    EXPECT_TRUE(HasLine(text, "Disk Cache Policy: Disabled"));
    EXPECT_TRUE(HasLine(text, "Encryption Type: FDE"));
    EXPECT_TRUE(HasLine(text, "Bad Blocks Exist: Yes"));
    EXPECT_TRUE(HasLine(text, "PI type: Type 2 Protection"));
    EXPECT_TRUE(HasLine(text, "Default Power Savings Policy: Maximum without caching"));
    EXPECT_TRUE(HasLine(text, "Current Power Savings Policy: None"));
    EXPECT_TRUE(HasLine(text, "Preserved Cache Present: Yes"));
    EXPECT_TRUE(HasLine(text, "SSD Cache Virtual Drive: Yes"));
    EXPECT_EQ(text.find("Ongoing Progresses:"), std::string::npos);
}

TEST_F(VdPrinterTest, SpannedDrivesAndRunningOperations)
{
    // Running: consistency check and reconstruction (info bytes 264.. are at 8.. here).
    Put32(info, 264 - 256, 0x09);
    Put16(info, 268 - 256, 32768);
    Put16(info, 270 - 256, 600);
    Put16(info, 280 - 256, 65535);
    Put16(info, 282 - 256, 59);
    std::string text;
    // Two spans are needed for a span depth of 2 in the image.
    ModelRig rig;
    rig.provider->Reply(kDcmdPdGetList, DeviceList({{10, 252, 0}, {11, 252, 1}, {12, 252, 2}, {13, 252, 3}}));
    Bytes image = CfgImage({{1, {10, 11}}, {4, {12, 13}}}, {{2, 1, {{1}, {4}}, 2}}, {});
    image[32 + 2 * 288 + 38] = 1;
    image[32 + 2 * 288 + 35] = 0;
    rig.provider->Reply(kDcmdCfgRead, image);
    Bytes block(image.begin() + 32 + 2 * 288, image.end());
    block.insert(block.end(), info.begin(), info.end());
    rig.provider->Reply(kDcmdLdGetInfo, block, 2);
    List<VirtualDisk*>* vds = nullptr;
    ASSERT_EQ(rig.manager->GetVdList(&vds), 0);
    text = vds->GetAt(0)->Print().GetCStr();
    EXPECT_TRUE(HasLine(text, "State: Partially Degraded"));
    EXPECT_TRUE(HasLine(text, "Strip Size: 512 Bytes"));
    EXPECT_TRUE(HasLine(text, "Number Of Drives per span: 2"));
    EXPECT_TRUE(HasLine(text, "Span Depth: 2"));
    EXPECT_NE(text.find("Ongoing Progresses:\n  Check Consistency: Completed 50%, Taken 10 min.\n"
                        "  Reconstruction: Completed 100%, Taken 0 min.\n"),
              std::string::npos)
        << text;
}

}  // namespace
