#include "parsers/ShowSummaryPo.h"

ShowSummaryPo::ShowSummaryPo(u16 commandId, const std::string& fileName, u8 fileOutput, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), fileName_(fileName), fileOutput_(fileOutput)
{
}

ParsedObject* ShowSummaryPo::Clone() const { return new ShowSummaryPo(*this); }
