// The all-in-one diagnostic log end to end on the default controller: each section with the
// host's lines masked, and a failure injected on each kind of request (the log names what it
// could not read, goes on to its end and fails, or shows a placeholder and ends well).
#include <algorithm>
#include <sstream>

#include "support/ToolRunner.h"

namespace {


// The report with the lines that depend on the host (and the clock of the run) taken out.
std::string Masked(const std::string& out)
{
    static const char* kHostLabels[] = {"Date/Time:", "Operating System:", "Operating Version:", "Physical Memory:",
                                        "Processor:", "Driver Name:", "Driver Version:"};
    std::istringstream lines(out);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        bool host = false;
        for (const char* label : kHostLabels)
            host = host || line.rfind(label, 0) == 0;
        if (!host)
            kept += line + "\n";
    }
    return kept;
}

const std::string kController =
    "     RAID Controller QRV SAS RAID Controller 4000 Information \n"
    "     =======================================================\n\n"
    "RAID Type:          QRV SAS RAID Controller 4000\n"
    "Host Intr:          PCIE                     Device Intr:        SAS-12G\n"
    "Port Count:         8                        Serial #            QV40A2311004\n"
    "APP  Version:       4.720.00-0047            BIOS Version:       7.20.01.0\n"
    "CTLR Version:       6.12.04                  BTBL Version:       2.07.00.00-0003\n"
    "NVDT Version:       4.1720.00-0031           BOOT Version:       09.250.01.219\n"
    "NVRAM Size:         32 KB                    RAID Level:         0 1 5 6 00 10 50 60\n"
    "Cache Size:         4096 MB                  Flash Size:         16 MB               \n"
    "RCV Error:          0                        Un-RCV Error:       0\n"
    "Support Cluster:    No                       Cluster Mode:       Inactive            \n\n"
    "Controller Properties\n---------------------\n"
    "Rebuild Rate                                  : 30 \n";

const std::string kBattery = "BBU Properties\n--------------\n"
                             "BBU Battery Type:                             QBU-300\n"
                             "BBU Voltage:                                  4058 mV\n"
                             "BBU Current:                                  0 mA\n"
                             "BBU Temperature:                              29 C\n"
                             "Vorb Relative State Of Charge:                100 \n"
                             "Vorb Charging Current:                        0 mA\n"
                             "Vorb Absolute State Of Charge:                97\n\n"
                             "BBU Firmware Status\n-------------------\n"
                             "voltageLow:                                   OK        \n";

const std::string kDisk10 = "Device Name:       QRV                      Product Id:          HS1200SAS12     \n"
                            "Rev:               A3C0                     Vendor Specific:     QH12K10072          \n"
                            "Device Type:       DISK                     Device ID:           10 \n"
                            "SAS Address 0:     0x500a4b0000c0b009       SAS Address 1:       0x500a4b0000c0b00a\n"
                            "Media Error:       0                        Other Error:         0\n"
                            "PredictiveFail:    0                        Firmware State:      Online\n"
                            "Speed:             12.0Gb/s                 DDF State:           SAS\n"
                            "Primary Defect:    0                        Grown Defect:        3                        \n";

const std::string kEvents = "EVENT SEQUENCE INFORMATION\n--------------------------\n"
                            "Sequence # of newest event in the log    : 14\n"
                            "Sequence # of oldest event in the log    : 1\n"
                            "Sequence # of last log clear             : 0\n"
                            "Sequence # of last clean shutdown        : 0\n"
                            "Sequence # of this session boot          : 1\n"
                            "EVENT DETAILS\n------------\n"
                            "1: 0:0:0 Info:Firmware initialization started\n"
                            "2: 0:0:0 Info:Drive found\n";

class AdpAlILogTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        state = DefaultState();
    }
    RunResult Log()
    {
        WriteState(state);
        return RunTraced({"-AdpAlILog", "-a0"}, requests);
    }
    Json state;
    std::vector<std::string> requests;
};

TEST_F(AdpAlILogTest, DefaultControllerSectionBySection)
{
    RunResult r = Log();
    ASSERT_EQ(r.exitCode, 0);
    const std::string out = Masked(r.out);
    EXPECT_EQ(out.rfind("\n      SAS RAID Management Tool Command Line Utilities \n"
                        "     ===================================================\n\nAdapter #0\n\n",
                        0),
              0u);
    const std::size_t controller = out.find(kController);
    const std::size_t battery = out.find(kBattery);
    const std::size_t disk = out.find(kDisk10);
    const std::size_t vd = out.find("Logical Drive name             : data\nTotal Redudent space(MB)       : 1143808\n");
    const std::size_t events = out.find(kEvents);
    const std::size_t online = out.find("                              Online History\n"
                                        "                            ===============\n\n\n\n"
                                        "Firmware Term Log Information on controller 0:\n\n"
                                        "T0: Firmware 4.720.00-0047 starting\n");
    for (std::size_t at : {controller, battery, disk, vd, events, online})
        EXPECT_NE(at, std::string::npos);
    EXPECT_TRUE(controller < battery && battery < disk && disk < vd && vd < events && events < online);
    EXPECT_NE(out.find("Expose Enclosure Devices                      : YES\n"), std::string::npos);
    EXPECT_NE(out.find("Strip Size per DDF            : 7 (64K)\n"), std::string::npos);
    EXPECT_NE(out.find("Number of Physical Devices  : 4 \nDevice IDs:     8 \nDevice IDs:     9 \n"), std::string::npos);
    EXPECT_NE(out.find("12: 24-03-13,09:30:12 Info:Battery present\n"), std::string::npos);
    EXPECT_NE(out.find("Device Type:       SES ENCLOSURE            Path Count:          1\n"), std::string::npos);
    EXPECT_TRUE(out.ends_with("T7: Controller ready\n\n\n\n\n\nExit Code: 0x00\n"));
    // Every disk was asked for both defect lists, by its device id.
    EXPECT_EQ(std::count_if(requests.begin(), requests.end(),
                            [](const std::string& line) { return line.find("cdb=37001500000000000400") != std::string::npos; }),
              10);
    EXPECT_NE(std::find_if(requests.begin(), requests.end(),
                           [](const std::string& line) {
                               return line.find("target=10 lun=0 cdb=37000d00000000000400 len=512") != std::string::npos;
                           }),
              requests.end());
}

// What the log ends with after the terminal log when a read of status 3 failed on the way.
const std::string kFailedEnd = "\n\n\n\n\nFW error description: Invalid parameter\n" + Exit(3);

TEST_F(AdpAlILogTest, AFailedReadIsNamedAndTheLogGoesOnToItsEnd)
{
    struct Case {
        unsigned opcode;
        int nth;
        const char* expected;  // in the report
        const char* absent;    // not in the report
    } cases[] = {
        {0x05010000, 0, "BBU Properties\n--------------\nAdapter 0: Failed to read the battery status.\n\n\n",
         "BBU Battery Type"},
        {0x02010000, 1,
         "                              Device Information\n"
         "                              ==================\n"
         "Adapter 0: Failed to read the drive list.\n\n",
         "Device Name:"},
        {0x02020000, 2,
         "Path Count:        2                        Slot Number          0 \n\n\n"
         "Adapter 0: Failed to read the information of device 9.\n\n\n"
         "Device Name:       QRV                      Product Id:          HS1200SAS12     \n"
         "Rev:               A3C0                     Vendor Specific:     QH12K10072          \n",
         "Device ID:           9 "},
        {0x03010000, 1, "Adapter 0: Failed to read the virtual drive list.\n\n                            NVRAM Event History",
         "# of Logical Drives"},
        {0x03020000, 2,
         "        Size                 : 1143808 MB\n"
         "Adapter 0: Failed to read the information of virtual drive 1.\n\n\n"
         "                            NVRAM Event History",
         "Logical Drive name             : system"},
        {0x01040100, 1, "Adapter 0: Failed to read the event log information.\n\n\n                              Online History",
         "EVENT DETAILS"},
        {0x01040300, 1,
         "EVENT DETAILS\n------------\nAdapter 0: Failed to read the events from sequence number 1 on.\n\n\n"
         "                              Online History",
         "Info:Firmware initialization started"},
        {0x01090200, 1, "Firmware Term Log Information on controller 0:\n\nError reading firmware term log data.\n",
         "T0: Firmware"},
    };
    const Json pristine = state;
    for (const Case& c : cases) {
        state = pristine;
        AddFault(state, 0, c.opcode, 3, c.nth);
        RunResult r = Log();
        const std::string out = Masked(r.out);
        EXPECT_NE(out.find(c.expected), std::string::npos) << std::hex << c.opcode << "\n" << out;
        EXPECT_EQ(out.find(c.absent), std::string::npos) << std::hex << c.opcode;
        EXPECT_NE(out.find("Firmware Term Log Information on controller 0:\n"), std::string::npos) << std::hex << c.opcode;
        EXPECT_TRUE(out.ends_with(kFailedEnd)) << std::hex << c.opcode << "\n" << out;
        EXPECT_EQ(r.exitCode, 3) << std::hex << c.opcode;
    }

    // Without the controller information there is no report.
    state = pristine;
    AddFault(state, 0, 0x01010000, 3, 2);
    RunResult r = Log();
    EXPECT_EQ(r.out, "Adapter #0: Failed to Perform AdpAll information Operation.\n\nFW error description: Invalid parameter\n" +
                         Exit(3));

    // Two sections failing: the first one's status; a library failure ends with 1.
    state = pristine;
    AddFault(state, 0, 0x02010000, 5, 1);
    AddFault(state, 0, 0x01090200, 3, 1);
    r = Log();
    EXPECT_NE(r.out.find("Adapter 0: Failed to read the drive list.\n"), std::string::npos);
    EXPECT_NE(r.out.find("Error reading firmware term log data.\n"), std::string::npos);
    EXPECT_TRUE(Masked(r.out).ends_with("\n\n\n\n\nFW error description: Command aborted\n" + Exit(5))) << r.out;
    state = pristine;
    state["faults"].push_back(Json{{"controller", 0}, {"opcode", "0x03010000"}, {"lib_error", 5}});
    r = Log();
    EXPECT_NE(r.out.find("Adapter 0: Failed to read the virtual drive list.\n"), std::string::npos);
    EXPECT_TRUE(Masked(r.out).ends_with("T7: Controller ready\n\n\n\n\n" + kExitFailed)) << r.out;
}

// Reads whose failure leaves nothing out of the log: the controller's time (never shown), the
// design block of a battery type named without it, and the defect lists, whose dashes are the
// log's answer for a drive that does not tell its defects.
TEST_F(AdpAlILogTest, AFailedReadThatLeavesNothingOutKeepsTheLog)
{
    const std::string good = Masked(Log().out);
    const Json pristine = state;
    for (unsigned opcode : {0x01080101u, 0x05030000u}) {
        state = pristine;
        AddFault(state, 0, opcode, 3);
        RunResult r = Log();
        EXPECT_EQ(Masked(r.out), good) << std::hex << opcode;
        EXPECT_EQ(r.exitCode, 0) << std::hex << opcode;
    }

    state = pristine;
    state["faults"].push_back(Json{{"function", "scsi_passthru"}, {"opcode", "0x37"}, {"status", 2}, {"nth", 1}});
    RunResult r = Log();
    EXPECT_NE(r.out.find("Primary Defect:    ---                      Grown Defect:        ---\n"), std::string::npos);
    EXPECT_EQ(r.exitCode, 0);

    // A type named by the design block: the name that could not be read is said to be missing.
    state = pristine;
    state["controllers"][0]["battery"]["type"] = 6;
    AddFault(state, 0, 0x05030000, 3);
    r = Log();
    EXPECT_NE(Masked(r.out).find("BBU Properties\n--------------\n"
                                 "Adapter 0: Failed to read the battery design information.\n\n"
                                 "BBU Voltage:                                  "),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("BBU Battery Type"), std::string::npos);
    EXPECT_EQ(r.exitCode, 3);
}

TEST_F(AdpAlILogTest, EventLinesAndTimeStamps)
{
    Json& events = state["controllers"][0]["events"];
    const auto record = [](unsigned seq, unsigned time, int eventClass, Json args, const std::string& text) {
        return Json{{"seq", seq},          {"time", time},   {"code", 0x20}, {"class", eventClass},
                    {"locale", "0x0020"}, {"args", args}, {"description", text}};
    };
    Json sense = {{"type", "cdb_sense"}, {"pd", {{"device_id", 8}, {"enclosure_index", 0}, {"slot", 0}}},
                  {"cdb_length", 10}, {"sense_length", 15}, {"cdb", "28000000000000000800"},
                  {"sense", "700003000000000A00000000110000"}};
    events = Json{{"records", Json::array({record(1, 0, 0, {{"type", "none"}}, "First"),
                                           record(2, 60 * 86400, 5, {{"type", "none"}}, "Later"),
                                           record(3, 366 * 86400, 1, sense, "Unexpected sense: Sense: 3/11"),
                                           record(4, 0xFF000E10, 4, {{"type", "none"}}, "An hour after boot")})}};
    RunResult r = Log();
    EXPECT_NE(r.out.find("1: 00-01-01,00:00:00 Info:First\n"
                         "2: 00-03-01,00:00:00 UNDEF- 5 :Later\n"
                         "3: 01-01-01,00:00:00 WARNING:Unexpected sense: Sense: 70 00 03 00 00 00 00 0A 00 00 00 00 11 00 00 \n"
                         "4: 0:1:0 DEAD:An hour after boot\n"),
              std::string::npos);
}

// 40 events, numbered 1 to 40, of which the controller leaves out the background and debug ones
// (10 and 20): the batches are not runs of numbers.
Json SkippingEvents()
{
    Json records = Json::array();
    for (unsigned seq = 1; seq <= 40; ++seq) {
        const int eventClass = seq == 10 ? -1 : seq == 20 ? -2 : 0;
        records.push_back(Json{{"seq", seq}, {"time", seq * 60}, {"code", 0x20}, {"class", eventClass},
                               {"locale", "0x0020"}, {"args", {{"type", "none"}}},
                               {"description", "Event " + std::to_string(seq)}});
    }
    return Json{{"records", records}};
}

TEST_F(AdpAlILogTest, EachEventKeepsItsOwnNumberWhereTheBatchLeavesSomeOut)
{
    state["controllers"][0]["events"] = SkippingEvents();
    RunResult r = Log();
    ASSERT_EQ(r.exitCode, 0);
    std::string expected;
    for (unsigned seq = 1; seq <= 40; ++seq) {
        if (seq == 10 || seq == 20)
            continue;
        char stamp[32];
        std::snprintf(stamp, sizeof stamp, "00-01-01,00:%02u:00", seq);
        expected += std::to_string(seq) + ": " + stamp + " Info:Event " + std::to_string(seq) + "\n";
    }
    const std::size_t details = r.out.find("EVENT DETAILS\n------------\n");
    ASSERT_NE(details, std::string::npos);
    EXPECT_EQ(r.out.substr(details + 27, expected.size()), expected);
    EXPECT_EQ(r.out.find("Event 33\n", r.out.find("Event 33\n") + 1), std::string::npos);  // not twice
    // The second batch starts after the last record of the first: the 32 records run up to 34.
    EXPECT_EQ(std::count_if(requests.begin(), requests.end(),
                            [](const std::string& line) {
                                return line.find("opcode=0x01040300 mbox=23000000") != std::string::npos;
                            }),
              1);
}

TEST_F(AdpAlILogTest, AnEventListThatCannotBeRightEndsTheEventsWithAMessage)
{
    struct Case {
        unsigned opcode;
        unsigned offset;
        const char* hex;
    } cases[] = {
        {0x01040300, 0, "21000000"},             // 33 records in a batch of 32
        {0x01040300, 8 + 31 * 256, "00000000"},  // a batch ending before its start (on the second)
        {0x01040100, 4, "00000080"},             // an oldest number 2^31 past the newest
    };
    const Json pristine = state;
    for (const Case& c : cases) {
        state = pristine;
        state["controllers"][0]["events"] = SkippingEvents();
        AddPatch(state, 0, c.opcode, c.offset, c.hex);
        RunResult r = Log();
        EXPECT_NE(r.out.find("EVENT DETAILS\n------------\n"), std::string::npos) << c.hex;
        EXPECT_NE(r.out.find("Failed to get Event List\n\n\n                              Online History"),
                  std::string::npos)
            << c.hex;
        EXPECT_EQ(r.exitCode, 1) << c.hex;
    }
}

// The terminal log's piece count that cannot be right is shown as a failed read: the online
// history ends with it, and so does the log, with a failure.
TEST_F(AdpAlILogTest, ATermLogCountThatCannotBeRightIsShownAsAFailedRead)
{
    AddPatch(state, 0, 0x01090200, 4, "ffffffff");
    RunResult r = Log();
    EXPECT_NE(r.out.find("Firmware Term Log Information on controller 0:\n\nError reading firmware term log data.\n"),
              std::string::npos);
    EXPECT_EQ(r.out.find("T0: Firmware"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with(kExitFailed));
    EXPECT_EQ(r.exitCode, 1);
}

}  // namespace
