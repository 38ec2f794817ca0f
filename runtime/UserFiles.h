// Files the user names on the command line: reports, saved configurations and captured events
// that the tool writes, and settings, properties, configurations and images that it reads.
//
// A file written whole replaces its target only when the target is absent or a regular file (a
// symbolic link is followed to its target): the text goes to a temporary file beside the target,
// which takes the target's place once everything was written. A file appended to must be a
// regular file too. Nothing here waits on a FIFO. Every failure is reported on the console: the
// file as the user named it, then the system's reason.
#pragma once
#include <sys/stat.h>

#include <memory>
#include <string>

class FileHandle;

namespace userfiles {

// Opens `path` with open(2)'s `flags` (and `mode` for a file created) without waiting: a FIFO
// without a partner fails (ENXIO) or opens at once, and the descriptor blocks as usual after.
// The descriptor, with what fstat says of it in `status`; or -1 with errno set.
int OpenWithoutWaiting(const char* path, int flags, mode_t mode, struct stat* status);

// The end of the chain of symbolic links that starts at `path` (a relative link is taken from
// the folder of the link), which need not exist; `path` itself when it is no link. 0, or the
// errno of a chain that loops or cannot be read.
int FollowLinks(const std::string& path, std::string* target);

// Why a file of this kind is not written: empty for a regular file.
std::string KindRefusal(const struct stat& status);

// A file the tool writes for the user, whole or appended to. The stream is the FileIO handle of
// the file (reports write through FileIO); it belongs to this object.
class OutputFile {
public:
    enum class Mode { kWhole, kAppend };

    OutputFile();  // in UserFiles.cpp, where the handle's class is complete
    // An unfinished file is dropped: a replacement never reaches its target, so the target stays
    // as it was; an appended file is closed with what was written.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Opens the file; false after message 0x30009 naming it and the reason.
    bool Open(const char* path, Mode mode);
    FileHandle* Handle() const { return handle_.get(); }
    bool IsOpen() const { return handle_ != nullptr; }

    // Writes out what is buffered and closes; a file written whole then takes the target's
    // place. False, after naming the file and the reason, when a write failed, in which case a
    // file written whole leaves the target as it was.
    bool Finish();

    // The descriptor under the stream and the first write that failed on it (an errno), which
    // the stream itself does not keep.
    struct Descriptor {
        int fd = -1;
        int error = 0;
    };

private:
    // Makes the stream over the open descriptor; false (the descriptor closed) when it cannot.
    bool MakeStream(int fd);
    void Drop();

    std::string name_;       // as the user named it
    std::string target_;     // the file replaced (links followed)
    std::string temporary_;  // beside the target, while a file is written whole
    Descriptor descriptor_;
    std::unique_ptr<FileHandle> handle_;
};

// Opens a file the user names for reading ("r" or "rb"); a directory is refused with EISDIR.
// Null after message 0x30009 naming the file and the reason.
FileHandle* OpenForReading(const char* path, const char* mode);
// The same without a message: null with the reason (an errno) in `error`.
FileHandle* TryOpenForReading(const char* path, const char* mode, int* error);

// Message 0x30009 naming the file, and the system's reason (`error`, an errno).
void ReportOpenFailed(const char* path, int error);

// Names a file that could not be read to its end, with the system's reason (`error`, an errno;
// 0 when the system gave none).
void ReportReadFailed(const char* path, int error);

}  // namespace userfiles
