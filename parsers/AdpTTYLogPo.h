// The parsed terminal log command (-FwTermLog) for one adapter: which of its options was given.
#pragma once
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

class AdpTTYLogPo : public ParsedObject {
public:
    // Option codes.
    static constexpr u8 kClear = 0;
    static constexpr u8 kDisplay = 1;
    static constexpr u8 kBbuOn = 2;
    static constexpr u8 kBbuOff = 3;
    static constexpr u8 kBbuOffTemp = 4;
    static constexpr u8 kBbuGet = 5;
    static constexpr u8 kNone = 15;

    AdpTTYLogPo(u16 commandId, u8 option, u8 adapterNumber);
    ParsedObject* Clone() const override;

    u8 GetOption() const { return option_; }
    bool OnlyReads() const override { return option_ == kDisplay || option_ == kBbuGet; }

private:
    u8 option_;
};
