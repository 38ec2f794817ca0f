// The parsed controller time command for one adapter: -AdpGetTime (16), or -AdpSetTime (15) with
// the date and time it sets.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

// A date and time as the controller keeps it.
struct ControllerDateTime {
    u16 year = 0;
    u8 month = 0;
    u8 day = 0;
    u8 hour = 0;
    u8 minute = 0;
    u8 second = 0;
};

class AdpTimeParsedObject : public ParsedObject {
public:
    static constexpr u16 kNoDate = 0xFFFF;  // the year of a command without a date

    AdpTimeParsedObject(u16 commandId, const ControllerDateTime& dateTime, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), dateTime_(dateTime)
    {
    }
    ParsedObject* Clone() const override { return new AdpTimeParsedObject(*this); }

    // 0 and the date and time; 1 (nothing copied) when the command carries no date.
    int GetDateTime(ControllerDateTime* out) const
    {
        if (dateTime_.year == kNoDate)
            return 1;
        *out = dateTime_;
        return 0;
    }

protected:
    AdpTimeParsedObject(const AdpTimeParsedObject&) = default;

private:
    ControllerDateTime dateTime_;
};
