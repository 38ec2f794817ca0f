// The parsed -AdpSetProp / -AdpGetProp command for one adapter: the property (the token id of its
// keyword, or the id that several keywords share: 284 the alarm, 4176 NCQ, 4177 auto enhanced
// import), the value, and the further numbers of PERFMODE (max flush lines, ordered I/Os or
// latency) and DISABLELDPS (the start time).
#pragma once
#include "cmdtool/ParsedObject.h"

class AdpPropertyPo : public ParsedObject {
public:
    static constexpr u16 kAlarm = 284;
    static constexpr u16 kNcq = 0x1050;
    static constexpr u16 kAutoEnhancedImport = 0x1051;
    static constexpr u32 kNotGiven = 0xFFFFFFFF;

    struct Fields {
        u16 propertyId = 255;
        u32 value = kNotGiven;
        u32 maxFlushLines = kNotGiven;
        u32 secondValue = kNotGiven;  // PERFMODE: ordered I/Os; DISABLELDPS: start time in minutes
        u32 maxPdLatency = kNotGiven;
    };

    AdpPropertyPo(u16 commandId, const Fields& fields, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), fields_(fields)
    {
    }
    ParsedObject* Clone() const override { return new AdpPropertyPo(*this); }

    u16 GetPropertyId() const { return fields_.propertyId; }
    u32 GetValue() const { return fields_.value; }
    // kNotGiven for a number that was not given.
    u32 GetMaxFlushLines() const { return fields_.maxFlushLines; }
    u32 GetSecondValue() const { return fields_.secondValue; }
    u32 GetMaxPdLatency() const { return fields_.maxPdLatency; }

protected:
    AdpPropertyPo(const AdpPropertyPo&) = default;

private:
    Fields fields_;
};
