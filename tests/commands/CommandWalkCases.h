// The command walk's lines: every command word of the keyword table with a line that is valid
// for it, on the default controller or on a copy changed for the case, the exit status of that
// run and a line of its output that shows the case was reached. The walk (CommandWalkTest.cpp)
// runs each line once; the read sweep (CommandWalkReadsTest.cpp) runs it again with each of its
// controller reads failed in turn.
//
// The default state: enclosure 252 with a RAID 5 of slots 0-3 (devices 8-11, virtual drive 0),
// a RAID 1 of slots 4-5 (virtual drive 1), a global hot spare in slot 6, an unconfigured SAS disk
// in slot 7 and two unconfigured SATA SSDs in slots 8 and 9.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "support/ToolRunner.h"

namespace command_walk {

using Line = std::vector<std::string>;

class WalkFixture;
using WalkPrepare = std::function<void(WalkFixture&, Json& state)>;

struct WalkCase {
    const char* word;  // the keyword table's word
    Line line;
    int status;         // the exit status of the case
    const char* shows;  // a line of the output that only this case prints
    WalkPrepare prepare = nullptr;  // none: the run starts without a state file (the default one)
};

class WalkFixture : public ToolTest {
public:
    void Put(const std::string& name, const std::string& content) const { WriteFile(name, content); }
    const std::string& Folder() const { return Dir(); }

    // Runs lines on the state before the case, where no change of the state file reaches it, and
    // takes the state they leave.
    void Before(Json& state, const std::vector<Line>& lines);

    // Writes the state the case starts from (none for a case without preparation: the tool
    // makes the default one). False when the preparation failed.
    bool Prepare(const WalkCase& c);
};

// Every line, and the one of a command word (null when it has none).
const std::vector<WalkCase>& Cases();
const WalkCase* CaseFor(const char* word);

// The command words of the keyword table, and a test name made of one.
std::vector<const char*> CommandWords();
std::string WordTestName(const char* word);

}  // namespace command_walk
