// The POST delay of the adapter report, read from the controller's key=value text block.
#pragma once
#include <cstddef>

#include "ZepUtil/Types.h"

// Seconds the controller waits at power-on: 90 unless a "delaySOD" string gives another value.
constexpr int kDefaultPostDelay = 90;

// Scans the NUL-terminated "key=value" strings of the key=value block, which end with
// an empty string. The first string holding "delaySOD" decides: the text from that word on is
// cut at '=' characters (a run of them is one cut) and the second piece is read as a signed
// decimal number (leading blanks, optional sign, digits; no digits give 0). A "delaySOD"
// without a value keeps the default. The scan never passes the end of the block.
int ReadPostDelay(const u8* block, std::size_t size);
