// Help on the sub-commands of the host flash-cache driver group (Qx -AddVd, Qx -CdevList, ...).
#pragma once

class AppVersionCp;

// Prints the usage text of the Qx sub-command whose keyword (upper case, without its dash)
// equals `keyword` as a whole; prints nothing for any other keyword.
void printQxHelp(const AppVersionCp& cp, const char* programName, const char* keyword);

// True when the keyword is one of the Qx sub-command keywords.
bool IsQxKeyword(const char* keyword);
