// The controller time (-AdpGetTime, -AdpSetTime): reads the controller's date and time, or sets
// them to the date and time the parser checked.
#pragma once
#include "CpMgmt/TypedProcessor.h"
#include "parsers/AdpTimeParsedObject.h"

class AdpSetGetTimeCp : public TypedProcessor<AdpTimeParsedObject, "AdpTimeParsedObject *"> {
public:
    // 0, or the firmware status of the failed request.
    int ProcessParsed(CpController* cpController, AdpTimeParsedObject* object) override;

    // The time request with the opcode: the 8-byte block from or to the controller.
    static int SendTimeDcmd(u32 opcode, u8* block, CpController* cpController);
};
