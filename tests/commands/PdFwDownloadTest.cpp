// -PdFwDownload end to end: images sent in pieces and whole to SAS and SATA drives and to an
// enclosure device, checked against the devices' reception logs; the controller's busy answers;
// the refusals that come before anything is sent.
#include <filesystem>
#include <string>
#include <vector>

#include "support/DriveImage.h"
#include "support/ToolRunner.h"

namespace {

constexpr unsigned kPrepare = 0x01130200;
constexpr unsigned kAllowedOps = 0x020A0000;
constexpr unsigned kSas = 0;   // drive index: device id 8, slot 0
constexpr unsigned kSata = 8;  // device id 16, slot 8

std::string Flashing(const char* size, const char* bytes)
{
    return std::string("Flashing firmware image size ") + size + " (" + bytes + "). Please wait...\n";
}

// The reception log of a device as "cdb offset length result" lines.
std::vector<std::string> Received(const nlohmann::json& device)
{
    std::vector<std::string> lines;
    if (!device.contains("firmware") || device["firmware"].is_null() || !device["firmware"].contains("received"))
        return lines;
    for (const auto& r : device["firmware"]["received"])
        lines.push_back(r["cdb"].get<std::string>() + " " + std::to_string(r["offset"].get<unsigned>()) + " " +
                        std::to_string(r["length"].get<unsigned>()) + " " + r["result"].get<std::string>());
    return lines;
}

class PdFwDownloadTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        state = DefaultState();
    }

    nlohmann::json& Drive(unsigned index) { return state["controllers"][0]["drives"][index]; }
    nlohmann::json SavedDrive(unsigned index) { return ReadState()["controllers"][0]["drives"][index]; }

    void WriteImage(const std::string& name, const std::string& product, std::size_t size)
    {
        const std::vector<std::uint8_t> image = driveimage::Build(product, "B200", size);
        WriteFile(name, std::string(image.begin(), image.end()));
    }

    nlohmann::json state;
};

TEST_F(PdFwDownloadTest, SasDriveTakesTheImageInPiecesAndReportsTheNewRevision)
{
    WriteState(state);
    WriteImage("fw.bin", Drive(kSas)["inquiry"]["product"], 40000);
    RunResult r = Run({"-PdFwDownload", "-PhysDrv[252:0]", "-f", "fw.bin", "-a0"});
    EXPECT_EQ(r.out, "\n" + Flashing("0x8000", "0x0 0x80 0x0") + Flashing("0x1c40", "0x0 0x1c 0x40") +
                         "\nExit Code: 0x00\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Received(SavedDrive(kSas)), (std::vector<std::string>{"3B070000000000800000 0 32768 accepted",
                                                                    "3B0700008000001C4000 32768 7232 activated"}));
    RunResult info = Run({"-PDInfo", "-PhysDrv[252:0]", "-a0"});
    EXPECT_NE(info.out.find("Device Firmware Level: B200\n"), std::string::npos);
}

TEST_F(PdFwDownloadTest, WholeImageByModeFiveAndAsTheFallbackOfRefusedAtaPieces)
{
    WriteState(state);
    WriteImage("sas.bin", Drive(kSas)["inquiry"]["product"], 40000);
    RunResult r = Run({"-PdFwDownload", "-PhysDrv[252:0]", "-f", "sas.bin", "-mode", "5", "-a0"});
    EXPECT_EQ(r.out, "\n" + Flashing("0x9c40", "0x0 0x9c 0x40") + "\nExit Code: 0x00\n");
    EXPECT_EQ(Received(SavedDrive(kSas)),
              (std::vector<std::string>{"3B0500000000009C4000000000000000 0 40000 activated"}));

    // A SATA drive takes each ATA command as a whole image: the first piece is refused, and the
    // image follows whole (128 blocks of 512 bytes).
    WriteImage("sata.bin", Drive(kSata)["inquiry"]["product"], 65536);
    r = Run({"-PdFwDownload", "-PhysDrv[252:8]", "-f", "sata.bin", "-a0"});
    EXPECT_EQ(r.out, "\n" + Flashing("0x8000", "0x0 0x0 0xa0") + Flashing("0x10000", "0x0 0x0 0xa0") +
                         "\nExit Code: 0x00\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(Received(SavedDrive(kSata)), (std::vector<std::string>{"A10AC60740000000A0920000 0 32768 refused",
                                                                     "A10AC60780000000A0920000 0 65536 activated"}));
}

TEST_F(PdFwDownloadTest, DeferredActivationOnAnEnclosureDevice)
{
    WriteState(state);
    WriteImage("encl.bin", state["controllers"][0]["enclosures"][0]["inquiry"]["product"], 40000);
    RunResult r = Run({"-PdFwDownload", "-ForceActivate", "-EncdevId[252]", "-f", "encl.bin", "-mode", "5", "-a0"});
    EXPECT_EQ(r.out, "\n" + Flashing("0x8000", "0x0 0x80 0x0") + Flashing("0x1c40", "0x0 0x1c 0x40") +
                         Flashing("0x0", "0x0 0x0 0x0") + "\nExit Code: 0x00\n");
    EXPECT_EQ(Received(ReadState()["controllers"][0]["enclosures"][0]),
              (std::vector<std::string>{"3B0E0000000000800000 0 32768 accepted",
                                        "3B0E00008000001C4000 32768 7232 saved", "3B0F0000000000000000 0 0 activated"}));
}

TEST_F(PdFwDownloadTest, BusyControllerIsWaitedForAndThenGivenUp)
{
    const std::string busy = "\nMicroCode Update is already in progress. Please wait...";
    Drive(kSas)["firmware"] = {{"busy_answers", 2}};
    WriteState(state);
    WriteImage("fw.bin", Drive(kSas)["inquiry"]["product"], 1024);
    RunResult r = Run({"-PdFwDownload", "-PhysDrv[252:0]", "-f", "fw.bin", "-a0"});
    EXPECT_EQ(r.out, busy + busy + "\n" + Flashing("0x400", "0x0 0x4 0x0") + "\nExit Code: 0x00\n");
    EXPECT_EQ(r.exitCode, 0);

    Drive(kSas)["firmware"] = {{"busy_answers", 9}};
    WriteState(state);
    r = Run({"-PdFwDownload", "-PhysDrv[252:0]", "-f", "fw.bin", "-a0"});
    std::string expected;
    for (int i = 0; i < 7; ++i)
        expected += busy;
    expected += "\nMicroCode Update is already in progress. try again later\n"
                "Firmware Download on Device at Enclosure - 252, Slot - 0 in Adapter 0 Failed \n";
    EXPECT_EQ(r.out.substr(0, expected.size()), expected);
    EXPECT_EQ(r.exitCode, 50);
    EXPECT_EQ(SavedDrive(kSas)["firmware"]["busy_answers"], 2);
    EXPECT_TRUE(Received(SavedDrive(kSas)).empty());
}

TEST_F(PdFwDownloadTest, BadImagesAndRefusedDrivesSendNothing)
{
    AddPatch(state, 0, kAllowedOps, 2, "00");  // no drive may take firmware
    WriteState(state);
    const std::string before = ReadFile("drivekit-sim.json");
    WriteImage("fw.bin", Drive(kSas)["inquiry"]["product"], 4096);
    WriteFile("empty.bin", "");
    std::filesystem::resize_file(Dir() + "/empty.bin", 0);
    WriteFile("huge.bin", "");
    std::filesystem::resize_file(Dir() + "/huge.bin", 8355841);  // 256 pieces

    struct Case {
        std::vector<std::string> args;
        std::string out;
        int status;
    };
    const std::vector<Case> cases = {
        {{"-PhysDrv[252:0]", "-f", "fw.bin"},
         "Firmware Download on Device at Enclosure - 252, Slot - 0 in Adapter 0 is not allowed\n", 1},
        {{"-EncdevId[8]", "-f", "empty.bin"}, "ERROR: Firmware image file empty.bin is empty.\n", 1},
        {{"-EncdevId[8]", "-f", "huge.bin"}, "ERROR: Firmware image file huge.bin is too large to download.\n", 1},
        {{"-EncdevId[8]", "-f", "missing.bin"},
         "ERROR: Failed to open file missing.bin.\nReason: No such file or directory.\n"
         "Firmware Download on Device at Enclosure - 8, Slot - 0 in Adapter 0 Failed \n",
         1},
        {{"-EncdevId[300]", "-f", "fw.bin"},
         "Firmware Download on Device at Enclosure - 300, Slot - 0 in Adapter 0 Failed \n", 1},
        {{"-PhysDrv[252:11]", "-f", "fw.bin"}, "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n", 1},
        {{"-SataBridge", "-PhysDrv[252:0]", "-f", "fw.bin"},
         "Adapter 0: Device at Enclosure - 252, Slot - 0 is not SAS SATA Bridge .\n", 1},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"-PdFwDownload"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        args.push_back("-a0");
        RunResult r = Run(args);
        EXPECT_EQ(r.out, c.out + "\nExit Code: 0x0" + std::to_string(c.status) + "\n") << c.args[1];
        EXPECT_EQ(r.exitCode, c.status) << c.args[1];
        EXPECT_EQ(ReadFile("drivekit-sim.json"), before) << c.args[1];
    }
}

TEST_F(PdFwDownloadTest, PrepareAnswersAndCommandLineRefusals)
{
    AddFault(state, 0, kPrepare, 12);
    WriteState(state);
    WriteImage("fw.bin", Drive(kSas)["inquiry"]["product"], 4096);
    RunResult r = Run({"-PdFwDownload", "-PhysDrv[252:0]", "-f", "fw.bin", "-a0"});
    const std::string prepareRefused = "\ninvalid device ID\n"
                                       "Firmware Download on Device at Enclosure - 252, Slot - 0 in Adapter 0 Failed \n";
    EXPECT_EQ(r.out.substr(0, prepareRefused.size()), prepareRefused);
    EXPECT_EQ(r.exitCode, 12);

    const std::string failed = "Failed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"-Offline", "-PhysDrv[252:0]", "-f", "fw.bin"}, "Invalid command.\n" + failed},
        {{"-PhysDrv[252:0]", "-f", "fw.dlp"}, "This command is deprecated.\n" + failed},
        {{"-PhysDrv[252:0]", "-f", "FW.DLP"}, "This command is deprecated.\n" + failed},
        {{"-PhysDrv[252:0]", "-f", "fw.bin", "-mode", "6"}, "Unsupported mode \n" + failed},
        {{"-EncdevId[1a]", "-f", "fw.bin"}, failed},
        {{"-EncdevId[70000]", "-f", "fw.bin"}, failed},
        {{"-EncdevId[8,,9]", "-f", "fw.bin"}, failed},
        {{"-ForceActivate", "-PhysDrv[252:0]", "-f", "fw.bin"}, failed},
        {{"-SataBridge", "-EncdevId[8]", "-f", "fw.bin"}, failed},
    };
    for (const auto& [args, out] : refused) {
        std::vector<std::string> line = {"-PdFwDownload"};
        line.insert(line.end(), args.begin(), args.end());
        line.push_back("-a0");
        r = Run(line);
        EXPECT_EQ(r.out, out) << args[0] << " " << args[1];
        EXPECT_EQ(r.exitCode, 1);
    }
}

}  // namespace
