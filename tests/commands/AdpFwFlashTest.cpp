// -AdpFwFlash end to end against the simulated controller: a flash that the controller takes and
// -AdpAllInfo then shows, every refusal of the image with its message and status, the request
// order of the download with its failures, and adapter lists.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "support/FwImageBuilder.h"
#include "support/ToolRunner.h"

namespace {

using fwimage::Image;

const std::string kHead = "Adapter 0: QRV SAS RAID Controller 4000\nVendor ID: 0x7A4B, Device ID: 0x0001\n\n";
const std::string kNewPackage = "24.12.1-0010";  // the default controller runs 24.12.0-0047
const std::string kInvalidImage = "ERROR: The image file is invalid and could not be flashed to the controller!!!\n";
const std::string kNotNewer =
    "ERROR: The image file has older version than or same as that on the \n"
    "       controller. The controller is not flashed.\n\n";

// The four progress pairs and the end of a 128 KB download that the controller takes.
std::string Completed(unsigned adapter = 0)
{
    std::string text;
    for (unsigned p = 5; p <= 20; p += 5)
        text += "\r" + std::to_string(p) + "%   Completed\r" + std::to_string(p) + " %  Download Completed";
    return text + "\rDownload Completed.     \nFlashing image to adapter...\nAdapter " + std::to_string(adapter) +
           ": Flash Completed.\nPlease reboot the system for the changes to take effect\n";
}

std::string PackageLines(const std::string& controller, const std::string& image)
{
    return "Package version on the controller: " + controller + " \nPackage version of the image file: " + image +
           " \n";
}

class AdpFwFlashTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        state = DefaultState();
        state["controllers"][0]["events"] = {{"records", nlohmann::json::array()}};  // only the flash's events
    }

    // Writes the state, runs -AdpFwFlash -f fw.rom with the options and keeps the firmware
    // requests it sent, each as "c<controller> <opcode> w0=<mailbox word 0> len=<n> fw=<status>".
    RunResult Flash(const std::vector<std::string>& options, const std::string& file = "fw.rom")
    {
        WriteState(state);
        const std::string trace = Dir() + "/trace.txt";
        std::remove(trace.c_str());
        setenv("DRIVEKIT_SIM_TRACE", trace.c_str(), 1);
        std::vector<std::string> args = {"-AdpFwFlash", "-f", file};
        args.insert(args.end(), options.begin(), options.end());
        RunResult result = Run(args);
        unsetenv("DRIVEKIT_SIM_TRACE");
        requests.clear();
        std::istringstream lines(ReadFile(trace));
        for (std::string line; std::getline(lines, line);) {
            unsigned controller = 0, opcode = 0, length = 0, fw = 0;
            char mbox[25] = {};
            if (std::sscanf(line.c_str(), "DCMD ctrl=%u opcode=0x%x mbox=%24s len=%u dir=%*s lib=%*u fw=%u", &controller,
                            &opcode, mbox, &length, &fw) != 5)
                continue;
            const unsigned long word = std::strtoul((std::string(mbox, 6, 2) + std::string(mbox, 4, 2) +
                                                     std::string(mbox, 2, 2) + std::string(mbox, 0, 2))
                                                        .c_str(),
                                                    nullptr, 16);
            char text[96];
            std::snprintf(text, sizeof text, "c%u %08X w0=%lu len=%u fw=%u", controller, opcode, word, length, fw);
            requests.push_back(text);
        }
        return result;
    }

    bool SentAnyFlashRequest() const
    {
        for (const std::string& r : requests)
            if (r.find(" 010F") != std::string::npos)
                return true;
        return false;
    }

    void WriteImage(const Image& image, const std::string& name = "fw.rom") { ASSERT_TRUE(image.WriteTo(Dir() + "/" + name)); }
    nlohmann::json& Info(unsigned controller = 0) { return state["controllers"][controller]["info"]; }

    nlohmann::json state;
    std::vector<std::string> requests;
};

TEST_F(AdpFwFlashTest, FlashedImageShowsInTheControllerInformation)
{
    WriteImage(fwimage::ApplicationImage("4.730.00-0050", kNewPackage));
    RunResult r = Flash({"-a0"});
    EXPECT_EQ(r.out, kHead + PackageLines("24.12.0-0047", kNewPackage) + Completed() + Exit(0));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(requests, (std::vector<std::string>{
                            "c0 01010000 w0=0 len=2048 fw=0", "c0 010F0400 w0=0 len=0 fw=0",
                            "c0 010F0100 w0=131072 len=0 fw=0", "c0 010F0200 w0=0 len=32768 fw=0",
                            "c0 010F0200 w0=32768 len=32768 fw=0", "c0 010F0200 w0=65536 len=32768 fw=0",
                            "c0 010F0200 w0=98304 len=32768 fw=0", "c0 010F0300 w0=0 len=0 fw=0"}));

    const nlohmann::json after = ReadState()["controllers"][0];
    EXPECT_EQ(after["flash"]["image_size"], 131072);
    const nlohmann::json& events = after["events"]["records"];
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]["seq"], 1);
    EXPECT_EQ(events[0]["time"], state["clock"]["now"]);
    EXPECT_EQ(events[0]["code"], "0x00000010");

    RunResult info = Run({"-AdpAllInfo", "-a0"});
    EXPECT_NE(info.out.find("FW Package Build: " + kNewPackage + "\n"), std::string::npos);
    EXPECT_NE(info.out.find("FW Version         : 4.730.00-0050\nBIOS Version       : 7.20.01.0\n"), std::string::npos);

    // The same image again is not newer.
    state = ReadState();
    r = Flash({"-a0"});
    EXPECT_EQ(r.out, kHead + PackageLines(kNewPackage, kNewPackage) + kNotNewer + Exit(1));
    EXPECT_FALSE(SentAnyFlashRequest());
}

TEST_F(AdpFwFlashTest, InterruptedDownloadKeepsTheOldFirmware)
{
    WriteImage(fwimage::ApplicationImage("4.730.00-0050", kNewPackage));
    AddFault(state, 0, 0x010F0200, 7, 2);
    RunResult r = Flash({"-a0"});
    EXPECT_EQ(r.out, kHead + PackageLines("24.12.0-0047", kNewPackage) +
                         "\r5%   Completed\r5 %  Download Completed" + "ERROR: Failed to Download Flash. Stop!!!\n" +
                         "\nFW error description: Flash memory programming failed\n" + Exit(7));
    EXPECT_EQ(r.exitCode, 7);
    EXPECT_EQ(std::vector<std::string>(requests.end() - 3, requests.end()),
              (std::vector<std::string>{"c0 010F0200 w0=0 len=32768 fw=0", "c0 010F0200 w0=32768 len=32768 fw=7",
                                        "c0 010F0400 w0=0 len=0 fw=0"}));
    const nlohmann::json after = ReadState()["controllers"][0];
    EXPECT_EQ(after["info"]["package_build"], "24.12.0-0047");
    EXPECT_EQ(after["info"]["images"], Info()["images"]);
    EXPECT_EQ(after["flash"]["image_size"], 0);
    EXPECT_TRUE(after["events"]["records"].empty());
}

TEST_F(AdpFwFlashTest, ImagesThatFailValidationEndWith17BeforeAnyFlashRequest)
{
    struct Case {
        const char* what;
        Image image;
        std::vector<std::string> options;
        std::string out;
    };
    fwimage::Header pastEnd;
    pastEnd.length = 0x20001;
    fwimage::Header zero;
    zero.length = 0;
    fwimage::Header korv;
    korv.type = "KORV";
    korv.length = 65408;
    const std::vector<Case> cases = {
        {"not a multiple of 64 KB", Image(65537), {"-a0"}, "ERROR: Failed to Validate The Image File fw.rom. Stop!!!\n"},
        {"empty", Image(0), {"-a0"}, kHead + kInvalidImage},
        {"no header", Image(65536), {"-a0"}, kHead + kInvalidImage},
        {"no header, signature check off", Image(65536), {"-NoSigChk", "-a0"}, kHead + kInvalidImage},
        {"no header, type 1", Image(65537), {"-FWTYPE", "1", "-a0"}, kHead + kInvalidImage},
        {"another board", fwimage::ApplicationImage("9.0", kNewPackage, 65536, "QV41"), {"-NoVerChk", "-a0"},
         kHead + kInvalidImage},
        {"component past the end", Image(0x20000).Put(0, pastEnd), {"-a0"}, kHead + kInvalidImage},
        {"component length 0", Image(0x20000).Put(0, zero), {"-a0"}, kHead + kInvalidImage},
        {"header cut short", Image(66000).Put(0, korv).Put(65408, fwimage::Header{}), {"-FWTYPE", "1", "-a0"},
         kHead + kInvalidImage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteImage(c.image);
        RunResult r = Flash(c.options);
        EXPECT_EQ(r.out, c.out + Exit(17));
        EXPECT_EQ(r.exitCode, 17);
        EXPECT_FALSE(SentAnyFlashRequest());
    }
}

TEST_F(AdpFwFlashTest, RefusalsBeforeTheController)
{
    RunResult r = Flash({"-a0"}, "missing.rom");
    const std::string missing = "ERROR: Failed to open file missing.rom.\nReason: No such file or directory.\n";
    EXPECT_EQ(r.out, missing + "ERROR: Failed to Validate The Image File missing.rom. Stop!!!\n" + Exit(17));
    r = Flash({"-FWTYPE", "1", "-a0"}, "missing.rom");
    EXPECT_EQ(r.out, missing + missing + Exit(1));

    // A directory is no image, even as a type 1 image with both checks off.
    r = Flash({"-NoSigChk", "-NoVerChk", "-FWTYPE", "1", "-a0"}, Dir());
    const std::string directory = "ERROR: Failed to open file " + Dir() + ".\nReason: Is a directory.\n";
    EXPECT_EQ(r.out, directory + directory + Exit(1));
    EXPECT_FALSE(SentAnyFlashRequest());

    WriteImage(Image(65536));
    r = Flash({"-FWTYPE", "2", "-a0"});
    EXPECT_EQ(r.out, "Invalid FW Type\n" + Exit(1));
    EXPECT_TRUE(requests.empty());

    // A type that does not fit 8 bits, a missing file name or a missing number fail the parse.
    const std::string parseFailed = "Failed to parse command. Use -h option for usage.\n" + Exit(1);
    for (const auto& args : std::vector<std::vector<std::string>>{{"-AdpFwFlash", "-f", "fw.rom", "-FWTYPE", "257", "-a0"},
                                                                 {"-AdpFwFlash", "-NoVerChk", "-NoSigChk", "-a0"},
                                                                 {"-AdpFwFlash", "-f", "fw.rom", "-FWTYPE", "-a0"}}) {
        r = Run(args);
        EXPECT_EQ(r.out, parseFailed);
        EXPECT_EQ(r.exitCode, 1);
    }
}

TEST_F(AdpFwFlashTest, VersionCheckComparesPackageOrApplicationVersion)
{
    // An older package is refused even when the application version is newer.
    WriteImage(fwimage::ApplicationImage("9.0", "24.11.9-9999"));
    RunResult r = Flash({"-a0"});
    EXPECT_EQ(r.out, kHead + PackageLines("24.12.0-0047", "24.11.9-9999") + kNotNewer + Exit(1));

    // Without a package version on the controller the application versions decide.
    Info()["package_build"] = "";
    WriteImage(fwimage::ApplicationImage("4.720.00-0047", kNewPackage));
    r = Flash({"-a0"});
    EXPECT_EQ(r.out, kHead + "FW version on the controller: 4.720.00-0047 \nFW version of the image file: 4.720.00-0047 \n" +
                         kNotNewer + Exit(1));
    r = Flash({"-NoVerChk", "-a0"});
    EXPECT_EQ(r.out, kHead + Completed() + Exit(0));

    // Nothing to compare with: no package and no application on the controller.
    Info()["images"] = nlohmann::json::array();
    Info()["package_build"] = "";
    WriteImage(fwimage::ApplicationImage("1.0", ""));
    r = Flash({"-a0"});
    EXPECT_EQ(r.out, kHead + Completed() + Exit(0));
    EXPECT_EQ(ReadState()["controllers"][0]["info"]["images"],
              (nlohmann::json::array({{{"name", "APP"}, {"version", "1.0"}}})));
}

TEST_F(AdpFwFlashTest, FirmwareChecksTheImageItselfWhenTheToolDoesNot)
{
    // Another board's image passes with -NoSigChk; the controller refuses it at the commit.
    WriteImage(fwimage::ApplicationImage("9.0", "99.0", 65536, "QV41"));
    RunResult r = Flash({"-NoSigChk", "-a0"});
    EXPECT_EQ(r.out, kHead + PackageLines("24.12.0-0047", "99.0") + "\r5%   Completed\r5 %  Download Completed" +
                         "\r10%   Completed\r10 %  Download Completed\rDownload Completed.     \n"
                         "Flashing image to adapter...\nFirmware Failed to FLASH flash. Stop!!!\n"
                         "\nFW error description: Firmware image does not match the controller\n" + Exit(17));
    EXPECT_EQ(std::vector<std::string>(requests.end() - 2, requests.end()),
              (std::vector<std::string>{"c0 010F0300 w0=0 len=0 fw=17", "c0 010F0400 w0=0 len=0 fw=0"}));
    EXPECT_EQ(ReadState()["controllers"][0]["info"]["package_build"], "24.12.0-0047");

    // With both checks off whatever the file holds is sent: 64 KB of zeros in two chunks.
    WriteImage(Image(65536));
    r = Flash({"-NoSigChk", "-NoVerChk", "-a0"});
    EXPECT_EQ(r.exitCode, 16);
    EXPECT_EQ(requests, (std::vector<std::string>{
                            "c0 01010000 w0=0 len=2048 fw=0", "c0 010F0400 w0=0 len=0 fw=0",
                            "c0 010F0100 w0=65536 len=0 fw=0", "c0 010F0200 w0=0 len=32768 fw=0",
                            "c0 010F0200 w0=32768 len=32768 fw=0", "c0 010F0300 w0=0 len=0 fw=16",
                            "c0 010F0400 w0=0 len=0 fw=0"}));

    // An empty file is sent too: the controller refuses a download of 0 bytes at the open, so
    // nothing is committed and the old firmware stays.
    WriteImage(Image(0));
    r = Flash({"-NoSigChk", "-NoVerChk", "-a0"});
    EXPECT_EQ(r.out, kHead + "Failed to open flash. Stop!!!\n\nFW error description: Invalid parameter\n" + Exit(3));
    EXPECT_EQ(std::vector<std::string>(requests.begin() + 1, requests.end()),
              (std::vector<std::string>{"c0 010F0400 w0=0 len=0 fw=0", "c0 010F0100 w0=0 len=0 fw=3"}));
    EXPECT_EQ(ReadState()["controllers"][0]["info"]["package_build"], "24.12.0-0047");
}

TEST_F(AdpFwFlashTest, BatteryModuleImageOfAnySizeInChunks)
{
    fwimage::Header korv;
    korv.type = "KORV";
    korv.length = 100000;
    WriteImage(Image(100000).Put(0, korv));
    RunResult r = Flash({"-NoSigChk", "-NoVerChk", "-FWTYPE", "1", "-a0"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\r20%   Completed\r20 %  Download Completed\rDownload Completed."), std::string::npos);
    EXPECT_EQ(std::vector<std::string>(requests.begin() + 3, requests.end() - 1),
              (std::vector<std::string>{"c0 010F0200 w0=0 len=32768 fw=0", "c0 010F0200 w0=32768 len=32768 fw=0",
                                        "c0 010F0200 w0=65536 len=32768 fw=0", "c0 010F0200 w0=98304 len=1696 fw=0"}));
    const nlohmann::json after = ReadState()["controllers"][0];
    EXPECT_EQ(after["flash"]["image_size"], 100000);
    EXPECT_EQ(after["info"]["images"], Info()["images"]);  // the module's firmware is not the controller's
}

TEST_F(AdpFwFlashTest, FailedRequestsEndWithTheirFirmwareStatus)
{
    WriteImage(fwimage::ApplicationImage("9.0", kNewPackage));
    struct Case {
        unsigned opcode;
        int status;
        std::string tail;
    };
    const std::vector<Case> cases = {
        {0x010F0100, 14, "Firmware Failed to Allocate Memory for Flash. Stop!!!\n\nFW error description: Memory allocation failed\n"},
        {0x010F0100, 15, "Flash download is already in progress. Stop!!!\n\nFW error description: Flash already in progress\n"},
        {0x010F0100, 3, "Failed to open flash. Stop!!!\n\nFW error description: Invalid parameter\n"},
    };
    const nlohmann::json pristine = state;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        state = pristine;
        AddFault(state, 0, c.opcode, c.status);
        RunResult r = Flash({"-a0"});
        EXPECT_EQ(r.out, kHead + PackageLines("24.12.0-0047", kNewPackage) + c.tail + Exit(c.status));
        EXPECT_EQ(requests.back(), "c0 010F0100 w0=131072 len=0 fw=" + std::to_string(c.status));  // no abort after
    }

    // The controller's own refusal of an image larger than its flash.
    state = pristine;
    Info()["flash_mb"] = 0;
    RunResult r = Flash({"-a0"});
    EXPECT_EQ(r.exitCode, 14);

    state = pristine;
    AddFault(state, 0, 0x010F0300, 7);
    r = Flash({"-a0"});
    // The abort that follows the failure names no failure: the description is the commit's.
    EXPECT_NE(r.out.find("Flashing image to adapter...\nFirmware Failed to FLASH flash. Stop!!!\n"
                         "\nFW error description: Flash memory programming failed\n" + Exit(7)),
              std::string::npos);
    EXPECT_EQ(requests.back(), "c0 010F0400 w0=0 len=0 fw=0");

    state = pristine;
    AddFault(state, 0, 0x01010000, 12);
    r = Flash({"-a0"});
    EXPECT_EQ(r.out, "ERROR: Failed to get controller information! Stop!!!\n\nFW error description: Device not found\n" +
                         Exit(12));
}

TEST_F(AdpFwFlashTest, AdapterListStopsAtTheFirstFailure)
{
    state["controllers"].push_back(state["controllers"][0]);
    WriteImage(fwimage::ApplicationImage("4.730.00-0050", kNewPackage));
    auto touched = [this](unsigned controller) {
        for (const std::string& r : requests)
            if (r.rfind("c" + std::to_string(controller) + " ", 0) == 0)
                return true;
        return false;
    };

    state["controllers"][0]["flash"]["board_signature"] = "QV41";
    RunResult r = Flash({"-a0,1"});
    EXPECT_EQ(r.out, kHead + kInvalidImage + Exit(17));
    EXPECT_FALSE(touched(1));

    state["controllers"][0]["flash"]["board_signature"] = "QV40";
    state["controllers"][1]["flash"]["board_signature"] = "QV41";
    for (const char* adapters : {"-a0,1", "-aALL"}) {
        SCOPED_TRACE(adapters);
        r = Flash({adapters});
        EXPECT_EQ(r.out, kHead + PackageLines("24.12.0-0047", kNewPackage) + Completed(0) +
                             "Adapter 1: QRV SAS RAID Controller 4000\nVendor ID: 0x7A4B, Device ID: 0x0001\n\n" +
                             kInvalidImage + Exit(17));
        EXPECT_EQ(r.exitCode, 17);
    }
}

}  // namespace
