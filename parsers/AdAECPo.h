// The parsed advanced event capture command (-AdpAEC) for one adapter: the sub-command (an
// operation) with its arguments, and the data file for -get.
#pragma once
#include "ZepUtil/CppStr/apstring.h"
#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"

class AdAECPo : public ParsedObject {
public:
    // Operations.
    static constexpr u8 kStart = 1;
    static constexpr u8 kStop = 2;
    static constexpr u8 kDisable = 3;
    static constexpr u8 kCaptureMode = 4;
    static constexpr u8 kGet = 5;
    static constexpr u8 kShow = 6;
    static constexpr u8 kFilter = 7;
    static constexpr u8 kClear = 8;
    // Capture modes.
    static constexpr u8 kContinuous = 0;
    static constexpr u8 kFull = 1;

    struct Fields {
        u8 operation = 0;
        u8 captureMode = kContinuous;
        u8 group = 0;
        u32 numEvents = 0;
        u32 filterValue = 0;
    };

    AdAECPo(u16 commandId, const string& fileName, const Fields& fields, u8 adapterNumber)
        : ParsedObject(commandId, adapterNumber), fileName_(fileName), fields_(fields)
    {
    }
    ParsedObject* Clone() const override { return new AdAECPo(*this); }

    u8 GetOperation() const { return fields_.operation; }
    bool OnlyReads() const override { return fields_.operation == kShow; }
    u32 GetNumEvents() const { return fields_.numEvents; }
    u8 GetCaptureMode() const { return fields_.captureMode; }
    u32 GetFilterValue() const { return fields_.filterValue; }
    u8 GetGroup() const { return fields_.group; }
    string GetFileName() const { return fileName_; }

protected:
    AdAECPo(const AdAECPo&) = default;

private:
    string fileName_;
    Fields fields_;
};
