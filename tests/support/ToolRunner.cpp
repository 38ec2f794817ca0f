#include "support/ToolRunner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

namespace fs = std::filesystem;

std::string ToolBinary() { return std::string(TARNBEK_BIN_DIR) + "/tarnbek"; }

void ToolTest::SetUp()
{
    char pattern[] = "/tmp/tarnbek-test-XXXXXX";
    char* made = mkdtemp(pattern);
    ASSERT_NE(made, nullptr);
    dir_ = made;
    fs::create_directories(dir_ + "/bin");
    WriteFile("bin/sleep", "#!/bin/sh\nexit 0\n");
    fs::permissions(dir_ + "/bin/sleep", fs::perms::owner_all);
}

void ToolTest::TearDown()
{
    if (!dir_.empty() && !HasFailure())
        fs::remove_all(dir_);
    else if (!dir_.empty())
        std::fprintf(stderr, "test folder kept: %s\n", dir_.c_str());
}

std::string ToolTest::ReadFile(const std::string& name) const
{
    std::ifstream in(name.front() == '/' ? name : dir_ + "/" + name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void ToolTest::WriteFile(const std::string& name, const std::string& content) const
{
    std::ofstream out(name.front() == '/' ? name : dir_ + "/" + name, std::ios::binary | std::ios::trunc);
    out << content;
}

bool ToolTest::FileExists(const std::string& name) const { return fs::exists(dir_ + "/" + name); }

RunResult ToolTest::Spawn(const std::string& binary, const std::vector<std::string>& args, const std::string& input,
                          bool withLibraryPath, int stdoutFd, long fileSizeLimit)
{
    WriteFile(".stdin", input);
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string v(*e);
        if (v.rfind("DRIVEKIT_SIM_STATE=", 0) == 0 || v.rfind("TZ=", 0) == 0 || v.rfind("PATH=", 0) == 0 ||
            v.rfind("LD_LIBRARY_PATH=", 0) == 0)
            continue;
        env.push_back(v);
    }
    const char* path = std::getenv("PATH");
    env.push_back("PATH=" + dir_ + "/bin:" + (path ? path : "/usr/bin:/bin"));
    env.push_back("TZ=" + timeZone_);
    env.push_back("DRIVEKIT_SIM_STATE=" + StatePath());
    // The tool's run path finds the library next to it, except under the address sanitizer,
    // whose dlopen does not honour the executable's run path: name the folder explicitly.
    if (withLibraryPath)
        env.push_back(std::string("LD_LIBRARY_PATH=") + TARNBEK_BIN_DIR);

    std::vector<char*> argv{const_cast<char*>(binary.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, dir_.c_str());
    posix_spawn_file_actions_addopen(&actions, 0, ".stdin", O_RDONLY, 0);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, ".stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, ".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // The limit and the ignored signal are inherited by the tool; this process has them only
    // while it starts it.
    rlimit fileSize{};
    struct sigaction previousXfsz {};
    if (fileSizeLimit >= 0) {
        getrlimit(RLIMIT_FSIZE, &fileSize);
        rlimit limited = fileSize;
        limited.rlim_cur = static_cast<rlim_t>(fileSizeLimit);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &previousXfsz);
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    pid_t pid = 0;
    int rc = posix_spawn(&pid, binary.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (fileSizeLimit >= 0) {
        setrlimit(RLIMIT_FSIZE, &fileSize);
        sigaction(SIGXFSZ, &previousXfsz, nullptr);
    }
    RunResult result;
    if (rc != 0) {
        ADD_FAILURE() << "cannot start " << binary;
        return result;
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    result.exitCode = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
    if (stdoutFd < 0)
        result.out = ReadFile(".stdout");
    result.err = ReadFile(".stderr");
    return result;
}

RunResult ToolTest::Run(const std::vector<std::string>& args, const std::string& input)
{
    return Spawn(ToolBinary(), args, input, true);
}

RunResult ToolTest::RunWithStdout(const std::vector<std::string>& args, int stdoutFd)
{
    return Spawn(ToolBinary(), args, "", true, stdoutFd);
}

RunResult ToolTest::RunWithFileSizeLimit(const std::vector<std::string>& args, long bytes)
{
    return Spawn(ToolBinary(), args, "", true, -1, bytes);
}

RunResult ToolTest::RunWithoutLibrary(const std::vector<std::string>& args)
{
    fs::create_directories(dir_ + "/alone");
    fs::copy_file(ToolBinary(), dir_ + "/alone/tarnbek", fs::copy_options::overwrite_existing);
    return Spawn(dir_ + "/alone/tarnbek", args, "", false);
}

RunResult ToolTest::RunTraced(const std::vector<std::string>& args, std::vector<std::string>& requests)
{
    const std::string trace = dir_ + "/trace.txt";
    std::remove(trace.c_str());
    setenv("DRIVEKIT_SIM_TRACE", trace.c_str(), 1);
    RunResult result = Run(args);
    unsetenv("DRIVEKIT_SIM_TRACE");
    requests.clear();
    std::istringstream lines(FileExists("trace.txt") ? ReadFile("trace.txt") : std::string());
    for (std::string line; std::getline(lines, line);)
        requests.push_back(line);
    return result;
}

nlohmann::json ToolTest::DefaultState()
{
    if (!fs::exists(StatePath()))
        Run({"-AdpCount", "-NoLog"});
    return ReadState();
}

void ToolTest::WriteState(const nlohmann::json& state) { WriteFile(StatePath(), state.dump(2)); }

nlohmann::json ToolTest::ReadState() { return nlohmann::json::parse(ReadFile(StatePath())); }

namespace {
std::string Hex32(unsigned v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", v);
    return buf;
}
}  // namespace

void ToolTest::AddFault(nlohmann::json& state, unsigned controller, unsigned opcode, int status, int nth)
{
    nlohmann::json f = {{"controller", controller}, {"opcode", Hex32(opcode)}, {"status", status}};
    if (nth > 0)
        f["nth"] = nth;
    state["faults"].push_back(f);
}

void ToolTest::WithoutDriveSecurity(nlohmann::json& state, unsigned controller)
{
    nlohmann::json& capabilities = state["controllers"][controller]["info"]["capabilities"];
    capabilities.erase(std::remove(capabilities.begin(), capabilities.end(), "security"), capabilities.end());
}

void ToolTest::AddPassThruFault(nlohmann::json& state, const std::string& cdbHex, int status, int nth)
{
    nlohmann::json f = {{"function", "scsi_passthru"}, {"cdb", cdbHex}, {"status", status}};
    if (nth > 0)
        f["nth"] = nth;
    state["faults"].push_back(f);
}

void ToolTest::AddPassThruPatch(nlohmann::json& state, const std::string& cdbHex, unsigned offset,
                                const std::string& hex)
{
    state["patches"].push_back({{"function", "scsi_passthru"},
                                {"opcode", "0x" + cdbHex.substr(0, 2)},
                                {"cdb", cdbHex},
                                {"offset", offset},
                                {"hex", hex}});
}

void ToolTest::AddPatch(nlohmann::json& state, unsigned controller, unsigned opcode, unsigned offset,
                        const std::string& hex)
{
    state["patches"].push_back({{"controller", controller}, {"opcode", Hex32(opcode)}, {"offset", offset}, {"hex", hex}});
}

std::string WithoutHostClock(const std::string& out)
{
    static const std::string kClock = "Date/Time:";
    std::string result;
    std::size_t at = 0;
    while (at < out.size()) {
        std::size_t end = out.find('\n', at);
        end = end == std::string::npos ? out.size() : end + 1;
        const bool clock = out.compare(at, kClock.size(), kClock) == 0;
        result += clock ? kClock + "\n" : out.substr(at, end - at);
        at = end;
    }
    return result;
}
