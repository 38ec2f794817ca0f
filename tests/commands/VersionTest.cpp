// -Version: the controller's identity, the tool's banner, the kernel driver's version (in
// process, with a driver record handed in) and the drives' models, end to end.
#include <memory>

#include "CpMgmt/CmdPro/CliVerCp.h"
#include "CpMgmt/CpController.h"
#include "commands/AdpInfoTestSupport.h"
#include "framework/FakeController.h"
#include "runtime/RuntimeTestDir.h"
#include "support/HostSystemFake.h"

namespace {

using namespace adp_test;


class VersionTest : public AdpInfoTest {};

TEST_F(VersionTest, ControllerVersionsAreTheInformationTextsInTheirFields)
{
    const std::string name(80, 'N');
    RunResult r = RunPatched({"-Version", "-Ctrl", "-a0"}, {Text(kDcmdCtrlGetInfo, 1344, name + "Z"),
                                                            Text(kDcmdCtrlGetInfo, 1424, std::string(32, 'S') + "Z"),
                                                            Text(kDcmdCtrlGetInfo, 1600, "25.1.0-0001")});
    EXPECT_EQ(r.out, "\t\tCTRL VERSION:\n\t\t================\n\nProduct Name : " + name + "\nSerial No : " +
                         std::string(32, 'S') + "\nFw Pakage Build : 25.1.0-0001\n" + kExitOk);
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(VersionTest, BannerDriverAndNothingAsked)
{
    WriteState(ZeroedState(2));
    EXPECT_EQ(Run({"-Version", "-Cli", "-aALL"}).out, kBanner + kBanner + kExitOk);
    // Without the driver's node: nothing, and success.
    RunResult driver = Run({"-Version", "-Driver", "-a0"});
    EXPECT_EQ(driver.out, kExitOk);
    EXPECT_EQ(driver.exitCode, 0);
    for (const char* refused : {"", "-uEfi"}) {
        std::vector<std::string> args = {"-Version", "-a0"};
        if (*refused != '\0')
            args.insert(args.begin() + 1, refused);
        RunResult r = Run(args);
        EXPECT_EQ(r.out, "\nExit Code: 0x01\n") << refused;
        EXPECT_EQ(r.exitCode, 1);
    }
    EXPECT_EQ(Run({"-Version", "-Cli", "-Pd", "-a0"}).out,
              "Failed to parse command. Use -h option for usage.\n\nExit Code: 0x01\n");
}

TEST_F(VersionTest, FailedInformationReadPrintsOnlyItsFailure)
{
    nlohmann::json state = ZeroedState();
    AddFault(state, 0, kDcmdCtrlGetInfo, 12, 2);  // the first read is the dispatcher's check of the adapter
    WriteState(state);
    RunResult r = Run({"-Version", "-Cli", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0: Failed to Perform AdpAll information Operation.\n"
                     "\nFW error description: Device not found\n\nExit Code: 0x0c\n");
    EXPECT_EQ(r.exitCode, 12);
}

TEST_F(VersionTest, DriveModelsFollowTheirLocation)
{
    nlohmann::json state = DefaultState();
    auto& drives = state["controllers"][0]["drives"];
    drives = nlohmann::json::array({drives[0], drives[8]});
    state["controllers"][0]["config"] = nlohmann::json::object();
    drives[0]["state"] = "unconfigured_good";
    // A product identification that fills its field runs into the revision and the serial number.
    drives[1]["inquiry"]["product"] = "SSD-0123456789AB";
    WriteState(state);
    RunResult r = Run({"-Version", "-Pd", "-a0"});
    EXPECT_EQ(r.out, "Location\tModel\t\t\tFw Version\n"
                     "2 \t\tHS1200SAS12     A3C0QH12K10070\n"
                     "2 \t\tSSD-0123456789ABD210QS96D10078\n" + kExitOk);
}

class VersionDriverTest : public runtime_test::InTempDir {};

TEST_F(VersionDriverTest, DriverRecordTextsStayInTheirFields)
{
    HostSystemFake host;
    host.SetDriverRecord("2024/01/15", std::string(64, 'v') + "overrun");
    Controller controller(ControllerId(7, 3), PciIdentity{});
    controller.AddDataProvider(std::make_unique<FakeProvider>());
    CpController cpController(&controller, new CliVersionPo(126, CliVersionPo::kDriver, 3), 5);
    CliVersionCp processor;
    EXPECT_EQ(processor.Process(&cpController, cpController.GetParsedObject()), 0);
    EXPECT_EQ(Screen(), "\t\tDRIVER VERSION:\n\t\t================\n\nDriver Version:        " + std::string(64, 'v') +
                            "\nRelease Date:     2024/01/15\n");
}

}  // namespace
