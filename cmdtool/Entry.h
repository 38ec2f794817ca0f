// The program's entry: joins the arguments, runs the command and takes the exit path.
#pragma once

// The exit status (what the process returns).
int TarnbekMain(int argc, char** argv);

// The exit path: the "FW error description" line when the run failed on a firmware status,
// -1 mapped to 1, and the "Exit Code" line; standard output that could not be written is
// reported on standard error and fails a run that had succeeded. Returns the exit status.
int FinishRun(int status);
