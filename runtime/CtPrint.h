// The console printer: the screen (unless SILENT), paged under PAGE, and a copy of every text
// appended to the console output log (default "Dravlix.log") unless NOLOG is given.
#pragma once
#include <cstdio>
#include <memory>
#include <string>

class FileLogger;

class CtPrint {
public:
    static CtPrint& Instance();

    // Prints the text as it stands (no format is applied).
    void Print(const char* text);

    void SetSilent(bool silent);
    // Paging on with a prompt after `lines` lines (24 when 0 or less). Lines are counted by
    // '\n'; the prompt is shown once a page is full and more text follows, and it waits for one
    // line of input (the end of the input continues too). The prompt is on the screen only.
    void SetPaging(bool on, int lines = 24);
    void SetNoLog(bool noLog);
    // Names the console output log; takes effect for the next text written.
    void SetOutputLogName(const char* path);
    // Truncate the output log before its first write in this run (a log renamed afterwards is
    // truncated before its own first write).
    void SetNewFile(bool newFile);

    bool IsSilent() const { return silent_; }
    bool IsPaging() const { return paging_; }
    int PageLines() const { return pageLines_; }
    bool IsNoLog() const { return noLog_; }
    const std::string& OutputLogName() const { return outputLogName_; }

    // 0 while every write and flush of the screen stream has succeeded; else the error number
    // of the first one that failed (EIO when the stream failed in a write made past the printer).
    int ScreenFault() const;

    // Test seams: where the screen output goes and where the paging prompt reads its answer.
    void SetScreen(std::FILE* screen)
    {
        screen_ = screen;
        screenError_ = 0;
    }
    void SetInput(std::FILE* input) { input_ = input; }
    // Back to the start-up settings (used between tests).
    void Reset();
    void Flush();

private:
    CtPrint();
    ~CtPrint();
    CtPrint(const CtPrint&) = delete;
    CtPrint& operator=(const CtPrint&) = delete;

    void WriteScreen(const char* text);
    // Keeps the error number of the first failed write or flush of the screen stream.
    void NoteScreenResult(bool failed);
    void WaitForEnter();
    void WriteLog(const char* text);

    bool silent_ = false;
    bool paging_ = false;
    int pageLines_ = 24;
    int linesOnPage_ = 0;
    bool noLog_ = false;
    bool newFile_ = false;
    bool logStarted_ = false;  // the output log has been written to in this run
    std::string outputLogName_ = "Dravlix.log";
    std::unique_ptr<FileLogger> outputLog_;
    std::FILE* screen_ = stdout;
    std::FILE* input_ = stdin;
    int screenError_ = 0;
};
