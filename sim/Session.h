// The library's state within one process: the state file and its lock, the loaded model and
// the fault counters, from INIT to CLOSE (or the end of the process).
#pragma once
#include <memory>
#include <optional>

#include "Faults.h"
#include "StateFile.h"

namespace sim {

class Session {
public:
    static Session& Get();

    // Locks and loads the state, applies an injected INIT fault, moves the clock on for this
    // run, completes the background work the clock has passed, and saves when either changed
    // something. A library error, 0 on success. INIT on an open session
    // does nothing.
    u32 Init();
    void Close();

    bool IsOpen() const { return model_.has_value(); }
    SimModel& Model() { return *model_; }
    Controller* FindController(u32 id);

    std::optional<InjectedFault> CheckFault(const RequestKey& key) { return faults_.Check(model_->faults, key); }

    // Saves the state after a request changed it; kLibStateError when it cannot be written.
    u32 Save();

private:
    std::unique_ptr<StateFile> file_;
    std::optional<SimModel> model_;
    FaultCounter faults_;
};

}  // namespace sim
