#include "CpMgmt/CmdPro/AdPropCp.h"

#include "CpMgmt/CmdPro/AdpPropMessageIds.h"
#include "CpMgmt/CommandProcessorFactory.h"
#include "cmdtool/TokenIds.h"
#include "raidmodel/Adapter.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace {

const CpRegistration<AdpPropertyCp> kRegisterAdpPropertyCp{TOKEN_ADPSETPROP, TOKEN_ADPGETPROP};

bool NeedsPowerSaving(u16 property)
{
    return property == TOKEN_DEFAULTLDPSPOLICY || property == TOKEN_DISABLELDPS ||
           (property >= TOKEN_SPINUPENCDRVCNT && property <= TOKEN_DISABLELDPSTIME);
}

bool NeedsEmergencySpares(u16 property)
{
    return property == TOKEN_ENABLEEGHSP || property == TOKEN_ENABLEEUG || property == TOKEN_ENABLEESMARTER;
}

}  // namespace

int AdpPropertyCp::ProcessParsed(CpController* cpController, AdpPropertyPo* object)
{
    Context c{cpController, nullptr, AdapterNumberOf(cpController), 0};
    c.adapter = AdapterOrReport(cpController, c.number, true);
    if (c.adapter == nullptr)
        return -1;
    // The capability bits count as clear when the controller information cannot be read.
    c.adapter->Refresh();
    c.adapter->GetOemMode(&c.oemMode);

    const u16 property = object->GetPropertyId();
    u8 supported = 0;
    if (NeedsPowerSaving(property) && (c.adapter->IsLdPowerSavingSupported(&supported) != 0 || supported == 0)) {
        PrintMessage(CommonMsg::kText, "Adapter does not support Power savings on logical drives.\n");
        return -1;
    }
    if (NeedsEmergencySpares(property) && (c.adapter->IsEmergencySpareSupported(&supported) != 0 || supported == 0)) {
        PrintMessage(CommonMsg::kText, "Adapter does not support Emergency Spare.\n");
        return -1;
    }

    if (object->GetCommandId() == TOKEN_ADPGETPROP) {
        int status = Get(c, object);
        if (status == kDirect)
            return -1;
        if (status != 0)
            PrintMessage(AdpPropMsg::kGetFailed, c.number);
        return status;
    }
    return Set(c, object);
}
