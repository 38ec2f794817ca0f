#include "StateFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "DefaultTopology.h"
#include "StateFormat.h"

namespace sim {
namespace {

constexpr const char* kDefaultPath = "./drivekit-sim.json";
constexpr off_t kMaxStateBytes = off_t{64} << 20;
constexpr auto kLockWait = std::chrono::seconds(60);

std::string ErrnoText(int error) { return std::strerror(error); }

bool WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A state file's text, mapped from the page cache rather than copied (a large state is read on
// every run). The parser reads a little past the end, which lands in zero-filled memory. Every
// writer replaces the file by a rename, so the mapped file never shrinks under the reader.
class MappedText {
public:
    MappedText() = default;
    MappedText(const MappedText&) = delete;
    MappedText& operator=(const MappedText&) = delete;
    ~MappedText()
    {
        if (base_ != MAP_FAILED)
            ::munmap(base_, length_);
    }

    bool Map(int fd, std::size_t size)
    {
        const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        length_ = (size + simdjson::SIMDJSON_PADDING + page - 1) / page * page;
        base_ = ::mmap(nullptr, length_, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base_ == MAP_FAILED)
            return false;
        size_ = size;
        return size == 0 ||
               ::mmap(base_, size, PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE, fd, 0) != MAP_FAILED;
    }
    std::string_view View() const { return {static_cast<const char*>(base_), size_}; }

private:
    void* base_ = MAP_FAILED;
    std::size_t length_ = 0;
    std::size_t size_ = 0;
};

mode_t NewFileMode(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The file a state path stands for: the path, or where its symbolic links lead (a relative link
// taken from the link's folder), existing or not; the path itself when a link cannot be read,
// so that the save's own checks report it. A chain of more than 40 links is taken as a loop.
std::string StateTarget(const std::string& path)
{
    std::string at = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return at;
        std::vector<char> link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1);
        const ssize_t n = ::readlink(at.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) == link.size())
            return path;
        std::string next(link.data(), static_cast<std::size_t>(n));
        const std::size_t slash = at.rfind('/');
        at = next[0] == '/' || slash == std::string::npos ? next : at.substr(0, slash + 1) + next;
    }
    return path;
}

}  // namespace

std::string StatePathFromEnvironment()
{
    const char* path = std::getenv("DRIVEKIT_SIM_STATE");
    return path != nullptr && *path != '\0' ? path : kDefaultPath;
}

StateFile::StateFile(std::string path) : path_(std::move(path)) {}

StateFile::~StateFile() { Unlock(); }

const std::string& StateFile::Target()
{
    if (target_.empty())
        target_ = StateTarget(path_);
    return target_;
}

bool StateFile::Report(const char* action, const std::string& fault) const
{
    std::fprintf(stderr, "drivekit: cannot %s state file %s: %s\n", action, path_.c_str(), fault.c_str());
    return false;
}

bool StateFile::Lock()
{
    if (lockFd_ >= 0)
        return true;
    // Every name that leads to the state shares its lock: the lock sits beside the file the
    // links lead to, which the read and the saves of this run then use, whatever a link comes
    // to lead to meanwhile.
    target_ = StateTarget(path_);
    const std::string lockPath = target_ + ".lock";
    lockFd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (lockFd_ < 0)
        return Report("lock", lockPath + ": " + ErrnoText(errno));
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if ((error != EWOULDBLOCK && error != EINTR) || std::chrono::steady_clock::now() >= deadline) {
            ::close(lockFd_);
            lockFd_ = -1;
            return Report("lock", error == EWOULDBLOCK ? "another run holds " + lockPath : ErrnoText(error));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void StateFile::Unlock()
{
    if (lockFd_ >= 0) {
        ::flock(lockFd_, LOCK_UN);
        ::close(lockFd_);
        lockFd_ = -1;
    }
}

bool StateFile::Load(SimModel& model)
{
    // Non-blocking, so that a FIFO named as the state file cannot stall the open.
    const int fd = ::open(Target().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        model = DefaultModel();
        return Save(model);
    }
    if (fd < 0)
        return Report("read", ErrnoText(errno));

    struct stat st {};
    std::string fault;
    if (::fstat(fd, &st) != 0)
        fault = ErrnoText(errno);
    else if (!S_ISREG(st.st_mode))
        fault = "not a regular file";
    else if (st.st_size > kMaxStateBytes)
        fault = "larger than 64 MiB";
    MappedText text;
    if (fault.empty() && !text.Map(fd, static_cast<std::size_t>(st.st_size)))
        fault = ErrnoText(errno);
    ::close(fd);
    if (!fault.empty())
        return Report("read", fault);

    try {
        ReadPaddedJson(text.View(), [&](const JsonValue& root) { model = ReadState(root); });
    } catch (const StateError& e) {
        return Report("read", e.what());
    }
    return true;
}

bool StateFile::Save(const SimModel& model)
{
    // A symbolic link stays: the file it leads to is replaced. Only a regular file (or none) is.
    const std::string target = Target();
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return Report("write", "not a regular file");
    const std::string text = WriteState(model).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
    std::vector<char> tempPath(target.begin(), target.end());
    const char suffix[] = ".XXXXXX";
    tempPath.insert(tempPath.end(), suffix, suffix + sizeof suffix);
    const mode_t mode = NewFileMode(target);

    const int fd = ::mkstemp(tempPath.data());
    if (fd < 0)
        return Report("write", ErrnoText(errno));
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(tempPath.data(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(tempPath.data());
        return Report("write", ErrnoText(error));
    }
    return true;
}

}  // namespace sim
