// The packet as the simulated controller library checks and answers it.
#include "SimHarness.h"

namespace simtest {
namespace {

class SimPacketTest : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        WriteState(State({Json{{"pci", Pci(1, 3)}, {"kv", {{"delaySOD", "90"}}}, {"drives", {{{"device_id", 8}}}}}}));
    }
};

TEST_F(SimPacketTest, BadPacketsAreRefusedWithoutTouchingAnythingOutsideThem)
{
    ASSERT_EQ(Init(), lp::kLibOk);

    Request signature(lp::kFnDcmd, 0, 16, lp::kDirFromController);
    signature.Put(lp::kOffSignature, 4, 0x12345678);
    signature.Put(lp::kOffLibStatus, 4, 0xEEEEEEEE);
    EXPECT_EQ(signature.Opcode(0x01010000).Send(), static_cast<int>(lp::kLibBadPacket));
    EXPECT_EQ(signature.Lib(), 0xEEEEEEEEu);  // an untrusted header is not written

    // A packet that claims less than a header, in a buffer of exactly that size.
    Bytes tiny(40, 0);
    PutLe(tiny.data() + lp::kOffSignature, 4, lp::kSignature);
    PutLe(tiny.data() + lp::kOffTotalLength, 4, tiny.size());
    const Bytes tinyBefore = tiny;
    EXPECT_EQ(CallLibrary(tiny.data()), static_cast<int>(lp::kLibBadPacket));
    EXPECT_EQ(tiny, tinyBefore);

    Request version(lp::kFnDcmd, 0, 16, lp::kDirFromController);
    version.Put(lp::kOffVersion, 2, 2);
    EXPECT_EQ(version.Opcode(0x01010000).Send(), static_cast<int>(lp::kLibBadPacket));
    EXPECT_EQ(version.Lib(), lp::kLibBadPacket);

    // A data or sense length that reaches past the packet's total length.
    Request data(lp::kFnDcmd, 0, 16, lp::kDirFromController);
    data.Put(lp::kOffDataLength, 4, 2048);
    EXPECT_EQ(data.Opcode(0x01010000).Send(), static_cast<int>(lp::kLibBadPacket));
    EXPECT_EQ(data.Count(), 0u);
    EXPECT_TRUE(data.GuardIntact());
    Request sense(lp::kFnScsiPassThru, 0, 0, lp::kDirNone, 4);
    sense.bytes[lp::kOffSenseLength] = 200;
    EXPECT_EQ(sense.Send(), static_cast<int>(lp::kLibBadPacket));
    EXPECT_TRUE(sense.GuardIntact());
    Request huge(lp::kFnDcmd, 0, 16, lp::kDirFromController);
    huge.Put(lp::kOffDataLength, 4, 0xFFFFFFF0);
    EXPECT_EQ(huge.Opcode(0x01010000).Send(), static_cast<int>(lp::kLibBadPacket));

    Request cdb(lp::kFnScsiPassThru, 0, 0, lp::kDirNone);
    cdb.bytes[lp::kOffCdbLength] = 17;
    EXPECT_EQ(cdb.Send(), static_cast<int>(lp::kLibBadPacket));

    EXPECT_EQ(CallLibrary(nullptr), static_cast<int>(lp::kLibBadPacket));
}

TEST_F(SimPacketTest, RequestsOutsideASessionOrForUnknownControllersFail)
{
    EXPECT_EQ(Dcmd(0x01010000, 2048).Lib(), lp::kLibNotInitialised);
    Request list(lp::kFnListControllers, 0, 4 + 16, lp::kDirFromController);
    EXPECT_EQ(list.Send(), static_cast<int>(lp::kLibNotInitialised));

    ASSERT_EQ(Init(), lp::kLibOk);
    Request unknown = Dcmd(0x01010000, 2048, 1);
    EXPECT_EQ(unknown.Lib(), lp::kLibUnknownController);
    EXPECT_EQ(unknown.Count(), 0u);
    Request sata(lp::kFnSataPassThru, 0);
    EXPECT_EQ(sata.Send(), static_cast<int>(lp::kLibUnsupported));
    Request other(42, 0);
    EXPECT_EQ(other.Send(), static_cast<int>(lp::kLibUnsupported));

    Close();
    EXPECT_EQ(Dcmd(0x01010000, 2048).Lib(), lp::kLibNotInitialised);
}

TEST_F(SimPacketTest, UnknownOpcodeAnswersInvalidOpcodeAndReturnsTheMailbox)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    const std::pair<std::uint16_t, std::uint32_t> requests[] = {
        {lp::kFnDcmd, 0x01FF0000},        {lp::kFnDcmd, 0x02FF0000}, {lp::kFnDcmd, 0x0F000000},
        {lp::kFnDcmdPrivate, 0x01010000}, {lp::kFnDriverRequest, 0xF0FFFFFF},
    };
    for (const auto& [function, opcode] : requests) {
        Request r(function, 0, 64, lp::kDirFromController);
        for (std::size_t i = 0; i < 12; ++i)
            r.Mailbox(i, static_cast<std::uint8_t>(0x10 + i));
        std::fill(r.Data(), r.Data() + 64, 0x5A);
        EXPECT_EQ(r.Opcode(opcode).Send(), 0);
        EXPECT_EQ(r.Fw(), 1u) << std::hex << opcode;
        EXPECT_EQ(r.Count(), 0u);
        EXPECT_EQ(r.At(0, 8), 0x5A5A5A5A5A5A5A5Au);
        for (std::size_t i = 0; i < 12; ++i)
            EXPECT_EQ(r.bytes[lp::kOffMailbox + i], 0x10 + i);
    }
    Request known(lp::kFnDcmd, 0, 2048, lp::kDirFromController);
    known.Mailbox(0, 0x77).Mailbox(11, 0x88).Opcode(0x01010000).Send();
    EXPECT_EQ(known.Fw(), 0u);
    EXPECT_EQ(known.bytes[lp::kOffMailbox], 0x77);
    EXPECT_EQ(known.bytes[lp::kOffMailbox + 11], 0x88);
}

TEST_F(SimPacketTest, ReplyIsCutToTheCallersLength)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    Request info(lp::kFnDcmd, 0, 100, lp::kDirFromController, 8);
    std::fill(info.bytes.begin() + lp::PayloadSenseOffset(100), info.bytes.begin() + info.total, 0x77);
    info.Opcode(0x01010000).Send();
    EXPECT_EQ(info.Fw(), 0u);
    EXPECT_EQ(info.Count(), 100u);
    EXPECT_EQ(info.At(0, 2), 0x7A4Bu);
    EXPECT_EQ(info.Get(lp::PayloadSenseOffset(100), 8), 0x7777777777777777u);
    EXPECT_TRUE(info.GuardIntact());

    // The key=value block places whole strings only and always ends the list.
    Request kv = Dcmd(0x010B0100, 12);
    EXPECT_EQ(kv.Count(), 12u);
    EXPECT_TRUE(kv.GuardIntact());

    // "delaySOD=90", its NUL and the closing empty string need 13 bytes after the count.
    Request fits = Dcmd(0x010B0100, 17);
    EXPECT_EQ(fits.At(0, 4), 13u);
    EXPECT_EQ(fits.Text(4, 13), "delaySOD=90");
    Request tooShort = Dcmd(0x010B0100, 16);
    EXPECT_EQ(tooShort.At(0, 4), 1u);
    EXPECT_EQ(tooShort.At(4), 0u);

    Request none = Dcmd(0x01010000, 0);
    EXPECT_EQ(none.Fw(), 0u);
    EXPECT_EQ(none.Count(), 0u);
    EXPECT_TRUE(none.GuardIntact());
}

TEST_F(SimPacketTest, ScsiPassThroughThatTheDeviceDoesNotAnswerEndsInCheckCondition)
{
    ASSERT_EQ(Init(), lp::kLibOk);
    Request inquiry(lp::kFnScsiPassThru, 0, 36, lp::kDirFromController, 32);
    inquiry.bytes[lp::kOffFrameCmd] = 4;
    inquiry.bytes[lp::kOffTarget] = 8;
    inquiry.bytes[lp::kOffCdbLength] = 6;
    inquiry.bytes[lp::PayloadCdbOffset()] = 0x12;
    inquiry.bytes[lp::PayloadCdbOffset() + 4] = 36;
    EXPECT_EQ(inquiry.Send(), 0);
    EXPECT_EQ(inquiry.Fw(), 2u);
    EXPECT_EQ(inquiry.Count(), 0u);
    const std::size_t sense = lp::PayloadSenseOffset(36);
    EXPECT_EQ(inquiry.bytes[sense], 0x70);
    EXPECT_EQ(inquiry.bytes[sense + 2], 0x05);
    EXPECT_EQ(inquiry.bytes[sense + 12], 0x20);
    EXPECT_TRUE(inquiry.GuardIntact());

    // No device at the target: the controller's "not found".
    inquiry.bytes[lp::kOffTarget] = 9;
    EXPECT_EQ(inquiry.Send(), 0);
    EXPECT_EQ(inquiry.Fw(), 12u);

    Request noCdb(lp::kFnScsiPassThru, 0, 0, lp::kDirNone, 18);
    EXPECT_EQ(noCdb.Send(), static_cast<int>(lp::kLibBadPacket));
}

}  // namespace
}  // namespace simtest
