#include "parsers/AdpFwFlashPo.h"

AdpFwFlashPo::AdpFwFlashPo(u16 commandId, const string& fileName, u8 noSigChk, u8 noVerChk, u8 adapterNumber,
                           u8 fwType)
    : ParsedObject(commandId, adapterNumber), fileName_(fileName), fwType_(fwType), noSigChk_(noSigChk),
      noVerChk_(noVerChk)
{
}

ParsedObject* AdpFwFlashPo::Clone() const { return new AdpFwFlashPo(*this); }
