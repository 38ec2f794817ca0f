// The write sweep: a command that writes to the controller is run once on a state where it
// succeeds, with the simulated controller's request trace, and then once for every request that
// comes before its first write, with that request failed (firmware status 3). Each failed run
// either
//  - fails before writing: a non-zero exit status, a message, no write request, and the
//    controllers in the state file as they were; or
//  - goes on, for a request the case names in `goesOn` with the rule of the command that says so;
//    a run that goes on and then succeeds prints what the good run printed and leaves the state
//    the good run left.
// No run ends with 0 on a result other than the good run's.
//
// Adding a command (every issue that builds a command that writes to the controller does):
// append a case to the list of its family in tests/commands/WriteSweep*Test.cpp (configuration
// and drives, adapter settings, virtual drives):
//     {"Name", {"-Command", "-option", "-a0"}, Prepare, {{0x01234567, "the rule that goes on"}}}
//  - `args` is a line that succeeds and writes on the state `prepare` makes;
//  - `prepare` (optional) changes the default state, or runs lines that set it up (RunOnState());
//  - `goesOn` names each request (by opcode) whose failure the command goes on past, with the
//    rule in words: an optional read, a status taken as an answer, a drive skipped in a list.
// Requests are writes when they send data to the controller or none at all (direction "to" or
// "none"); the rest are reads. SATA pass-throughs are not failed (no fault rule names them).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "support/RequestTrace.h"
#include "support/ToolRunner.h"

struct SweepGoesOn {
    unsigned opcode;
    const char* rule;
};

class WriteSweepTest;

using SweepLine = std::vector<std::string>;
using SweepPrepare = std::function<void(WriteSweepTest&, nlohmann::json& state)>;

struct WriteSweepCase {
    const char* name;
    SweepLine args;
    SweepPrepare prepare;
    std::vector<SweepGoesOn> goesOn;
};

// What most commands go on past: the model's drive list and configuration, whose refresh at the
// start is not checked and whose failed load the next query that needs it makes again.
std::vector<SweepGoesOn> ModelReads(std::vector<SweepGoesOn> more = {});
inline constexpr SweepGoesOn kNoOemBlock = {0x010E8481, "without the OEM block the OEM mode keeps its starting value"};

// Preparations shared by the case lists: the lines run on the state `first` prepares (the
// default state without it), and a drive of controller 0 by device id.
SweepPrepare After(SweepPrepare first, std::vector<SweepLine> lines);
inline SweepPrepare Lines(std::vector<SweepLine> lines) { return After(nullptr, std::move(lines)); }
nlohmann::json& SweepDrive(nlohmann::json& state, unsigned deviceId);

class WriteSweepTest : public ToolTest {
public:
    // For `prepare`: runs the lines on the state, each of which must end with 0, and takes the
    // state they leave.
    void RunOnState(nlohmann::json& state, const std::vector<std::vector<std::string>>& lines);

    // The sweep of one case.
    void Sweep(const WriteSweepCase& sweep);

    // The test's own folder, where the runs start, and a file written there.
    const std::string& Folder() const { return Dir(); }
    void PutFile(const std::string& name, const std::string& content) const { WriteFile(name, content); }

protected:
    // Runs the line with the request trace; the requests sent.
    RunResult Traced(const std::vector<std::string>& args, std::vector<TracedRequest>& requests);
};
