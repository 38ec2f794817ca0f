#include "parsers/LdPowerPolicyParsedObject.h"

LdPowerPolicyParsedObject::LdPowerPolicyParsedObject(u16 commandId, const ArrayList<u8>& ids, u16 policy,
                                                     u8 adapterNumber)
    : LdParsedObject(commandId, ids, adapterNumber), policy_(policy)
{
}

ParsedObject* LdPowerPolicyParsedObject::Clone() const { return new LdPowerPolicyParsedObject(*this); }
