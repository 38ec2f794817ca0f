// -EncInfo and -EncStatus end to end: the enclosure's lines, the element reports read from its
// enclosure services pages, pages that are odd or short, and failures of every request.
#include <string>
#include <vector>

#include "commands/AdpInfoTestSupport.h"
#include "commands/ReportTestSupport.h"

namespace {

using namespace report_test;
using nlohmann::json;

constexpr const char* kConfigPage = "1c0101";
constexpr const char* kStatusPage = "1c0102";

class EnclosureTest : public ReportTest {
protected:
    json Default() { return State(); }
    // The default controller; its enclosure as `change` leaves it.
    template <typename Change>
    json StateWith(Change change)
    {
        json state = Default();
        change(state["controllers"][0]["enclosures"][0]);
        return state;
    }
    RunResult Run2(const json& state, const char* command)
    {
        WriteState(state);
        return Run({command, "-a0"});
    }
};

// The element report of the default enclosure, after its counts line.
const std::string kDefaultPowerFansTemperatures =
    "Number of Power Supplies     : 2 \n\n"
    "Power Supply                 : 0 \nPower Supply Status          : OK\n"
    "Power Supply                 : 1 \nPower Supply Status          : OK\n"
    "Number of Fans               : 3 \n\n"
    "Fan                          : 0 \nFan Speed              :Medium Speed\nFan Status                   : OK\n"
    "Fan                          : 1 \nFan Speed              :Medium Speed\nFan Status                   : OK\n"
    "Fan                          : 2 \nFan Speed              :Medium Speed\nFan Status                   : OK\n"
    "Number of Temperature Sensors : 2 \n\n"
    "Temp Sensor                  : 0 \nTemperature                  : 27 \nTemperature Sensor Status    : OK\n"
    "Temp Sensor                  : 1 \nTemperature                  : 34 \nTemperature Sensor Status    : OK\n";

// The standard element report of the default enclosure, after its "Enclosure N" line; drives
// are installed in its first slots.
std::string DefaultStatusReport(int installed = 10)
{
    std::string slots;
    for (int s = 0; s < 12; ++s)
        slots += "Slot                         : " + std::to_string(s) + " \nSlot Status                  : " +
                 (s < installed ? "OK\n" : "Not Installed\n");
    return "\n\nNumber of Slots              : 12 \n\n" + slots + kDefaultPowerFansTemperatures +
           "Number of Alarms             : 1 \n\nAlarm                        : 0 \n"
           "Alarm Status                 : OK\n"
           "Number of SIM Modules        : 1 \n\nSIM Module                   : 0 \n"
           "SIM Module Status            :OK\n";
}

TEST_F(EnclosureTest, DefaultEnclosureInFull)
{
    WriteState(Default());
    RunResult info = Run({"-EncInfo", "-a0"});
    EXPECT_EQ(info.out,
              "    Number of enclosures on adapter 0 -- 1\n\n"
              "    Enclosure 0:\n"
              "    Device ID                     : 252\n"
              "    Number of Slots               : 12\n"
              "    Number of Power Supplies      : 2\n"
              "    Number of Fans                : 3\n"
              "    Number of Temperature Sensors : 2\n"
              "    Number of Alarms              : 1\n"
              "    Number of SIM Modules         : 1\n"
              "    Number of Physical Drives     : 10\n"
              "    Status                        : Normal\n"
              "    Position                      : 1\n"
              "    Connector Name                : Port 0 - 3\n"
              "    Enclosure type                : SES\n"
              "    FRU Part Number               : QRV-BP12\n"
              "    Enclosure Serial Number       : QB12K041\n"
              "    ESM Serial Number             : ES0417\n"
              "    Enclosure Zoning Mode         : NONE\n"
              "    Partner Device Id             : Unavailable\n\n"
              "    Inquiry data                  :\n"
              "        Vendor Identification     : QRV     \n"
              "        Product Identification    : SAS12 BP 12-Bay \n"
              "        Product Revision Level    : 0210\n"
              "        Vendor Specific           : QB12K041            \n\n"
              "Number of Voltage Sensors         :0\n\n" +
                  kDefaultPowerFansTemperatures +
                  "Number of Chassis             : 1 \n\n"
                  "Chassis                      : 0 \nChassis Status               : OK\n" + kExitOk);
    EXPECT_EQ(info.exitCode, 0);

    RunResult status = Run({"-EncStatus", "-a0"});
    EXPECT_EQ(status.out, "Enclosure 0 " + DefaultStatusReport() + kExitOk);
}

TEST_F(EnclosureTest, ElementConditionsAndReadings)
{
    json state = StateWith([](json& e) {
        e["power_supplies"] = json::array({{{"status", "critical"},
                                            {"conditions", {"dc_failed", "ac_failed", "off", "over_temperature",
                                                            "dc_over_current", "dc_under_voltage", "dc_over_voltage"}}}});
        e["fans"] = json::array({{{"speed", 1}}, {{"speed", 7}}, {{"status", "critical"}, {"speed", 2}}});
        e["temperature_sensors"] = json::array({{{"status", "non_critical"}, {"celsius", 58}},
                                                {{"status", "not_installed"}, {"celsius", -20}},
                                                {{"status", "unknown"}, {"celsius", -5}}});
        e["alarms"] = json::array({{{"conditions", {"muted", "critical_sound", "non_critical_sound"}}}});
        e["sims"] = json::array({{{"status", "not_available"}, {"conditions", {"report"}}}});
        e["voltage_sensors"] = json::array({{{"millivolts", -1200}, {"conditions", {"critical_over", "warning_under"}}},
                                            {{"status", "unrecoverable"}, {"millivolts", 12000},
                                             {"conditions", {"critical_under", "warning_over"}}}});
        e["fault"] = true;
    });
    RunResult status = Run2(state, "-EncStatus");
    EXPECT_NE(status.out.find("Number of Power Supplies     : 1 \n\n"
                              "Power Supply                 : 0 \n"
                              "Power Supply           : DC Failed \n"
                              "Power Supply           : AC Failed \n"
                              "Power Supply           : Device is Off \n"
                              "Power Supply           : Over Temperature Failed \n"
                              "Power Supply           : DC Over Current \n"
                              "Power Supply           : DC Under Voltage \n"
                              "Power Supply           : DC Over Voltage \n"
                              "Power Supply Status          : Critical\n"
                              "Number of Fans               : 3 \n\n"
                              "Fan                          : 0 \nFan Speed              :Low Speed\n"
                              "Fan Status                   : OK\n"
                              "Fan                          : 1 \nFan Speed              :High Speed\n"
                              "Fan Status                   : OK\n"
                              "Fan                          : 2 \nFan Status                   : Critical\n"
                              "Number of Temperature Sensors : 3 \n\n"
                              "Temp Sensor                  : 0 \nTemperature                  : 58 \n"
                              "Temperature Sensor Status    : Non Critical\n"
                              "Temp Sensor                  : 1 \nTemperature                  : 0 \n"
                              "Temperature Sensor Status    : Not Installed\n"
                              "Temp Sensor                  : 2 \nTemperature                  : -5 \n"
                              "Temperature Sensor Status    : Unknown\n"
                              "Number of Alarms             : 1 \n\n"
                              "Alarm                        : 0 \n"
                              "Alarm Status             :Alarm Muted\n"
                              "Alarm Status             :Critical Sound if Alarm Not Muted\n"
                              "Alarm Status             :Non Critical Sound if Alarm Not Muted\n"
                              "Alarm Status                 : OK\n"
                              "Number of SIM Modules        : 1 \n\n"
                              "SIM Module                   : 0 \nSIM                          :Report set\n"
                              "SIM Module Status            :Not Available\n"),
              std::string::npos)
        << status.out;

    RunResult info = Run({"-EncInfo", "-a0"});
    EXPECT_NE(info.out.find("    Status                        : Fault\n"), std::string::npos);
    EXPECT_NE(info.out.find("Number of Voltage Sensors         :2\n\n"
                            "Voltage Sensor                    :0\n"
                            "Voltage Sensor                :Crit Over\n"
                            "Voltage Sensor                :Warn Under\n"
                            "Voltage Sensor Status             :OK\n"
                            "Voltage Value                     :-1200 milli volts\n\n"
                            "Voltage Sensor                    :1\n"
                            "Voltage Sensor                :Crit Under\n"
                            "voltage Sensor                :Warn Over\n"
                            "Voltage Sensor Status             :Unrecoverable\n"
                            "Voltage Value                     :12000 milli volts\n\n"),
              std::string::npos)
        << info.out;
    EXPECT_NE(info.out.find("Chassis                      : 0 \nChassis Status               : Critical\n"),
              std::string::npos);
}

TEST_F(EnclosureTest, EveryControllerReportsItsOwnEnclosures)
{
    WriteState(State(2));
    RunResult info = Run({"-EncInfo", "-aALL"});
    const std::size_t second = info.out.find("    Number of enclosures on adapter 1 -- 1\n\n    Enclosure 0:\n");
    EXPECT_NE(second, std::string::npos) << info.out;
    EXPECT_EQ(info.out.rfind("    Number of enclosures on adapter 0 -- 1\n\n    Enclosure 0:\n", 0), 0u);
    EXPECT_NE(info.out.find("Chassis Status               : OK\n", second), std::string::npos);
    // Each controller numbers the enclosures it reports from 0.
    RunResult status = Run({"-EncStatus", "-a0,1"});
    const std::size_t first = status.out.find("Enclosure 0 \n");
    EXPECT_NE(status.out.find("Enclosure 0 \n", first + 1), std::string::npos) << status.out;
    EXPECT_EQ(status.exitCode, 0);
}

TEST_F(EnclosureTest, EnclosuresWithoutDeviceOrConnectorArePassedOver)
{
    // A second enclosure (its partner, without a connector), and a third the drive list does not
    // know (a list entry patched in).
    json state = Default();
    json second = state["controllers"][0]["enclosures"][0];
    second["device_id"] = 200;
    second["connector"] = 255;
    second["partner"] = 252;
    second["fru"] = nullptr;
    state["controllers"][0]["enclosures"].push_back(second);
    state["controllers"][0]["enclosures"][0]["partner"] = 200;
    AddPatch(state, 0, kDcmdEnclGetList, 0, "03");
    AddPatch(state, 0, kDcmdEnclGetList, 8 + 2 * 144, adp_test::HexLe(777, 2));
    WriteState(state);

    RunResult status = Run({"-EncStatus", "-a0"});
    EXPECT_EQ(status.out.find("Enclosure 1"), std::string::npos);
    EXPECT_EQ(status.out.rfind("Enclosure 0 \n\nNumber of Slots              : 12 \n\n", 0), 0u);

    RunResult info = Run({"-EncInfo", "-a0"});
    EXPECT_NE(info.out.find("    Number of enclosures on adapter 0 -- 3\n\n"), std::string::npos);
    EXPECT_NE(info.out.find("    Partner Device Id             : 200\n\n"), std::string::npos);
    const std::size_t at = info.out.find("    Enclosure 1:\n    Device ID                     : 200\n");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NE(info.out.find("    Connector Name                : Unavailable\n    Enclosure type                : SES\n"
                            "    FRU Part Number               : N/A\n"
                            "    Enclosure Serial Number       : N/A \n"
                            "    ESM Serial Number             : N/A \n"
                            "    Enclosure Zoning Mode         : N/A \n"
                            "    Partner Device Id             : 252\n\n",
                            at),
              std::string::npos);
    // Without a connector, no element report follows the second enclosure's lines.
    EXPECT_EQ(info.out.find("Number of Voltage Sensors", at), std::string::npos);
    EXPECT_EQ(info.out.find("Enclosure 2:"), std::string::npos);
    EXPECT_EQ(info.exitCode, 0);
}

TEST_F(EnclosureTest, WithoutConnectorInformationPositionAndConnectorAreUnavailable)
{
    json state = Default();
    AddPatch(state, 0, kDcmdCtrlGetInfo, 1506, "00");
    WriteState(state);
    RunResult info = Run({"-EncInfo", "-a0"});
    EXPECT_NE(info.out.find("    Position                      : Unavailable\n"
                            "    Connector Name                : Unavailable\n"),
              std::string::npos)
        << info.out;
}

TEST_F(EnclosureTest, OddConfigurationPages)
{
    // Page code other than 1: no element has a place.
    json state = Default();
    AddPassThruPatch(state, kConfigPage, 0, "05");
    RunResult info = Run2(state, "-EncInfo");
    EXPECT_NE(info.out.find("FillEnclStatus: SESEnclGetElemOffset returned 0 for PowerSupply 0!!!\n"
                            "FillEnclStatus: SESEnclGetElemOffset returned 0 for Cooling fans 0!!!\n"
                            "FillEnclStatus: SESEnclGetElemOffset returned 0 for temp sensor 0!!!\n"
                            "FillEnclStatus: SESEnclGetElemOffset returned 0 for SES Ctrl Electronics 0!!!\n"),
              std::string::npos)
        << info.out;
    EXPECT_NE(info.out.find("Power Supply                 : 0 \nPower Supply Status          : Unsupported\n"),
              std::string::npos);
    EXPECT_EQ(info.exitCode, 0);
    RunResult status = Run({"-EncStatus", "-a0"});
    EXPECT_NE(status.out.find("Slot                         : 11 \nSlot Status                  : Unsupported\n"),
              std::string::npos);

    // Both kinds of slot headers: the later one counts (headers from byte 48: slots, power
    // supplies, ...; the second becomes device slots of 3).
    json both = Default();
    AddPassThruPatch(both, kConfigPage, 52, "0103");
    RunResult warned = Run2(both, "-EncStatus");
    EXPECT_NE(warned.out.find("GetEnclStatusFunc: Both Array Device and Device Elements were found!! One will "
                              "override the other depending upon occurrence in config structEnclosure 0 \n\n"
                              "Number of Slots              : 3 \n\n"),
              std::string::npos)
        << warned.out;

    // Headers claimed far beyond the page read, and a descriptor length pointing near its end.
    json beyond = Default();
    AddPassThruPatch(beyond, kConfigPage, 10, "ffff");
    RunResult far = Run2(beyond, "-EncInfo");
    EXPECT_NE(far.out.find("Number of Voltage Sensors         :0\n\nNumber of Power Supplies     : 0 \n\n"),
              std::string::npos)
        << far.out;
    EXPECT_EQ(far.exitCode, 0);
}

TEST_F(EnclosureTest, ElementsThatDoNotFitTheRecordShowOnlyTheirCounts)
{
    // 200 power supplies and 200 fans: more than either record holds.
    json state = Default();
    AddPassThruPatch(state, kConfigPage, 52 + 1, "c8");
    AddPassThruPatch(state, kConfigPage, 56 + 1, "c8");
    RunResult status = Run2(state, "-EncStatus");
    EXPECT_NE(status.out.find("Number of Slots              : 12 \n\n"
                              "Number of Power Supplies     : 200 \n\n"
                              "Number of Fans               : 200 \n\n"
                              "Number of Temperature Sensors : 2 \n\n"
                              "Number of Alarms             : 1 \n\n"
                              "Number of SIM Modules        : 1 \n\n"),
              std::string::npos)
        << status.out;
    EXPECT_EQ(status.exitCode, 0);
    RunResult info = Run({"-EncInfo", "-a0"});
    EXPECT_NE(info.out.find("Number of Voltage Sensors         :0\n\nNumber of Power Supplies     : 200 \n\n"
                            "Number of Fans               : 200 \n\nNumber of Temperature Sensors : 2 \n\n"
                            "Number of Chassis             : 1 \n\n"),
              std::string::npos)
        << info.out;
}

TEST_F(EnclosureTest, FailedRequestsFailTheRunWithTheirStatus)
{
    struct Case {
        const char* command;
        std::function<void(json&)> fail;
        std::string expected;
        int exitCode;
    };
    const std::string header = "    Number of enclosures on adapter 0 -- 1\n\n";
    const Case cases[] = {
        // The command fails with -1; the exit code is the firmware's status.
        {"-EncInfo", [](json& s) { AddFault(s, 0, kDcmdEnclGetList, 12); }, "Failed to get Enclosure List...\n", 12},
        {"-EncStatus", [](json& s) { AddFault(s, 0, kDcmdEnclGetList, 12); }, "Failed to get Enclosure List...\n",
         12},
        // An enclosure that refuses the vital product data pages (CHECK CONDITION) has no
        // field-replaceable-unit data: "N/A", and the command goes on.
        {"-EncInfo", [](json& s) { AddPassThruFault(s, "1201", 2); }, "    FRU Part Number               : N/A\n", 0},
        // Data that could not be read are not passed off as absent.
        {"-EncInfo", [](json& s) { AddPassThruFault(s, "1201c0", 3); },
         "    Enclosure type                : SES\nAdapter 0: Failed to read the FRU data of enclosure 0.\n"
         "    Partner Device Id             : Unavailable\n\n    Inquiry data                  :\n",
         3},
        {"-EncInfo",
         [](json& s) { s["faults"].push_back({{"function", "scsi_passthru"}, {"cdb", "120100"}, {"lib_error", 5}}); },
         "    Enclosure type                : SES\nAdapter 0: Failed to read the FRU data of enclosure 0.\n", 1},
        {"-EncInfo", [](json& s) { AddFault(s, 0, kDcmdPdGetInfo, 12); },
         "    Partner Device Id             : Unavailable\n\nAdapter 0: Failed to get Inquiry data of the Enclosure\n\n",
         12},
        {"-EncInfo", [](json& s) { AddPassThruFault(s, kConfigPage, 8); },
         "Receive Diagnostic for page code 1 failed!!! Encl Dev Id 252, rval 0x8\n"
         "Receive Diagnostic for page code 1 failed!!! Encl Dev Id 252, rval 0x8\n",
         8},
        {"-EncInfo", [](json& s) { AddPassThruFault(s, kStatusPage, 8); },
         "Receive Diagnostic for page code 2 failed!!! Encl Dev Id 252, rval 0x8\n", 8},
        {"-EncStatus", [](json& s) { AddPassThruFault(s, kConfigPage, 8); },
         "Receive Diagnostic for page code 1 failed!!! Encl Dev Id 252, rval 0x8\n"
         "GetEnclStatusFunc: Receive Diagnostic for page code 1 failed!!! Encl Dev Id 252, rval 0x8\n",
         8},
        {"-EncStatus", [](json& s) { AddPassThruFault(s, kStatusPage, 8); },
         "GetEnclStatusFunc: Receive Diagnostic for page code 2 failed!!! Encl Dev Id 252, rval 0x8\n", 8},
    };
    for (const Case& c : cases) {
        json state = Default();
        c.fail(state);
        WriteState(state);
        const std::string before = ReadFile(StatePath());
        RunResult r = Run({c.command, "-a0"});
        EXPECT_NE(r.out.find(c.expected), std::string::npos) << c.command << "\n" << r.out;
        EXPECT_EQ(r.exitCode, c.exitCode) << c.command << " " << c.expected;
        EXPECT_EQ(ReadFile(StatePath()), before);
    }
}

// Two enclosures with services on one controller: the default one (252) and a copy of it (200).
class TwoEnclosuresTest : public EnclosureTest {
protected:
    json TwoEnclosures()
    {
        json state = Default();
        json second = state["controllers"][0]["enclosures"][0];
        second["device_id"] = 200;
        state["controllers"][0]["enclosures"].push_back(second);
        return state;
    }
    RunResult RunFaulty(const json& fault, const char* command)
    {
        json state = TwoEnclosures();
        state["faults"].push_back(fault);
        WriteState(state);
        return Run({command, "-a0"});
    }
    static json Fault(unsigned opcode, int status, int nth = 0)
    {
        json state;
        AddFault(state, 0, opcode, status, nth);
        return state["faults"][0];
    }
};

const std::string kEnclInvalidParameter = "\nFW error description: Invalid parameter\n" + Exit(3);

TEST_F(TwoEnclosuresTest, WithoutTheDriveListNoEnclosureIsReportedAndTheRunFails)
{
    for (const json& fault : {Fault(kDcmdPdGetList, 3), json{{"opcode", "0x02010000"}, {"lib_error", 5}}}) {
        const std::string end = fault.contains("lib_error") ? kExitFailed : kEnclInvalidParameter;
        RunResult info = RunFaulty(fault, "-EncInfo");
        EXPECT_EQ(info.out, "    Number of enclosures on adapter 0 -- 2\n\nAdapter 0: Failed to read the drive list.\n" + end);
        EXPECT_EQ(info.exitCode, fault.contains("lib_error") ? 1 : 3);
        RunResult status = Run({"-EncStatus", "-a0"});
        EXPECT_EQ(status.out, "Adapter 0: Failed to read the drive list.\n" + end);
        EXPECT_EQ(status.exitCode, info.exitCode);
    }
}

TEST_F(TwoEnclosuresTest, AnEnclosureWhosePagesCannotBeReadIsNamedAndTheNextFollows)
{
    RunResult status = RunFaulty(
        {{"function", "scsi_passthru"}, {"target", 252}, {"cdb", kConfigPage}, {"status", 3}}, "-EncStatus");
    // The enclosure keeps its number: the second (holding no drive) is enclosure 1 whether the
    // first was read or not.
    EXPECT_EQ(status.out, "Receive Diagnostic for page code 1 failed!!! Encl Dev Id 252, rval 0x3\n"
                          "GetEnclStatusFunc: Receive Diagnostic for page code 1 failed!!! Encl Dev Id 252, rval 0x3\n"
                          "Enclosure 1 " +
                              DefaultStatusReport(0) + kEnclInvalidParameter);
    EXPECT_EQ(status.exitCode, 3);

    RunResult info = RunFaulty({{"function", "scsi_passthru"}, {"target", 252}, {"cdb", kStatusPage}, {"status", 3}},
                               "-EncInfo");
    const std::size_t failed = info.out.find("        Vendor Specific           : QB12K041            \n\n"
                                             "Receive Diagnostic for page code 2 failed!!! Encl Dev Id 252, rval 0x3\n"
                                             "    Enclosure 1:\n    Device ID                     : 200\n");
    EXPECT_NE(failed, std::string::npos) << info.out;
    EXPECT_NE(info.out.find("Chassis Status               : OK\n" + kEnclInvalidParameter, failed), std::string::npos)
        << info.out;
    EXPECT_EQ(info.exitCode, 3);
}

TEST_F(TwoEnclosuresTest, AnEnclosureWhoseInquiryOrFruDataCannotBeReadGoesOnWithItsOtherLines)
{
    // The first enclosure's inquiry data: its element report and the second enclosure follow.
    RunResult inquiry = RunFaulty(Fault(kDcmdPdGetInfo, 3, 1), "-EncInfo");
    const std::size_t failed = inquiry.out.find("    Partner Device Id             : Unavailable\n\n"
                                                "Adapter 0: Failed to get Inquiry data of the Enclosure\n\n"
                                                "Number of Voltage Sensors         :0\n\n");
    EXPECT_NE(failed, std::string::npos) << inquiry.out;
    EXPECT_NE(inquiry.out.find("    Enclosure 1:\n", failed), std::string::npos);
    EXPECT_NE(inquiry.out.find("        Product Identification    : SAS12 BP 12-Bay \n", failed), std::string::npos);
    EXPECT_EQ(inquiry.exitCode, 3);
    EXPECT_TRUE(inquiry.out.ends_with("Chassis Status               : OK\n" + kEnclInvalidParameter)) << inquiry.out;

    // The second enclosure's FRU data, in place of its four lines; the first keeps its own.
    RunResult fru = RunFaulty({{"function", "scsi_passthru"}, {"target", 200}, {"cdb", "1201c0"}, {"lib_error", 5}},
                              "-EncInfo");
    EXPECT_NE(fru.out.find("    FRU Part Number               : QRV-BP12\n"), std::string::npos);
    EXPECT_NE(fru.out.find("    Device ID                     : 200\n"), std::string::npos);
    EXPECT_NE(fru.out.find("    Enclosure type                : SES\n"
                           "Adapter 0: Failed to read the FRU data of enclosure 1.\n"
                           "    Partner Device Id             : Unavailable\n\n"
                           "    Inquiry data                  :\n"),
              std::string::npos)
        << fru.out;
    EXPECT_TRUE(fru.out.ends_with("Chassis Status               : OK\n" + kExitFailed)) << fru.out;
    EXPECT_EQ(fru.exitCode, 1);
}

TEST_F(TwoEnclosuresTest, ThePartnerComesFromTheListTheCommandRead)
{
    json state = TwoEnclosures();
    state["controllers"][0]["enclosures"][0]["partner"] = 200;
    AddFault(state, 0, kDcmdEnclGetList, 3, 2);
    WriteState(state);
    RunResult info = Run({"-EncInfo", "-a0"});
    EXPECT_NE(info.out.find("    Partner Device Id             : 200\n\n"), std::string::npos) << info.out;
    EXPECT_EQ(info.exitCode, 0);
}

TEST_F(EnclosureTest, EnclosureWithoutServicesFailsItsPageRead)
{
    json state = StateWith([](json& e) { e["type"] = "sgpio"; });
    RunResult status = Run2(state, "-EncStatus");
    EXPECT_EQ(status.out.rfind("Receive Diagnostic for page code 1 failed!!! Encl Dev Id 252, rval 0x2\n"
                               "GetEnclStatusFunc: Receive Diagnostic for page code 1 failed!!! Encl Dev Id 252, "
                               "rval 0x2\n",
                               0),
              0u)
        << status.out;
    EXPECT_EQ(status.exitCode, 2);
    RunResult info = Run({"-EncInfo", "-a0"});
    EXPECT_NE(info.out.find("    Enclosure type                : SGPIO\n"), std::string::npos);
    EXPECT_EQ(info.exitCode, 2);
}

// A pass-through names its target by 8 bits: an enclosure whose device id is above 255 is not
// asked at all (another device would answer).
TEST_F(EnclosureTest, EnclosureBeyondThePassThroughTargetsIsNotAsked)
{
    json state = Default();
    auto& c = state["controllers"][0];
    c["enclosures"][0]["device_id"] = 300;
    for (auto& d : c["drives"])
        d["enclosure"] = 300;
    WriteState(state);
    const std::string trace = Dir() + "/trace.txt";
    setenv("DRIVEKIT_SIM_TRACE", trace.c_str(), 1);
    RunResult info = Run({"-EncInfo", "-a0"});
    unsetenv("DRIVEKIT_SIM_TRACE");
    EXPECT_NE(info.out.find("Adapter 0: Failed to read the FRU data of enclosure 0.\n"), std::string::npos);
    EXPECT_NE(info.out.find("Receive Diagnostic for page code 1 failed!!! Encl Dev Id 300, rval 0xFFFFFFFF\n"),
              std::string::npos)
        << info.out;
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_EQ(ReadFile(trace).find("SCSI_PASSTHRU"), std::string::npos);
}

TEST_F(EnclosureTest, NoEnclosures)
{
    json state = Default();
    auto& c = state["controllers"][0];
    c["enclosures"] = json::array();
    for (auto& d : c["drives"])
        d["enclosure"] = nullptr;
    WriteState(state);
    EXPECT_EQ(Run({"-EncInfo", "-a0"}).out, "    Number of enclosures on adapter 0 -- 0\n\n" + kExitOk);
    EXPECT_EQ(Run({"-EncStatus", "-a0"}).out, kExitOk);
}

}  // namespace
