#include "parsers/LdReconstructParsedObject.h"

LdReconstructParsedObject::LdReconstructParsedObject(u16 commandId, const SharedDriveList& drives, u16 action,
                                                     u16 addRemove, u8 vdNumber, u8 raidLevel, u8 force,
                                                     u8 adapterNumber)
    : ParsedObject(commandId, adapterNumber), force_(force), action_(action), addRemove_(addRemove),
      vdNumber_(vdNumber), raidLevel_(raidLevel), drives_(drives)
{
}

ParsedObject* LdReconstructParsedObject::Clone() const { return new LdReconstructParsedObject(*this); }
