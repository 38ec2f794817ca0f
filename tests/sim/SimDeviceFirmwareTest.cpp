// Firmware downloads to the simulated devices: the prepare request, WRITE BUFFER pieces (at once
// or deferred), whole images, ATA DOWNLOAD MICROCODE to a SATA drive, the image check, the
// reception log and the new revision.
#include "DriveRulesFixture.h"
#include "support/DriveImage.h"

namespace simtest {
namespace {

constexpr std::uint32_t kPrepare = 0x01130200;
constexpr const char* kProduct = "Disk Model 9";

class SimDeviceFirmwareTest : public DriveRulesTest {
protected:
    // Drive 20 a SAS disk, 23 a SATA drive, 29 a SATA drive behind a bridge, 252 the enclosure.
    void SetUp() override
    {
        DriveRulesTest::SetUp();
        Json c = Controller();
        for (Json& d : c["drives"])
            d["inquiry"] = {{"vendor", "VEND"}, {"product", kProduct}, {"revision", "A100"}};
        c["drives"][3]["interface"] = "sata";
        Json bridged = Drive(29, 9, "unconfigured_good");
        bridged["bridge"] = true;
        bridged["interface"] = "sata";
        bridged["inquiry"] = c["drives"][0]["inquiry"];
        c["drives"].push_back(bridged);
        c["enclosures"][0]["inquiry"] = {{"vendor", "ENCV"}, {"product", "Shelf 12"}, {"revision", "0100"}};
        c["drives"][0]["firmware"] = {{"busy_answers", 2}};
        Start(c);
    }

    Request Prepare(std::uint16_t device, std::uint32_t count, std::uint32_t size)
    {
        Bytes data(40, 0);
        data[0] = static_cast<std::uint8_t>(count);
        PutLe(&data[4], 4, size);
        return Write(kPrepare, data, {static_cast<std::uint8_t>(device), static_cast<std::uint8_t>(device >> 8)});
    }

    static Bytes WriteBufferCdb(std::uint8_t mode, std::uint32_t offset, std::uint32_t length, std::uint8_t bufferId = 0)
    {
        return Bytes{0x3B,
                     mode,
                     bufferId,
                     static_cast<std::uint8_t>(offset >> 16),
                     static_cast<std::uint8_t>(offset >> 8),
                     static_cast<std::uint8_t>(offset),
                     static_cast<std::uint8_t>(length >> 16),
                     static_cast<std::uint8_t>(length >> 8),
                     static_cast<std::uint8_t>(length),
                     0};
    }
    Request Piece(std::uint8_t target, std::uint8_t mode, const Bytes& image, std::uint32_t offset, std::uint32_t length,
                  std::uint8_t bufferId = 0)
    {
        const Bytes data(image.begin() + offset, image.begin() + offset + length);
        return PassThru(target, WriteBufferCdb(mode, offset, length, bufferId), 0, lp::kDirToController, data);
    }
    Request AtaDownload(std::uint8_t target, const Bytes& data, std::uint32_t blocks)
    {
        const Bytes cdb{0xA1, 0x0A, 0xC6, 0x07, static_cast<std::uint8_t>(blocks), static_cast<std::uint8_t>(blocks >> 8),
                        0, 0, 0xA0, 0x92, 0, 0};
        return PassThru(target, cdb, 0, lp::kDirToController, data);
    }
    std::string Revision(int id) { return Record(id).Text(4 + 32, 4); }
    Json Received(int drive) { return Saved()["drives"][drive]["firmware"]["received"]; }
};

TEST_F(SimDeviceFirmwareTest, SasDriveTakesPiecesAndActivatesTheLastOne)
{
    const Bytes image = driveimage::Build(kProduct, "B200", 65536);
    // The drive answers busy twice, then takes the prepare.
    EXPECT_EQ(Prepare(20, 2, 65536).Fw(), 50u);
    EXPECT_EQ(Prepare(20, 2, 65536).Fw(), 50u);
    EXPECT_EQ(Prepare(20, 2, 65536).Fw(), 0u);
    EXPECT_EQ(Piece(20, 0x07, image, 0, 0x8000).Fw(), 0u);
    EXPECT_EQ(Revision(20), "A100");
    EXPECT_EQ(Piece(20, 0x07, image, 0x8000, 0x8000).Fw(), 0u);
    EXPECT_EQ(Revision(20), "B200");
    Close();
    const Json received = Received(0);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0]["cdb"], "3B070000000000800000");
    EXPECT_EQ(received[0]["offset"], 0);
    EXPECT_EQ(received[0]["length"], 32768);
    EXPECT_EQ(received[0]["result"], "accepted");
    EXPECT_EQ(received[1]["cdb"], "3B070000800000800000");
    EXPECT_EQ(received[1]["offset"], 0x8000);
    EXPECT_EQ(received[1]["result"], "activated");
    EXPECT_EQ(Saved()["drives"][0]["firmware"]["busy_answers"], 0);
    EXPECT_EQ(Saved()["drives"][0]["inquiry"]["revision"], "B200");
    EXPECT_EQ(EventCodes().back(), "0x000000C0");
}

TEST_F(SimDeviceFirmwareTest, EnclosureTakesDeferredPiecesAndTheActivation)
{
    const Bytes image = driveimage::Build("Shelf 12", "0200", 40000);
    ASSERT_EQ(Prepare(252, 3, 40000).Fw(), 0u);
    EXPECT_EQ(Piece(252, 0x0E, image, 0, 32768).Fw(), 0u);
    EXPECT_EQ(Piece(252, 0x0E, image, 32768, 7232).Fw(), 0u);
    EXPECT_EQ(Record(252).Text(4 + 32, 4), "0100");  // saved, not yet active
    EXPECT_EQ(PassThru(252, WriteBufferCdb(0x0F, 0, 0), 0, lp::kDirToController).Fw(), 0u);
    EXPECT_EQ(Record(252).Text(4 + 32, 4), "0200");
    Close();
    const Json received = Saved()["enclosures"][0]["firmware"]["received"];
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[1]["length"], 7232);
    EXPECT_EQ(received[1]["result"], "saved");
    EXPECT_EQ(received[2]["cdb"], "3B0F0000000000000000");
    EXPECT_EQ(received[2]["result"], "activated");
}

TEST_F(SimDeviceFirmwareTest, RefusedImagesLeaveTheRevisionAndTheDownloadOpen)
{
    Bytes foreign = driveimage::Build("Other Disk", "Z999", 4096);
    Bytes damaged = driveimage::Build(kProduct, "B300", 4096);
    damaged[100] ^= 1;
    const Bytes good = driveimage::Build(kProduct, "B300", 4096);
    ASSERT_EQ(Prepare(21, 1, 4096).Fw(), 0u);
    for (const Bytes& image : {foreign, damaged}) {
        const Request r = Piece(21, 0x05, image, 0, 4096);
        EXPECT_EQ(r.Fw(), 2u);
        EXPECT_EQ(SenseKey(r), 0x05);
        EXPECT_EQ(SenseCode(r), 0x26);
    }
    EXPECT_EQ(Revision(21), "A100");
    EXPECT_EQ(Piece(21, 0x05, good, 0, 4096).Fw(), 0u);
    EXPECT_EQ(Revision(21), "B300");
    Close();
    const std::vector<std::string> codes = EventCodes();
    EXPECT_EQ(std::count(codes.begin(), codes.end(), "0x000000C1"), 2);
    EXPECT_EQ(Received(1).size(), 3u);
    EXPECT_EQ(Received(1)[0]["result"], "refused");
}

TEST_F(SimDeviceFirmwareTest, SataDriveTakesOnlyWholeImagesThroughAtaPassThrough)
{
    const Bytes image = driveimage::Build(kProduct, "S500", 65536);
    ASSERT_EQ(Prepare(23, 2, 65536).Fw(), 0u);
    // A piece is a whole image to the drive: too short, so it is aborted.
    const Request piece = AtaDownload(23, Bytes(image.begin(), image.begin() + 32768), 64);
    EXPECT_EQ(piece.Fw(), 2u);
    EXPECT_EQ(SenseKey(piece), 0x0B);
    // WRITE BUFFER is no command of a SATA drive.
    EXPECT_EQ(SenseCode(Piece(23, 0x05, image, 0, 65536)), 0x20);
    EXPECT_EQ(AtaDownload(23, image, 128).Fw(), 0u);
    EXPECT_EQ(Revision(23), "S500");
    Close();
    const Json received = Received(3);
    ASSERT_EQ(received.size(), 2u);  // the refused WRITE BUFFER never reached the download
    EXPECT_EQ(received[0]["cdb"], "A10AC60740000000A0920000");
    EXPECT_EQ(received[0]["result"], "refused");
    EXPECT_EQ(received[1]["cdb"], "A10AC60780000000A0920000");
    EXPECT_EQ(received[1]["result"], "activated");
}

TEST_F(SimDeviceFirmwareTest, CommandsThatDoNotFitTheDownloadAreRefused)
{
    const Bytes image = driveimage::Build(kProduct, "C100", 65536);
    // Nothing prepared.
    EXPECT_EQ(SenseCode(Piece(21, 0x07, image, 0, 0x8000)), 0x2C);
    ASSERT_EQ(Prepare(21, 2, 65536).Fw(), 0u);
    EXPECT_EQ(SenseCode(Piece(22, 0x07, image, 0, 0x8000)), 0x2C);  // prepared for another drive
    EXPECT_EQ(SenseCode(Piece(21, 0x07, image, 0x8000, 0x8000)), 0x24);  // not the next offset
    EXPECT_EQ(SenseCode(Piece(21, 0x07, image, 0, 0x8000, 0x0A)), 0x24);  // buffer id without a bridge
    EXPECT_EQ(SenseCode(Piece(21, 0x06, image, 0, 0x8000)), 0x24);
    EXPECT_EQ(SenseCode(PassThru(21, WriteBufferCdb(0x0F, 0, 0), 0, lp::kDirToController)), 0x2C);
    EXPECT_EQ(SenseCode(AtaDownload(21, image, 128)), 0x20);  // ATA is no command of a SAS drive
    Bytes lying = WriteBufferCdb(0x07, 0, 0x8000);
    lying[8] = 0x01;  // a length that is not the data sent
    EXPECT_EQ(SenseCode(PassThru(21, lying, 0, lp::kDirToController, Bytes(image.begin(), image.begin() + 0x8000))), 0x24);
    // The drive behind a bridge takes the image kind as buffer id.
    ASSERT_EQ(Prepare(21, 1, 4096).Fw(), 0u);  // a new prepare for the same drive starts over
    const Bytes small = driveimage::Build(kProduct, "C101", 4096);
    EXPECT_EQ(Piece(21, 0x07, small, 0, 4096).Fw(), 0u);
    ASSERT_EQ(Prepare(29, 1, 4096).Fw(), 0u);
    EXPECT_EQ(Piece(29, 0x07, small, 0, 4096, 0x0A).Fw(), 0u);
    EXPECT_EQ(Revision(29), "C101");
}

TEST_F(SimDeviceFirmwareTest, PrepareRefusals)
{
    EXPECT_EQ(Prepare(99, 1, 100).Fw(), 12u);
    EXPECT_EQ(Prepare(21, 0, 100).Fw(), 3u);
    EXPECT_EQ(Prepare(21, 1, 0).Fw(), 3u);
    EXPECT_EQ(Prepare(21, 255, (32u << 20) + 1).Fw(), 32u);
    ASSERT_EQ(Prepare(21, 1, 100).Fw(), 0u);
    EXPECT_EQ(Prepare(22, 1, 100).Fw(), 1u);  // one device at a time
    Bytes shortData(39, 0);
    EXPECT_EQ(Write(kPrepare, shortData, {22, 0}).Fw(), 3u);
}

TEST_F(SimDeviceFirmwareTest, DownloadIsAllowedOnlyOnAnIdleDrive)
{
    const auto allowed = [this](int id) { return (DcmdTo(0x020A0000, 4, {static_cast<std::uint8_t>(id), 0}).At(0, 4) >> 16) & 1; };
    EXPECT_EQ(allowed(23), 1u);
    ASSERT_EQ(Send(0x02050100, Ref(23)).Fw(), 0u);  // a clear runs on it
    EXPECT_EQ(allowed(23), 0u);
}

}  // namespace
}  // namespace simtest
