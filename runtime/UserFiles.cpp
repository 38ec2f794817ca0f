#include "runtime/UserFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"

namespace userfiles {
namespace {

// Links a chain may pass through before it counts as a loop (the kernel's own limit).
constexpr int kMaxUserFileLinks = 40;

void ReportUserFileFault(u32 id, const std::string& name, const std::string& reason)
{
    PrintMessage(id, name.c_str());
    PrintMessage(CommonMsg::kFileFaultReason, reason.c_str());
}

std::string UserFileReason(int error) { return std::strerror(error != 0 ? error : EIO); }

// A FileIO handle over the descriptor, which it then owns; null (the descriptor closed) when
// no stream can be made.
FileHandle* UserFileHandle(int fd, const char* mode)
{
    std::FILE* stream = ::fdopen(fd, mode);
    if (stream == nullptr) {
        ::close(fd);
        return nullptr;
    }
    FileHandle* handle = new (std::nothrow) FileHandle(stream);
    if (handle == nullptr)
        std::fclose(stream);
    return handle;
}

// The stream functions of an output file: every write goes to the descriptor whole or is
// counted as failed, with the system's reason kept.
ssize_t WriteUserFile(void* cookie, const char* data, std::size_t size)
{
    auto* descriptor = static_cast<OutputFile::Descriptor*>(cookie);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t written = ::write(descriptor->fd, data + done, size - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (descriptor->error == 0)
                descriptor->error = written < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(written);
    }
    return static_cast<ssize_t>(done);
}

int CloseUserFile(void* cookie)
{
    auto* descriptor = static_cast<OutputFile::Descriptor*>(cookie);
    const int closed = ::close(descriptor->fd);
    descriptor->fd = -1;
    return closed;
}

// What a new file gets when fopen would create it: everything the umask lets through.
mode_t NewUserFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

int OpenWithoutWaiting(const char* path, int flags, mode_t mode, struct stat* status)
{
    const int fd = ::open(path, flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd < 0)
        return -1;
    const int fileFlags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, status) != 0 || fileFlags == -1 || ::fcntl(fd, F_SETFL, fileFlags & ~O_NONBLOCK) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

int FollowLinks(const std::string& path, std::string* target)
{
    std::string at = path;
    std::vector<char> text(PATH_MAX);
    for (int links = 0; links <= kMaxUserFileLinks; ++links) {
        struct stat status {};
        if (::lstat(at.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            // A name that does not exist (yet) is where the file will be made.
            *target = at;
            return 0;
        }
        const ssize_t length = ::readlink(at.c_str(), text.data(), text.size());
        if (length < 0)
            return errno;
        if (static_cast<std::size_t>(length) == text.size())
            return ENAMETOOLONG;
        std::string next(text.data(), static_cast<std::size_t>(length));
        const std::size_t slash = at.rfind('/');
        if (next.front() != '/' && slash != std::string::npos)
            next.insert(0, at, 0, slash + 1);
        at = next;
    }
    return ELOOP;
}

std::string KindRefusal(const struct stat& status)
{
    if (S_ISREG(status.st_mode))
        return {};
    if (S_ISDIR(status.st_mode))
        return UserFileReason(EISDIR);
    if (S_ISFIFO(status.st_mode))
        return "it is a FIFO, not a regular file";
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return "it is a device, not a regular file";
    if (S_ISSOCK(status.st_mode))
        return "it is a socket, not a regular file";
    return "it is not a regular file";
}

OutputFile::OutputFile() = default;

OutputFile::~OutputFile() { Drop(); }

bool OutputFile::MakeStream(int fd)
{
    descriptor_ = Descriptor{fd, 0};
    const cookie_io_functions_t functions = {nullptr, WriteUserFile, nullptr, CloseUserFile};
    std::FILE* stream = ::fopencookie(&descriptor_, "w", functions);
    handle_.reset(stream != nullptr ? new (std::nothrow) FileHandle(stream) : nullptr);
    if (handle_ != nullptr)
        return true;
    if (stream != nullptr)
        std::fclose(stream);
    else
        ::close(fd);
    return false;
}

void OutputFile::Drop()
{
    if (handle_ != nullptr)
        GetFileIO()->Close(handle_.release());
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool OutputFile::Open(const char* path, Mode mode)
{
    Drop();
    name_ = path != nullptr ? path : "";
    std::string refusal;
    struct stat status {};
    if (name_.empty()) {
        refusal = UserFileReason(ENOENT);
    } else if (mode == Mode::kAppend) {
        // The kind is looked at before the open, so that no device is opened at all; the open
        // itself cannot wait on a FIFO put there in the meantime, and its kind is checked again.
        if (::stat(name_.c_str(), &status) == 0)
            refusal = KindRefusal(status);
        if (refusal.empty()) {
            const int fd = OpenWithoutWaiting(name_.c_str(), O_WRONLY | O_APPEND | O_CREAT, 0666, &status);
            if (fd < 0)
                refusal = UserFileReason(errno);
            else if (!(refusal = KindRefusal(status)).empty())
                ::close(fd);
            else if (!MakeStream(fd))
                refusal = UserFileReason(ENOMEM);
        }
    } else {
        const int error = FollowLinks(name_, &target_);
        bool replacing = false;
        if (error != 0) {
            refusal = UserFileReason(error);
        } else if (::lstat(target_.c_str(), &status) == 0) {
            refusal = KindRefusal(status);
            replacing = true;
        } else if (errno != ENOENT) {
            refusal = UserFileReason(errno);
        }
        if (refusal.empty()) {
            std::vector<char> name(target_.begin(), target_.end());
            const char suffix[] = ".XXXXXX";
            name.insert(name.end(), suffix, suffix + sizeof suffix);
            const int fd = ::mkostemp(name.data(), O_CLOEXEC);
            if (fd < 0) {
                refusal = UserFileReason(errno);
            } else {
                temporary_ = name.data();
                // The replacement keeps the owner and the permissions of the file it replaces
                // where the system lets it; a new file gets what fopen would give it.
                if (replacing && (status.st_uid != ::geteuid() || status.st_gid != ::getegid())) {
                    const int owned = ::fchown(fd, status.st_uid, status.st_gid);
                    static_cast<void>(owned);
                }
                if (::fchmod(fd, replacing ? status.st_mode & 07777 : NewUserFileMode()) != 0) {
                    refusal = UserFileReason(errno);
                    ::close(fd);
                    Drop();
                } else if (!MakeStream(fd)) {
                    refusal = UserFileReason(ENOMEM);
                    Drop();
                }
            }
        }
    }
    if (refusal.empty())
        return true;
    ReportUserFileFault(CommonMsg::kOpenFileFailed, name_, refusal);
    return false;
}

bool OutputFile::Finish()
{
    if (handle_ == nullptr)
        return false;
    std::FILE* stream = handle_->Stream();
    int error = 0;
    if (std::fflush(stream) != 0 || std::ferror(stream) != 0)
        error = descriptor_.error != 0 ? descriptor_.error : EIO;
    else if (!temporary_.empty() && ::fsync(descriptor_.fd) != 0 && errno != EINVAL)
        error = errno;
    if (std::fclose(stream) != 0 && error == 0)
        error = errno;
    handle_.reset();
    if (!temporary_.empty()) {
        if (error == 0 && ::rename(temporary_.c_str(), target_.c_str()) != 0)
            error = errno;
        if (error != 0)
            ::unlink(temporary_.c_str());
        temporary_.clear();
    }
    if (error == 0)
        return true;
    ReportUserFileFault(CommonMsg::kWriteFileFailed, name_, UserFileReason(error));
    return false;
}

FileHandle* TryOpenForReading(const char* path, const char* mode, int* error)
{
    *error = ENOENT;
    if (path == nullptr || *path == '\0')
        return nullptr;
    struct stat status {};
    const int fd = OpenWithoutWaiting(path, O_RDONLY, 0, &status);
    if (fd < 0) {
        *error = errno;
        return nullptr;
    }
    if (S_ISDIR(status.st_mode)) {
        ::close(fd);
        *error = EISDIR;
        return nullptr;
    }
    FileHandle* handle = UserFileHandle(fd, mode);
    *error = handle != nullptr ? 0 : ENOMEM;
    return handle;
}

FileHandle* OpenForReading(const char* path, const char* mode)
{
    int error = 0;
    FileHandle* handle = TryOpenForReading(path, mode, &error);
    if (handle == nullptr)
        ReportOpenFailed(path, error);
    return handle;
}

void ReportOpenFailed(const char* path, int error)
{
    ReportUserFileFault(CommonMsg::kOpenFileFailed, path != nullptr ? path : "", UserFileReason(error));
}

void ReportReadFailed(const char* path, int error)
{
    ReportUserFileFault(CommonMsg::kReadFileFailed, path != nullptr ? path : "", UserFileReason(error));
}

}  // namespace userfiles
