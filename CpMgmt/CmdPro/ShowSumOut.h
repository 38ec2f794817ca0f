// Where the summary goes: to the file named with -f, every piece written in its file form, or to
// the console, every piece printed through the message catalogue in its console form. A piece
// that comes from the system or the controller is written unchanged, never used as a format.
#pragma once
#include <string>

#include "ZepUtil/Types.h"

class FileHandle;

class SummaryOut {
public:
    explicit SummaryOut(FileHandle* file) : file_(file) {}

    bool ToFile() const { return file_ != nullptr; }

    // A text as it stands: message 1 on the console, the text in the file.
    void Text(const char* text) const;
    void Text(const std::string& text) const { Text(text.c_str()); }
    // A line whose forms agree: the label, the value and a line end.
    void Line(const char* label, const std::string& value) const;
    // Console pieces: a line end (message 2) and a number followed by one blank (message 3).
    void LineEnd() const;
    void Number(int value) const;
    // A formatted file piece.
    void Printf(const char* format, ...) const __attribute__((format(printf, 2, 3)));

private:
    FileHandle* file_;
};
