#include "runtime/CtPrint.h"

#include <cerrno>
#include <cstring>

#include "runtime/FileLogger.h"
#include "runtime/Memory.h"

namespace {
const char kDefaultOutputLog[] = "Dravlix.log";
const char kPagePrompt[] = "Press <ENTER> to continue....";
constexpr int kDefaultPageLines = 24;
}  // namespace

CtPrint& CtPrint::Instance()
{
    static CtPrint printer;
    return printer;
}

CtPrint::CtPrint() = default;

CtPrint::~CtPrint()
{
    Flush();
}

void CtPrint::Print(const char* text)
{
    if (text == nullptr || *text == '\0')
        return;
    if (!silent_)
        WriteScreen(text);
    if (!noLog_)
        WriteLog(text);
}

void CtPrint::SetSilent(bool silent) { silent_ = silent; }

void CtPrint::SetPaging(bool on, int lines)
{
    paging_ = on;
    pageLines_ = lines > 0 ? lines : kDefaultPageLines;
    linesOnPage_ = 0;
}

void CtPrint::SetNoLog(bool noLog) { noLog_ = noLog; }

void CtPrint::SetOutputLogName(const char* path)
{
    if (path == nullptr || outputLogName_ == path)
        return;
    outputLogName_ = path;
    if (outputLog_ != nullptr)
        outputLog_->SetPath(path);
    logStarted_ = false;  // a newly named log has not been written to yet
}

void CtPrint::SetNewFile(bool newFile) { newFile_ = newFile; }

void CtPrint::Reset()
{
    silent_ = false;
    paging_ = false;
    pageLines_ = kDefaultPageLines;
    linesOnPage_ = 0;
    noLog_ = false;
    newFile_ = false;
    logStarted_ = false;
    outputLogName_ = kDefaultOutputLog;
    outputLog_.reset();
    screen_ = stdout;
    input_ = stdin;
    screenError_ = 0;
}

void CtPrint::Flush()
{
    if (screen_ != nullptr) {
        errno = 0;
        NoteScreenResult(std::fflush(screen_) != 0);
    }
    if (outputLog_ != nullptr)
        outputLog_->Flush();
}

int CtPrint::ScreenFault() const
{
    if (screenError_ != 0)
        return screenError_;
    return screen_ != nullptr && std::ferror(screen_) ? EIO : 0;
}

void CtPrint::NoteScreenResult(bool failed)
{
    if (failed && screenError_ == 0)
        screenError_ = errno != 0 ? errno : EIO;
}

void CtPrint::WriteScreen(const char* text)
{
    if (screen_ == nullptr)
        return;
    // The screen stream is flushed before the paging prompt waits and at the end of the run;
    // lines written straight to standard output use the same stream, so the order is kept.
    if (!paging_) {
        errno = 0;
        NoteScreenResult(std::fputs(text, screen_) == EOF);
        return;
    }
    // Write line by line; once a page is full, the next text waits for the user first.
    const char* rest = text;
    while (*rest != '\0') {
        if (linesOnPage_ >= pageLines_) {
            WaitForEnter();
            linesOnPage_ = 0;
        }
        const char* lineEnd = std::strchr(rest, '\n');
        std::size_t length = lineEnd ? static_cast<std::size_t>(lineEnd - rest) + 1 : std::strlen(rest);
        errno = 0;
        NoteScreenResult(std::fwrite(rest, 1, length, screen_) != length);
        if (lineEnd != nullptr)
            ++linesOnPage_;
        rest += length;
    }
}

void CtPrint::WaitForEnter()
{
    errno = 0;
    NoteScreenResult(std::fputs(kPagePrompt, screen_) == EOF);
    NoteScreenResult(std::fflush(screen_) != 0);
    if (input_ == nullptr)
        return;
    for (int c = std::fgetc(input_); c != EOF && c != '\n'; c = std::fgetc(input_)) {
    }
}

void CtPrint::WriteLog(const char* text)
{
    if (outputLog_ == nullptr) {
        outputLog_.reset(ZepNew<FileLogger>(outputLogName_.c_str(), ""));
        if (outputLog_ == nullptr)
            return;
    }
    const bool truncate = newFile_ && !logStarted_;
    logStarted_ = true;
    outputLog_->WriteRaw(text, truncate);
}
