// The global options that may end any command: PAGE [N], SILENT, NOLOG, NEWFILE,
// APPLOGFILE name, LOGFILE name and SETDBGLEVEL N.
#pragma once
#include "cmdtool/Token.h"
#include "runtime/ArrayList.h"

// Applies every global option of the token list to the printer and the logs, and marks the
// option and its value consumed so that no parser reports them. 0, or -1 when APPLOGFILE,
// LOGFILE or SETDBGLEVEL lacks its value (the options before it are applied).
int ApplyGlobalOptions(ArrayList<Token*>& tokens);
