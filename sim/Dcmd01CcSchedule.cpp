// The consistency-check schedule: its mode, the virtual drives left out, the next start and the
// delay between runs, and its status.
#include <algorithm>

#include "Dcmd01Settings.h"
#include "Encoders.h"
#include "EventCodes.h"
#include "FwStatus.h"
#include "Topology.h"

namespace sim {
namespace {

bool Supported(DcmdCall& call)
{
    if (!call.controller.ccSchedule.unsupported)
        return true;
    call.status = kFwNotSupported;
    return false;
}

// Every virtual drive left out must exist, and be named once.
u32 CheckExcluded(const Controller& controller, const std::vector<u16>& excluded)
{
    for (std::size_t i = 0; i < excluded.size(); ++i) {
        if (std::find(excluded.begin(), excluded.begin() + static_cast<std::ptrdiff_t>(i), excluded[i]) !=
            excluded.begin() + static_cast<std::ptrdiff_t>(i))
            return kFwInvalidParameter;
        if (excluded[i] > 0xFF || FindVirtualDrive(controller, static_cast<u8>(excluded[i])) == nullptr)
            return kFwNotFound;
    }
    return kFwOk;
}

}  // namespace

void GetCcStatusRequest(DcmdCall& call)
{
    if (Supported(call))
        call.reply = EncodeCcStatus(call.controller.ccSchedule);
}

void GetCcScheduleRequest(DcmdCall& call)
{
    if (Supported(call))
        call.reply = EncodeCcSchedule(call.controller.ccSchedule);
}

void SetCcScheduleRequest(DcmdCall& call)
{
    if (!Supported(call))
        return;
    CcSchedule updated = call.controller.ccSchedule;
    if (!DecodeCcSchedule(call.data, updated)) {
        call.status = kFwInvalidParameter;
        return;
    }
    call.status = CheckExcluded(call.controller, updated.excluded);
    if (call.status != kFwOk || updated == call.controller.ccSchedule)
        return;
    call.controller.ccSchedule = updated;
    AppendEvent(call.controller, call.model.clock, kEvCcScheduleChanged, EventArgs::None());
    call.changed = true;
}

}  // namespace sim
