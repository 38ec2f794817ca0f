// The parsed patrol-read command (-AdpPR) for one adapter: the option given (its token id), the
// number of -SetDelay or -maxConcurrentPD, and the start time of -setStartTime.
#pragma once
#include <ctime>

#include "cmdtool/ParsedObject.h"
#include "cmdtool/TokenIds.h"

class AdpPrParsedObject : public ParsedObject {
public:
    static constexpr u16 kNoValue = 255;

    // The start time is taken only when its year is set; otherwise the record stays zero.
    AdpPrParsedObject(u16 commandId, u16 option, u16 value, const std::tm* startTime, u8 adapterNumber);
    ParsedObject* Clone() const override { return new AdpPrParsedObject(*this); }

    u16 GetAction() const { return option_; }
    bool OnlyReads() const override { return option_ == TOKEN_INFO; }
    u16 GetValue() const { return value_; }
    // Never null.
    const std::tm* GetStartTime() const { return &startTime_; }

protected:
    AdpPrParsedObject(const AdpPrParsedObject&) = default;

private:
    u16 option_;
    u16 value_;
    std::tm startTime_{};
};
