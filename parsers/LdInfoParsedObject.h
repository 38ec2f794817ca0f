// The parsed virtual-drive information command (-LDInfo), also made for
// -DiscardPreservedCache: the command id, one adapter, the virtual-drive ids (64 first: all)
// and the force flag (read only by the discard command).
#pragma once
#include "cmdtool/ParsedObject.h"

class LdInfoParsedObject : public LdParsedObject {
public:
    LdInfoParsedObject(u16 commandId, const ArrayList<u8>& ids, u8 force, u8 adapterNumber);
    LdInfoParsedObject(u16 commandId, const ArrayList<u8>& ids, u8 adapterNumber);
    ParsedObject* Clone() const override;

    u8 GetForce() const { return force_; }

protected:
    LdInfoParsedObject(const LdInfoParsedObject&) = default;

private:
    u8 force_;
};
