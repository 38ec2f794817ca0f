#include "help/UsageText.h"

#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace usage {

namespace {
constexpr u8 kOemModeOtherName = 8;
}  // namespace

const char* ProgramName(u8 oemMode) { return oemMode == kOemModeOtherName ? "Ostrel2" : "Tarnbek"; }

std::string Compose(const Piece& piece, u8 oemMode, const char* programName)
{
    const char* format = oemMode == kSecureWordingMode && piece.secure != nullptr ? piece.secure : piece.text;
    std::string line;
    for (const char* at = format; *at != '\0'; ++at) {
        if (at[0] == '%' && at[1] == 's') {
            line += programName;
            ++at;
        } else if (at[0] == '%' && at[1] == '%') {
            line += '%';
            ++at;
        } else {
            line += *at;
        }
    }
    return line;
}

void Print(const Piece* text, u8 oemMode, const char* programName)
{
    for (const Piece* piece = text; piece->text != nullptr; ++piece) {
        std::string line = Compose(*piece, oemMode, programName);
        if (!line.empty())
            PrintMessage(CommonMsg::kText, line.c_str());
    }
}

}  // namespace usage
