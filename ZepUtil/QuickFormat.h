// vsnprintf for the plain conversions the reports print with most: a drive or virtual-drive
// report formats tens of thousands of short lines, and the C library's formatter spends most of
// that run setting itself up for each of them.
#pragma once
#include <cstdarg>
#include <cstddef>
#include <string>

// The same text and result as std::vsnprintf(out, size, format, args): formats "%d", "%i", "%u",
// "%x", "%X" (each also with "l" or "ll"), "%s" and "%%" itself, and hands any other format (flags,
// widths, precisions, other conversions) to std::vsnprintf unchanged.
int QuickVFormat(char* out, std::size_t size, const char* format, va_list args);

// The same as std::snprintf(out, size, format, ...), by QuickVFormat.
int QuickFormat(char* out, std::size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Appends the formatted line to `text`, cut at 255 bytes as a line of the reports is.
void AppendFormat(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
