#include "CpMgmt/CmdPro/ShowSumOut.h"

#include <cstdarg>
#include <cstdio>

#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"
#include "runtime/FileIO.h"

void SummaryOut::Text(const char* text) const
{
    if (file_ != nullptr)
        GetFileIO()->Printf(file_, "%s", text);
    else
        PrintMessage(CommonMsg::kText, text);
}

void SummaryOut::Line(const char* label, const std::string& value) const
{
    Text(label);
    Text(value);
    Text("\n");
}

void SummaryOut::LineEnd() const { PrintMessage(CommonMsg::kLineEnd); }

void SummaryOut::Number(int value) const { PrintMessage(CommonMsg::kNumber, value); }

void SummaryOut::Printf(const char* format, ...) const
{
    char text[1024] = {};
    std::va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    GetFileIO()->Printf(file_, "%s", text);
}
