// Texts of the host's operating system and kernel driver that reports show, read from the files
// the operating-system layer names.
#pragma once
#include <cstddef>
#include <string>

namespace hostfiles {

// The operating system's version: the start of its version file (at most 255 bytes), cut before
// the first '('. False, and an empty text, when the file cannot be opened.
bool OsVersionText(std::string& text);

// The first line of the kernel driver's version file without its line end, at most `maxLength`
// characters (a longer line is cut). False, and an empty line, when the file cannot be opened.
bool DriverVersionLine(std::string& line, std::size_t maxLength);

}  // namespace hostfiles
