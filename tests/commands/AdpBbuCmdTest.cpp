// The battery command end to end: the reports field by field through the state file and patched
// blocks, a healthy, a missing and a cycling battery, failures of each request, the properties
// file, the learn schedule in UTC and in a daylight-saving zone, and the parser's refusals.
#include <algorithm>

#include "support/ToolRunner.h"

namespace {


constexpr unsigned kNow = 763810200;  // the default clock, Fri 2024-03-15 09:30:00
constexpr unsigned kJuly12 = 774091800;  // Fri 2024-07-12 09:30:00

const std::string kStatusReport = "BBU status for Adapter: 0\n\n"
                                  "BatteryType: QBU-300\n"
                                  "Voltage: 4058 mV\nCurrent: 0 mA\nTemperature: 29 C\n"
                                  "Battery State     : Operational\n\n"
                                  "BBU Firmware Status:\n\n  Charging Status              : None\n";

const std::string kCapacityReport = "\nBBU Capacity Info for Adapter: 0\n\n"
                                    "  Relative State of Charge: 100 %\n  Absolute State of charge: 97 %\n"
                                    "  Remaining Capacity: 1188 mAh\n  Full Charge Capacity: 1188 mAh\n"
                                    "  Run time to empty: Battery is not being discharged.  \n"
                                    "  Average time to empty: Battery is not being discharged.  \n"
                                    "  Estimated Time to full recharge: Battery is not being charged.  \n"
                                    "  Cycle Count: 14\n"
                                    "Max Error = 2 %\nRemaining Capacity Alarm = 120 mAh\nRemining Time Alarm = 10 Min\n";

const std::string kDesignReport = "\nBBU Design Info for Adapter: 0\n\n"
                                  "  Date of Manufacture: 09/18, 2023\n  Design Capacity: 1215 mAh\n"
                                  "  Design Voltage: 3700 mV\n  Specification Info: 49\n  Serial Number: 4127\n"
                                  "  Pack Stat Configuration: 0x0a1c\n  Manufacture Name: QRV Power\n"
                                  "  Device Name: QBU-300\n  Device Chemistry: LION\n  Battery FRU: QBU300A\n"
                                  "Module Version = 2.4.1\n  Transparent Learn = 0\n  App Data = 0\n";

const std::string kPropertiesReport = "\nBBU Properties for Adapter: 0\n\n"
                                      "  Auto Learn Period: 28 Days\n  Next Learn time: Mar 22 2024 09:30:00  \n"
                                      "  Learn Delay Interval:0 Hours\n  Auto-Learn Mode: Enabled\n";

class AdpBbuCmdTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        state = DefaultState();
    }
    Json& Battery() { return state["controllers"][0]["battery"]; }
    RunResult Bbu(std::vector<std::string> args)
    {
        WriteState(state);
        args.insert(args.begin(), "-AdpBbuCmd");
        return RunTraced(args, requests);
    }
    bool Sent(const std::string& opcode) const
    {
        return std::any_of(requests.begin(), requests.end(),
                           [&](const std::string& r) { return r.find("opcode=" + opcode) != std::string::npos; });
    }
    // The battery as saved after the run.
    Json SavedBattery() { return ReadState()["controllers"][0]["battery"]; }

    Json state;
    std::vector<std::string> requests;
};

TEST_F(AdpBbuCmdTest, FullReportOfAHealthyBatteryInOrder)
{
    RunResult r = Bbu({"-a0"});
    EXPECT_EQ(r.exitCode, 0);
    const std::size_t status = r.out.find(kStatusReport);
    const std::size_t charge = r.out.find("\n  Battery backup charge time : 48 hours\n");
    const std::size_t capacity = r.out.find(kCapacityReport);
    const std::size_t design = r.out.find(kDesignReport);
    const std::size_t properties = r.out.find(kPropertiesReport + Exit(0));
    EXPECT_EQ(status, 0u);
    EXPECT_LT(status, charge);
    EXPECT_LT(charge, capacity);
    EXPECT_LT(capacity, design);
    EXPECT_LT(design, properties);
    EXPECT_NE(properties, std::string::npos);
    EXPECT_NE(r.out.find("  Relative State of Charge: 100 %\n  Charger System State: 0\n  Charger System Ctrl: 0\n"
                         "  Charging current: 0 mA\n  Absolute state of charge: 97 %\n  Max Error: 2 %\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("  Fully Charged           : Yes\n  Discharging             : No\n"), std::string::npos);
}

TEST_F(AdpBbuCmdTest, MissingBatteryStillEndsWell)
{
    Battery()["present"] = false;
    RunResult r = Bbu({"-a0"});
    EXPECT_EQ(r.out.substr(0, 52), "BBU status for Adapter: 0\n\nBatteryType: No Battery\n\n");
    EXPECT_NE(r.out.find("  Battery backup charge time : 0 hours\n"), std::string::npos);
    EXPECT_NE(r.out.find("Adapter 0: Get BBU Capacity Info Failed.\n"), std::string::npos);
    EXPECT_NE(r.out.find("  Battery FRU: N/A\n  Transparent Learn = 0\n"), std::string::npos);
    EXPECT_NE(r.out.find("Adapter 0: Get BBU Properties Failed.\n"), std::string::npos);
    EXPECT_EQ(r.exitCode, 0);

    r = Bbu({"-GetBbuStatus", "-a0"});
    EXPECT_EQ(r.out, "BBU status for Adapter: 0\n\nBatteryType: No Battery\n" + Exit(0));
    r = Bbu({"-BbuLearn", "-a0"});
    EXPECT_EQ(r.out.substr(0, 28), "Adapter 0: BBU Learn Failed\n");
    EXPECT_EQ(r.exitCode, 34);  // the firmware's "no battery"
}

TEST_F(AdpBbuCmdTest, LearnCycleStartsAndShowsWhileItRuns)
{
    RunResult r = Bbu({"-BbuLearn", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: BBU Learn Succeeded.\n" + Exit(0));
    EXPECT_EQ(SavedBattery()["learn"]["started"], kNow);

    state = ReadState();
    state["clock"]["now"] = kNow + 3600;  // an hour into a five-hour cycle: discharging
    r = Bbu({"-GetBbuStatus", "-a0"});
    EXPECT_NE(r.out.find("Battery State     : Non Operational\n\n"), std::string::npos);
    EXPECT_NE(r.out.find("  Charging Status              : Discharging\n"), std::string::npos);
    EXPECT_NE(r.out.find("  Learn Cycle Active                      : Yes\n"), std::string::npos);
    EXPECT_NE(r.out.find("  Relative State of Charge: 68 %\n"), std::string::npos);
    EXPECT_NE(r.out.find("Temperature: 32 C\n"), std::string::npos);
    r = Bbu({"-GetBbuCapacityInfo", "-a0"});
    EXPECT_NE(r.out.find("  Run time to empty: 2 Hour, 7 Min. \n"), std::string::npos);
    r = Bbu({"-BbuLearn", "-a0"});
    EXPECT_EQ(r.exitCode, 36);  // one runs already
}

TEST_F(AdpBbuCmdTest, StatusFieldsByTypeFromTheBlock)
{
    // Type 2: non-operational only for exactly pack missing, replacement and capacity low.
    AddPatch(state, 0, 0x05010000, 0, "02");
    AddPatch(state, 0, 0x05010000, 8, "010C0000");
    AddPatch(state, 0, 0x05010000, 36, "0700");  // a charger status beyond the named ones
    RunResult r = Bbu({"-GetBbuStatus", "-a0"});
    EXPECT_NE(r.out.find("BatteryType: QBU-200\n"), std::string::npos);
    EXPECT_NE(r.out.find("Battery State     : Non Operational\n"), std::string::npos);
    EXPECT_NE(r.out.find("Charger Status: Unknown\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n\nGasGuageStatus:\n"), std::string::npos);
    state["patches"][1]["hex"] = "030C0000";
    r = Bbu({"-GetBbuStatus", "-a0"});
    EXPECT_NE(r.out.find("Battery State     : Operational\n"), std::string::npos);

    // Type 5 with the variant flag: the device name, and the raw gas gauge word.
    state["patches"] = Json::array();
    AddPatch(state, 0, 0x05010000, 0, "0501");
    AddPatch(state, 0, 0x05010000, 32, "3412");
    r = Bbu({"-GetBbuStatus", "-a0"});
    EXPECT_NE(r.out.find("BatteryType: QBU-300\n"), std::string::npos);
    EXPECT_NE(r.out.find("BBU GasGauge Status: 0x1234 \n"), std::string::npos);
    EXPECT_EQ(r.out.find("GasGuageStatus"), std::string::npos);

    // Type 1 discharging alone is non-operational; the current is signed.
    state["patches"] = Json::array();
    AddPatch(state, 0, 0x05010000, 0, "01");
    AddPatch(state, 0, 0x05010000, 4, "F6FF");
    AddPatch(state, 0, 0x05010000, 8, "10000000");
    r = Bbu({"-GetBbuStatus", "-a0"});
    EXPECT_NE(r.out.find("Current: -10 mA\n"), std::string::npos);
    EXPECT_NE(r.out.find("Battery State     : Non Operational\n"), std::string::npos);
}

TEST_F(AdpBbuCmdTest, CapacityTimesAndChargeTimeLimits)
{
    AddPatch(state, 0, 0x05020000, 8, "A1050000");  // 1441 minutes, then 0
    AddPatch(state, 0, 0x05010000, 46, "31");        // 49 hours
    RunResult r = Bbu({"-a0"});
    EXPECT_NE(r.out.find("  Run time to empty: 1 Day, 1 Min. \n  Average time to empty:  \n"), std::string::npos);
    EXPECT_NE(r.out.find("  Battery backup charge time : 48 hours +\n"), std::string::npos);

    // OEM mode 6: no charge time and no time to full.
    state["patches"] = Json::array();
    state["controllers"][0]["oem"]["mode"] = 6;
    AddPatch(state, 0, 0x05010000, 46, "00");
    AddPatch(state, 0, 0x05020000, 12, "0000");
    r = Bbu({"-a0"});
    EXPECT_NE(r.out.find("  Battery backup charge time : N/A\n"), std::string::npos);
    EXPECT_NE(r.out.find("  Estimated Time to full recharge: N/A  \n"), std::string::npos);
}

TEST_F(AdpBbuCmdTest, DesignReportOfAType6Module)
{
    Battery()["type"] = 6;
    Battery()["module_fru"] = "";
    RunResult r = Bbu({"-GetBbuDesignInfo", "-a0"});
    EXPECT_EQ(r.out, "\nBBU Design Info for Adapter: 0\n\nDate of Manufacture: 09/18, 2023\nDesign Capacity: 1215 J\n"
                     "Design Voltage: 3700 mV\nSerial Number: 4127\nManufacture Name: QRV Power\nDevice Name: QBU-300\n"
                     "Device Chemistry: LION\nBattery FRU: QBU300A\nKRV FRU: N/A\nModule Version = 2.4.1\n"
                     "  Transparent Learn = 0\n  App Data = 0\n" +
                         Exit(0));
    // The full report leaves the capacity out for this type.
    r = Bbu({"-a0"});
    EXPECT_EQ(r.out.find("BBU Capacity Info"), std::string::npos);
    EXPECT_NE(r.out.find("  Pack energy             : 1188 J \n"), std::string::npos);
}

// The full report goes on past a failed part and ends with the status of the first failure, as
// a run whose last request failed ends; an unread battery FRU is shown as a battery without one.
TEST_F(AdpBbuCmdTest, EachFailedRequestOfTheFullReport)
{
    struct Case {
        unsigned opcode;
        int nth;
        const char* line;
        int exitCode;
    } cases[] = {
        {0x05010000, 2, "Adapter 0: Get BBU Status Failed.\n", 3},
        {0x05030000, 1, "Adapter 0: Get BBU Design Info Failed.\n", 3},
        {0x05010000, 3, "Adapter 0: Get BBU ChargeTime Failed.\n", 3},
        {0x05020000, 1, "Adapter 0: Get BBU Capacity Info Failed.\n", 3},
        {0x010E0302, 1, "  Battery FRU: N/A\n", 0},
        {0x05050100, 1, "Adapter 0: Get BBU Properties Failed.\n", 3},
    };
    for (const Case& c : cases) {
        state["faults"] = Json::array();
        AddFault(state, 0, c.opcode, 3, c.nth);
        RunResult r = Bbu({"-a0"});
        EXPECT_NE(r.out.find(c.line), std::string::npos) << c.line;
        // The parts after the failed one are there.
        if (c.opcode != 0x05050100) {
            EXPECT_NE(r.out.find(kPropertiesReport), std::string::npos) << c.line;
        }
        EXPECT_TRUE(r.out.ends_with(c.exitCode == 0 ? kExitOk : "\nFW error description: Invalid parameter\n" + Exit(3)))
            << c.line << r.out;
        EXPECT_EQ(r.exitCode, c.exitCode) << c.line;
    }

    // Two parts failing: the first one's status, after the last part; a library failure ends
    // with 1.
    state["faults"] = Json::array();
    AddFault(state, 0, 0x05020000, 5);
    AddFault(state, 0, 0x05050100, 3);
    RunResult r = Bbu({"-a0"});
    EXPECT_NE(r.out.find("Adapter 0: Get BBU Capacity Info Failed.\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("Adapter 0: Get BBU Properties Failed.\n\nFW error description: Command aborted\n" +
                                Exit(5)))
        << r.out;
    state["faults"] = Json::array({Json{{"controller", 0}, {"opcode", "0x05030000"}, {"lib_error", 5}, {"nth", 1}}});
    r = Bbu({"-a0"});
    EXPECT_NE(r.out.find("Adapter 0: Get BBU Design Info Failed.\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with(kPropertiesReport + kExitFailed)) << r.out;

    // The battery type read first only leaves the capacity out for its type: unread, the capacity
    // report is printed, and the report is the one of a read type.
    state["faults"] = Json::array();
    const std::string good = Bbu({"-a0"}).out;
    AddFault(state, 0, 0x05010000, 3, 1);
    r = Bbu({"-a0"});
    EXPECT_EQ(r.out, good);
    EXPECT_EQ(r.exitCode, 0);

    // A sub-command alone returns its failure.
    state["faults"] = Json::array();
    AddFault(state, 0, 0x05020000, 3);
    EXPECT_EQ(Bbu({"-GetBbuCapacityInfo", "-a0"}).exitCode, 3);
    state["faults"] = Json::array();
    AddFault(state, 0, 0x05030000, 3);
    r = Bbu({"-GetBbuStatus", "-a0"});
    EXPECT_EQ(r.out.substr(0, 39), "Adapter 0: Get BBU Design Info Failed.\n");
    EXPECT_EQ(r.exitCode, 3);
}

// Without a battery the capacity and properties reads answer "device absent": the report shows
// their failure lines and ends well. Any other failure of them still fails it.
TEST_F(AdpBbuCmdTest, ANoBatteryAnswerFailsNothingButAFailedReadDoes)
{
    const Json pristine = state;
    Battery()["present"] = false;
    RunResult r = Bbu({"-a0"});
    EXPECT_NE(r.out.find("Adapter 0: Get BBU Properties Failed.\n" + kExitOk), std::string::npos) << r.out;
    EXPECT_EQ(r.exitCode, 0);

    AddFault(state, 0, 0x05020000, 3);
    r = Bbu({"-a0"});
    EXPECT_NE(r.out.find("Adapter 0: Get BBU Capacity Info Failed.\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("Adapter 0: Get BBU Properties Failed.\n\nFW error description: Invalid parameter\n" +
                                Exit(3)))
        << r.out;
    EXPECT_EQ(r.exitCode, 3);

    // Nor is "device absent" an answer from a battery that is there.
    state = pristine;
    AddFault(state, 0, 0x05050100, 34);
    r = Bbu({"-a0"});
    EXPECT_NE(r.out.find("Adapter 0: Get BBU Properties Failed.\n"), std::string::npos);
    EXPECT_EQ(r.exitCode, 34);
}

// OEM mode 6 shows a time of 0 as "N/A": when the mode cannot be read, a time of 0 is shown by
// neither text, and the line says what was not read. Another time needs no mode.
TEST_F(AdpBbuCmdTest, AnUnreadOemModeIsNamedWhereATimeOfZeroNeedsIt)
{
    const Json pristine = state;
    state["controllers"][0]["oem"]["mode"] = 6;
    AddPatch(state, 0, 0x05010000, 46, "00");
    AddPatch(state, 0, 0x05020000, 12, "0000");
    const Json zeroTimes = state;
    // The full report reads the OEM block for the charge time, then for the capacity report.
    AddFault(state, 0, 0x010E8481, 3, 1);
    RunResult r = Bbu({"-a0"});
    EXPECT_NE(r.out.find("BBU Firmware Status:"), std::string::npos);
    EXPECT_NE(r.out.find("\nAdapter 0: Failed to read the OEM mode of the controller.\n\nBBU Capacity Info"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("Battery backup charge time"), std::string::npos);
    EXPECT_NE(r.out.find("  Estimated Time to full recharge: N/A  \n"), std::string::npos) << r.out;
    EXPECT_EQ(r.exitCode, 3);

    state = zeroTimes;
    AddFault(state, 0, 0x010E8481, 3, 1);
    r = Bbu({"-GetBbuCapacityInfo", "-a0"});
    EXPECT_NE(r.out.find("  Estimated Time to full recharge:  \n  Cycle Count: 14\n"
                         "Max Error = 2 %\nRemaining Capacity Alarm = 120 mAh\nRemining Time Alarm = 10 Min\n"
                         "Adapter 0: Failed to read the OEM mode of the controller.\n\nFW error description: "
                         "Invalid parameter\n" +
                         Exit(3)),
              std::string::npos)
        << r.out;

    // With times other than 0 the mode decides nothing.
    state = pristine;
    const std::string good = Bbu({"-a0"}).out;
    AddFault(state, 0, 0x010E8481, 3);
    r = Bbu({"-a0"});
    EXPECT_EQ(r.out, good);
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(AdpBbuCmdTest, PropertiesFromAFile)
{
    const Json before = Battery();
    WriteFile("good.txt", "  learnDelayInterval = 5  \n\n# no key here\nautoLearnMode=1\nunknownKey=4\n");
    RunResult r = Bbu({"-SetBbuProperties", "-f", "good.txt", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Set BBU Properties Succeeded.\n" + Exit(0));
    Json saved = SavedBattery();
    EXPECT_EQ(saved["learn"]["delay_hours"], 5);
    EXPECT_EQ(saved["learn"]["auto_mode"], "off");
    state = ReadState();
    r = Bbu({"-GetBbuProperties", "-a0"});
    EXPECT_NE(r.out.find("  Next Learn time: None \n  Learn Delay Interval:5 Hours\n  Auto-Learn Mode: Disabled\n"),
              std::string::npos);

    // Refusals write nothing.
    state["controllers"][0]["battery"] = before;
    struct Case {
        std::string text;
        const char* output;
    } cases[] = {
        {"LearnDelayInterval=3\n", "Adapter 0: No Property match found in File. Set BBU Properties Failed.\n"},
        {"learnDelayInterval=3\nbbuMode=1\n", "Adapter 0: Does not support BBU Mode.\n"},
        {"autoLearnMode=258\n", "Adapter 0: Set BBU Properties Failed.\n\nInvalid AutoLearn mode \n"},
        {"autoLearnMode=3\n", "Adapter 0: Set BBU Properties Failed.\n\nInvalid AutoLearn mode \n"},
        // The tail of an over-long line is not a line of its own.
        {std::string(255, 'x') + "autoLearnMode=1\n",
         "Adapter 0: No Property match found in File. Set BBU Properties Failed.\n"},
    };
    for (const Case& c : cases) {
        WriteFile("bad.txt", c.text);
        r = Bbu({"-SetBbuProperties", "-f", "bad.txt", "-a0"});
        EXPECT_EQ(r.out, std::string(c.output) + Exit(1)) << c.text;
        EXPECT_FALSE(Sent("0x05050200")) << c.text;
        EXPECT_EQ(SavedBattery(), before);
    }
    r = Bbu({"-SetBbuProperties", "-f", "none.txt", "-a0"});
    EXPECT_EQ(r.out, "ERROR: Failed to open file none.txt.\nReason: No such file or directory.\n"
                     "Adapter 0: Failed open file.\n" + Exit(1));

    // A type 5 module with modes takes a mode it offers.
    Battery()["type"] = 5;
    Battery()["modes_supported"] = true;
    Battery()["modes"] = Json::array({Json{{"id", 3}, {"retention_hours", 48}}});
    WriteFile("mode.txt", "bbuMode=3\n");
    r = Bbu({"-SetBbuProperties", "-f", "mode.txt", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Set BBU Properties Succeeded.\n" + Exit(0));
    EXPECT_EQ(SavedBattery()["mode"], 3);
    WriteFile("mode.txt", "bbuMode=256\n");
    EXPECT_EQ(Bbu({"-SetBbuProperties", "-f", "mode.txt", "-a0"}).out, "\nInvalid bbuMode mode \n" + Exit(1));
}

TEST_F(AdpBbuCmdTest, ScheduleLearnOnTheControllerClock)
{
    const auto schedule = [&](const std::string& day, const std::string& hour) {
        return Bbu({"-ScheduleLearn", "-STARTTIME", day, hour, "-a0"});
    };
    // Today, later: in an hour and a half.
    RunResult r = schedule("FRI", "11");
    EXPECT_EQ(r.out, "Adapter 0:  Battery Learn Scheduling Operation Successful.\n"
                     "Battery Learn Scheduling Information:\n\nAuto Learn Mode:  Enabled\n"
                     "Schedule Time: FRI, March 15, 2024 at 11:00:00 \nInterval : 4 Weeks\n" +
                         Exit(0));
    EXPECT_EQ(SavedBattery()["learn"]["next"], kNow + 5400);
    // The current hour once a minute of it has passed, and an earlier hour: next week.
    schedule("fri", "9");
    EXPECT_EQ(SavedBattery()["learn"]["next"], kNow - 1800 + 7 * 86400);
    schedule("Fri", "8");
    EXPECT_EQ(SavedBattery()["learn"]["next"], kNow - 5400 + 7 * 86400);
    r = schedule("MON", "0");
    EXPECT_NE(r.out.find("Schedule Time: MON, March 18, 2024 at 00:00:00 \n"), std::string::npos);
    // In the hour's first minute nothing is done.
    state["clock"]["now"] = kNow - 1800 + 30;
    r = schedule("FRI", "9");
    EXPECT_EQ(r.out, Exit(1));
    EXPECT_FALSE(Sent("0x05050200"));

    r = Bbu({"-ScheduleLearn", "-Dsbl", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Disable: Battery Learn Scheduling Operation Successful.\n" + Exit(0));
    EXPECT_EQ(SavedBattery()["learn"]["auto_mode"], "off");
    r = Bbu({"-ScheduleLearn", "-Info", "-a0"});
    EXPECT_FALSE(Sent("0x05050200"));

    // Without real-time scheduling the controller refuses.
    auto& caps = state["controllers"][0]["info"]["capabilities"];
    caps.erase(std::find(caps.begin(), caps.end(), "real_time_scheduling"));
    r = Bbu({"-ScheduleLearn", "-Info", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Real Time Scheduling is not supported.\n" + Exit(1));
}

TEST_F(AdpBbuCmdTest, ScheduleRoundTripInADaylightSavingZone)
{
    // Friday 12 July 2024, 09:30 on the controller's count; in Central European summer time the
    // tool sees 10:30.
    for (const char* zone : {"UTC", "Europe/Berlin"}) {
        state = DefaultState();
        state["clock"]["now"] = kJuly12;
        SetTimeZone(zone);
        RunResult r = Bbu({"-ScheduleLearn", "-STARTTIME", "FRI", "12", "-a0"});
        EXPECT_NE(r.out.find("Schedule Time: FRI, July 12, 2024 at 12:00:00 \n"), std::string::npos) << zone;
        EXPECT_EQ(SavedBattery()["learn"]["next"], kJuly12 + 9000) << zone;
        state = ReadState();
        r = Bbu({"-ScheduleLearn", "-Info", "-a0"});
        EXPECT_NE(r.out.find("Schedule Time: FRI, July 12, 2024 at 12:00:00 \n"), std::string::npos) << zone;
    }
}

TEST_F(AdpBbuCmdTest, ModesGasGaugeAndTheParser)
{
    RunResult r = Bbu({"-getBbumodes", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: BBU Mode Information not available.\n\nFW error description: Command not supported\n" +
                         Exit(2));
    Battery()["type"] = 5;
    Battery()["modes_supported"] = true;
    Battery()["modes"] = Json::array({Json{{"id", 1}, {"retention_hours", 48}, {"service_life_years", 3}, {"temperature", 45}},
                                      Json{{"id", 2}, {"retention_hours", 24}, {"service_life_years", 5},
                                           {"temperature", 55}, {"transparent_learn", true}}});
    r = Bbu({"-getBbumodes", "-a0"});
    EXPECT_EQ(r.out, "Adapter-ID :Adapter #0\n\n"
                     "\nBbuMode-ID Retention-Time(Hrs) Service-Life(Yrs) Temperature(Dg-Centi) TransparentLearn\n"
                     "\n     1              48                  3                45               0\n"
                     "\n     2              24                  5                55               1\n" +
                         Exit(0));
    Battery()["modes"] = Json::array();
    EXPECT_NE(Bbu({"-getBbumodes", "-a0"}).out.find("No BBU Modes supported\n"), std::string::npos);

    r = Bbu({"-GetGGEEPData", "Offset", "3", "NumBytes", "2", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\nData Received (in decimal) = 49056 \n" + Exit(0));
    EXPECT_NE(r.out.find("49056"), std::string::npos);
    EXPECT_TRUE(std::any_of(requests.begin(), requests.end(), [](const std::string& line) {
        return line.find("DCMD_PRIVATE ctrl=0 opcode=0x010EE100 mbox=010000000300000002000000 len=9") != std::string::npos;
    }));
    // Past the memory the read fails: no data is shown for it.
    r = Bbu({"-GetGGEEPData", "Offset", "0x40", "NumBytes", "2", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\nAdapter 0: Failed to read the gas gauge data.\n\nFW error description: Invalid parameter\n" +
                         Exit(3));

    for (const std::vector<std::string>& line :
         {std::vector<std::string>{"-ScheduleLearn", "-STARTTIME", "MONDAY", "3", "-a0"},
          {"-ScheduleLearn", "-STARTTIME", "MON", "24", "-a0"},
          {"-ScheduleLearn", "-BbuLearn", "-a0"},
          {"-GetGGEEPData", "Offset", "0x10000", "NumBytes", "2", "-a0"}}) {
        r = Bbu(line);
        EXPECT_NE(r.out.find("Failed to parse command. Use -h option for usage.\n" + Exit(1)), std::string::npos);
    }
    EXPECT_EQ(Bbu({"-ScheduleLearn", "-STARTTIME", "MONDAY", "3", "-a0"}).out.substr(0, 30),
              "Invalid Day! Check help File.\n");
    EXPECT_EQ(Bbu({"-ScheduleLearn", "-STARTTIME", "mon", "24", "-a0"}).out.substr(0, 14), "Invalid Hour!\n");
    EXPECT_EQ(Bbu({"-ScheduleLearn", "-STARTTIME", "mon", "23", "-a0"}).exitCode, 0);
}

TEST_F(AdpBbuCmdTest, OfSeveralSubCommandsTheLastDecides)
{
    RunResult r = Bbu({"-GetBbuStatus", "-GetBbuDesignInfo", "-a0"});
    EXPECT_EQ(r.out, kDesignReport + Exit(0));
    EXPECT_EQ(r.exitCode, 0);

    r = Bbu({"-GetBbuDesignInfo", "-GetGGEEPData", "Offset", "3", "NumBytes", "2", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\nData Received (in decimal) = 49056 \n" + Exit(0));

    // A write given first and overridden is not made.
    r = Bbu({"-BbuLearn", "-GetBbuStatus", "-a0"});
    EXPECT_EQ(r.out.find(kStatusReport), 0u);
    EXPECT_EQ(r.out.find("Learn Succeeded"), std::string::npos);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(SavedBattery()["learn"]["started"].is_null());
}

TEST_F(AdpBbuCmdTest, EveryAdapterGetsItsReport)
{
    Json second = state["controllers"][0];
    second["pci"]["bus"] = 4;
    second["battery"]["present"] = false;
    state["controllers"].push_back(second);
    RunResult r = Bbu({"-GetBbuStatus", "-aALL"});
    EXPECT_EQ(r.out.find("BBU status for Adapter: 0\n"), 0u);
    EXPECT_NE(r.out.find("BBU status for Adapter: 1\n\nBatteryType: No Battery\n" + Exit(0)), std::string::npos);
}

}  // namespace
