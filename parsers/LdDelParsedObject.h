// The parsed virtual-drive deletion (-CfgLdDel, -CfgFlashTierDel): the command id, one adapter,
// the virtual-drive ids in the order given (64 first: all virtual drives) and the force flag.
#pragma once
#include "cmdtool/ParsedObject.h"

class LdDelParsedObject : public LdParsedObject {
public:
    LdDelParsedObject(u16 commandId, const ArrayList<u8>& ids, u8 force, u8 adapterNumber);
    ParsedObject* Clone() const override;

    // 1 when the command named every virtual drive (-LALL).
    u8 IsAllLds() const { return GetLdCount() > 0 && GetLd(0) == kAllLds ? 1 : 0; }
    u8 GetForce() const { return force_; }

protected:
    LdDelParsedObject(const LdDelParsedObject&) = default;

private:
    u8 force_;
};
