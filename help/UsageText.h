// Usage texts as data. A usage text is a fixed sequence of pieces; each piece is printed whole
// through the message catalogue (message 1, "%s"), so usage output is paged, silenced and
// logged like every other output. A piece is a format whose only conversion is "%s", the
// program name; "%%" stands for a literal percent sign. Where a controller in OEM mode 2
// words a piece differently, the piece carries its second wording.
#pragma once
#include <string>

#include "ZepUtil/Types.h"

namespace usage {

struct Piece {
    const char* text;              // the standard wording
    const char* secure = nullptr;  // the OEM mode 2 wording; null: the same; "": not printed
};

// Ends the pieces of a usage text.
inline constexpr Piece kEnd{nullptr};

// The OEM mode that selects the pass-phrase wording.
constexpr u8 kSecureWordingMode = 2;

// "Ostrel2" for OEM mode 8, "Tarnbek" for every other mode.
const char* ProgramName(u8 oemMode);

// The piece's wording for the mode, with the program name put in: what the piece prints.
std::string Compose(const Piece& piece, u8 oemMode, const char* programName);

// Prints the usage text (its pieces up to kEnd) piece by piece in the wording of the mode.
void Print(const Piece* text, u8 oemMode, const char* programName);

}  // namespace usage
