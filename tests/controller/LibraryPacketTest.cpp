#include <gtest/gtest.h>

#include <cstring>

#include "FakeLibrary.h"
#include "controller/Controller.h"
#include "controller/DrivekitDp.h"
#include "controller/FwiDpErrors.h"
#include "runtime/RuntimeTestDir.h"

using namespace libpacket;

namespace {

class LibraryPacket : public runtime_test::InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        FakeLibrary::Reset();
        FwiDpErrors::Reset();
        DrivekitDp::SetEntryForTest(FakeLibrary::Entry);
        controller_.AddDataProvider(std::make_unique<DrivekitFwiDp>());
    }
    void TearDown() override
    {
        DrivekitDp::SetEntryForTest(nullptr);
        FwiDpErrors::Reset();
        InTempDir::TearDown();
    }

    const std::vector<u8>& Sent() { return FakeLibrary::Get().lastRequest; }
    u32 Sent32(u32 offset) { return packet_le::Get32(Sent().data() + offset); }

    Controller controller_{ControllerId(7, 0), PciIdentity{}};
};

TEST_F(LibraryPacket, DcmdReadFillsOnlyTheTransferLength)
{
    u8 buffer[64];
    std::memset(buffer, 0xEE, sizeof buffer);
    const u8 mbox[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    DcmdFwiDpParams request(0x010E0301, mbox, buffer, sizeof buffer);  // 32-byte row

    ASSERT_EQ(controller_.Execute(request), 0);

    ASSERT_EQ(Sent().size(), PacketSize(32, 0));
    EXPECT_EQ(Sent32(kOffSignature), kSignature);
    EXPECT_EQ(packet_le::Get16(Sent().data() + kOffVersion), kVersion);
    EXPECT_EQ(packet_le::Get16(Sent().data() + kOffFunction), kFnDcmd);
    EXPECT_EQ(Sent32(kOffControllerId), 7u);  // the library's id, not the adapter number
    EXPECT_EQ(Sent32(kOffTotalLength), PacketSize(32, 0));
    EXPECT_EQ(Sent32(kOffOpcode), 0x010E0301u);
    EXPECT_EQ(Sent32(kOffDataLength), 32u);
    EXPECT_EQ(Sent()[kOffDirection], kDirFromController);
    EXPECT_EQ(0, std::memcmp(Sent().data() + kOffMailbox, mbox, 12));

    for (int i = 0; i < 32; ++i)
        ASSERT_EQ(buffer[i], 0xAB) << i;
    for (int i = 32; i < 64; ++i)
        ASSERT_EQ(buffer[i], 0xEE) << i;
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(request.GetMailbox()[i], mbox[i] ^ 0xFF);  // the mailbox comes back
}

TEST_F(LibraryPacket, ReplyIsBoundedByTheDataCountTheLibraryGives)
{
    // A list (the caller's length, 0x02010000) may hold fewer bytes than the room given.
    u8 buffer[32];
    std::memset(buffer, 0xEE, sizeof buffer);
    DcmdFwiDpParams request(0x02010000, static_cast<const u32*>(nullptr), buffer, sizeof buffer);

    FakeLibrary::Get().dataCount = 10;
    ASSERT_EQ(controller_.Execute(request), 0);
    EXPECT_EQ(buffer[9], 0xAB);
    EXPECT_EQ(buffer[10], 0xEE);
    EXPECT_EQ(request.GetReplyLength(), 10u);

    // A count past the data area is never believed.
    FakeLibrary::Get().dataCount = 0x10000000;
    FakeLibrary::Get().overstateDataCount = true;
    u8 small[8];
    std::memset(small, 0xEE, sizeof small);
    DcmdFwiDpParams shortRequest(0x010E0301, static_cast<const u32*>(nullptr), small, sizeof small);
    ASSERT_EQ(controller_.Execute(shortRequest), 0);
    EXPECT_EQ(small[7], 0xAB);
}

TEST_F(LibraryPacket, ShortReplyOfAFixedBlockIsATransportFailure)
{
    u8 buffer[32];
    std::memset(buffer, 0xEE, sizeof buffer);
    const u8 mbox[12] = {9};
    DcmdFwiDpParams request(0x010E0301, mbox, buffer, sizeof buffer);  // 32-byte row
    FakeLibrary::Get().dataCount = 31;

    EXPECT_EQ(controller_.Execute(request), -1);
    EXPECT_EQ(FwiDpErrors::LastClass(), FwiDpErrors::kTransport);
    EXPECT_EQ(buffer[0], 0xEE);  // nothing of the short block is handed on
    EXPECT_EQ(request.GetMailbox()[0], 9);
    EXPECT_NE(runtime_test::ReadFile("CmdTool.log")
                  .find("Controller library: a reply of 31 bytes for the 32-byte block of opcode 0x010e0301"),
              std::string::npos);

    // The same from the private table, and for a caller's shorter length of a fixed row.
    DcmdFwiDpPrvParams privateRequest(0x010E8481, static_cast<const u32*>(nullptr), buffer, 24);
    FakeLibrary::Get().dataCount = 0;
    EXPECT_EQ(controller_.Execute(privateRequest), -1);
    DcmdFwiDpParams shorter(0x010E0301, static_cast<const u32*>(nullptr), buffer, 16);
    FakeLibrary::Get().dataCount = 16;
    EXPECT_EQ(controller_.Execute(shorter), 0);
    EXPECT_EQ(shorter.GetReplyLength(), 16u);

    // A firmware failure keeps its status whatever the count; a write and a pass-through are
    // never refused for it.
    FakeLibrary::Get().dataCount = 0;
    FakeLibrary::Get().fwStatus = 12;
    EXPECT_EQ(controller_.Execute(request), 12);
    FakeLibrary::Get().fwStatus = 0;
    DcmdFwiDpParams write(0x010E0202, static_cast<const u32*>(nullptr), buffer, sizeof buffer);
    EXPECT_EQ(controller_.Execute(write), 0);
    const u8 cdb[6] = {0x12, 0, 0, 0, 36, 0};
    DcdbFwiDpParams inquiry(4, 8, 0, sizeof cdb, cdb, sizeof buffer, buffer, 2, 0, nullptr, 30);
    EXPECT_EQ(controller_.Execute(inquiry), 0);
    EXPECT_EQ(inquiry.GetReplyLength(), 0u);
}

TEST_F(LibraryPacket, DataGoesOutForWritesAndBothWaysForBothRows)
{
    u8 out[72];
    for (int i = 0; i < 72; ++i)
        out[i] = static_cast<u8>(i);
    DcmdFwiDpParams write(0x010E0202, static_cast<const u32*>(nullptr), out, sizeof out);
    ASSERT_EQ(controller_.Execute(write), 0);
    EXPECT_EQ(Sent()[kOffDirection], kDirToController);
    EXPECT_EQ(0, std::memcmp(Sent().data() + PayloadDataOffset(), out, sizeof out));
    EXPECT_EQ(out[5], 5);  // a write is not overwritten by whatever the library left

    u8 both[16];
    for (int i = 0; i < 16; ++i)
        both[i] = static_cast<u8>(0x40 + i);
    DcmdFwiDpParams exchange(0x07040000, static_cast<const u32*>(nullptr), both, sizeof both);
    ASSERT_EQ(controller_.Execute(exchange), 0);
    EXPECT_EQ(Sent()[kOffDirection], kDirBoth);
    EXPECT_EQ(Sent()[PayloadDataOffset() + 3], 0x43);
    EXPECT_EQ(both[3], 0xAB);
}

TEST_F(LibraryPacket, PassThroughCarriesCdbSenseAndScsiStatus)
{
    const u8 cdb[10] = {0x37, 0, 0x15, 0, 0, 0, 0, 0, 4, 0};
    u8 data[512] = {};
    u8 sense[40];
    std::memset(sense, 0xEE, sizeof sense);
    DcdbFwiDpParams request(4, 0x21, 0, sizeof cdb, cdb, sizeof data, data, 2, 32, sense, 30);

    FakeLibrary::Get().fwStatus = 2;  // CHECK CONDITION
    EXPECT_EQ(controller_.Execute(request), 2);
    EXPECT_EQ(request.GetScsiStatus(), 2);
    EXPECT_EQ(FwiDpErrors::LastClass(), FwiDpErrors::kFirmware);

    EXPECT_EQ(packet_le::Get16(Sent().data() + kOffFunction), kFnScsiPassThru);
    EXPECT_EQ(Sent()[kOffFrameCmd], 4);
    EXPECT_EQ(Sent()[kOffTarget], 0x21);
    EXPECT_EQ(Sent()[kOffCdbLength], 10);
    EXPECT_EQ(Sent()[kOffSenseLength], 32);
    EXPECT_EQ(packet_le::Get16(Sent().data() + kOffTimeout), 30);
    EXPECT_EQ(0, std::memcmp(Sent().data() + PayloadCdbOffset(), cdb, sizeof cdb));
    EXPECT_EQ(Sent().size(), PacketSize(512, 32));

    EXPECT_EQ(data[511], 0xAB);
    EXPECT_EQ(sense[31], 0x5A);
    EXPECT_EQ(sense[32], 0xEE);  // no more than the sense length given
}

TEST_F(LibraryPacket, LibraryErrorIsATransportFailureAndLeavesTheRequestAlone)
{
    u8 buffer[32];
    std::memset(buffer, 0xEE, sizeof buffer);
    const u8 mbox[12] = {9};
    DcmdFwiDpParams request(0x010E0301, mbox, buffer, sizeof buffer);
    FakeLibrary::Get().returnCode = kLibInjected;

    EXPECT_EQ(controller_.Execute(request), -1);
    EXPECT_EQ(FwiDpErrors::LastClass(), FwiDpErrors::kTransport);
    EXPECT_EQ(buffer[0], 0xEE);
    EXPECT_EQ(request.GetMailbox()[0], 9);
    EXPECT_NE(runtime_test::ReadFile("CmdTool.log").find("Controller library: error 5 for opcode 0x010e0301"),
              std::string::npos);
}

TEST_F(LibraryPacket, FailedRequestIsInTheDebugLog)
{
    QuendalLog::Enable(0);
    u8 buffer[32];
    DcmdFwiDpParams request(0x010E0301, static_cast<const u32*>(nullptr), buffer, sizeof buffer);
    FakeLibrary::Get().fwStatus = 12;
    EXPECT_EQ(controller_.Execute(request), 12);
    EXPECT_NE(runtime_test::ReadFile("CtDbg.log").find("Fwi opcode 0x010e0301 returned with error code 0x0000000c"),
              std::string::npos);
}

TEST_F(LibraryPacket, ProviderSendsInitOnceAndCloseOnRelease)
{
    ASSERT_NE(DrivekitDp::Instance(0), nullptr);
    EXPECT_EQ(DrivekitDp::Instance(255), DrivekitDp::Instance(0));
    EXPECT_EQ(DrivekitDp::Instance(1), nullptr);
    DrivekitDp::Release();
    EXPECT_EQ(FakeLibrary::Get().functions, (std::vector<u16>{kFnInit, kFnClose}));
}

TEST_F(LibraryPacket, FailedInitialisationMeansNoProvider)
{
    DrivekitDp::Release();
    FakeLibrary::Get().initResult = kLibStateError;
    EXPECT_EQ(DrivekitDp::Instance(0), nullptr);

    u8 buffer[32];
    DcmdFwiDpParams request(0x010E0301, static_cast<const u32*>(nullptr), buffer, sizeof buffer);
    EXPECT_EQ(controller_.Execute(request), -1);
    EXPECT_EQ(FwiDpErrors::LastClass(), FwiDpErrors::kTransport);
    // No CLOSE for a library that never initialised.
    DrivekitDp::Release();
    EXPECT_EQ(FakeLibrary::Get().functions, (std::vector<u16>{kFnInit}));
}

}  // namespace
