#include "parsers/AdpCCSchedParsedObject.h"

AdpCCSchedParsedObject::AdpCCSchedParsedObject(u16 commandId, u32 operation, u32 mode, u32 delay,
                                               const std::tm& startTime, const ArrayList<u8>& excluded,
                                               u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), operation_(operation), mode_(mode), delay_(delay)
{
    if (startTime.tm_year != 0)
        startTime_ = startTime;
    if (excluded.GetCount() != 0)
        excluded_ = std::make_unique<ArrayList<u8>>(excluded);
}

AdpCCSchedParsedObject::AdpCCSchedParsedObject(const AdpCCSchedParsedObject& other)
    : ParsedObject(other),
      operation_(other.operation_),
      mode_(other.mode_),
      delay_(other.delay_),
      startTime_(other.startTime_),
      excluded_(other.excluded_ ? std::make_unique<ArrayList<u8>>(*other.excluded_) : nullptr)
{
}
