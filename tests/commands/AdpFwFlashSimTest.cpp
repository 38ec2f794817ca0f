// The simulated controller's flash region, request by request: the order the download must
// keep, what a commit checks, and what a commit that passes changes.
#include <string>
#include <vector>

#include "fwdata/layout/Opcodes.h"
#include "sim/SimHarness.h"
#include "support/FwImageBuilder.h"

namespace simtest {
namespace {

constexpr std::uint32_t kOpen = 0x010F0100;
constexpr std::uint32_t kCommit = 0x010F0300;
constexpr std::uint32_t kAbort = 0x010F0400;

class SimFlashTest : public SimTest {
protected:
    void SetUp() override
    {
        SimTest::SetUp();
        Json controller = {{"pci", Pci(1, 3)},
                           {"info", {{"flash_mb", 1}, {"package_build", "1.0"}, {"images", {{{"name", "APP"}, {"version", "1.0"}}}}}},
                           {"flash", {{"board_signature", "QV40"}}}};
        WriteState(State(Json::array({controller})));
        ASSERT_EQ(Init(), 0u);
        initial = ReadText();
    }

    // A flash request with mailbox word 0 and, for a chunk, its data; the firmware status.
    std::uint32_t Send(std::uint32_t opcode, std::uint32_t word0, const Bytes& data = {})
    {
        Request r(lp::kFnDcmd, 0, static_cast<std::uint32_t>(data.size()),
                  data.empty() ? lp::kDirNone : lp::kDirToController);
        std::copy(data.begin(), data.end(), r.Data());
        for (std::size_t i = 0; i < 4; ++i)
            r.Mailbox(i, static_cast<std::uint8_t>(word0 >> (8 * i)));
        r.Opcode(opcode).Send();
        return r.Fw();
    }

    // Sends a whole image in 32 KB chunks after an open; the commit's status.
    std::uint32_t Download(const Bytes& image)
    {
        EXPECT_EQ(Send(kOpen, static_cast<std::uint32_t>(image.size())), 0u);
        for (std::size_t at = 0; at < image.size(); at += 32768) {
            const std::size_t n = std::min<std::size_t>(32768, image.size() - at);
            EXPECT_EQ(Send(kDcmdCtrlFlashChunk, static_cast<std::uint32_t>(at), Bytes(image.begin() + at, image.begin() + at + n)), 0u);
        }
        return Send(kCommit, 0);
    }

    Json Controller0() { return ReadState()["controllers"][0]; }

    std::string initial;
};

TEST_F(SimFlashTest, DownloadMustBeOpenedAndSentInOrder)
{
    EXPECT_EQ(Send(kCommit, 0), 37u);
    EXPECT_EQ(Send(kDcmdCtrlFlashChunk, 0, Bytes(16)), 37u);
    EXPECT_EQ(Send(kAbort, 0), 0u);
    EXPECT_EQ(Send(kOpen, 0), 3u);
    EXPECT_EQ(Send(kOpen, 1024 * 1024 + 1), 14u);  // larger than the 1 MB flash
    EXPECT_EQ(Send(kOpen, 65536), 0u);
    EXPECT_EQ(Send(kOpen, 65536), 15u);
    EXPECT_EQ(Send(kDcmdCtrlFlashChunk, 4, Bytes(16)), 3u);
    EXPECT_EQ(Send(kDcmdCtrlFlashChunk, 0, Bytes(32768)), 0u);
    EXPECT_EQ(Send(kDcmdCtrlFlashChunk, 32768, Bytes(32769)), 3u);  // past the announced size
    EXPECT_EQ(Send(kCommit, 0), 16u);                  // incomplete
    EXPECT_EQ(Send(kCommit, 0), 37u);                  // the refused commit ended the download
    Close();
    EXPECT_EQ(ReadText(), initial);  // nothing of a refused download is saved
}

TEST_F(SimFlashTest, ControllerImagesComeIn64KbSteps)
{
    fwimage::Header app;
    app.length = 70000;
    EXPECT_EQ(Download(fwimage::Image(70000).Put(0, app).Vector()), 16u);
    fwimage::Header past;
    past.length = 65537;
    EXPECT_EQ(Download(fwimage::Image(65536).Put(0, past).Vector()), 16u);
}

TEST_F(SimFlashTest, CommittedImageUpdatesVersionsAndLogsAnEvent)
{
    fwimage::Header bios;
    bios.type = "BIOS";
    bios.length = 65536;
    bios.version = "7.30\x01";
    fwimage::Header application;
    application.length = 65536;
    application.version = "2.0";
    application.keyValues = {"PACKAGE=" + std::string(120, '9')};
    EXPECT_EQ(Download(fwimage::Image(131072).Put(0, application).Put(65536, bios).Vector()), 0u);
    Close();
    const Json c = Controller0();
    EXPECT_EQ(c["info"]["images"],
              (Json::array({{{"name", "APP"}, {"version", "2.0"}}, {{"name", "BIOS"}, {"version", "7.30?"}}})));
    EXPECT_EQ(c["info"]["package_build"], std::string(96, '9'));
    EXPECT_EQ(c["flash"]["image_size"], 131072);
    const Json& events = c["events"]["records"];
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]["seq"], 1);
    EXPECT_EQ(events[0]["time"], 0);
    EXPECT_EQ(events[0]["code"], "0x00000010");
    EXPECT_EQ(events[0]["description"], "Flash of new firmware image(s) complete");
}

}  // namespace
}  // namespace simtest
