// The parsed consistency-check schedule command (-AdpCcSched) for one adapter: the operation
// (report, mode with its optional exclusions, start time and delay, start time alone, delay
// alone), the mode, the delay in hours, the start time and the virtual drives left out.
#pragma once
#include <ctime>
#include <memory>

#include "cmdtool/ParsedObject.h"

class AdpCCSchedParsedObject : public ParsedObject {
public:
    enum Operation : u32 { kReport = 0, kSetMode = 1, kSetStartTime = 2, kSetDelay = 3, kNothing = 4 };
    static constexpr u32 kNoMode = 3;
    static constexpr u32 kNoDelay = 0xFFFFFFFF;

    // The start time is taken only when its year is set; the exclusions only when there are any.
    AdpCCSchedParsedObject(u16 commandId, u32 operation, u32 mode, u32 delay, const std::tm& startTime,
                           const ArrayList<u8>& excluded, u8 adapterNumber);
    ParsedObject* Clone() const override { return new AdpCCSchedParsedObject(*this); }

    u32 GetOperation() const { return operation_; }
    bool OnlyReads() const override { return operation_ == kReport; }
    u32 GetMode() const { return mode_; }
    u32 GetDelay() const { return delay_; }
    const std::tm* GetStartTime() const { return &startTime_; }
    // The target ids of -ExcludeLD -L..., or null without them.
    const ArrayList<u8>* GetExcludedLdList() const { return excluded_.get(); }

protected:
    AdpCCSchedParsedObject(const AdpCCSchedParsedObject& other);

private:
    u32 operation_;
    u32 mode_;
    u32 delay_;
    std::tm startTime_{};
    std::unique_ptr<ArrayList<u8>> excluded_;
};
