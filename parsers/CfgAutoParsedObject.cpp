#include "parsers/CfgAutoParsedObject.h"

CfgAutoParsedObject::CfgAutoParsedObject(u16 commandId, u8 raidLevel, u8 readPolicy, u8 writePolicy, u8 ioPolicy,
                                         u8 cachedBadBbu, u16 stripSize, u8 sataOnly, u8 spanCount, u8 hspCount,
                                         u8 dedicated, u8 enclAffinity, u8 revertible, u8 encryptionType,
                                         u8 psPolicy, u8 autoEnblPi, u8 autoUseCache, u8 adapterNumber)
    : CfgAddParsedObject(commandId, raidLevel, 0, autoEnblPi, readPolicy, writePolicy, ioPolicy, cachedBadBbu,
                         stripSize, nullptr, nullptr, nullptr, encryptionType, psPolicy, autoUseCache, kNotGiven,
                         adapterNumber),
      autoUseCache_(autoUseCache),
      enclAffinity_(enclAffinity),
      dedicated_(dedicated),
      revertible_(revertible),
      sataOnly_(sataOnly),
      spanCount_(spanCount),
      hspCount_(hspCount),
      autoEnblPi_(autoEnblPi)
{
}

ParsedObject* CfgAutoParsedObject::Clone() const
{
    return new CfgAutoParsedObject(GetCommandId(), GetRaidLevel(), GetReadPolicy(), GetWritePolicy(), GetIoPolicy(),
                                   GetCachedBadBbu(), GetStripSize(), sataOnly_, spanCount_, hspCount_, dedicated_,
                                   enclAffinity_, revertible_, GetEncryptionType(), GetPsPolicy(), autoEnblPi_,
                                   autoUseCache_, GetAdapterNumber());
}
