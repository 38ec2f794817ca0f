#include "CpMgmt/CmdPro/AdpInfoPrint.h"

#include <cstdarg>
#include <cstdio>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace AdpPrint {

namespace {
constexpr std::size_t kLineBufferSize = 512;
}  // namespace

void Text(const char* text) { PrintMessage(CommonMsg::kText, text); }

void LineEnd() { PrintMessage(CommonMsg::kLineEnd); }

void Number(int value) { PrintMessage(CommonMsg::kNumber, value); }

void LabelText(const char* label, const char* value)
{
    Text(label);
    Text(value);
    LineEnd();
}

void LabelNumber(const char* label, int value, const char* unit)
{
    Text(label);
    Number(value);
    if (*unit != '\0')
        Text(unit);
    LineEnd();
}

void Formatted(const char* format, ...)
{
    char line[kLineBufferSize] = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    Text(line);
}

}  // namespace AdpPrint
