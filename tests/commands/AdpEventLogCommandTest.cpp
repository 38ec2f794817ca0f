// -AdpEventLog end to end against the simulated controller: the log information, clear, the
// listings from each start number with class filters, the newest n, one file for all
// adapters, batches of 128, an empty log, failed requests and output files, and the event of a
// firmware flash.
#include "AdpEventLogTestSupport.h"
#include "support/FwImageBuilder.h"

namespace evtest {
namespace {

using Seqs = std::vector<unsigned>;

class AdpEventLogTest : public EventLogToolTest {
protected:
    // Runs the listing into out.txt and answers the sequence numbers written.
    Seqs Listed(const std::vector<std::string>& options)
    {
        std::vector<std::string> args = options;
        args.insert(args.end(), {"-f", "out.txt", "-a0"});
        RunResult r = EventLog(args);
        EXPECT_EQ(r.out, kSuccess + Exit(0)) << options[0];
        return SeqNums(ReadFile("out.txt"));
    }
};

TEST_F(AdpEventLogTest, LogInformationShowsTheFiveNumbers)
{
    SetRange(5, 9);
    SetNumbers(7, 6, 8);
    RunResult r = EventLog({"-GetEventLogInfo", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\nNewest Seqnum: 0x00000009\nOldest Seqnum: 0x00000005\nClear Seqnum: 0x00000007\n"
                     "Shutdown Seqnum: 0x00000006\nReboot Seqnum: 0x00000008\n\n" +
                         kSuccess + Exit(0));
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(AdpEventLogTest, ClearMarksWhereTheLogWasCleared)
{
    SetRange(1, 3);
    RunResult r = EventLog({"-Clear", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(requests, (std::vector<std::string>{"c0 01040200 00000000 00000000 len=0 fw=0"}));
    const Json events = ReadState()["controllers"][0]["events"];
    EXPECT_EQ(events["clear_seq"], 4);
    ASSERT_EQ(events["records"].size(), 4u);
    state = ReadState();
    EXPECT_EQ(Listed({"-GetEvents"}), (Seqs{4}));
    EXPECT_EQ(ReadFile("out.txt"),
              FileHeader(0, 1) + Head(4, TimeLine(kNowText), 0x11, 0, 0x20, "Event log cleared") + "None\n");
    EXPECT_EQ(Listed({"-IncludeDeleted"}), (Seqs{1, 2, 3, 4}));
}

TEST_F(AdpEventLogTest, OfSeveralSubCommandsTheLastOneGivenDecides)
{
    SetRange(1, 3);
    RunResult r = EventLog({"-GetEventLogInfo", "-GetEvents", "-Clear", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(requests, (std::vector<std::string>{"c0 01040200 00000000 00000000 len=0 fw=0"}));
    state = ReadState();
    EXPECT_EQ(Listed({"-Clear", "-GetEvents"}), (Seqs{4}));
}

TEST_F(AdpEventLogTest, EachListingStartsAtItsNumberAndNeverBeforeTheOldest)
{
    SetRange(5, 12);
    SetNumbers(7, 8, 10);
    EXPECT_EQ(Listed({"-GetSinceReboot"}), (Seqs{10, 11, 12}));
    EXPECT_EQ(ReadFile("out.txt").rfind(FileHeader(0, 3) + DefaultEvent(10), 0), 0u);
    EXPECT_EQ(requests, (std::vector<std::string>{"c0 01040100 00000000 00000000 len=20 fw=0",
                                                  "c0 01040400 0000000A 0000FFFF len=4 fw=0",
                                                  "c0 01040300 0000000A 0000FFFF len=32776 fw=0"}));
    EXPECT_EQ(Listed({"-GetSinceShutdown"}), (Seqs{8, 9, 10, 11, 12}));
    EXPECT_EQ(Listed({"-GetEvents"}), (Seqs{7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(Listed({"-IncludeDeleted"}), (Seqs{5, 6, 7, 8, 9, 10, 11, 12}));
    // A shutdown before the oldest event kept: the listing starts at the oldest.
    SetNumbers(7, 2, 10);
    EXPECT_EQ(Listed({"-GetSinceShutdown"}), (Seqs{5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(requests[1], "c0 01040400 00000005 0000FFFF len=4 fw=0");
}

TEST_F(AdpEventLogTest, ClassFiltersKeepTheClassesNamed)
{
    SetRange(1, 8, [](unsigned seq) { return static_cast<int>(seq % 4); });
    EXPECT_EQ(Listed({"-GetEvents", "-warning"}), (Seqs{1, 5}));
    // The header counts every event from the start number.
    EXPECT_EQ(ReadFile("out.txt"), FileHeader(0, 8) + DefaultEvent(1, 1) + DefaultEvent(5, 1));
    EXPECT_EQ(Listed({"-GetEvents", "-fatal", "-info"}), (Seqs{3, 4, 7, 8}));
    EXPECT_EQ(Listed({"-GetEvents", "-critical"}), (Seqs{2, 6}));
    EXPECT_EQ(Listed({"-GetEvents", "-critical", "-warning", "-info", "-fatal"}), (Seqs{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(AdpEventLogTest, AFilterThatNoEventPassesEndsWithStatusOne)
{
    SetRange(1, 300);
    RunResult r = EventLog({"-GetEvents", "-critical", "-f", "out.txt", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(1));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(ReadFile("out.txt"), FileHeader(0, 300));
    EXPECT_EQ(CountRequests(0x01040300), 3u);

    // Without -f nothing is written: the listing stops at the first event that passes.
    r = EventLog({"-GetSinceReboot", "-critical", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(1));
    r = EventLog({"-GetSinceReboot", "-info", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(CountRequests(0x01040300), 1u);
    r = EventLog({"-GetSinceReboot", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    r = EventLog({"-GetLatest", "3", "-fatal", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(1));
    r = EventLog({"-GetLatest", "3", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(CountRequests(0x01040300), 1u);
    EXPECT_FALSE(FileExists("ignored.txt"));
}

TEST_F(AdpEventLogTest, LatestWritesTheNewestFirst)
{
    SetRange(1, 6, [](unsigned seq) { return seq == 2 || seq == 5 ? 1 : 0; });
    RunResult r = EventLog({"-GetLatest", "3", "-f", "out.txt", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("out.txt"), DefaultEvent(6) + DefaultEvent(5, 1) + DefaultEvent(4));
    EXPECT_EQ(requests.back(), "c0 01040300 00000004 FE00FFFF len=264 fw=0");
    // Events the filter skips do not count.
    EventLog({"-GetLatest", "2", "-warning", "-f", "out.txt", "-a0"});
    EXPECT_EQ(SeqNums(ReadFile("out.txt")), (Seqs{5, 2}));
    // More than there are: the walk ends at the oldest.
    EventLog({"-GetLatest", "70", "-f", "out.txt", "-a0"});
    EXPECT_EQ(SeqNums(ReadFile("out.txt")), (Seqs{6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(CountRequests(0x01040300), 6u);
}

TEST_F(AdpEventLogTest, LatestWritesEachEventOnceAcrossMissingNumbers)
{
    SetEvents({EventRow{5}, EventRow{6}, EventRow{9}, EventRow{10}});
    Events()["max_records"] = 4;
    RunResult r = EventLog({"-GetLatest", "4", "-f", "out.txt", "-a0"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(SeqNums(ReadFile("out.txt")), (Seqs{10, 9, 6, 5}));
    EXPECT_EQ(CountRequests(0x01040300), 6u);  // 10, 9, 8 and 7 (both answer 9), 6, 5
}

TEST_F(AdpEventLogTest, LatestZeroTruncatesTheFileWithoutAsking)
{
    SetRange(1, 3);
    WriteFile("out.txt", "older output\n");
    RunResult r = EventLog({"-GetLatest", "0", "-f", "out.txt", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("out.txt"), "");
    EXPECT_EQ(CountRequests(0x01040300), 0u);
}

TEST_F(AdpEventLogTest, AllAdaptersWriteIntoOneFile)
{
    AddController();
    SetRange(1, 2, [](unsigned) { return 0; }, 0);
    SetRange(7, 9, [](unsigned) { return 0; }, 1);
    const std::string expected = FileHeader(0, 2) + DefaultEvent(1) + DefaultEvent(2) + FileHeader(1, 3) +
                                 DefaultEvent(7) + DefaultEvent(8) + DefaultEvent(9);
    for (const char* adapters : {"-a0,1", "-aALL"}) {
        WriteFile("out.txt", "older output\n");
        RunResult r = EventLog({"-GetEvents", "-f", "out.txt", adapters});
        EXPECT_EQ(r.out, kSuccess + kSuccess + Exit(0)) << adapters;
        EXPECT_EQ(ReadFile("out.txt"), expected) << adapters;
    }
    RunResult r = EventLog({"-GetLatest", "1", "-f", "out.txt", "-aALL"});
    EXPECT_EQ(ReadFile("out.txt"), DefaultEvent(2) + DefaultEvent(9));
}

TEST_F(AdpEventLogTest, AnEmptyLog)
{
    RunResult r = EventLog({"-GetEventLogInfo", "-a0"});
    EXPECT_NE(r.out.find("Newest Seqnum: 0x00000000\nOldest Seqnum: 0x00000000\n"), std::string::npos);
    // No event from the start number: the count answers 35, the header says 0 and the list is
    // still asked for.
    r = EventLog({"-GetEvents", "-f", "out.txt", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("out.txt"), FileHeader(0, 0));
    EXPECT_EQ(requests[1], "c0 01040400 00000000 0000FFFF len=4 fw=35");
    EXPECT_EQ(CountRequests(0x01040300), 1u);
    r = EventLog({"-GetLatest", "5", "-f", "out.txt", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("out.txt"), "");
    EXPECT_EQ(CountRequests(0x01040300), 1u);

    // The 35 is an answer, not a failure: a file that cannot be made is not blamed on it.
    r = EventLog({"-GetEvents", "-f", Dir() + "/no-such-folder/out.txt", "-a0"});
    EXPECT_EQ(requests.back(), "c0 01040400 00000000 0000FFFF len=4 fw=35");
    EXPECT_EQ(r.out, "ERROR: Failed to open file " + Dir() + "/no-such-folder/out.txt.\n"
                     "Reason: No such file or directory.\n" + kFailed + Exit(1));
    EXPECT_EQ(r.exitCode, 1);
}

TEST_F(AdpEventLogTest, EventsComeInBatchesOf128)
{
    Events()["max_records"] = 300;
    SetRange(1, 130);
    EXPECT_EQ(Listed({"-IncludeDeleted"}).size(), 130u);
    EXPECT_EQ(CountRequests(0x01040300), 2u);
    EXPECT_EQ(requests.back(), "c0 01040300 00000081 0000FFFF len=32776 fw=0");
    // A multiple of 128: one more request, which answers none.
    SetRange(1, 256);
    const Seqs seqs = Listed({"-IncludeDeleted"});
    ASSERT_EQ(seqs.size(), 256u);
    EXPECT_EQ(seqs.back(), 256u);
    EXPECT_EQ(CountRequests(0x01040300), 3u);
    EXPECT_EQ(requests.back(), "c0 01040300 00000101 0000FFFF len=32776 fw=0");
}

TEST_F(AdpEventLogTest, AFailedRequestEndsTheCommandWithItsStatus)
{
    SetRange(1, 3);
    const Json clean = state;
    struct Case {
        unsigned opcode;
        int status;
        std::vector<std::string> args;
        int exit;
    };
    const Case cases[] = {
        {0x01040100, 7, {"-GetEventLogInfo"}, 7},
        {0x01040100, 7, {"-GetEvents", "-f", "out.txt"}, 7},
        {0x01040400, 9, {"-GetEvents", "-f", "out.txt"}, 9},
        {0x01040300, 4, {"-GetSinceReboot", "-f", "out.txt"}, 4},
        {0x01040300, 4, {"-GetLatest", "2", "-f", "out.txt"}, 4},
        {0x01040200, 3, {"-Clear"}, 3},
    };
    for (const Case& c : cases) {
        state = clean;
        AddFault(state, 0, c.opcode, c.status);
        std::remove((Dir() + "/out.txt").c_str());
        std::vector<std::string> args = c.args;
        args.push_back("-a0");
        RunResult r = EventLog(args);
        EXPECT_EQ(r.out.rfind(kFailed + "\nFW error description: ", 0), 0u) << r.out;
        EXPECT_EQ(r.exitCode, c.exit) << c.args[0];
        EXPECT_EQ(ReadState()["controllers"][0]["events"], clean["controllers"][0]["events"]);
    }
    // The count failed before the file was opened; a failed listing leaves the header. The
    // debug log names each failed request with its status.
    state = clean;
    AddFault(state, 0, 0x01040300, 4);
    EventLog({"-GetEvents", "-f", "out.txt", "-a0", "-SetDbgLevel", "0"});
    EXPECT_EQ(ReadFile("out.txt"), FileHeader(0, 3));
    state = clean;
    AddFault(state, 0, 0x01040400, 9);
    EventLog({"-GetEvents", "-f", "out.txt", "-a0", "-SetDbgLevel", "0"});
    const std::string debugLog = ReadFile("CtDbg.log");
    EXPECT_NE(debugLog.find("Event Opcode: 0x01040300, seqNum: 1, retCode: 4, Event Count: 0\n"), std::string::npos);
    EXPECT_NE(debugLog.find("Event Opcode: 0x01040400, seqNum: 1, retCode: 9, Event Count: 0\n"), std::string::npos);
}

TEST_F(AdpEventLogTest, RepliesWithoutRecordsOrWithMoreThanFit)
{
    SetRange(1, 3);
    const Json clean = state;
    // A reply that says it holds no record ends the listing unwritten.
    AddPatch(state, 0, 0x01040300, 0, "00000000");
    EXPECT_EQ(Listed({"-GetEvents"}), Seqs{});
    EXPECT_EQ(ReadFile("out.txt"), FileHeader(0, 3));
    EXPECT_EQ(CountRequests(0x01040300), 1u);
    // The latest walk takes it as no record at that number and steps down to the oldest.
    RunResult r = EventLog({"-GetLatest", "2", "-f", "out.txt", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("out.txt"), "");
    EXPECT_EQ(CountRequests(0x01040300), 3u);

    // A count beyond the buffer cannot be right: nothing of the reply is written and the
    // command fails (the debug log names the reply).
    state = clean;
    AddPatch(state, 0, 0x01040300, 0, "FFFFFFFF");
    r = EventLog({"-GetEvents", "-f", "out.txt", "-a0", "-SetDbgLevel", "0"});
    EXPECT_EQ(r.out, kFailed + Exit(1));
    EXPECT_EQ(ReadFile("out.txt"), FileHeader(0, 3));
    EXPECT_EQ(CountRequests(0x01040300), 1u);
    EXPECT_NE(ReadFile("CtDbg.log").find("Event Opcode: 0x01040300, seqNum: 1, retCode: -1, Event Count: -1\n"),
              std::string::npos);
}

TEST_F(AdpEventLogTest, RecordsThatCannotBeRightFailTheCommand)
{
    SetRange(1, 3);
    const Json clean = state;
    struct Case {
        unsigned opcode;
        unsigned offset;
        const char* hex;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        // The last record of a listing's batch numbered before the batch's start.
        {0x01040300, 8 + 2 * 256, "00000000", {"-GetEvents"}},
        {0x01040300, 8 + 2 * 256, "00000000", {"-GetEvents", "-f", "out.txt"}},
        // Two records in the one-record reply of the latest walk.
        {0x01040300, 0, "02000000", {"-GetLatest", "2", "-f", "out.txt"}},
        // An oldest number past the newest: a walk of 2^32 - 1 numbers.
        {0x01040100, 4, "04000000", {"-GetLatest", "2", "-f", "out.txt"}},
        {0x01040100, 4, "04000000", {"-GetLatest", "2", "-warning"}},
    };
    for (const Case& c : cases) {
        state = clean;
        AddPatch(state, 0, c.opcode, c.offset, c.hex);
        std::remove((Dir() + "/out.txt").c_str());
        std::vector<std::string> args = c.args;
        args.push_back("-a0");
        RunResult r = EventLog(args);
        EXPECT_EQ(r.out, kFailed + Exit(1)) << c.args[0] << " " << c.hex;
        if (FileExists("out.txt")) {
            EXPECT_EQ(ReadFile("out.txt").find("Event Description"), std::string::npos) << c.hex;
        }
    }
}

TEST_F(AdpEventLogTest, AnOutputFileThatCannotBeWrittenFailsTheCommand)
{
    SetRange(1, 3);
    const std::string folder = "ERROR: Failed to open file " + Dir() + ".\nReason: Is a directory.\n";
    RunResult r = EventLog({"-GetEvents", "-f", Dir(), "-a0", "-SetDbgLevel", "0"});
    EXPECT_EQ(r.out, folder + kFailed + Exit(1));
    EXPECT_NE(ReadFile("CtDbg.log").find("Fatal error - failed to open file " + Dir()), std::string::npos);
    r = EventLog({"-GetLatest", "1", "-f", Dir(), "-a0"});
    EXPECT_EQ(r.out, folder + kFailed + Exit(1));
    // A device is no output file.
    r = EventLog({"-GetEvents", "-f", "/dev/full", "-a0"});
    EXPECT_EQ(r.out, "ERROR: Failed to open file /dev/full.\nReason: it is a device, not a regular file.\n" + kFailed +
                         Exit(1));

    // Writes that fail only when the file is closed, and writes that fail as they are made (the
    // files limited to a size below what is written): an earlier file stays as it was.
    const std::string tooLarge = "ERROR: Failed to write file out.txt.\nReason: File too large.\n";
    const std::string writeFailed = "\n File write failed \n";
    WriteFile("out.txt", "earlier\n");
    WriteState(state);
    r = RunWithFileSizeLimit({"-AdpEventLog", "-GetEvents", "-f", "out.txt", "-a0"}, 256);
    EXPECT_EQ(r.out, tooLarge + writeFailed + kFailed + Exit(1));
    r = RunWithFileSizeLimit({"-AdpEventLog", "-GetLatest", "2", "-f", "out.txt", "-a0"}, 256);
    EXPECT_EQ(r.out, tooLarge + writeFailed + kFailed + Exit(1));
    SetRange(1, 100);
    WriteState(state);
    r = RunWithFileSizeLimit({"-AdpEventLog", "-GetEvents", "-f", "out.txt", "-a0"}, 256);
    EXPECT_EQ(r.out, writeFailed + tooLarge + kFailed + Exit(1));
    EXPECT_EQ(ReadFile("out.txt"), "earlier\n");
}

TEST_F(AdpEventLogTest, AFirmwareFlashIsLogged)
{
    ASSERT_TRUE(fwimage::ApplicationImage("4.730.00-0050", "24.12.1-0010").WriteTo(Dir() + "/fw.rom"));
    WriteState(state);
    ASSERT_EQ(Run({"-AdpFwFlash", "-f", "fw.rom", "-a0"}).exitCode, 0);
    state = ReadState();
    EXPECT_EQ(Listed({"-GetEvents"}), (Seqs{1}));
    EXPECT_EQ(ReadFile("out.txt"),
              FileHeader(0, 1) +
                  Head(1, TimeLine(kNowText), 0x10, 0, 0x20, "Flash of new firmware image(s) complete") + "None\n");
}

TEST_F(AdpEventLogTest, ChangesMadeByOtherCommandsAreLoggedInOrder)
{
    // The clock moves a minute with every run: the hot spare is made at 09:31.
    state["clock"]["advance_per_run"] = 60;
    WriteState(state);
    ASSERT_EQ(Run({"-PDHSP", "-Set", "-PhysDrv[252:7]", "-a0"}).exitCode, 0);
    state = ReadState();
    EXPECT_EQ(Listed({"-GetEvents"}), (Seqs{1, 2}));
    const std::string drive = "Device ID: 15\nEnclosure Index: 0\nSlot Number: 7\n";
    EXPECT_EQ(ReadFile("out.txt"),
              FileHeader(0, 2) + Head(1, TimeLine("Fri Mar 15 09:31:00 2024"), 0x60, 0, 0x02, "Drive state changed") +
                  drive + "Previous state: 0\nNew state: 2\n" +
                  Head(2, TimeLine("Fri Mar 15 09:31:00 2024"), 0x61, 0, 0x02, "Hot spare created") + drive +
                  "Spare Type:  Revertible \nArrays Dedicated to:\n");
}

TEST_F(AdpEventLogTest, ConfigurationAndDriveChangesOfSeveralRunsComeInOrder)
{
    // Each run moves the clock a minute: the virtual drive is deleted at 09:31, the new one made
    // at 09:32 and the drive taken offline at 09:33.
    state["clock"]["advance_per_run"] = 60;
    WriteState(state);
    ASSERT_EQ(Run({"-CfgLdDel", "-L1", "-a0"}).exitCode, 0);
    ASSERT_EQ(Run({"-CfgLdAdd", "-r1[252:8,252:9]", "-a0"}).exitCode, 0);
    ASSERT_EQ(Run({"-PDOffline", "-PhysDrv", "[252:0]", "-a0"}).exitCode, 0);

    auto head = [](unsigned seq, int minute, unsigned code, unsigned locale, const std::string& text) {
        return Head(seq, TimeLine("Fri Mar 15 09:3" + std::to_string(minute) + ":00 2024"), code, 0, locale, text);
    };
    auto drive = [](int slot) {
        return "Device ID: " + std::to_string(8 + slot) + "\nEnclosure Index: 0\nSlot Number: " + std::to_string(slot) +
               "\n";
    };
    auto driveState = [&](unsigned seq, int minute, int slot, int before, int after) {
        return head(seq, minute, 0x60, 0x02, "Drive state changed") + drive(slot) +
               "Previous state: " + std::to_string(before) + "\nNew state: " + std::to_string(after) + "\n";
    };
    const std::string events[] = {
        head(1, 1, 0x31, 0x01, "Virtual drive deleted") + "Target Id: 1\n",
        driveState(2, 1, 4, 24, 0),
        driveState(3, 1, 5, 24, 0),
        driveState(4, 2, 8, 0, 24),
        driveState(5, 2, 9, 0, 24),
        head(6, 2, 0x30, 0x01, "Virtual drive created") + "Target Id: 1\n",
        driveState(7, 3, 0, 24, 16),
        head(8, 3, 0x32, 0x01, "Virtual drive state changed") + "Target Id: 0\nPrevious state: 3\nNew state: 2\n",
        driveState(9, 3, 0, 16, 0),
        head(10, 3, 0x7B, 0x42, "Hot spare took over an array row") + drive(6) + "Array: 0\nRow: 0\n",
        driveState(11, 3, 6, 2, 20),
        head(12, 3, 0x68, 0x02, "Rebuild started") + drive(6),
    };
    state = ReadState();
    EXPECT_EQ(Listed({"-GetEvents"}).size(), 12u);
    std::string all = FileHeader(0, 12);
    for (const std::string& e : events)
        all += e;
    EXPECT_EQ(ReadFile("out.txt"), all);
    // The newest first.
    RunResult r = EventLog({"-GetLatest", "2", "-f", "out.txt", "-a0"});
    EXPECT_EQ(r.out, kSuccess + Exit(0));
    EXPECT_EQ(ReadFile("out.txt"), events[11] + events[10]);
}

TEST_F(AdpEventLogTest, CommandLinesTheGrammarRefuses)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"-a0"}, {"-GetLatest", "-a0"}, {"-GetEvents", "-info", "-Clear", "-a0"},
          {"-GetEvents", "-f", "-a0"}, {"-Clear", "-info", "-a0"}, {"-GetCCIncon", "-f", "x", "-a0"}}) {
        RunResult r = EventLog(args);
        EXPECT_EQ(r.out, "Failed to parse command. Use -h option for usage.\n" + Exit(1)) << args[0];
    }
}

}  // namespace
}  // namespace evtest
