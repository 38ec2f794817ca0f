// Runs the built tool against the simulated controller in a temporary folder of its own, with
// a state file made for the test, TZ fixed and a no-op `sleep` first on PATH.
#pragma once
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// State files and reports as the tests build and read them.
using Json = nlohmann::json;

// What the tool prints last when a command succeeds, when it fails, and for a line it cannot
// parse.
const std::string kExitOk = "\nExit Code: 0x00\n";
const std::string kExitFailed = "\nExit Code: 0x01\n";
const std::string kParseFailed = "Failed to parse command. Use -h option for usage.\n" + kExitFailed;

// The line the tool ends with for the exit status `code`.
inline std::string Exit(int code)
{
    char line[32];
    std::snprintf(line, sizeof line, "\nExit Code: 0x%.2x\n", code & 0xFF);
    return line;
}

// The banner the version and help commands print first.
const std::string kBanner = "\n      Tarnbek SAS RAID Management Tool  Ver 8.04.07 May 28, 2012\n\n";

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class ToolTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs `tarnbek args...` in the test folder; `input` is fed to standard input.
    RunResult Run(const std::vector<std::string>& args, const std::string& input = "");
    // Runs the tool with the simulated controller's request log on; `requests` gets its lines in
    // the order sent ("DCMD ctrl=0 opcode=0x01090200 mbox=000000000000000000000000 len=1024
    // dir=from lib=0 fw=0 count=1024"; docs/firmware-interface.md, "Request log").
    RunResult RunTraced(const std::vector<std::string>& args, std::vector<std::string>& requests);
    // Runs with standard output on an open file descriptor of the test (a full device, the
    // write end of a pipe); `out` stays empty. A run ended by a signal has 128 + the signal.
    RunResult RunWithStdout(const std::vector<std::string>& args, int stdoutFd);
    // Runs with the tool's regular files limited to `bytes` (RLIMIT_FSIZE, SIGXFSZ ignored): a
    // write past the limit fails with EFBIG, as one on a full disk does. Standard output and
    // error count too; keep what the run prints below the limit.
    RunResult RunWithFileSizeLimit(const std::vector<std::string>& args, long bytes);
    // Runs a binary copied alone into a folder without the library.
    RunResult RunWithoutLibrary(const std::vector<std::string>& args);

    // The built-in default state (the simulator writes it when the state file is missing).
    nlohmann::json DefaultState();
    void WriteState(const nlohmann::json& state);
    nlohmann::json ReadState();
    std::string ReadFile(const std::string& name) const;
    void WriteFile(const std::string& name, const std::string& content) const;
    bool FileExists(const std::string& name) const;

    // Adds a fault: the n-th call (0: every call) of the opcode answers the firmware status.
    static void AddFault(nlohmann::json& state, unsigned controller, unsigned opcode, int status, int nth = 0);
    // Sets bytes of a reply: hex is the bytes written at the offset.
    static void AddPatch(nlohmann::json& state, unsigned controller, unsigned opcode, unsigned offset,
                         const std::string& hex);

    // Turns drive security (encryption) off on a controller of the state.
    static void WithoutDriveSecurity(nlohmann::json& state, unsigned controller);

    // The same for SCSI pass-through requests whose CDB begins with the bytes of `cdbHex`.
    static void AddPassThruFault(nlohmann::json& state, const std::string& cdbHex, int status, int nth = 0);
    static void AddPassThruPatch(nlohmann::json& state, const std::string& cdbHex, unsigned offset,
                                 const std::string& hex);

    // The time zone of the following runs (UTC unless a test sets another).
    void SetTimeZone(const std::string& zone) { timeZone_ = zone; }

    const std::string& Dir() const { return dir_; }
    std::string StatePath() const { return dir_ + "/drivekit-sim.json"; }

private:
    RunResult Spawn(const std::string& binary, const std::vector<std::string>& args, const std::string& input,
                    bool withLibraryPath, int stdoutFd = -1, long fileSizeLimit = -1);

    std::string dir_;
    std::string timeZone_ = "UTC";
};

std::string ToolBinary();

// The output with the value of each line of the host's clock ("Date/Time:", printed by the
// all-in-one log) left out: two runs a second apart print the same report.
std::string WithoutHostClock(const std::string& out);
