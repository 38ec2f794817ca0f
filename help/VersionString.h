// The tool's version text: version number and build date.
#pragma once

// Copies "8.04.07 May 28, 2012" (20 characters and the NUL) into out, which holds 21 bytes.
void GetVersionString(char* out);
