#include <gtest/gtest.h>

#include "controller/DcmdOpcodeTable.h"
#include "controller/DpParams.h"

namespace {

struct Transfer {
    u32 length;
    DpDirection direction;
};

Transfer Resolve(u32 opcode, u32 callerLength, bool privateTable = false)
{
    Transfer t{0xDEAD, kDpBoth};
    ResolveTransfer(opcode, privateTable, callerLength, &t.length, &t.direction);
    return t;
}

TEST(OpcodeTable, FixedRowNeverExceedsCallersLength)
{
    // Controller information: 2048 bytes from the controller.
    EXPECT_EQ(Resolve(0x01010000, 0).length, 2048u);
    EXPECT_EQ(Resolve(0x01010000, 100).length, 100u);
    EXPECT_EQ(Resolve(0x01010000, 4096).length, 2048u);
    EXPECT_EQ(Resolve(0x01010000, 4096).direction, kDpFromController);
    EXPECT_EQ(Resolve(0x010E0202, 0).direction, kDpToController);
}

TEST(OpcodeTable, CallersRowTakesCallersLengthOrDefault)
{
    EXPECT_EQ(Resolve(0x02010000, 0).length, 32u);
    EXPECT_EQ(Resolve(0x02010000, 5000).length, 5000u);
    EXPECT_EQ(Resolve(0x04010000, 0).length, 616u);
    EXPECT_EQ(Resolve(0x04020000, 0).length, 0u);  // no default: nothing without a length
    EXPECT_EQ(Resolve(0x04020000, 900).direction, kDpToController);
    Transfer both = Resolve(0x07040000, 48);
    EXPECT_EQ(both.length, 48u);
    EXPECT_EQ(both.direction, kDpBoth);
}

TEST(OpcodeTable, NoDataRowsAndUnknownOpcodesMoveNothing)
{
    Transfer none = Resolve(0x02030100, 512);
    EXPECT_EQ(none.length, 0u);
    EXPECT_EQ(none.direction, kDpNone);
    Transfer unknown = Resolve(0x7F7F7F7F, 512);
    EXPECT_EQ(unknown.length, 0u);
    EXPECT_EQ(unknown.direction, kDpNone);
    EXPECT_EQ(FindOpcodeRow(0x7F7F7F7F, false), nullptr);
}

TEST(OpcodeTable, PrivateTableIsSeparate)
{
    // The OEM-mode read is in both tables; the page read only in the private one.
    EXPECT_EQ(Resolve(0x010E8481, 0, true).length, 24u);
    EXPECT_EQ(Resolve(0x010E8481, 0, false).length, 24u);
    EXPECT_EQ(Resolve(0x010EE100, 9, true).length, 9u);
    EXPECT_EQ(Resolve(0x010EE100, 9, true).direction, kDpFromController);
    EXPECT_EQ(FindOpcodeRow(0x010EE100, false), nullptr);
    EXPECT_EQ(FindOpcodeRow(0x01010000, true), nullptr);
}

TEST(DpParams, DcmdTakesTheTableAndPacksTheMailbox)
{
    u8 buffer[64] = {};
    const u32 words[3] = {0x04030201, 0x08070605, 0x0C0B0A09};
    DcmdFwiDpParams dcmd(0x010E0301, words, buffer, sizeof buffer);
    EXPECT_EQ(dcmd.GetKind(), DpKind::Dcmd);
    EXPECT_EQ(dcmd.GetTransferLength(), 32u);
    EXPECT_EQ(dcmd.GetDirection(), kDpFromController);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(dcmd.GetMailbox()[i], i + 1);
    EXPECT_EQ(dcmd.GetMailboxWord(1), 0x08070605u);
    EXPECT_EQ(dcmd.GetMailboxWord(3), 0u);

    // The private class reads the private table.
    DcmdFwiDpPrvParams prv(0x010EE100, words, buffer, 9);
    EXPECT_EQ(prv.GetKind(), DpKind::DcmdPrivate);
    EXPECT_EQ(prv.GetTransferLength(), 9u);

    // Driver requests are framed like firmware commands and use the same table.
    u8 pci[112];
    DriverFwiDPParams driver(0xF0010200, words, pci, 0);
    EXPECT_EQ(driver.GetKind(), DpKind::Driver);
    EXPECT_EQ(driver.GetTransferLength(), 112u);

    // Without a buffer nothing moves, whatever the table says.
    DcmdFwiDpParams noBuffer(0x01010000, words, nullptr, 0);
    EXPECT_EQ(noBuffer.GetTransferLength(), 0u);
}

TEST(DpParams, PassThroughTakesAtMostSixteenCdbBytes)
{
    u8 cdb[20];
    for (int i = 0; i < 20; ++i)
        cdb[i] = static_cast<u8>(i);
    u8 data[8];
    u8 sense[32];
    DcdbFwiDpParams dcdb(4, 7, 0, 20, cdb, sizeof data, data, 0xFE, sizeof sense, sense, 30);
    EXPECT_EQ(dcdb.GetCdbLength(), 16);
    EXPECT_EQ(dcdb.GetCdb()[15], 15);
    EXPECT_EQ(dcdb.GetDirection(), kDpFromController);  // two bits only
    EXPECT_EQ(dcdb.GetTransferLength(), 8u);

    DcdbFwiDpParams noSense(4, 7, 0, 6, cdb, sizeof data, data, 2, 32, nullptr, 0);
    EXPECT_EQ(noSense.GetSenseLength(), 0);
}

}  // namespace
