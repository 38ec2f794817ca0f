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

// Two drives on connector 2, in no array: the default's slot 0 and an SSD whose product
// identification fills its field.
nlohmann::json TwoDrives(nlohmann::json state)
{
    auto& drives = state["controllers"][0]["drives"];
    drives = nlohmann::json::array({drives[0], drives[8]});
    state["controllers"][0]["config"] = nlohmann::json::object();
    drives[0]["state"] = "unconfigured_good";
    drives[1]["inquiry"]["product"] = "SSD-0123456789AB";
    return state;
}

TEST_F(VersionTest, DriveModelsFollowTheirLocation)
{
    WriteState(TwoDrives(DefaultState()));
    RunResult r = Run({"-Version", "-Pd", "-a0"});
    // A product identification that fills its field runs into the revision and the serial number.
    EXPECT_EQ(r.out, "Location\tModel\t\t\tFw Version\n"
                     "2 \t\tHS1200SAS12     A3C0QH12K10070\n"
                     "2 \t\tSSD-0123456789ABD210QS96D10078\n" + kExitOk);
}

TEST_F(VersionTest, DriveVersionsNameWhatCouldNotBeRead)
{
    const std::string heading = "Location\tModel\t\t\tFw Version\n";
    const std::string invalidParameter = "\nFW error description: Invalid parameter\n" + Exit(3);
    struct Case {
        nlohmann::json fault;
        std::string expected;
        int exitCode;
    };
    const auto fault = [](unsigned opcode, int nth) {
        nlohmann::json state;
        AddFault(state, 0, opcode, 3, nth);
        return state["faults"][0];
    };
    const Case cases[] = {
        // The drive list: the drives in no array, and the configuration for the others.
        {fault(kDcmdPdGetList, 0), heading + "Adapter 0: Failed to read the drive list.\n" + invalidParameter, 3},
        {{{"controller", 0}, {"opcode", "0x04010000"}, {"lib_error", 5}},
         heading + "Adapter 0: Failed to read the drive list.\n" + kExitFailed, 1},
        // A drive's information: the drive is named, the others follow.
        {fault(kDcmdPdGetInfo, 1),
         heading + "Adapter 0: Failed to read the information of the device at Enclosure - 252, Slot - 0.\n"
                   "2 \t\tSSD-0123456789ABD210QS96D10078\n" + invalidParameter,
         3},
        // The connector list: the models without a location, never an unknown one (0).
        {fault(kDcmdConnectorGetList, 1),
         heading + "Adapter 0: Failed to read the connector list.\n"
                   "\t\tHS1200SAS12     A3C0QH12K10070\n"
                   "\t\tSSD-0123456789ABD210QS96D10078\n" + invalidParameter,
         3},
    };
    const nlohmann::json twoDrives = TwoDrives(DefaultState());
    for (const Case& c : cases) {
        nlohmann::json state = twoDrives;
        state["faults"].push_back(c.fault);
        WriteState(state);
        RunResult r = Run({"-Version", "-Pd", "-a0"});
        EXPECT_EQ(r.out, c.expected) << c.fault;
        EXPECT_EQ(r.exitCode, c.exitCode) << c.fault;
    }
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
