// -AdpBIOS, -AdpBootDrive, -AdpGetConnectorMode / -AdpSetConnectorMode and -AdpAutoRbld end to
// end: each setting changed in one run and shown in the next, the refusals that leave the
// controller as it was, and failed requests.
#include "commands/AdpSettingsTestSupport.h"

namespace {

using namespace settings_test;

class AdpBiosBootTest : public SettingsTest {
protected:
    nlohmann::json Bios() { return Settings()["bios"]; }
};

TEST_F(AdpBiosBootTest, BiosSettingsAreChangedOnceAndShown)
{
    WriteState(State());
    EXPECT_EQ(RunLine("-AdpBIOS -Dsply -a0").out, "BIOS on Adapter 0 is Enabled.\n    BIOS will Stop on error.\n"
                                                  "Auto select Boot on Adapter 0 is Enabled.\n" + kExitOk);
    ExpectRefused(Words("-AdpBIOS -Enbl -a0"), "BIOS is Already Enabled on Adapter 0.\n" + kExitOk, 0);
    EXPECT_EQ(RunLine("-AdpBIOS -Dsbl -a0").out, "BIOS is Disabled on Adapter 0.\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpBIOS -a0 -BE").out, "BIOS is set to Bypass Error on Adapter 0.\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpBIOS -DsblAutoSelectBootLd -a0").out, "Auto Select Boot is Disabled on Adapter 0.\n" + kExitOk);
    ExpectRefused(Words("-AdpBIOS -DsblAutoSelectBootLd -a0"), "Auto select Boot is already Disabled on Adapter 0.\n" + kExitOk,
                  0);
    EXPECT_EQ(RunLine("-AdpBIOS -Dsply -a0").out, "BIOS on Adapter 0 is Disabled.\n    BIOS will Bypass error.\n"
                                                  "Auto select Boot on Adapter 0 is Disabled.\n" + kExitOk);
    EXPECT_EQ(Bios(), nlohmann::json({{"boot_device", 1}, {"boot_is_drive", false}, {"disabled", true},
                                      {"bypass_errors", true}, {"auto_select_boot_ld", false}}));
    ExpectRefused(Words("-AdpBIOS -a0"), kExitOk, 0);
    ExpectRefused(Words("-AdpBIOS -Enbl -Dsbl -a0"), kParseFailed);

    nlohmann::json state = State();
    AddFault(state, 0, 0x010C0200, 12);
    WriteState(state);
    ExpectRefused(Words("-AdpBIOS -SOE -a0"), "BIOS is Already Stop On Error on Adapter 0.\n" + kExitOk, 0);
    const RunResult failed = RunLine("-AdpBIOS -Dsbl -a0");
    EXPECT_EQ(failed.out.rfind("Failed to Disable BIOS on Adapter 0.\n", 0), 0u) << failed.out;
    EXPECT_EQ(failed.exitCode, 12);
    state = State();
    AddFault(state, 0, 0x010C0100, 12);
    WriteState(state);
    EXPECT_EQ(RunLine("-AdpBIOS -Dsply -a0").out.rfind("Failed to get data on Adapter 0\n", 0), 0u);
}

TEST_F(AdpBiosBootTest, BootDriveIsAVirtualDriveOrASystemDrive)
{
    nlohmann::json state = State();
    Ctrl(state)["properties"]["jbod_enabled"] = true;
    for (auto& drive : Ctrl(state)["drives"])
        if (drive["slot"] == 7)
            drive["state"] = "jbod";
    WriteState(state);
    EXPECT_EQ(RunLine("-AdpBootDrive -Get -a0").out, "Adapter 0: Boot Virtual Drive - #1 (target id - 1).\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpBootDrive -Set -L0 -a0").out,
              "Boot Virtual Drive is set to #0 (target id #0) on Adapter 0\n" + kExitOk);
    ExpectRefused(Words("-AdpBootDrive -Set -L5 -a0"), "Adapter 0: Virtual Drive 5 Does not Exist.\n" + kExitFailed);
    ExpectRefused(Words("-AdpBootDrive -Set -physdrv[252:8] -a0"),
                  "Adapter 0: Physical Device at Enclosure - 252, Slot - 8 is not a JBOD disk .\n" + kExitFailed);
    ExpectRefused(Words("-AdpBootDrive -Set -physdrv[252:11] -a0"),
                  "Adapter 0: Device at Enclosure - 252, Slot - 11 is not found.\n" + kExitFailed);
    EXPECT_EQ(RunLine("-AdpBootDrive -Set -physdrv[?:7] -a0").out,
              "Boot Physical drive is successfully set on Adapter 0\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpBootDrive -Get -a0").out, "Adapter 0: Boot Physical Drive -- EnclId- 252 Slotid - 7.\n" + kExitOk);
    EXPECT_EQ(Bios()["boot_device"], 15);
    EXPECT_EQ(Bios()["boot_is_drive"], true);

    // An unset names the boot drive: another drive leaves it as it is.
    ExpectRefused(Words("-AdpBootDrive -Unset -L0 -a0"), "Failed to unset Boot Virtual Drive on Adapter 0\n" + kExitFailed);
    EXPECT_EQ(RunLine("-AdpBootDrive -Unset -physdrv[252:7] -a0").out,
              "Boot Physical drive is successfully unset on Adapter 0\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpBootDrive -Get -a0").out,
              "Adapter 0: No Virtual drive or Physical Drive is configured as boot drive.\n" + kExitOk);
    for (const char* line : {"-AdpBootDrive -Set -a0", "-AdpBootDrive -Get -L0 -a0", "-AdpBootDrive -Set -L0,1 -a0",
                             "-AdpBootDrive -Set -physdrv[252:7,252:8] -a0"})
        ExpectRefused(Words(line), kParseFailed);
}

TEST_F(AdpBiosBootTest, ConnectorModesAreSetTogetherOrNotAtAll)
{
    nlohmann::json state = State();
    nlohmann::json& connectors = Ctrl(state)["connectors"];
    connectors[1]["mode"] = "fixed";
    for (int i = 0; i < 4; ++i)
        connectors.push_back({{"location", "external"}, {"name", "X"}, {"mode", "auto"}});
    WriteState(state);
    const std::string count = "Adapter 0: Total Connector Count is 6\n";
    EXPECT_EQ(RunLine("-AdpGetConnectorMode -ConnectorAll -a0").out,
              count + "Adapter 0: Connector 0 Mode Internal\nAdapter 0: Connector 1 Mode Unknown\n"
                      "Adapter 0: Connector 2 Mode Auto\nAdapter 0: Connector 3 Mode Auto\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpGetConnectorMode -Connector3,0 -a0").out,
              count + "Adapter 0: Connector 3 Mode Auto\nAdapter 0: Connector 0 Mode Internal\n" + kExitOk);
    // Connectors past the fourth have no mode in the controller's block.
    ExpectRefused(Words("-AdpGetConnectorMode -Connector5 -a0"), count + "Adapter 0: Failed to Get Connector Mode. \n" + kExitFailed);
    ExpectRefused(Words("-AdpSetConnectorMode -External -Connector0,1 -a0"),
                  count + "Adapter 0: Failed to Set Connector Mode.\n" + kExitFailed);
    EXPECT_EQ(RunLine("-AdpSetConnectorMode -External -Connector0,3 -a0").out,
              count + "Adapter 0: Set Connector Mode successful.\nPlease reboot the system for the changes to take effect\n" +
                  kExitOk);
    const nlohmann::json saved = Settings()["connectors"];
    EXPECT_EQ(saved[0]["mode"], "external");
    EXPECT_EQ(saved[2]["mode"], "auto");
    EXPECT_EQ(saved[3]["mode"], "external");
    for (const char* line : {"-AdpGetConnectorMode -a0", "-AdpGetConnectorMode -Connector0 -ConnectorAll -a0",
                             "-AdpSetConnectorMode -Connector0 -a0", "-AdpGetConnectorMode -Connector256 -a0"})
        ExpectRefused(Words(line), kParseFailed);
}

TEST_F(AdpBiosBootTest, AutomaticRebuildIsSwitchedAndShown)
{
    WriteState(State());
    EXPECT_EQ(RunLine("-AdpAutoRbld -Dsbl -a0").out, "Adapter 0: AutoRebuild is Disabled.\n" + kExitOk);
    EXPECT_EQ(RunLine("-AdpAutoRbld -a0 -Dsply").out, "Adapter 0: AutoRebuild is Disabled.\n" + kExitOk);
    EXPECT_EQ(Settings()["properties"]["auto_rebuild"], false);
    EXPECT_NE(Run({"-AdpAllInfo", "-a0"}).out.find("Auto Rebuild                     : Disabled\n"), std::string::npos);
    ExpectRefused(Words("-AdpAutoRbld -a0"), "Invalid option specified.\n" + kExitFailed);
    ExpectRefused(Words("-AdpAutoRbld -Enbl -Dsbl -a0"), kParseFailed);

    nlohmann::json state = State();
    AddFault(state, 0, 0x01020200, 12);
    WriteState(state);
    const RunResult failed = RunLine("-AdpAutoRbld -Dsbl -a0");
    EXPECT_EQ(failed.out.rfind("Failed to Set data on Adapter 0\n", 0), 0u) << failed.out;
}

}  // namespace
