#include "RequestKey.h"

namespace sim {

bool FunctionMatches(std::optional<RequestKind> function, RequestKind kind)
{
    if (function)
        return *function == kind;
    return kind == RequestKind::Dcmd || kind == RequestKind::DcmdPrivate || kind == RequestKind::DriverRequest;
}

}  // namespace sim
