// Text helpers shared by the commands.
#pragma once
#include "ZepUtil/Types.h"

inline const char* YesNo(bool value) { return value ? "Yes" : "No"; }

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The schedules' words and units: the weekdays as the schedule commands write and read them, in
// struct tm's order (Sunday first), and the seconds of an hour, the unit the commands take.
inline constexpr const char* kWeekdays[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
inline constexpr u32 kSecondsPerHour = 3600;

// The id in decimal, or "N/A" for 0xFFFF, in one process-wide buffer that the next call
// overwrites.
const char* EnclosureIdText(u16 enclosureId);

// Divides by 1024 while the value is 1024 or more (units KB, MB, GB, TB, PB, EB, ZB, YB); a
// divided value is written with the first three decimals of the last remainder / 1024,
// truncated, trailing zeros dropped but at least one kept ("2.0 MB", "1.5 MB", "1.75 MB",
// "1.074 MB"; 1025 KB gives "1.0 MB"), a value below 1024 as "N KB". `out` must hold 32 bytes.
// Returns 0.
int KBToSizeText(u64 sizeKB, char* out);

// Decimal digits and a NUL; `out` must hold 11 bytes. Returns 0.
int UIntToDecimalText(u32 value, char* out);

// Whole part (sign-extended) and the fraction in thousandths ("1.5" -> 1, 500; "1.05" -> 1, 50;
// digits after the third are ignored). The whole part is read in 64 bits; a value beyond the
// 64-bit range is held at the largest (or smallest) value instead of wrapping. Returns 0.
int ParseDecimalNumber(const char* text, u64* whole, u32* thousandths);

// unit 0 MB, 1 GB, 2 TB; blocks of 512 bytes: whole x blocks per unit, plus, with a fraction,
// thousandths x blocks per unit / 1000 rounded down. All arithmetic is in 64 bits; a size whose
// block count does not fit is answered as the largest 64-bit value (larger than any drive, so
// every capacity check refuses it) instead of a wrapped, smaller size. Returns 0; -1 (blocks
// untouched) for another unit.
int SizeToBlocks(u16 unit, u64 whole, u32 thousandths, u8 hasFraction, u64* blocks);

// The value of a hexadecimal digit, or -1 for another character.
int HexDigitValue(char c);

// Skips blanks and an optional 0x/0X, then reads hex digits up to the first other character;
// 0 when there is none. Of a longer run than 16 digits the last 16 count.
u64 HexTextToU64(const char* text);

// Ends the text in place at its first '#'.
void CutAtComment(char* text);
