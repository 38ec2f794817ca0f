// Injected faults: the first rule of the state's "faults" that matches a request (and whose
// n-th matching call this is, when it names one) makes the request fail with a firmware status
// or a library error. Calls are counted per rule from INIT.
#pragma once
#include <vector>

#include "RequestKey.h"

namespace sim {

struct InjectedFault {
    u32 status = 0;
    u32 libError = 0;
};

class FaultCounter {
public:
    void Reset() { calls_.clear(); }
    // Counts the call for every matching rule; the fault of the first rule that fires.
    std::optional<InjectedFault> Check(const std::vector<Fault>& faults, const RequestKey& key);

private:
    std::vector<u32> calls_;
};

}  // namespace sim
