// -AdpSettings and -AdpSetVerify end to end: a settings file programmed into the defaults block
// (read back from the simulated controller's own decoding of the block), each kind of bad line
// refused with nothing written, the gates, and the verification of the controller's blocks
// against a file.
#include <string>
#include <tuple>
#include <vector>

#include "commands/PdBgOpTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace bgop_test;

const std::string kFwInvalidParameter = "\nFW error description: Invalid parameter\n\nExit Code: 0x03\n";

class AdpSettingsFileTest : public BgOpTest {
protected:
    // The default controller in the OEM mode that takes settings files, with strip-size codes
    // 3 to 9 and the defaults extent given.
    nlohmann::json SettingsState(unsigned extent = 72)
    {
        nlohmann::json state = State();
        Ctrl(state)["oem"]["mode"] = 8;
        Ctrl(state)["defaults"]["defaults_extent"] = extent;
        AddPatch(state, 0, kDcmdCtrlGetInfo, 1512, "0309");
        return state;
    }
    RunResult Apply(const std::string& file, std::string* trace)
    {
        WriteFile(Dir() + "/set.txt", file);
        return TracedTool({"-AdpSettings", "-Read", "-f", "set.txt", "-a0"}, trace);
    }
    RunResult Verify(const std::string& file)
    {
        WriteFile(Dir() + "/verify.txt", file);
        return Tool({"-AdpSetVerify", "-f", "verify.txt", "-a0"});
    }
    nlohmann::json Defaults() { return Controller0()["defaults"]; }
};

TEST_F(AdpSettingsFileTest, AGoodFileChangesOnlyTheFieldsItNames)
{
    WriteState(SettingsState());
    const nlohmann::json before = Defaults();
    const std::string file = "# programmed defaults\n"
                             "writeback = 1\n"
                             "writeback = 2   # the later line wins\n"
                             "READAHEAD=1\r\n"
                             "PHYPOLARITY=-1\n"
                             "BACKGROUNDRATE=100\n"
                             "SPINDOWNTIME=0\n"
                             "SASADDRESS=50:6:5:b0:0:c7:4e:80\n"
                             "ZCRCONFIG=17\n"
                             "STRIPESIZE=8\n"
                             "BREAKMIRRORRAIDSUPPORT=7\n"
                             "ENABLEPI=1\n"
                             "SSDSMARTERENABLED=1\n"
                             "DISABLEPOWERSAVINGS=1\n"
                             "DETECTCMETIMER=300\n"
                             "OEM=8\n"
                             "SUBVENDORID=1234\n"
                             "\n"
                             "KEYONLY\n"
                             "=5\n"
                             "NOVALUE=\n"
                             " WRITEBACK=0\n"
                             "# " + std::string(400, 'c') + " WRITEBACK=0\n";
    std::string trace;
    RunResult r = Apply(file, &trace);
    EXPECT_EQ(r.out, "OEM =8\n\nInvalid Key:  WRITEBACK\n" + kExitOk);
    EXPECT_EQ(CountRequests(trace, kDcmdCtrlSetDefaults), 1u);

    nlohmann::json expected = before;
    expected["write_policy"] = "adaptive";
    expected["read_policy"] = "read_ahead";
    expected["phy_polarity"] = 255;
    expected["background_rate"] = 100;
    expected["sas_address"] = "0x500605B000C74E80";
    expected["zcr_config"] = 17;
    expected["strip_size_kb"] = 128;
    expected["break_mirror_raid_support"] = 3;
    expected["enable_pi"] = true;
    expected["ssd_smart_error_handling"] = true;
    expected["power_saving_option"] = 1;
    expected["cme_detect_s"] = 300 & 0xFF;
    EXPECT_EQ(Defaults(), expected);

    // The same file verifies clean once the keys it may not compare are taken out.
    r = Verify("writeback=2\nREADAHEAD=1\nPHYPOLARITY=255\nBACKGROUNDRATE=100\nZCRCONFIG=17\nSTRIPESIZE=8\n"
               "BREAKMIRRORRAIDSUPPORT=3\nENABLEPI=1\nSSDSMARTERENABLED=1\nDISABLEPOWERSAVINGS=1\nDETECTCMETIMER=44\n"
               "SASADDRESS=whatever\n");
    EXPECT_EQ(r.out, "Adapter #0\n\n\nDifferences Found:\nNone\n" + kExitOk);

    // Comments and blank lines only: the block goes back as it was.
    r = Apply("# nothing\n\n   \n", &trace);
    EXPECT_EQ(r.out, kExitOk);
    EXPECT_EQ(Defaults(), expected);
    EXPECT_EQ(Apply("", &trace).out, kExitOk);
}

TEST_F(AdpSettingsFileTest, ABadValueWritesNothing)
{
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"WRITEBACK=3", "WRITEBACK"},
        {"writeback=abc", "WRITEBACK"},
        {"WRITEBACK=2x", "WRITEBACK"},
        {"WRITEBACK=4294967298", "WRITEBACK"},
        {"PHYPOLARITY=99999999999", "PHYPOLARITY"},
        {"BACKGROUNDRATE=-1", "BACKGROUNDRATE"},
        {"SPINDOWNTIME=29", "SPINDOWNTIME"},
        {"SPINDOWNTIME=65536", "SPINDOWNTIME"},
        {"ZCRCONFIG=2", "ZCRCONFIG"},
        {"STRIPESIZE=10", "STRIPESIZE"},
        {"STRIPESIZE=2", "STRIPESIZE"},
        {"SASADDRESS=1:100", "SASADDRESS"},
        {"SASADDRESS=1:2:3:4:5:6:7:8:9", "SASADDRESS"},
        {"SASADDRESS=1::2", "SASADDRESS"},
        {"SASADDRESS=zz", "SASADDRESS"},
    };
    for (const auto& [line, key] : bad) {
        WriteState(SettingsState());
        const std::string before = ReadFile(StatePath());
        std::string trace;
        RunResult r = Apply("BACKGROUNDRATE=5\n" + line + "\nREADAHEAD=2\n", &trace);
        EXPECT_EQ(r.out, "\nFailed to Program the Adapter because of invalid value of key: " + key +
                             ".\n\nExit Code: 0x03\n")
            << line;
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_EQ(CountRequests(trace, kDcmdCtrlSetDefaults), 0u) << line;
        EXPECT_EQ(ReadFile(StatePath()), before) << line;
    }

    // Accepted edges of the same fields.
    WriteState(SettingsState());
    std::string trace;
    EXPECT_EQ(Apply("SPINDOWNTIME=65535\nSASADDRESS=0x50:0x06:0x05:0xb0:0x00:0xc7:0x4e:0x80\n", &trace).out, kExitOk);
    EXPECT_EQ(Defaults()["default_spin_down_min"], 65535);
    EXPECT_EQ(Defaults()["sas_address"], "0x500605B000C74E80");
    EXPECT_EQ(Apply("SPINDOWNTIME=30\nSASADDRESS=1:2\n", &trace).out, kExitOk);
    EXPECT_EQ(Defaults()["default_spin_down_min"], 30);
    EXPECT_EQ(Defaults()["sas_address"], "0x0102000000000000");
}

TEST_F(AdpSettingsFileTest, GatesAndUnreadableFiles)
{
    // The extended keys exist only above the base extent.
    for (unsigned extent : {0u, 64u}) {
        WriteState(SettingsState(extent));
        std::string trace;
        RunResult r = Apply("ENABLEPI=1\nSMARTERENABLED=1\n", &trace);
        EXPECT_EQ(r.out, "\nInvalid Key: ENABLEPI\n" + kExitOk);
        EXPECT_EQ(Defaults()["enable_pi"], false);
        EXPECT_EQ(Defaults()["smart_error_handling"], true);
        EXPECT_EQ(Verify("ENABLEPI=1\nENABLEEMERGENCYSPARE=1\n").out,
                  "Adapter #0\n\n\nDifferences Found:\n\nInvalid Key: ENABLEPI\n\nInvalid Key: ENABLEEMERGENCYSPARE\n"
                  "None\n" +
                      kExitOk);
    }

    // Another OEM mode, -Write, or a file that cannot be read: -1 and nothing written.
    nlohmann::json state = SettingsState();
    Ctrl(state)["oem"]["mode"] = 2;
    WriteState(state);
    WriteFile(Dir() + "/set.txt", "WRITEBACK=0\n");
    std::string trace;
    RunResult r = TracedTool({"-AdpSettings", "-Read", "-f", "set.txt", "-a0"}, &trace);
    EXPECT_EQ(r.out, kExitFailed);
    EXPECT_EQ(CountRequests(trace, kDcmdCtrlGetDefaults), 0u);
    WriteState(SettingsState());
    // A file that cannot be read is named with the reason.
    for (const auto& [args, out] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"-AdpSettings", "-Write", "-f", "set.txt", "-a0"}, ""},
             {{"-AdpSettings", "-Read", "-f", "missing.txt", "-a0"},
              "ERROR: Failed to open file missing.txt.\nReason: No such file or directory.\n"},
             {{"-AdpSettings", "-Read", "-f", ".", "-a0"},
              "ERROR: Failed to open file ..\nReason: Is a directory.\n"}}) {
        r = TracedTool(args, &trace);
        EXPECT_EQ(r.out, out + kExitFailed) << args[3];
        EXPECT_EQ(CountRequests(trace, kDcmdCtrlSetDefaults), 0u) << args[3];
    }
}

TEST_F(AdpSettingsFileTest, FailedRequestsOfTheProgramming)
{
    for (const auto& [opcode, nth, out] : std::vector<std::tuple<unsigned, int, std::string>>{
             {kDcmdCtrlGetDefaults, 0, "\nFailed to get current setting on the adapter\n" + kFwInvalidParameter},
             {kDcmdCtrlGetInfo, 2, kFwInvalidParameter},
             {kDcmdCtrlSetDefaults, 0, kFwInvalidParameter}}) {
        nlohmann::json state = SettingsState();
        AddFault(state, 0, opcode, 3, nth);
        WriteState(state);
        const nlohmann::json before = Defaults();
        std::string trace;
        RunResult r = Apply("WRITEBACK=0\n", &trace);
        EXPECT_EQ(r.out, out) << std::hex << opcode;
        EXPECT_EQ(Defaults(), before);
    }
}

TEST_F(AdpSettingsFileTest, VerifyNamesEachDifferenceInFileOrder)
{
    nlohmann::json state = SettingsState();
    AddPatch(state, 0, kDcmdCtrlGetMfcPciData, 0, "3412cdab7a4b0100");
    Ctrl(state)["defaults"]["background_rate"] = 30;
    WriteState(state);
    RunResult r = Verify("  serialnumber = XYZ  \n"
                         "VENDORID = 4b7a # hexadecimal\n"
                         "SUBVENDORID=1234\n"
                         "SUBDEVICEID=abcd\n"
                         "DEVICEID=2\n"
                         "OEM=8\n"
                         "OEM=2\n"
                         "backgroundrate = 31\n"
                         "BACKGROUNDRATE=30\n"
                         "WRITEBACK=yes\n"
                         "MAXDISKS=240\n"
                         "ENABLERAID6=0\n"
                         "NOSUCHKEY=1\n"
                         "VENDORID=17a4b\n");
    EXPECT_EQ(r.out, "Adapter #0\n\n\nDifferences Found:\n"
                     "DeviceId\nOEM\nbackGroundRate\nwriteBack\nenableRaid6\n"
                     "\nInvalid Key: NOSUCHKEY\nVendorId\n" +
                         kExitFailed);

    EXPECT_EQ(Verify("").out, "Adapter #0\n\n\nDifferences Found:\nNone\n" + kExitOk);
    EXPECT_EQ(Tool({"-AdpSetVerify", "-f", "missing.txt", "-a0"}).out,
              "Adapter #0\n\nERROR: Failed to open file missing.txt.\nReason: No such file or directory.\n" +
                  kExitFailed);

    for (const auto& [opcode, text] : std::vector<std::pair<unsigned, std::string>>{
             {kDcmdCtrlGetOemData, "\nFailed to read MFC feature data from adapter\n"},
             {kDcmdCtrlGetDefaults, "\nFailed to read MFC default data from adapter\n"},
             {kDcmdCtrlGetMfcPciData, "\nFailed to read PCI data from adapter\n"}}) {
        state = SettingsState();
        AddFault(state, 0, opcode, 3);
        WriteState(state);
        EXPECT_EQ(Verify("OEM=8\n").out, text + kFwInvalidParameter);
    }
}

}  // namespace
