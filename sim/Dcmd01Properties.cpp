// The controller properties read (0x01020100) and write (0x01020200). The properties are the
// controller's current settings; the controller information block reports the same bytes.
#include "Dcmd.h"
#include "Encoders.h"
#include "EventCodes.h"
#include "FwStatus.h"

namespace sim {

void GetControllerProperties(DcmdCall& call) { call.reply = EncodeControllerProperties(call.controller.properties); }

// A block holding a value the controller does not define is refused as a whole.
void SetControllerProperties(DcmdCall& call)
{
    ControllerProperties updated = call.controller.properties;
    if (!DecodeControllerProperties(call.data, updated)) {
        call.status = kFwInvalidParameter;
        return;
    }
    if (updated == call.controller.properties)
        return;
    call.controller.properties = updated;
    AppendEvent(call.controller, call.model.clock, kEvPropertiesChanged, EventArgs::None());
    call.changed = true;
}

}  // namespace sim
