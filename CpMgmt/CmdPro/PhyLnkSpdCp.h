// The PHY link speed (-PhySetLinkSpeed): limits the link rate of one SAS PHY of the controller
// to a speed code (0 no limit, 1 1.5 Gb/s, 2 3 Gb/s, 4 6 Gb/s, 8 where the controller offers it).
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpPhySetLinkSpeedParsedObject.h"

class AdpPhySetLinkSpeedCp
    : public TypedProcessor<AdpPhySetLinkSpeedParsedObject, "AdpPhySetLinkSpeedParsedObject *"> {
public:
    // 0 (nothing printed); -1 for a speed code the controller does not take; the firmware
    // status of a failed request.
    int ProcessParsed(CpController* cpController, AdpPhySetLinkSpeedParsedObject* object) override;

    // The request with the PHY number and the speed code in the mailbox.
    static int SendPhyDcmd(u32 opcode, u8* data, u8 phy, u8 speed, CpController* cpController);
};
