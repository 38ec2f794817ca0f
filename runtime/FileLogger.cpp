#include "runtime/FileLogger.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <new>

#include "runtime/System.h"
#include "runtime/UserFiles.h"

// The file stays open for the run and its size is counted as lines are written, so a run that
// prints many lines opens it once. A file that cannot be opened is skipped silently: logging
// never stops the tool.

FileLogger::FileLogger(const char* path, const char* logName)
    : path_(path ? path : ""), logName_(logName ? logName : "")
{
}

FileLogger::~FileLogger() { Close(); }

void FileLogger::SetPath(const char* path)
{
    Close();
    path_ = path ? path : "";
}

void FileLogger::Close()
{
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
    size_ = 0;
}

void FileLogger::Flush()
{
    if (file_ != nullptr)
        std::fflush(file_);
}

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}  // namespace

std::FILE* FileLogger::Open(const char* mode)
{
    // A log is a regular file, or a character device such as /dev/null. Anything else (a FIFO,
    // which could hold the run up, a directory, a disk) is skipped like a file that cannot be
    // opened; a FIFO put in its place after the look is opened without waiting and skipped too.
    const auto loggable = [](const struct stat& status) { return S_ISREG(status.st_mode) || S_ISCHR(status.st_mode); };
    struct stat status {};
    if (::stat(path_.c_str(), &status) == 0 && !loggable(status))
        return nullptr;
    const bool truncate = mode[0] == 'w';
    const int flags = O_WRONLY | O_CREAT | O_APPEND | (truncate ? O_TRUNC : 0);
    const int fd = userfiles::OpenWithoutWaiting(path_.c_str(), flags, 0666, &status);
    if (fd < 0)
        return nullptr;
    if (!loggable(status) || (file_ = ::fdopen(fd, "a")) == nullptr) {
        ::close(fd);
        return nullptr;
    }
    if (!buffer_)
        buffer_.reset(new (std::nothrow) char[kBufferSize]);  // left as it is: only written before read
    if (buffer_)
        std::setvbuf(file_, buffer_.get(), _IOFBF, kBufferSize);
    std::fseek(file_, 0, SEEK_END);
    size_ = std::ftell(file_);
    if (size_ < 0)
        size_ = 0;
    return file_;
}

std::FILE* FileLogger::Stream(bool truncateFirst)
{
    if (path_.empty())
        return nullptr;
    if (truncateFirst)
        Close();
    if (file_ == nullptr && Open(truncateFirst ? "w" : "a") == nullptr)
        return nullptr;
    if (size_ >= kRotateSize) {
        // What is moved aside is the file the name leads to, so that a symbolic link stays and
        // leads to the fresh file. Only a regular file is moved: when the name has come to lead
        // to anything else (or into a loop of links), the lines go on to the open file, and the
        // look is taken again once as much more was written.
        std::string target;
        struct stat status {};
        if (userfiles::FollowLinks(path_, &target) != 0 ||
            (::lstat(target.c_str(), &status) == 0 && !S_ISREG(status.st_mode))) {
            size_ = 0;
            return file_;
        }
        Close();
        const std::string aside = target + ".1";
        std::remove(aside.c_str());
        // When the move fails the line still goes to the full file rather than being lost.
        std::rename(target.c_str(), aside.c_str());
        if (Open("a") == nullptr)
            return nullptr;
    }
    return file_;
}

void FileLogger::WriteLine(const char* module, const char* level, const char* sourceFile, int line, const char* text)
{
    std::time_t now = GetSystem().Now();
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr)
        local = std::tm{};

    char stamp[64];
    std::snprintf(stamp, sizeof(stamp), "%02d/%02d/%04d %2.2d:%2.2d:%2.2d ", local.tm_mon + 1, local.tm_mday,
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);

    std::FILE* file = Stream(false);
    if (file == nullptr)
        return;
    int written = std::fprintf(file, "%s%s (%s)(%s) %s %d : %s\n", stamp, module ? module : "", level ? level : "",
                               logName_.c_str(), sourceFile ? sourceFile : "", line, text ? text : "");
    if (written > 0)
        size_ += written;
    // Error and debug lines are few and matter most when something goes wrong: on disk at once.
    std::fflush(file);
}

void FileLogger::WriteRaw(const char* text, bool truncateFirst)
{
    if (text == nullptr)
        return;
    std::FILE* file = Stream(truncateFirst);
    if (file == nullptr)
        return;
    std::size_t length = std::strlen(text);
    size_ += static_cast<long>(std::fwrite(text, 1, length, file));
}
