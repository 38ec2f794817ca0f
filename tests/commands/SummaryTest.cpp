// -ShowSummary end to end: the report on the console and in a file, the health verdict, the
// battery, enclosure, drive and virtual-drive lines from chosen bytes, and every request failing.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "commands/AdpInfoTestSupport.h"
#include "commands/ReportTestSupport.h"
#include "fwdata/layout/Opcodes.h"

namespace {

using namespace report_test;
using adp_test::HexLe;
using nlohmann::json;


// The host's operating-system line as the summary shows it.
std::string OsLine()
{
    std::ifstream in("/proc/version", std::ios::binary);
    std::string text(255, '\0');
    in.read(text.data(), 255);
    text.resize(static_cast<std::size_t>(in.gcount()));
    text = text.substr(0, text.find('\0'));
    text = text.substr(0, text.find('('));
    return "\tOperating System:  " + text + "\n";
}

class SummaryTest : public ReportTest {
protected:
    json Default() { return State(); }
    // A default controller with only drives 8 (online, slot 0) and 9 (hot spare, slot 1): no
    // configuration, no virtual drives.
    json Small()
    {
        json state = Default();
        json& c = state["controllers"][0];
        json drives = json::array({c["drives"][0], c["drives"][1]});
        drives[0]["state"] = "unconfigured_good";
        drives[1]["state"] = "unconfigured_good";
        c["drives"] = drives;
        c["config"] = json::object();
        return state;
    }
    // Bytes of a drive's progress block.
    static void PatchProgress(json& state, unsigned deviceId, const std::string& hex)
    {
        AddPatch(state, 0, kDcmdPdGetProgress, 0, hex);
        state["patches"].back()["device_id"] = deviceId;
    }
    RunResult Console(const json& state)
    {
        WriteState(state);
        return Run({"-ShowSummary", "-a0"});
    }
    std::string InFile(const json& state)
    {
        WriteState(state);
        const RunResult r = Run({"-ShowSummary", "-f", "summary.txt", "-a0"});
        EXPECT_EQ(r.out, kExitOk);
        return ReadFile("summary.txt");
    }
};

const std::string kEnclosureFile =
    "\n        Enclosure\n"
    "                 Product Id        : SAS12 BP 12-Bay \n"
    "                 Type              : SES\n"
    "                 Status            : OK\n\n";

std::string SummaryDriveBlock(int slot, bool file, const char* state = "Unconfigured Good")
{
    const std::string connector = file ? "Port 0 - 3<Internal><Encl Pos 1>: Slot " + std::to_string(slot) + "\n"
                                       : "Port 0 - 3<Internal><Encl Pos 1 >: Slot " + std::to_string(slot) + " \n";
    return "                Connector          : " + connector +
           "                Vendor Id          : QRV     \n"
           "                Product Id         : HS1200SAS12     \n"
           "                State              : " + state + "\n"
           "                Disk Type          : SAS,FDE,Hard Disk Device\n"
           "                Capacity           : 1.09 TB\n"
           "                Power State        : Active\n\n";
}

TEST_F(SummaryTest, ConsoleAndFileForms)
{
    const std::string controller =
        "        Controller\n"
        "                 ProductName       : QRV SAS RAID Controller 4000(Bus 3, Dev 0)\n"
        "                 SAS Address       : 500a4b0000c0a000\n"
        "                 FW Package Version: 24.12.0-0047\n"
        "                 Status            : Optimal\n"
        "        BBU\n"
        "                 BBU Type          : QBU-300\n"
        "                 Status            : Healthy";
    RunResult console = Console(Small());
    EXPECT_EQ(console.out, "System\n" + OsLine() + "\tCLI Version: 8.04.07\n\nHardware\n" + controller +
                               kEnclosureFile + "        PD \n" + SummaryDriveBlock(0, false) +
                               SummaryDriveBlock(1, false) + "\n" + kExitOk);
    EXPECT_EQ(console.exitCode, 0);

    // In the file: the controller's and battery's status lines are closed, the slot and the
    // position carry no blank, and virtual drives follow.
    json state = Small();
    json& c = state["controllers"][0];
    c["drives"][0]["state"] = "online";
    c["config"] = {{"arrays", {{{"ref", 0}, {"drives", {8}}}}},
                   {"virtual_drives", {{{"target_id", 0}, {"name", "solo"}, {"raid_level", 0}, {"arrays", {0}}}}}};
    EXPECT_EQ(InFile(state), "System\n" + OsLine() + "\tCLI Version: 8.04.07\n\nHardware\n" + controller + "\n" +
                                 kEnclosureFile + "        PD \n" + SummaryDriveBlock(0, true, "Online") +
                                 SummaryDriveBlock(1, true) +
                                 "Storage\n\n       Virtual Drives\n"
                                 "                Virtual drive      : Target Id 0,VD name solo\n"
                                 "                Size               : 1.09 TB\n"
                                 "                State              : Optimal\n"
                                 "                RAID Level         : 0\n\n");
    // Each run writes the file anew.
    EXPECT_EQ(InFile(Small()).find("Storage"), std::string::npos);
}

TEST_F(SummaryTest, FileThatCannotBeOpened)
{
    WriteState(Small());
    const std::string before = ReadFile(StatePath());
    RunResult r = Run({"-ShowSummary", "-f", Dir() + "/missing/summary.txt", "-a0"});
    EXPECT_EQ(r.out, "ERROR: Failed to open file " + Dir() +
                         "/missing/summary.txt.\nReason: No such file or directory.\n"
                         "Failed to open the file\n\nExit Code: 0x01\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(ReadFile(StatePath()), before);
    EXPECT_EQ(Run({"-ShowSummary"}).exitCode, 1);
}

// Each of these turns the controller's status to "Need Attention".
TEST_F(SummaryTest, HealthVerdictFollowsDrivesEnclosuresVirtualDrivesMemoryAndBattery)
{
    const std::string attention = "                 Status            : Need Attention\n";
    const std::vector<std::pair<const char*, std::function<void(json&)>>> cases = {
        {"failed drive", [](json& s) { s["controllers"][0]["drives"][7]["state"] = "unconfigured_bad"; }},
        {"faulty enclosure", [](json& s) { AddPatch(s, 0, kDcmdEnclGetList, 8 + 9, "02"); }},
        {"degraded virtual drive", [](json& s) { AddPatch(s, 0, kDcmdLdGetList, 8 + 4, "02"); }},
        {"memory errors", [](json& s) { AddPatch(s, 0, kDcmdCtrlGetInfo, 1494, "0100"); }},
        {"battery condition", [](json& s) { AddPatch(s, 0, kDcmdBbuGetStatus, 8, "00200000"); }},
    };
    for (const auto& [name, change] : cases) {
        json state = Default();
        change(state);
        EXPECT_NE(InFile(state).find(attention), std::string::npos) << name;
    }
    EXPECT_NE(InFile(Default()).find("                 Status            : Optimal\n"), std::string::npos);
}

TEST_F(SummaryTest, BatteryLines)
{
    json absent = Small();
    AddFault(absent, 0, kDcmdBbuGetStatus, 34);
    EXPECT_EQ(InFile(absent).find("BBU"), std::string::npos);
    // On the console the drive heading then ends the controller's open status line.
    RunResult console = Console(absent);
    EXPECT_NE(console.out.find("Status            : Optimal\n        Enclosure\n"), std::string::npos) << console.out;

    struct Case {
        unsigned type;
        unsigned qualifier;
        const char* state;  // the u32 state word, hex
        const char* file;
        const char* console;
    };
    const Case cases[] = {
        {3, 0, "09000000", "                 BBU Type          : QBU-300\n                 Status            : Pack Missing\n",
         "                 BBU Type          : QBU-300\n                 Status            : Pack Missing\n"},
        {5, 0, "00200000", "                 BBU Type          : QBU-500\n\n",
         "                 BBU Type          : QBU-500\n                 Status            : \n"},
        {5, 1, "00000000", "                 BBU Type          : QBU-300\n                 Status            : Healthy\n",
         "                 BBU Type          : QBU-300\n                 Status            : Healthy\n"},
        {7, 0, "00080000",
         "                 BBU Type          : QBU-300\n                 Status            : Remaining Capacity is Low\n",
         "                 BBU Type          : \n                 Status            : Remaining Capacity is Low\n"},
    };
    for (const Case& c : cases) {
        json state = Small();
        AddPatch(state, 0, kDcmdBbuGetStatus, 0, HexLe(c.type, 1) + HexLe(c.qualifier, 1));
        AddPatch(state, 0, kDcmdBbuGetStatus, 8, c.state);
        EXPECT_NE(InFile(state).find(std::string("        BBU\n") + c.file), std::string::npos) << c.type;
        RunResult r = Console(state);
        EXPECT_NE(r.out.find(std::string("\n        BBU\n") + c.console), std::string::npos) << r.out;
    }
}

TEST_F(SummaryTest, DriveLinesFromTheirBytes)
{
    json state = Small();
    json& drives = state["controllers"][0]["drives"];
    // Drive 9 attached without an enclosure, on connector 1 (its record names it), which the
    // controller's connector count leaves out: its connector comes from the list itself.
    drives[1]["enclosure"] = nullptr;
    AddPatch(state, 0, kDcmdConnectorGetList, 0, "01");
    drives[1]["spun_down"] = true;
    drives[1]["security"] = {"fde_capable"};
    PatchRecord(state, 9, 194, "01");
    // Drive 8: a foreign SATA solid state drive with a tab in its product name, rebuilding and
    // under patrol read, that cannot encrypt.
    drives[0]["security"] = json::array();
    PatchRecord(state, 8, 4 + 16, "51520953");
    PatchRecord(state, 8, 188, "1030");
    PatchRecord(state, 8, 370, "01");
    PatchProgress(state, 8, "03");
    const std::string file = InFile(state);
    EXPECT_NE(file.find("                Product Id         : QR S00SAS12     \n"
                        "                State              : Foreign\n"
                        "                Disk Type          : SATA,Solid State Device\n"
                        "                Capacity           : 1.09 TB\n"
                        "                Power State        : Active\n"
                        "                Operation In Progress : Rebuild\n\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("                Connector          : Port 4 - 7<Internal> : Slot 1\n"), std::string::npos)
        << file;
    EXPECT_NE(file.find("                Disk Type          : SAS,FDE,Hard Disk Device\n"
                        "                Capacity           : 1.09 TB\n"
                        "                Power State        : Spun down\n\n"),
              std::string::npos);
    RunResult console = Console(state);
    EXPECT_NE(console.out.find("                Connector          : Port 4 - 7<Internal>: Slot 1 \n"), std::string::npos)
        << console.out;

    // A connector index beyond the list names none.
    PatchRecord(state, 9, 194, "09");
    EXPECT_NE(InFile(state).find("                Connector          : <Unknown> : Slot 1\n"), std::string::npos);
}

TEST_F(SummaryTest, DriveStatesAndOperationsInTheirOrder)
{
    struct Case {
        const char* state;  // u16 firmware state, hex
        const char* flags;  // byte 188
        const char* running;
        const char* text;
        const char* operation;
    };
    const Case cases[] = {
        {"0200", "04", "06", "Global HotSpare", "Clear"},      {"0200", "01", "0a", "Dedicated HotSpare", "Copyback"},
        {"1000", "00", "02", "Offline", "Patrol Read"},           {"1100", "00", "00", "Failed", nullptr},
        {"1400", "00", "00", "Rebuild", nullptr},              {"2000", "00", "00", "Copyback", nullptr},
        {"4000", "00", "00", "System", nullptr},               {"0300", "00", "00", "Unknown", nullptr},
    };
    for (const Case& c : cases) {
        json state = Small();
        for (const auto& [offset, hex] : std::vector<std::pair<unsigned, const char*>>{{184, c.state}, {188, c.flags}}) {
            PatchRecord(state, 8, offset, hex);
        }
        PatchProgress(state, 8, c.running);
        const std::string file = InFile(state);
        std::string expected = std::string("                State              : ") + c.text + "\n";
        const std::size_t at = file.find(expected);
        ASSERT_NE(at, std::string::npos) << c.text << "\n" << file;
        const std::size_t end = file.find("\n\n", at) + 1;
        const std::string rest = file.substr(at, end - at);
        if (c.operation != nullptr)
            EXPECT_NE(rest.find(std::string("Operation In Progress : ") + c.operation + "\n"), std::string::npos) << rest;
        else
            EXPECT_EQ(rest.find("Operation In Progress"), std::string::npos) << rest;
    }
}

TEST_F(SummaryTest, VirtualDriveLevelsOperationsAndSnapshots)
{
    json state = Default();
    // Virtual drive 0 (RAID 5): check and reconstruction running; drive 1 (RAID 1) of two spans.
    PatchVdInfo(state, 0, 264, "09000000");
    PatchVdInfo(state, 1, 37, "02");
    const std::string file = InFile(state);
    EXPECT_NE(file.find("                State              : Optimal\n"
                        "                Operation In Progress : Consistency Check\nReconstruction\n"
                        "                RAID Level         : 5\n\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("                RAID Level         : 10\n\n"), std::string::npos);
    RunResult console = Console(state);
    EXPECT_NE(console.out.find("                Operation In Progress : Consistency CheckReconstruction\n"
                               "                RAID Level         : 5 \n\n"),
              std::string::npos)
        << console.out;
    EXPECT_NE(console.out.find("                RAID Level         : 10 \n\n"), std::string::npos);

    // Level 17 is RAID 1; an SSD cache shows its own text; snapshots only where supported.
    json other = Default();
    PatchVdInfo(other, 0, 32, "11");
    PatchVdInfo(other, 1, 47, "01");
    PatchVdInfo(other, 1, 45, "01");
    const std::string noSnapshots = InFile(other);
    EXPECT_NE(noSnapshots.find("                RAID Level         : 1\n\n"), std::string::npos) << noSnapshots;
    EXPECT_NE(noSnapshots.find("                RAID Level         : FlashTier\n\n"), std::string::npos);
    EXPECT_EQ(noSnapshots.find("Snapshot"), std::string::npos);
    AddPatch(other, 0, kDcmdCtrlGetInfo, 1507, "40");
    const std::string snapshots = InFile(other);
    EXPECT_NE(snapshots.find("                RAID Level         : 1\n                Snapshot State     : Disabled\n\n"),
              std::string::npos)
        << snapshots;
    EXPECT_NE(snapshots.find("FlashTier\n                Snapshot State     : Enabled\n\n"), std::string::npos);
    EXPECT_NE(Console(other).out.find("                RAID Level         : FlashTier \n"
                                      "                Snapshot State     : Enabled\n"),
              std::string::npos);
}

TEST_F(SummaryTest, EnclosureLines)
{
    json state = Small();
    PatchRecord(state, 252, 4 + 16, "00536865096c66");
    AddPatch(state, 0, kDcmdEnclGetList, 8 + 9, "0207");
    const std::string file = InFile(state);
    EXPECT_NE(file.find("                 Product Id        :  She lfP 12-Bay \n"
                        "                 Type              : Unknown\n"
                        "                 Status            : Faulty\n\n"),
              std::string::npos)
        << file;

    // A count that reads as negative lists no enclosure: the heading stands alone.
    json negative = Small();
    AddPatch(negative, 0, kDcmdEnclGetList, 0, "ffffffff");
    const std::string alone = InFile(negative);
    EXPECT_NE(alone.find("\n        Enclosure\n        PD \n"), std::string::npos) << alone;
}

TEST_F(SummaryTest, FailedRequestsEndTheCommandWithTheirStatus)
{
    struct Case {
        unsigned opcode;
        int nth;
        const char* message;  // printed on the console; null: none
        int exitCode;
    };
    const Case cases[] = {
        {kDcmdCtrlGetInfo, 2, "Adapter #0: Failed to Perform AdpAll information Operation.\n", 12},
        {kDcmdCtrlGetDefaults, 0, "Adapter #0: Failed to Perform AdpAll information Operation.\n", 12},
        {kDcmdBbuGetStatus, 0, "Failed to get BBU Information\n", 12},
        {kDcmdPdGetList, 0, nullptr, 12},
        {kDcmdPdGetList, 2, nullptr, 12},  // the second read of the list, sized by the first
        {kDcmdConnectorGetList, 0, "Adapter #0: Failed communicating to adapter...", 12},
        {kDcmdPdGetInfo, 0, nullptr, 12},
        {kDcmdEnclGetList, 0, "Failed to get Enclosure List...\n", 12},
        {kDcmdLdGetList, 0, nullptr, 12},
        {kDcmdLdGetInfo, 0, nullptr, 12},
    };
    for (const Case& c : cases) {
        json state = Default();
        AddFault(state, 0, c.opcode, 12, c.nth);
        WriteState(state);
        const std::string before = ReadFile(StatePath());
        const RunResult r = Run({"-ShowSummary", "-f", "summary.txt", "-a0"});
        EXPECT_EQ(r.exitCode, c.exitCode) << std::hex << c.opcode;
        if (c.message != nullptr) {
            EXPECT_EQ(r.out.rfind(c.message, 0), 0u) << std::hex << c.opcode << "\n" << r.out;
        }
        // What was written before the failure stays in the file: at least the System section.
        EXPECT_EQ(ReadFile("summary.txt").rfind("System\n", 0), 0u) << std::hex << c.opcode;
        EXPECT_EQ(ReadFile(StatePath()), before);
    }

    // Tolerated: the battery design of a battery whose type is named (its device name is not shown).
    json state = Default();
    AddFault(state, 0, kDcmdBbuGetDesign, 12);
    const std::string good = InFile(Default());
    EXPECT_EQ(InFile(state), good);
}

// The report goes on past a read that fails while it prints: a line on the console says what it
// could not read, in the place of what it leaves out, and the run ends with the read's status.
TEST_F(SummaryTest, FailedReadsAreNamedWhereTheirPieceWouldStand)
{
    const std::string good = Console(Default()).out;
    ASSERT_TRUE(good.ends_with(kExitOk)) << good;
    const std::string kDrive8Connector =
        "                Connector          : Port 0 - 3<Internal><Encl Pos 1 >: Slot 0 \n";
    const std::string kDrive9Connector =
        "                Connector          : Port 0 - 3<Internal><Encl Pos 1 >: Slot 1 \n";
    const std::string kDrive8Block = kDrive8Connector +
                                     "                Vendor Id          : QRV     \n"
                                     "                Product Id         : HS1200SAS12     \n"
                                     "                State              : Online\n"
                                     "                Disk Type          : SAS,FDE,Hard Disk Device\n"
                                     "                Capacity           : 1.09 TB\n"
                                     "                Power State        : Active\n\n";
    const std::string kVd0Block =
        "                Virtual drive      : Target Id 0 ,VD name data\n"
        "                Size               : 3.272 TB\n"
        "                State              : Optimal\n"
        "                RAID Level         : 5 \n\n";
    const std::string kFwFailed = "\nFW error description: Invalid parameter\n" + Exit(3);
    struct Case {
        const char* name;
        json fault;
        std::string from;  // a piece of the whole report
        std::string to;    // what stands in its place
        std::string ending;
    };
    const std::vector<Case> cases = {
        {"PCI location", {{"opcode", "0xF0010200"}, {"status", 3}}, "Controller 4000(Bus 3, Dev 0)\n",
         "Controller 4000\nAdapter 0: Failed to read the PCI location of the controller.\n", kFwFailed},
        {"PCI location, library", {{"opcode", "0xF0010200"}, {"lib_error", 5}}, "Controller 4000(Bus 3, Dev 0)\n",
         "Controller 4000\nAdapter 0: Failed to read the PCI location of the controller.\n", kExitFailed},
        // The drive list read again for the enclosures: their entries are left out.
        {"drive list of the enclosures", {{"opcode", "0x02010000"}, {"status", 3}, {"nth", 3}}, kEnclosureFile,
         "\n        Enclosure\nAdapter 0: Failed to read the drive list.\n", kFwFailed},
        {"whole drive list of the enclosures", {{"opcode", "0x02010000"}, {"lib_error", 5}, {"nth", 4}},
         kEnclosureFile, "\n        Enclosure\nAdapter 0: Failed to read the drive list.\n", kExitFailed},
        // Drive 8's record as the report reads it, then as the connector's lookup reads it.
        {"drive information", {{"opcode", "0x02020000"}, {"status", 3}, {"nth", 13}}, kDrive8Block,
         "Adapter 0: Failed to read the information of the device at Enclosure - 252, Slot - 0.\n", kFwFailed},
        {"connector", {{"opcode", "0x02020000"}, {"lib_error", 5}, {"nth", 14}}, kDrive8Connector,
         "Adapter 0: Failed to read the connector of the device at Enclosure - 252, Slot - 0.\n", kExitFailed},
        // No operation line would say that none runs.
        {"progress", {{"opcode", "0x02060000"}, {"status", 3}, {"nth", 1}}, "Active\n\n" + kDrive9Connector,
         "Active\nAdapter 0: Failed to read the progress of the device at Enclosure - 252, Slot - 0.\n\n" +
             kDrive9Connector,
         kFwFailed},
        {"virtual drive information", {{"opcode", "0x03020000"}, {"lib_error", 5}, {"nth", 1}}, kVd0Block,
         "Adapter 0: Failed to read the information of virtual drive 0.\n", kExitFailed},
    };
    for (const Case& c : cases) {
        json state = Default();
        json fault = c.fault;
        fault["controller"] = 0;
        state["faults"] = json::array({fault});
        std::string expected = good.substr(0, good.size() - kExitOk.size());
        const std::size_t at = expected.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.name;
        ASSERT_EQ(expected.find(c.from, at + 1), std::string::npos) << c.name;
        expected.replace(at, c.from.size(), c.to);
        const RunResult r = Console(state);
        EXPECT_EQ(r.out, expected + c.ending) << c.name;
        EXPECT_EQ(r.exitCode, c.ending == kExitFailed ? 1 : 3) << c.name;
    }

    // The position of a drive's enclosure is that of the list the report read: a later read of the
    // list that fails changes nothing.
    json again = Default();
    AddFault(again, 0, kDcmdEnclGetList, 3, 2);
    const RunResult whole = Console(again);
    EXPECT_EQ(whole.out, good);
    EXPECT_EQ(whole.exitCode, 0);

    // Without enclosures the drives need the drive list read again: without it none is shown.
    json noEnclosures = Small();
    AddPatch(noEnclosures, 0, kDcmdEnclGetList, 0, "00000000");
    const std::string drives = Console(noEnclosures).out;
    AddFault(noEnclosures, 0, kDcmdPdGetList, 3, 3);
    const std::size_t heading = drives.find("        PD \n") + 12;
    const RunResult noDrives = Console(noEnclosures);
    EXPECT_EQ(noDrives.out, drives.substr(0, heading) + "Adapter 0: Failed to read the drive list.\n\n" + kFwFailed);
    EXPECT_EQ(noDrives.exitCode, 3);

    // With several failures the first decides the status.
    json two = Default();
    two["faults"] = json::array({json{{"controller", 0}, {"opcode", "0x03020000"}, {"lib_error", 5}, {"nth", 2}},
                                 json{{"controller", 0}, {"opcode", "0xF0010200"}, {"status", 3}}});
    const RunResult first = Console(two);
    EXPECT_NE(first.out.find("Adapter 0: Failed to read the PCI location of the controller.\n"), std::string::npos);
    EXPECT_NE(first.out.find("Adapter 0: Failed to read the information of virtual drive 1.\n"), std::string::npos);
    EXPECT_TRUE(first.out.ends_with(kFwFailed)) << first.out;
}

// A read that the report cannot do without ends it after the System section, with a line that
// names what could not be read.
TEST_F(SummaryTest, FailedReadsThatEndTheReportAreNamed)
{
    const std::string system = "System\n" + OsLine() + "\tCLI Version: 8.04.07\n";
    struct Case {
        unsigned opcode;
        int nth;
        int status;  // 0: a library error
        const char* line;
    };
    const Case cases[] = {
        {kDcmdPdGetList, 1, 3, "Adapter 0: Failed to read the drive list.\n"},
        {kDcmdPdGetList, 2, 0, "Adapter 0: Failed to read the drive list.\n"},
        {kDcmdPdGetInfo, 2, 3, "Adapter 0: Failed to read the information of the device at Enclosure - 252, Slot - 1.\n"},
        {kDcmdPdGetInfo, 11, 0, "Adapter 0: Failed to read the information of enclosure 252.\n"},
        {kDcmdLdGetList, 1, 0, "Adapter 0: Failed to read the virtual drive list.\n"},
    };
    for (const Case& c : cases) {
        json state = Default();
        char opcode[16];
        std::snprintf(opcode, sizeof opcode, "0x%08X", c.opcode);
        json fault = {{"controller", 0}, {"opcode", opcode}, {"nth", c.nth}};
        fault[c.status != 0 ? "status" : "lib_error"] = c.status != 0 ? c.status : 5;
        state["faults"] = json::array({fault});
        const RunResult r = Console(state);
        EXPECT_EQ(r.out, system + c.line +
                             (c.status != 0 ? "\nFW error description: Invalid parameter\n" + Exit(3) : kExitFailed))
            << std::hex << c.opcode;
    }

    // The failure that ends the report decides its status, not a read before it that the report
    // would have named in its Hardware section.
    json both = Default();
    both["faults"] = json::array({json{{"controller", 0}, {"opcode", "0xF0010200"}, {"status", 3}},
                                  json{{"controller", 0}, {"opcode", "0x03010000"}, {"lib_error", 5}}});
    const RunResult r = Console(both);
    EXPECT_EQ(r.out, system + "Adapter 0: Failed to read the virtual drive list.\n" + kExitFailed);
    EXPECT_EQ(r.exitCode, 1);
}

// In a file the report leaves out what it could not read; the lines that say so go to the console.
TEST_F(SummaryTest, FileLeavesOutWhatCouldNotBeRead)
{
    const std::string good = InFile(Default());
    json state = Default();
    state["faults"] = json::array({json{{"controller", 0}, {"opcode", "0xF0010200"}, {"status", 3}},
                                   json{{"controller", 0}, {"opcode", "0x02020000"}, {"status", 3}, {"nth", 14}}});
    WriteState(state);
    const RunResult r = Run({"-ShowSummary", "-f", "summary.txt", "-a0"});
    EXPECT_EQ(r.out, "Adapter 0: Failed to read the PCI location of the controller.\n"
                     "Adapter 0: Failed to read the connector of the device at Enclosure - 252, Slot - 0.\n"
                     "\nFW error description: Invalid parameter\n" + Exit(3));
    std::string expected = good;
    expected.replace(expected.find("(Bus 3, Dev 0)"), 14, "");
    const std::string connector = "                Connector          : Port 0 - 3<Internal><Encl Pos 1>: Slot 0\n";
    expected.replace(expected.find(connector), connector.size(), "");
    EXPECT_EQ(ReadFile("summary.txt"), expected);

    // A drive attached without an enclosure takes its connector from the connector list: a
    // failed read of the list leaves the connector line out.
    json listed = Small();
    listed["controllers"][0]["drives"][1]["enclosure"] = nullptr;
    AddPatch(listed, 0, kDcmdConnectorGetList, 0, "01");
    PatchRecord(listed, 9, 194, "01");
    const std::string whole = InFile(listed);
    AddFault(listed, 0, kDcmdConnectorGetList, 3, 2);
    WriteState(listed);
    const RunResult noList = Run({"-ShowSummary", "-f", "summary.txt", "-a0"});
    EXPECT_EQ(noList.out, "Adapter 0: Failed to read the connector of the device at Enclosure - N/A, Slot - 1.\n"
                          "\nFW error description: Invalid parameter\n" + Exit(3));
    const std::string line = "                Connector          : Port 4 - 7<Internal> : Slot 1\n";
    ASSERT_NE(whole.find(line), std::string::npos) << whole;
    EXPECT_EQ(ReadFile("summary.txt"), std::string(whole).replace(whole.find(line), line.size(), ""));
}

// The battery's device name stands for its type where the type has no name of its own: without
// the design information the type is not shown, and the report says why.
TEST_F(SummaryTest, BatteryTypeWithoutItsDesignInformation)
{
    json state = Small();
    AddPatch(state, 0, kDcmdBbuGetStatus, 0, "0501");
    const std::string file = InFile(state);
    const std::string console = Console(state).out;
    AddFault(state, 0, kDcmdBbuGetDesign, 3);

    WriteState(state);
    const RunResult r = Run({"-ShowSummary", "-f", "summary.txt", "-a0"});
    const std::string failed = "Adapter 0: Failed to read the battery design information.\n";
    const std::string kFwFailed = "\nFW error description: Invalid parameter\n" + Exit(3);
    EXPECT_EQ(r.out, failed + kFwFailed);
    const std::string typeLine = "                 BBU Type          : QBU-300\n";
    ASSERT_NE(file.find(typeLine), std::string::npos) << file;
    EXPECT_EQ(ReadFile("summary.txt"), std::string(file).replace(file.find(typeLine), typeLine.size(), ""));
    std::string expected = console.substr(0, console.size() - kExitOk.size()) + kFwFailed;
    ASSERT_NE(expected.find(typeLine), std::string::npos) << console;
    expected.replace(expected.find(typeLine), typeLine.size(), failed);
    const RunResult onConsole = Console(state);
    EXPECT_EQ(onConsole.out, expected);
    EXPECT_EQ(onConsole.exitCode, 3);

    // A type the console shows without its name: the console report is whole, the file's is not.
    json unnamed = Small();
    AddPatch(unnamed, 0, kDcmdBbuGetStatus, 0, "0700");
    const std::string whole = Console(unnamed).out;
    AddFault(unnamed, 0, kDcmdBbuGetDesign, 3);
    const RunResult same = Console(unnamed);
    EXPECT_EQ(same.out, whole);
    EXPECT_EQ(same.exitCode, 0);
    WriteState(unnamed);
    EXPECT_EQ(Run({"-ShowSummary", "-f", "summary.txt", "-a0"}).out, failed + kFwFailed);
}

// With a list of adapters every one runs and writes the file anew: a failed adapter leaves no
// stream behind to spoil the next one's report.
TEST_F(SummaryTest, EachAdapterWritesTheFileAnew)
{
    json state = Default();
    state["controllers"].push_back(state["controllers"][0]);
    state["controllers"][1]["info"]["product_name"] = "Second";
    AddFault(state, 0, kDcmdLdGetList, 12);
    WriteState(state);
    const RunResult r = Run({"-ShowSummary", "-f", "summary.txt", "-a0,1"});
    EXPECT_NE(r.exitCode, 0);
    const std::string file = ReadFile("summary.txt");
    EXPECT_EQ(file.find("QRV SAS RAID Controller 4000"), std::string::npos);
    EXPECT_NE(file.find("                 ProductName       : Second(Bus 3, Dev 0)\n"), std::string::npos);
    EXPECT_NE(file.find("Storage"), std::string::npos);
}

}  // namespace
