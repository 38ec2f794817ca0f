// The flash processor against a controller whose replies the test writes: the battery-module
// version check, the component table bounds, the progress steps of a large image and the read
// error of the download.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CpMgmt/CmdPro/AdFlshCp.h"
#include "CpMgmt/CpController.h"
#include "controller/Controller.h"
#include "fwdata/layout/Opcodes.h"
#include "parsers/AdpFwFlashPo.h"
#include "runtime/CtPrint.h"
#include "runtime/FileIO.h"
#include "runtime/QuendalLog.h"
#include "runtime/RuntimeTestDir.h"
#include "support/FwImageBuilder.h"

namespace {

constexpr u32 kDesign = 0x05030000;

struct SentFlashRequest {
    u32 opcode;
    u32 mbox0;
    u32 length;
};

// Answers each request with the status the test set (0 by default) and, for reads, the reply
// the test wrote; marks every chunk on the screen when asked.
class FlashProvider : public DataProvider {
public:
    bool Accepts(DpKind) const override { return true; }
    int Execute(DpParams& request) override
    {
        auto* dcmd = dynamic_cast<DcmdFwiDpParams*>(&request);
        const u32 opcode = dcmd ? dcmd->GetOpcode() : 0;
        sent.push_back({opcode, dcmd ? dcmd->GetMailboxWord(0) : 0, request.GetTransferLength()});
        if (opcode == kDcmdCtrlFlashChunk && markChunks)
            CtPrint::Instance().Print("|");
        if (auto s = statuses.find(opcode); s != statuses.end())
            return s->second;
        if (auto r = replies.find(opcode); r != replies.end() && request.GetBuffer() != nullptr)
            std::memcpy(request.GetBuffer(), r->second.data(), std::min<std::size_t>(r->second.size(), request.GetTransferLength()));
        return 0;
    }
    std::map<u32, int> statuses;
    std::map<u32, std::vector<u8>> replies;
    std::vector<SentFlashRequest> sent;
    bool markChunks = false;
};

class AdpFwFlashCpTest : public runtime_test::InTempDir {
protected:
    void SetUp() override
    {
        InTempDir::SetUp();
        info.assign(2048, 0);
        Put(info, 176, "QV40");
        Put(info, 1344, "Board 3");
    }

    static void Put(std::vector<u8>& block, std::size_t at, const std::string& text)
    {
        std::memcpy(block.data() + at, text.data(), text.size());
    }
    void PutImageEntry(unsigned index, const std::string& name, const std::string& version)
    {
        Put(info, 184 + 72 * index, name);
        Put(info, 184 + 72 * index + 8, version);
    }

    // Runs the processor on adapter 3 with the image file and options.
    int Run(const std::string& file, u8 noSigChk = 0, u8 noVerChk = 0, u8 fwType = 0)
    {
        auto owned = std::make_unique<FlashProvider>();
        provider = owned.get();
        provider->statuses = statuses;
        provider->replies = {{kDcmdCtrlGetInfo, info}, {kDesign, design}};
        provider->markChunks = markChunks;
        controller = std::make_unique<Controller>(ControllerId(9, 3), PciIdentity{});
        controller->AddDataProvider(std::move(owned));
        cpController = std::make_unique<CpController>(controller.get(),
                                                      new AdpFwFlashPo(60, file.c_str(), noSigChk, noVerChk, 3, fwType), 60);
        // The progress lines that go straight to standard output.
        testing::internal::CaptureStdout();
        const int status = cpController->Execute();
        direct = testing::internal::GetCapturedStdout();
        return status;
    }

    std::vector<u32> Opcodes() const
    {
        std::vector<u32> opcodes;
        for (const SentFlashRequest& s : provider->sent)
            opcodes.push_back(s.opcode);
        return opcodes;
    }

    std::vector<u8> info;
    std::vector<u8> design = std::vector<u8>(64, 0);
    std::map<u32, int> statuses;
    bool markChunks = false;
    std::string direct;
    FlashProvider* provider = nullptr;
    std::unique_ptr<Controller> controller;
    std::unique_ptr<CpController> cpController;
};

fwimage::Image BatteryImage(const std::string& version)
{
    fwimage::Header korv;
    korv.type = "KORV";
    korv.length = 0x10000;
    korv.version = version;
    fwimage::Header app;
    app.length = 0x10000;
    app.version = "99.0";
    return fwimage::Image(0x20000).Put(0, korv).Put(0x10000, app);
}

const std::string kBoardHead = "Adapter 3: Board 3\nVendor ID: 0x0000, Device ID: 0x0000\n\n";

TEST_F(AdpFwFlashCpTest, BatteryModuleImageIsComparedWithTheModuleOnly)
{
    Put(design, 49, "1.20.07-extra");
    PutImageEntry(0, "APP", "100.0");  // would refuse the application, but the module decides

    ASSERT_TRUE(BatteryImage("1.20.07").WriteTo("same.rom"));
    EXPECT_EQ(Run("same.rom"), 0);
    EXPECT_EQ(Screen().rfind(kBoardHead + "FW version on the controller: 1.20.07-extra \n"
                                     "FW version of the image file: 1.20.07 \n",
                             0),
              0u);
    EXPECT_EQ(Opcodes().front(), kDcmdCtrlGetInfo);
    EXPECT_EQ(Opcodes()[1], kDesign);

    ASSERT_TRUE(BatteryImage("1.19.99").WriteTo("older.rom"));
    EXPECT_EQ(Run("older.rom"), -1);
    EXPECT_NE(Screen().find("FW version of the image file: 1.19.99 \nERROR: The image file has older version than"),
              std::string::npos);
    EXPECT_EQ(Opcodes(), (std::vector<u32>{kDcmdCtrlGetInfo, kDesign}));
}

TEST_F(AdpFwFlashCpTest, BatteryDesignFailureIsLoggedAndEndsTheCommand)
{
    QuendalLog::Enable(0);
    statuses[kDesign] = 12;
    ASSERT_TRUE(BatteryImage("1.0").WriteTo("korv.rom"));
    EXPECT_EQ(Run("korv.rom"), -1);
    EXPECT_EQ(Screen(), kBoardHead + "Adapter 3: Get BBU Design Info Failed.\n");
    const std::string log = runtime_test::ReadFile("CtDbg.log");
    EXPECT_NE(log.find("CpMgmt/CmdPro/AdFlshCp 391 : Fwi opcode 0x05030000 returned with error code 0x0000000c"),
              std::string::npos)
        << log;
}

TEST_F(AdpFwFlashCpTest, OnlyTheEightRunningImageEntriesAreLookedAt)
{
    // Entry 9 lies in the pending table; with no package anywhere the check passes unseen.
    std::memcpy(info.data() + 180, "\x14\x00\x00\x00", 4);
    PutImageEntry(9, "APP", "99.0");
    ASSERT_TRUE(fwimage::ApplicationImage("1.0", "").WriteTo("app.rom"));
    EXPECT_EQ(Run("app.rom"), 0);
    EXPECT_EQ(Screen().find("FW version"), std::string::npos);

    // A negative count means none.
    std::memcpy(info.data() + 180, "\xFF\xFF\xFF\xFF", 4);
    PutImageEntry(0, "APP", "99.0");
    EXPECT_EQ(Run("app.rom"), 0);
}

TEST_F(AdpFwFlashCpTest, ProgressStepsFollowTheBytesSentEvenForLargeImages)
{
    // A sparse 50 MB file: (percent + 5) x size no longer fits 32 bits.
    const u32 size = 50000000;
    const int fd = ::open("big.rom", O_CREAT | O_WRONLY | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
    markChunks = true;
    EXPECT_EQ(Run("big.rom", 1, 1, 1), 0);

    std::string expected;
    std::string expectedDirect;
    unsigned percent = 0;
    for (unsigned long long sent = 0; sent < size;) {
        sent += std::min<unsigned long long>(32768, size - sent);
        expected += "|";
        if ((percent + 5ull) * size / 100 < sent) {
            percent += 5;
            expected += "\r" + std::to_string(percent) + " %  Download Completed";
            expectedDirect += "\r" + std::to_string(percent) + "%   Completed";
        }
    }
    EXPECT_EQ(direct, expectedDirect);
    const std::string screen = Screen();
    const std::size_t first = screen.find('|');
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(screen.substr(first, expected.size()), expected);
    EXPECT_EQ(percent, 95u);  // the last step needs more than the whole image
}

TEST_F(AdpFwFlashCpTest, ReadErrorAbortsWithoutCommit)
{
    testing::internal::CaptureStdout();
    int status = 0;
    {
        // A directory opens as a stream whose reads fail.
        std::filesystem::create_directory("dir.rom");
        auto owned = std::make_unique<FlashProvider>();
        provider = owned.get();
        controller = std::make_unique<Controller>(ControllerId(9, 3), PciIdentity{});
        controller->AddDataProvider(std::move(owned));
        CpController cp(controller.get(), nullptr, 60);
        AdpFwFlashCp processor;
        ImageFile image(GetFileIO()->Open("dir.rom", "rb"));
        ASSERT_TRUE(image.IsOpen());
        status = processor.Download(&cp, image, 65536);
    }
    direct = testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, -1);
    EXPECT_EQ(direct, "\nFile Read Error!!!!!!\n");
    EXPECT_EQ(Screen(), "ERROR: Failed to Download Flash. Stop!!!\n");
    EXPECT_EQ(Opcodes(), (std::vector<u32>{0x010F0400, 0x010F0100, 0x010F0400}));
    EXPECT_EQ(provider->sent[1].mbox0, 65536u);
}

TEST_F(AdpFwFlashCpTest, DownloadNeverExceedsTheAnnouncedSize)
{
    // The file holds more than the size announced at the open (it grew after it was measured):
    // only the announced bytes are sent, and the download is committed.
    ASSERT_TRUE(fwimage::Image(100000).WriteTo("grown.rom"));
    testing::internal::CaptureStdout();
    int status = 0;
    {
        auto owned = std::make_unique<FlashProvider>();
        provider = owned.get();
        controller = std::make_unique<Controller>(ControllerId(9, 3), PciIdentity{});
        controller->AddDataProvider(std::move(owned));
        CpController cp(controller.get(), nullptr, 60);
        AdpFwFlashCp processor;
        ImageFile image(GetFileIO()->Open("grown.rom", "rb"));
        ASSERT_TRUE(image.IsOpen());
        status = processor.Download(&cp, image, 65536);
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Opcodes(), (std::vector<u32>{0x010F0400, 0x010F0100, kDcmdCtrlFlashChunk, kDcmdCtrlFlashChunk, 0x010F0300}));
    EXPECT_EQ(provider->sent[2].length + provider->sent[3].length, 65536u);
    EXPECT_EQ(provider->sent[3].mbox0, 32768u);
}

}  // namespace
