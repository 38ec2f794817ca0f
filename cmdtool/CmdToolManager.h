// Runs one command line: scan, grammar check, parser, global options, parse, dispatch.
#pragma once

class CmdToolManager {
public:
    static CmdToolManager& Instance();

    // The run's status (before the exit path maps it).
    int Run(const char* commandLine);

private:
    CmdToolManager() = default;
};
