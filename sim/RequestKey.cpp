#include "RequestKey.h"

#include <algorithm>

namespace sim {

bool FunctionMatches(std::optional<RequestKind> function, RequestKind kind)
{
    if (function)
        return *function == kind;
    return kind == RequestKind::Dcmd || kind == RequestKind::DcmdPrivate || kind == RequestKind::DriverRequest;
}

bool PassThruMatches(const std::optional<u8>& target, const std::vector<u8>& cdb, const RequestKey& key)
{
    if (target && *target != key.target)
        return false;
    return cdb.size() <= key.cdb.size() && std::equal(cdb.begin(), cdb.end(), key.cdb.begin());
}

}  // namespace sim
