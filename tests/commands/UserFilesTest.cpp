// Files named on the command line, end to end: a file written whole replaces only an absent or
// regular file (a symbolic link is followed to its target) and only once it was written whole; a
// file appended to must be a regular file; a file that cannot be opened, read or written is named
// with the system's reason; nothing waits on a FIFO, the tool's own logs included.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "support/ToolRunner.h"

namespace {


// How long a run may wait on a FIFO before the test opens the FIFO's other end for it.
constexpr auto kUserFilesFifoPatience = std::chrono::seconds(20);
// The size the tool's files are limited to where a full disk is wanted: below every file written
// here, above what a run prints.
constexpr long kUserFilesDiskRoom = 1024;

// Watches a FIFO while a run goes on: when the run has not ended within the patience, opens the
// FIFO's other ends (which never waits) and drains it, so that a run waiting on the FIFO ends and
// the test fails instead of hanging.
class UserFilesFifoRescue {
public:
    explicit UserFilesFifoRescue(std::string path) : path_(std::move(path)), thread_([this] { Watch(); }) {}
    ~UserFilesFifoRescue() { Stop(); }
    UserFilesFifoRescue(const UserFilesFifoRescue&) = delete;
    UserFilesFifoRescue& operator=(const UserFilesFifoRescue&) = delete;

    // Ends the watch; true when the run had to be freed.
    bool Stop()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
        return rescued_;
    }

private:
    void Watch()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, kUserFilesFifoPatience, [this] { return stopped_; }))
            return;
        rescued_ = true;
        // A reader held open frees every writer that waits; a writer opened and closed again
        // frees a reader that waits, with the end of the file, as often as the run opens it.
        const int reader = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
        char buffer[4096];
        while (!stopped_) {
            const int writer = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
            while (reader >= 0 && ::read(reader, buffer, sizeof buffer) > 0) {
            }
            wake_.wait_for(lock, std::chrono::milliseconds(10), [this] { return stopped_; });
        }
        if (reader >= 0)
            ::close(reader);
    }

    std::string path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    std::atomic<bool> rescued_{false};
    std::thread thread_;  // last: it starts once the rest is there
};

class UserFilesTest : public ToolTest {
protected:
    void SetUp() override
    {
        ToolTest::SetUp();
        WriteState(DefaultState());
    }

    std::string Path(const std::string& name) const { return Dir() + "/" + name; }

    void MakeFifo(const std::string& name) const { ASSERT_EQ(::mkfifo(Path(name).c_str(), 0600), 0) << name; }

    // A UNIX socket bound to the name; the socket itself is closed, its file stays.
    void MakeSocket(const std::string& name) const
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string path = Path(name);
        ASSERT_LT(path.size(), sizeof address.sun_path);
        path.copy(address.sun_path, path.size());
        EXPECT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }

    // Runs the tool while the FIFOs named are watched; a run that had to be freed from one fails.
    RunResult RunBeside(const std::vector<std::string>& fifos, const std::vector<std::string>& args)
    {
        std::vector<std::unique_ptr<UserFilesFifoRescue>> watches;
        for (const std::string& fifo : fifos)
            watches.push_back(std::make_unique<UserFilesFifoRescue>(Path(fifo)));
        RunResult result = Run(args);
        for (std::size_t i = 0; i < watches.size(); ++i)
            EXPECT_FALSE(watches[i]->Stop()) << "the run waited on " << fifos[i];
        return result;
    }

    // The kind of file at the name, links not followed.
    std::filesystem::file_type Kind(const std::string& name) const
    {
        return std::filesystem::symlink_status(Path(name)).type();
    }

    // The names in a folder of the test (its own files aside): a temporary file left behind shows.
    std::vector<std::string> Names(const std::string& folder = "") const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? Dir() : Path(folder))) {
            const std::string name = entry.path().filename().string();
            const bool own = name.rfind("drivekit-sim.json", 0) == 0 || name[0] == '.' || name == "bin" ||
                             name.find(".log") != std::string::npos;
            if (!own)
                names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string OpenFailed(const std::string& name, const std::string& reason)
    {
        return "ERROR: Failed to open file " + name + ".\nReason: " + reason + ".\n";
    }
    static std::string WriteFailed(const std::string& name, const std::string& reason)
    {
        return "ERROR: Failed to write file " + name + ".\nReason: " + reason + ".\n";
    }
};

TEST_F(UserFilesTest, ASavedConfigurationFollowsLinksToTheirTarget)
{
    ASSERT_EQ(Run({"-CfgSave", "-f", "direct.cfg", "-a0"}).exitCode, 0);
    const std::string saved = ReadFile("direct.cfg");
    ASSERT_FALSE(saved.empty());

    // A link whose target does not exist yet, relative to the link's folder, and a link to it.
    std::filesystem::create_directory(Path("cfgs"));
    std::filesystem::create_symlink("cfgs/kept.cfg", Path("link.cfg"));
    std::filesystem::create_symlink("link.cfg", Path("chain.cfg"));
    RunResult r = Run({"-CfgSave", "-f", "chain.cfg", "-a0"});
    EXPECT_EQ(r.out, "Config data is saved to the file.\n" + kExitOk);
    EXPECT_EQ(Kind("chain.cfg"), std::filesystem::file_type::symlink);
    EXPECT_EQ(Kind("link.cfg"), std::filesystem::file_type::symlink);
    EXPECT_EQ(std::filesystem::read_symlink(Path("link.cfg")), "cfgs/kept.cfg");
    EXPECT_EQ(ReadFile("cfgs/kept.cfg"), saved);

    // The file replaced keeps its permissions; the link is read through as well.
    const std::filesystem::perms kept =
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read;
    std::filesystem::permissions(Path("cfgs/kept.cfg"), kept);
    WriteFile("cfgs/kept.cfg", "older");
    ASSERT_EQ(Run({"-CfgSave", "-f", "link.cfg", "-a0"}).exitCode, 0);
    EXPECT_EQ(ReadFile("cfgs/kept.cfg"), saved);
    EXPECT_EQ(std::filesystem::status(Path("cfgs/kept.cfg")).permissions(), kept);
    ASSERT_EQ(Run({"-CfgClr", "-Force", "-a0"}).exitCode, 0);
    EXPECT_EQ(Run({"-CfgRestore", "-f", "link.cfg", "-a0"}).exitCode, 0);

    EXPECT_EQ(Names(), (std::vector<std::string>{"cfgs", "chain.cfg", "direct.cfg", "link.cfg"}));
    EXPECT_EQ(Names("cfgs"), (std::vector<std::string>{"kept.cfg"}));
}

TEST_F(UserFilesTest, ASavedConfigurationReplacesNothingButARegularFile)
{
    std::filesystem::create_directory(Path("folder.cfg"));
    MakeFifo("fifo.cfg");
    MakeSocket("socket.cfg");
    std::filesystem::create_symlink("/dev/null", Path("device.cfg"));
    std::filesystem::create_symlink("loop.cfg", Path("loop.cfg"));
    struct Case {
        std::string name;
        std::string reason;
        std::filesystem::file_type kind;
    };
    std::vector<Case> cases = {
        {"folder.cfg", "Is a directory", std::filesystem::file_type::directory},
        {"fifo.cfg", "it is a FIFO, not a regular file", std::filesystem::file_type::fifo},
        {"socket.cfg", "it is a socket, not a regular file", std::filesystem::file_type::socket},
        {"device.cfg", "it is a device, not a regular file", std::filesystem::file_type::symlink},
        {"loop.cfg", "Too many levels of symbolic links", std::filesystem::file_type::symlink},
    };
    // A device node of the test's own where the system lets the test make one (as root).
    if (::mknod(Path("node.cfg").c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0)
        cases.push_back({"node.cfg", "it is a device, not a regular file", std::filesystem::file_type::character});
    const std::vector<std::string> before = Names();
    for (const Case& c : cases) {
        RunResult r = RunBeside({"fifo.cfg"}, {"-CfgSave", "-f", c.name, "-a0"});
        EXPECT_EQ(r.out, OpenFailed(c.name, c.reason) + "Failed to get config data.\n" + kExitFailed);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(Kind(c.name), c.kind) << c.name;
    }
    EXPECT_EQ(Names(), before);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST_F(UserFilesTest, AReportReplacesItsFileOnlyWhenWrittenWhole)
{
    WriteFile("sum.txt", "earlier\n");
    RunResult r = RunWithFileSizeLimit({"-ShowSummary", "-f", "sum.txt", "-a0", "-NoLog"}, kUserFilesDiskRoom);
    EXPECT_EQ(r.out, WriteFailed("sum.txt", "File too large") + kExitFailed);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(ReadFile("sum.txt"), "earlier\n");
    EXPECT_EQ(Names(), (std::vector<std::string>{"sum.txt"}));

    // Written whole, it replaces the file a link leads to.
    std::filesystem::create_symlink("sum.txt", Path("link.txt"));
    r = Run({"-ShowSummary", "-f", "link.txt", "-a0"});
    EXPECT_EQ(r.out, kExitOk);
    EXPECT_EQ(ReadFile("sum.txt").rfind("System\n", 0), 0u);
    EXPECT_EQ(Kind("link.txt"), std::filesystem::file_type::symlink);

    // A device is refused before anything is asked of the controller.
    r = Run({"-ShowSummary", "-f", "/dev/full", "-a0"});
    EXPECT_EQ(r.out, OpenFailed("/dev/full", "it is a device, not a regular file") + "Failed to open the file\n" +
                         kExitFailed);

    // So is a FIFO that is read: nothing of the report goes through it.
    MakeFifo("fifo.txt");
    const int reader = ::open(Path("fifo.txt").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    r = Run({"-ShowSummary", "-f", "fifo.txt", "-a0"});
    EXPECT_EQ(r.out, OpenFailed("fifo.txt", "it is a FIFO, not a regular file") + "Failed to open the file\n" +
                         kExitFailed);
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);
    EXPECT_EQ(Kind("fifo.txt"), std::filesystem::file_type::fifo);
}

TEST_F(UserFilesTest, EveryFileWrittenOnAFullDiskIsNamed)
{
    // Files written whole keep what they held; a file appended to keeps its earlier lines.
    const std::string earlier = "earlier\n";
    const std::string full(kUserFilesDiskRoom, 'x');
    struct Case {
        std::vector<std::string> args;
        std::string file;
        std::string before;
        std::string out;
    };
    const std::string eventsFailed = "\n File write failed \nAdpEventLog failed\n";
    const std::vector<Case> cases = {
        {{"-ShowSummary", "-f", "sum.txt", "-a0"}, "sum.txt", earlier, WriteFailed("sum.txt", "File too large")},
        {{"-CfgSave", "-f", "saved.cfg", "-a0"}, "saved.cfg", earlier,
         WriteFailed("saved.cfg", "File too large") + "Failed to get config data.\n"},
        {{"-AdpEventLog", "-GetEvents", "-f", "events.txt", "-a0"}, "events.txt", earlier,
         WriteFailed("events.txt", "File too large") + eventsFailed},
        {{"-AdpEventLog", "-GetLatest", "20", "-f", "events.txt", "-a0"}, "events.txt", earlier,
         WriteFailed("events.txt", "File too large") + eventsFailed},
        {{"-AdpAEC", "-get", "-f", "capture.dat", "-a0"}, "capture.dat", earlier,
         WriteFailed("capture.dat", "File too large")},
        {{"-PerfMon", "-getresults", "-f", "perf.csv", "-a0"}, "perf.csv", full,
         WriteFailed("perf.csv", "File too large")},
    };
    for (const Case& c : cases) {
        WriteFile(c.file, c.before);
        std::vector<std::string> args = c.args;
        args.push_back("-NoLog");
        RunResult r = RunWithFileSizeLimit(args, kUserFilesDiskRoom);
        EXPECT_EQ(r.out, c.out + kExitFailed) << c.args[0];
        EXPECT_EQ(r.exitCode, 1) << c.args[0];
        EXPECT_EQ(ReadFile(c.file), c.before) << c.args[0];
        EXPECT_EQ(Names(), (std::vector<std::string>{c.file})) << c.args[0];
        std::filesystem::remove(Path(c.file));
    }
}

TEST_F(UserFilesTest, AFileAppendedToMustBeARegularFile)
{
    std::filesystem::create_directory(Path("folder.csv"));
    MakeFifo("fifo.csv");
    std::filesystem::create_symlink("/dev/null", Path("device.csv"));
    for (const auto& [name, reason] : std::vector<std::pair<std::string, std::string>>{
             {"folder.csv", "Is a directory"},
             {"fifo.csv", "it is a FIFO, not a regular file"},
             {"device.csv", "it is a device, not a regular file"}}) {
        RunResult r = RunBeside({"fifo.csv"}, {"-PerfMon", "-getresults", "-f", name, "-a0"});
        EXPECT_EQ(r.out, OpenFailed(name, reason) + kExitFailed);
    }
    EXPECT_EQ(Kind("fifo.csv"), std::filesystem::file_type::fifo);

    // Through a link, the results are appended to its target.
    WriteFile("perf.csv", "earlier\n");
    std::filesystem::create_symlink("perf.csv", Path("link.csv"));
    ASSERT_EQ(Run({"-PerfMon", "-getresults", "-f", "link.csv", "-a0"}).exitCode, 0);
    EXPECT_EQ(ReadFile("perf.csv").rfind("earlier\n", 0), 0u);
    EXPECT_GT(ReadFile("perf.csv").size(), 8u);
    EXPECT_EQ(Kind("link.csv"), std::filesystem::file_type::symlink);
}

TEST_F(UserFilesTest, AFileThatCannotBeReadIsNamedWithTheReason)
{
    std::filesystem::create_directory(Path("folder"));
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::string folder = OpenFailed("folder", "Is a directory");
    const std::vector<Case> cases = {
        // The comparison is never begun.
        {{"-AdpSetVerify", "-f", "folder", "-a0"}, "Adapter #0\n\n" + folder},
        {{"-AdpBbuCmd", "-SetBbuProperties", "-f", "folder", "-a0"}, folder + "Adapter 0: Failed open file.\n"},
        {{"-CfgRestore", "-f", "folder", "-a0"}, folder + "Failed to restore config data.\n"},
        {{"-PdFwDownload", "-PhysDrv[252:0]", "-f", "folder", "-a0"},
         folder + "Firmware Download on Device at Enclosure - 252, Slot - 0 in Adapter 0 Failed \n"},
        {{"-AdpFwFlash", "-f", "folder", "-a0"}, folder + "ERROR: Failed to Validate The Image File folder. Stop!!!\n"},
        {{"-AdpSetVerify", "-f", "missing.txt", "-a0"},
         "Adapter #0\n\n" + OpenFailed("missing.txt", "No such file or directory")},
    };
    for (const Case& c : cases) {
        RunResult r = Run(c.args);
        EXPECT_EQ(r.out.substr(0, r.out.rfind("\nExit Code")), c.out) << c.args[0];
        EXPECT_NE(r.exitCode, 0) << c.args[0];
    }

    // A file the user may not read (a run as root reads every file).
    WriteFile("locked.txt", "BACKGROUNDRATE=30\n");
    std::filesystem::permissions(Path("locked.txt"), std::filesystem::perms::none);
    if (::geteuid() != 0) {
        RunResult r = Run({"-AdpSetVerify", "-f", "locked.txt", "-a0"});
        EXPECT_EQ(r.out, "Adapter #0\n\n" + OpenFailed("locked.txt", "Permission denied") + kExitFailed);
    }

    // A FIFO is read as it comes, without waiting for a writer: here it is empty.
    MakeFifo("fifo.txt");
    RunResult r = RunBeside({"fifo.txt"}, {"-AdpSetVerify", "-f", "fifo.txt", "-a0"});
    EXPECT_EQ(r.out, "Adapter #0\n\n\nDifferences Found:\nNone\n" + kExitOk);
    r = RunBeside({"fifo.txt"}, {"-AdpFwFlash", "-NoSigChk", "-NoVerChk", "-FWTYPE", "1", "-f", "fifo.txt", "-a0"});
    EXPECT_EQ(r.out, "ERROR: Failed to Validate The Image File fifo.txt. Stop!!!\n\nExit Code: 0x11\n");
}

TEST_F(UserFilesTest, TheToolsOwnLogsSkipWhatIsNoRegularFile)
{
    const std::vector<std::string> logs = {"CmdTool.log", "Dravlix.log", "CtDbg.log"};
    for (const std::string& log : logs)
        MakeFifo(log);
    // Each log is written by this line: the console log, the error log (the capture file cannot be
    // opened) and the debug log (its level set).
    const std::vector<std::string> args = {"-AdpAEC", "-get", "-f", "no/such/folder/x.dat", "-a0", "-SetDbgLevel", "0"};
    RunResult r = RunBeside(logs, args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, OpenFailed("no/such/folder/x.dat", "No such file or directory") + kExitFailed);

    // With a reader at each, nothing goes through.
    std::vector<int> readers;
    for (const std::string& log : logs)
        readers.push_back(::open(Path(log).c_str(), O_RDONLY | O_NONBLOCK));
    r = Run(args);
    EXPECT_EQ(r.exitCode, 1);
    for (std::size_t i = 0; i < logs.size(); ++i) {
        char byte = 0;
        EXPECT_LE(::read(readers[i], &byte, 1), 0) << logs[i];
        ::close(readers[i]);
        EXPECT_EQ(Kind(logs[i]), std::filesystem::file_type::fifo);
    }

    // A character device is a log like a file.
    r = Run({"-AdpCount", "-AppLogFile", "/dev/null"});
    EXPECT_EQ(r.out, "\nController Count: 1.\n\nExit Code: 0x01\n");
}

}  // namespace
