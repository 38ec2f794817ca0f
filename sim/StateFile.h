// The state file on disk: its lock, loading (with the default topology when the file is
// missing) and saving (a temporary file in the same directory renamed over the old one). A file
// that cannot be read or understood is never written; every failure prints one line to standard
// error naming the file and the fault.
#pragma once
#include <string>

#include "Model.h"

namespace sim {

// DRIVEKIT_SIM_STATE, or "./drivekit-sim.json".
std::string StatePathFromEnvironment();

class StateFile {
public:
    explicit StateFile(std::string path);
    ~StateFile();
    StateFile(const StateFile&) = delete;
    StateFile& operator=(const StateFile&) = delete;

    // Takes the lock file beside the file the state path leads to ("<target>.lock", symbolic
    // links followed), waiting for another run to release it (at most a minute).
    bool Lock();
    void Unlock();

    // Reads the model from the file whose lock is held; a missing file is created from the
    // default topology.
    bool Load(SimModel& model);
    bool Save(const SimModel& model);

    const std::string& Path() const { return path_; }

private:
    bool Report(const char* action, const std::string& fault) const;
    // The file the state path leads to, as found when the lock was taken.
    const std::string& Target();

    std::string path_;
    std::string target_;
    int lockFd_ = -1;
};

}  // namespace sim
