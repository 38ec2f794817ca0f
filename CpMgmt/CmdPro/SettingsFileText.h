// The text of the KEY=VALUE settings files read by -AdpSettings and -AdpSetVerify: whole lines,
// comments, keys and values, and the numbers they hold. A line is read to its end however long
// it is, so that the tail of a long line never counts as a line of its own.
#pragma once
#include <string>

#include "ZepUtil/Types.h"

class FileHandle;
class FileIO;

namespace settingsfile {

// Of a longer line only the first bytes count (any key or value that long is refused anyway).
constexpr std::size_t kMaxLineLength = 1 << 20;

// The next line of the file, its line end kept; false at the end of the file.
bool ReadLine(FileIO* io, FileHandle* file, std::string* line);

// Removes white space (isspace) from the end of the text; the verifier's form also from its start.
void TrimTrailingSpace(std::string* text);
void TrimSpace(std::string* text);

// The key and the value of a line: the line ends at its first '#'; the key is its first
// "="-delimited token (leading '=' characters skipped), the value the next one, which ends at the
// next '=' or the end of the line. Each is trimmed at its end, and with `trimLeading` at its
// start too. False (a line to skip) when the key or the value is missing or empty. The key comes
// back upper-cased.
bool SplitLine(const std::string& line, bool trimLeading, std::string* key, std::string* value);

// A whole decimal number: leading blanks, an optional sign, digits and nothing else. False for
// any other text and for a number outside the 32-bit signed range.
bool ParseDecimal(const std::string& text, s64* value);

// A whole hexadecimal number: an optional "0x" or "0X", digits and nothing else, up to `max`.
bool ParseHex(const std::string& text, u64 max, u64* value);

// A SAS address written as up to eight hexadecimal bytes separated by ':', the most significant
// first ("50:6:5:b0:0:c7:4e:80"); with fewer than eight the low bytes are 0. Each piece may carry
// leading blanks and "0x". 0 accepted; 1 rejected (more than eight pieces, a piece that is empty,
// is no hexadecimal number, or is 256 or more), the address then 0.
int ParseSasAddress(const std::string& text, u64* address);

}  // namespace settingsfile
