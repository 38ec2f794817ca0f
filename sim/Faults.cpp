#include "Faults.h"

#include <cstdint>

namespace sim {

std::optional<InjectedFault> FaultCounter::Check(const std::vector<Fault>& faults, const RequestKey& key)
{
    calls_.resize(faults.size(), 0);
    std::optional<InjectedFault> hit;
    for (std::size_t i = 0; i < faults.size(); ++i) {
        const Fault& f = faults[i];
        if (!FunctionMatches(f.function, key.kind) || (f.controller && f.controller != key.controller) ||
            (f.opcode && f.opcode != key.opcode) || !PassThruMatches(f.target, f.cdb, key))
            continue;
        if (calls_[i] < UINT32_MAX)
            ++calls_[i];
        if (!hit && (f.nth == 0 || f.nth == calls_[i]))
            hit = InjectedFault{f.status, f.libError};
    }
    return hit;
}

}  // namespace sim
