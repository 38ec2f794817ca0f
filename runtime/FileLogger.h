// A log file that is appended line by line and moved aside to "<name>.1" once it has reached
// 0x80000 bytes (an older "<name>.1" is removed first), before the next line is written. When
// the name is a symbolic link, the file it leads to is moved aside beside itself and the link
// stays.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

class FileLogger {
public:
    static constexpr long kRotateSize = 0x80000;

    // `logName` appears in every line of a time-stamped log ("CmdTool", "CtDbg").
    FileLogger(const char* path, const char* logName);
    ~FileLogger();
    FileLogger(const FileLogger&) = delete;
    FileLogger& operator=(const FileLogger&) = delete;

    // Names another file; the current one is closed.
    void SetPath(const char* path);
    const std::string& Path() const { return path_; }

    // One time-stamped line: "%02d/%02d/%04d %2.2d:%2.2d:%2.2d " then
    // "%s (%s)(%s) %s %d : %s\n" with module, level, log name, source file, line and text.
    void WriteLine(const char* module, const char* level, const char* sourceFile, int line, const char* text);

    // Appends the text as it stands (the console output log). With `truncateFirst` the file is
    // emptied before this write.
    void WriteRaw(const char* text, bool truncateFirst = false);

    // Writes what is buffered to the file.
    void Flush();

private:
    // The stream for the next write (opened on first use, moved aside when full); null when the
    // file cannot be opened.
    std::FILE* Stream(bool truncateFirst);
    // Opens the file with `mode` and counts what it holds; null when it cannot be opened.
    std::FILE* Open(const char* mode);
    void Close();

    std::string path_;
    std::string logName_;
    std::FILE* file_ = nullptr;
    long size_ = 0;
    // The stream's buffer: a large report is appended in 64 KB writes rather than 4 KB ones.
    std::unique_ptr<char[]> buffer_;
};
