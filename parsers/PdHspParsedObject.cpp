#include "parsers/PdHspParsedObject.h"

PdHspParsedObject::PdHspParsedObject(u16 commandId, const PdIdList& drives, const ArrayList<u8>& arrays,
                                     u8 enclAffinity, u8 dedicated, u8 revertible, u32 set, u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber),
      drives_(drives),
      arrays_(arrays),
      enclAffinity_(enclAffinity),
      dedicated_(dedicated),
      revertible_(revertible),
      set_(set)
{
}

ParsedObject* PdHspParsedObject::Clone() const { return new PdHspParsedObject(*this); }
