#include "parsers/SecureErasePo.h"

SecureErasePo::SecureErasePo(u16 commandId, const ArrayList<u8>& lds, const SharedDriveList& drives,
                             const Fields& fields, u8 adapterNumber)
    : LdParsedObject(commandId, lds, adapterNumber), fields_(fields), drives_(drives)
{
}

ParsedObject* SecureErasePo::Clone() const { return new SecureErasePo(*this); }
