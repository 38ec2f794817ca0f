#include "parsers/AdpEventLogPo.h"

namespace {
// Set until the first clone of the run is made.
bool firstCloneOfRun = true;
}  // namespace

AdpEventLogPo::AdpEventLogPo(u16 commandId, const string& fileName, u8 subCommand, u8 classFilter, u16 latestCount,
                             const ArrayList<u8>& vds, u8 appendFlag, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), fileName_(fileName), subCommand_(subCommand), classFilter_(classFilter),
      appendFlag_(appendFlag), latestCount_(latestCount), vds_(vds)
{
}

ParsedObject* AdpEventLogPo::Clone() const
{
    auto* copy = new AdpEventLogPo(*this);
    copy->appendFlag_ = firstCloneOfRun ? 0 : 1;
    firstCloneOfRun = false;
    return copy;
}
