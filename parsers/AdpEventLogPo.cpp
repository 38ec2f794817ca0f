#include "parsers/AdpEventLogPo.h"

AdpEventLogPo::AdpEventLogPo(u16 commandId, const string& fileName, u8 subCommand, u8 classFilter, u16 latestCount,
                             const ArrayList<u8>& vds, u8 appendFlag, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), fileName_(fileName), subCommand_(subCommand), classFilter_(classFilter),
      appendFlag_(appendFlag), latestCount_(latestCount), vds_(vds)
{
}

ParsedObject* AdpEventLogPo::Clone() const
{
    auto* copy = new AdpEventLogPo(*this);
    copy->appendFlag_ = copied_ ? 1 : 0;
    copy->copied_ = false;
    copied_ = true;
    return copy;
}
