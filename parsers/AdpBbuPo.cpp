#include "parsers/AdpBbuPo.h"

AdpBbuPo::AdpBbuPo(u16 commandId, const string& fileName, u8 subCommand, u32 offset, u32 numBytes, u8 adapterNumber,
                   u8 scheduleOption, const Schedule& schedule, u8 weekday)
    : ParsedObject(commandId, adapterNumber),
      weekday_(weekday),
      fileName_(fileName),
      subCommand_(subCommand),
      offset_(offset),
      numBytes_(numBytes),
      scheduleOption_(scheduleOption),
      schedule_(schedule)
{
}

ParsedObject* AdpBbuPo::Clone() const { return new AdpBbuPo(*this); }
